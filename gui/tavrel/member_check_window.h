#pragma once

#include "members/materials.h"
#include "members/member_inputs.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QUndoStack;

namespace members {
class MemberSheet;
}

namespace tavrel {

// The window "部材の応力度照査": the materials with their allowable stresses and the detailing
// rules, and for each of the six Case members its bars, cover and section, its stresses beside the
// allowable ones, the detailing rules and the judgement. It follows the member sheet, and through
// it the Cases' results, at once; it holds no state of its own and no arithmetic. It belongs to
// the flume window and closes with it. It opens as large as its contents where the screen has the
// room, smaller otherwise, scrolls what it cannot show and can be resized; its columns keep their
// width whatever the texts in them, a long text wrapping in its cell with the whole text as its
// tooltip. 「自動配筋」 puts in the bars the search finds, for all six members or for one; each row
// says whether its bars are the search's (自動) or typed (手入力) and what the last search said of
// it, and Ctrl+Z puts back the bars a search replaced.
class MemberCheckWindow : public QWidget
{
    Q_OBJECT

public:
    MemberCheckWindow(members::MemberSheet &sheet, QWidget *flume_window);

    // The size that shows everything without scrolling.
    QSize whole_size() const;

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
        std::array<QLabel *, members::details.size()> details;
        QLabel *judgement;
        QPushButton *design;
        QLabel *origin, *design_note;
    };

    QWidget *build_materials(QWidget *parent);
    QWidget *build_detailing(QWidget *parent);
    QWidget *build_design(QWidget *parent);
    QWidget *build_members(QWidget *parent);
    // Opens at the whole size, within the room the screen of the flume window leaves.
    void fit_to_screen(QWidget *flume_window);
    void add_member_column(QGridLayout *grid, std::size_t index);
    // An input of a member's column in the grid's row, bound to one of the member's texts (none: bound
    // by the caller); the check is shown afresh when the user leaves it.
    QLineEdit *add_member_edit(QGridLayout *grid, int row, std::size_t index, const char *name,
                               QString members::MemberInputs::*text);
    // Changes the inputs as the user's edit says.
    void edit_member(std::size_t index, const std::function<void(members::MemberInputs &)> &change);
    void edit_materials(const std::function<void(members::Materials &)> &change);
    void show_check();
    // 「自動配筋」 for every member, or for one.
    void design(std::optional<std::size_t> member);

    members::MemberSheet &sheet_;
    QScrollArea *scroll_ = nullptr;
    QComboBox *strength_, *grade_, *tension_row_, *bar_surface_;
    std::array<QLineEdit *, members::allowables.size()> allowable_edits_{};
    std::array<QLabel *, members::allowables.size()> allowable_marks_{};
    // By members::detailing_entries.
    std::array<QLineEdit *, std::size(members::detailing_entries)> detailing_edits_{};
    QLineEdit *design_bars_, *design_pitches_;
    QPushButton *design_all_;
    std::array<MemberColumn, members::member_count> columns_{};
    QUndoStack *undo_;
    // What the last search said of each member, shown until the inputs or the Cases change.
    std::array<QString, members::member_count> design_notes_;
    bool designing_ = false;
};

} // namespace tavrel
