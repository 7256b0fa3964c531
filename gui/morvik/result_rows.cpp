#include "gui/morvik/result_rows.h"

#include "gui/common/colours.h"
#include "gui/common/picture_widget.h"
#include "drawing/report_font.h"
#include "rcstress/quantities.h"
#include "gui/morvik/section_field_edit.h"
#include "gui/common/twips.h"

#include <QApplication>
#include <QLabel>

namespace morvik {

namespace {

using drawing::Picture;

constexpr int caption_left = 240;

// The system menu-bar colour behind P, k and j; the window's grey behind the stresses.
QColor menu_bar_colour()
{
    return QApplication::palette("QMenuBar").color(QPalette::Window);
}

void set_base(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

QWidget *place_picture(Picture picture, QWidget *client, double left, double top)
{
    auto *shown = new gui::common::PictureWidget(picture, client);
    shown->move(gui::common::pixels(left), gui::common::pixels(top));
    return shown;
}

struct RatioRow {
    rcstress::Field field;
    const char *control;
    int top;
};

struct StressBlock {
    rcstress::Field field;
    const char *control;
    int caption_top;
    Picture formula;
    Picture table;
    int table_top;
};

} // namespace

void add_ratio_rows(QWidget *client, rcstress::SectionSheet &sheet)
{
    const RatioRow rows[] = {
        {rcstress::Field::steel_ratio, "Text4", 1740},
        {rcstress::Field::neutral_axis_ratio, "Text5", 2070},
        {rcstress::Field::lever_arm_ratio, "Text6", 2400},
    };
    for (const RatioRow &row : rows) {
        auto *caption = new QLabel(rcstress::quantity(row.field).caption, client);
        gui::common::place(caption, caption_left, row.top, 2100, 270);
        auto *edit = new SectionFieldEdit(sheet, row.field, client);
        edit->setObjectName(QString::fromLatin1(row.control));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        set_base(edit, menu_bar_colour());
        gui::common::place(edit, 2400, row.top, 1005, 270);
    }
    auto *ratio_formula = new QLabel(QStringLiteral("Ｐ＝Ａｓ/(ｂ×ｄ)"), client);
    gui::common::place(ratio_formula, 3600, 1740, 2400, 270);
    // The k formula stands beside k's field, centred on it.
    const QSizeF k_size = drawing::natural_size(Picture::MorvikNeutralAxis);
    place_picture(Picture::MorvikNeutralAxis, client, 3600, 2070 + (270 - k_size.height()) / 2);
}

void add_stress_blocks(QWidget *client, rcstress::SectionSheet &sheet)
{
    const StressBlock blocks[] = {
        {rcstress::Field::concrete_stress, "Text10", 2820, Picture::MorvikConcreteStress, Picture::AllowableStress1, 2760},
        {rcstress::Field::steel_stress, "Text11", 3990, Picture::MorvikSteelStress, Picture::AllowableStress2, 3780},
        {rcstress::Field::shear_stress, "Text12", 5160, Picture::MorvikShearStress, Picture::AllowableStress3, 5160},
        {rcstress::Field::bond_stress, "Text13", 6330, Picture::MorvikBondStress, Picture::AllowableStress4, 6240},
    };
    for (const StressBlock &block : blocks) {
        auto *caption = new QLabel(rcstress::quantity(block.field).caption, client);
        gui::common::place(caption, caption_left, block.caption_top, 5300, 240);

        // The formula below the caption; "＝" and the field on the height of its fraction line.
        const int formula_top = block.caption_top + 270;
        place_picture(block.formula, client, 480, formula_top);
        const double middle = formula_top + drawing::natural_size(block.formula).height() / 2;

        auto *equals = new QLabel(QStringLiteral("＝"), client);
        gui::common::place(equals, 3150, middle - 135, 270, 270);

        auto *edit = new SectionFieldEdit(sheet, block.field, client);
        edit->setObjectName(QString::fromLatin1(block.control));
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        edit->setFont(drawing::report_font(12));
        set_base(edit, gui::common::panel_colour);
        gui::common::place(edit, 3480, middle - 187.5, 2000, 375);

        place_picture(block.table, client, 5760, block.table_top);
    }
}

} // namespace morvik
