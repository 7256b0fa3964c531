#pragma once

#include "members/materials.h"
#include "members/member_inputs.h"

#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace members {
class MemberSheet;
}

namespace tavrel {

// The window "部材の応力度照査": the materials with their allowable stresses, and for each of the
// six Case members its bars, cover and section, its stresses beside the allowable ones and the
// judgement. It follows the member sheet, and through it the Cases' results, at once; it holds no
// state of its own and no arithmetic. It belongs to the flume window and closes with it.
class MemberCheckWindow : public QWidget
{
    Q_OBJECT

public:
    MemberCheckWindow(members::MemberSheet &sheet, QWidget *flume_window);

private:
    // One member's column, top to bottom.
    struct MemberColumn {
        QLabel *moment, *shear, *tension_face;
        QComboBox *bar, *spacing;
        QLineEdit *spacing_text;
        QLabel *other_spacing;
        QLineEdit *area, *perimeter;
        QLabel *width;
        QLineEdit *thickness, *cover, *depth;
        QLabel *steel_ratio, *neutral_axis_ratio, *lever_arm_ratio;
        std::array<QLabel *, members::allowables.size()> stresses;
        QLabel *judgement;
    };

    QWidget *build_materials();
    QWidget *build_members();
    void add_member_column(QGridLayout *grid, std::size_t index);
    // An input of a member's column in the grid's row, bound to one of the member's texts (none: bound
    // by the caller); the check is shown afresh when the user leaves it.
    QLineEdit *add_member_edit(QGridLayout *grid, int row, std::size_t index, const char *name,
                               QString members::MemberInputs::*text);
    // Changes the inputs as the user's edit says.
    void edit_member(std::size_t index, const std::function<void(members::MemberInputs &)> &change);
    void edit_materials(const std::function<void(members::Materials &)> &change);
    void show_check();

    members::MemberSheet &sheet_;
    QComboBox *strength_, *grade_, *tension_row_, *bar_surface_;
    std::array<QLineEdit *, members::allowables.size()> allowable_edits_{};
    std::array<QLabel *, members::allowables.size()> allowable_marks_{};
    std::array<MemberColumn, members::member_count> columns_{};
};

} // namespace tavrel
