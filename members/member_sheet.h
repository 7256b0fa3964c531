#pragma once

#include "members/auto_reinforcement.h"
#include "members/member_check.h"
#include "members/member_inputs.h"

#include <QObject>

namespace flume {
class FlumeSheet;
}

namespace members {

// The record of the member check beside the flume window's sheet: the materials and the six
// members' inputs as entered. The check follows the sheet: whenever an input here or a text or
// display state there changes, changed() tells the window to show the check afresh, and the
// report's print entry on the sheet is enabled exactly while some member has stresses. It keeps
// the inputs each member's forces were computed from, so that forces left on the sheet after an
// input changed (typed, or a file opened) are not judged.
class MemberSheet : public QObject
{
    Q_OBJECT

public:
    explicit MemberSheet(flume::FlumeSheet &flume_sheet, QObject *parent = nullptr);

    const MemberCheckInputs &inputs() const { return inputs_; }
    // Replaces every input, as opening a file does.
    void set_inputs(const MemberCheckInputs &inputs);
    // Enter one part: a part the opened file could not give is the user's from then on.
    void set_materials(const Materials &materials);
    void set_detailing(const DetailingRules &detailing);
    // A member as the user enters it: a bar or pitch changed is no longer the search's (手入力).
    void set_member(std::size_t index, const MemberInputs &member);
    // Types a member's 総厚: the shape's own value, or an empty text, follows the shape again.
    void type_thickness(std::size_t index, const QString &text);
    void set_design_lists(const DesignLists &lists);

    // The check as it stands now.
    MemberCheckReport report() const;
    // The search for the bars of every member, or of one, on the forces shown now.
    std::array<MemberDesign, member_count> designs() const;
    MemberDesign design(std::size_t index) const;

signals:
    void changed();

private:
    void follow();
    void note_forces_computed(flume::Field result);
    OutdatedForces outdated() const;

    flume::FlumeSheet &flume_sheet_;
    MemberCheckInputs inputs_;
    std::array<QStringList, member_count> computed_from_;  // empty until the member's forces are computed
};

} // namespace members
