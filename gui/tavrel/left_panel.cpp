#include "gui/tavrel/left_panel.h"

#include "common/window_words.h"
#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "flume/page_chain.h"
#include "flume/quantities.h"
#include "gui/tavrel/field_edit.h"
#include "gui/common/twips.h"

#include <QLabel>
#include <QPushButton>

namespace tavrel {

using flume::Field;
using flume::Page;

namespace {

constexpr double field_left = 810;
constexpr double slot_field_width = 780;

// Where a shape dimension stands in shape-input mode: its field's top and its caption's left.
struct ShapeHome {
    Field field;
    double top;
    double caption_left;
};

const ShapeHome shape_homes[] = {
    {Field::t1, 840, 210},
    {Field::t2, 1320, 210},
    {Field::t3, 1800, 210},
    {Field::t4, 2280, 210},
    {Field::wall_height, 2760, 210},
    {Field::outer_water_height, 3240, 210},
    {Field::inner_width, 3720, 310},
};

// Where a page puts a shape field that it moves away from its home.
struct ShapeMove {
    Page page;
    Field field;
    double top;
    double caption_left;
};

const ShapeMove shape_moves[] = {
    {Page::EarthPressure, Field::wall_height, 840, 210},
    {Page::EarthPressure, Field::inner_width, 1320, 310},
};

bool shape_field_shown(Page page, Field field)
{
    switch (page) {
    case Page::ShapeInput:
    case Page::UpliftBearing:
        return true;
    case Page::EarthPressure:
        return field == Field::wall_height || field == Field::inner_width;
    case Page::Case1:
        return field == Field::t1 || field == Field::t2;
    case Page::Case2:
    case Page::Case3:
    case Page::MemberCheck:
        break;
    }
    return false;
}

// Where a page shows a carried slot: the field's top, its caption label and its note label.
struct SlotPlace {
    Page page;
    Field slot;
    double top;
    double caption_left, caption_top;
    double note_left, note_top;
};

const SlotPlace slot_places[] = {
    {Page::UpliftBearing, Field::carried_1, 4200, 115, 4260, 10, 4560},
    {Page::Case1, Field::carried_1, 2040, 105, 2100, 10, 2400},
    {Page::Case1, Field::carried_2, 2640, 270, 2700, 10, 3000},
    {Page::Case1, Field::carried_3, 3240, 230, 3300, 10, 3600},
    {Page::Case1, Field::carried_4, 3840, 150, 3900, 10, 4200},
    {Page::Case1, Field::carried_5, 4440, 80, 4500, 10, 4800},
    {Page::Case2, Field::carried_1, 840, 135, 900, 10, 1200},
    {Page::Case2, Field::carried_2, 1440, 190, 1500, 10, 1800},
    {Page::Case2, Field::carried_3, 2040, 220, 2100, 10, 2400},
    {Page::Case2, Field::carried_4, 2640, 110, 2700, 10, 3000},
    {Page::Case3, Field::carried_1, 840, 230, 900, 10, 1200},
    {Page::Case3, Field::carried_2, 1440, 200, 1500, 10, 1800},
    {Page::Case3, Field::carried_3, 2040, 130, 2100, 10, 2400},
    {Page::Case3, Field::carried_4, 2640, 150, 2700, 10, 3000},
    {Page::Case3, Field::carried_5, 3240, 130, 3300, 10, 3600},
    {Page::Case3, Field::carried_6, 3840, 130, 3900, 10, 4200},
    {Page::Case3, Field::carried_8, 4440, 310, 4500, 10, 4800},
    {Page::Case3, Field::carried_7, 5040, 150, 5100, 10, 5400},
};

const SlotPlace *slot_place(Page page, Field slot)
{
    for (const SlotPlace &place : slot_places) {
        if (place.page == page && place.slot == slot)
            return &place;
    }
    return nullptr;
}

void set_label(QLabel *label, const QString &text, double left, double top)
{
    label->setText(text);
    label->adjustSize();
    gui::common::place(label, left, top);
    label->show();
}

} // namespace

LeftPanel::LeftPanel(flume::FlumeSheet &sheet, QWidget *parent)
    : Panel(2600, 5700, parent), sheet_(sheet)
{
    setObjectName(QStringLiteral("Picture1"));
    shape_input_button_ = add_button(
        common::with_access_key(flume::page_caption(Page::ShapeInput), flume::page_access_key(Page::ShapeInput)), 570, 120, 1635, 315);
    shape_input_button_->setObjectName(QStringLiteral("Command11"));
    connect(shape_input_button_, &QPushButton::clicked, this, [this] { flume::enter_shape_input(sheet_); });
    heading_ = add_label(QStringLiteral("形状寸法（共通）"), 270, 135);
    heading_->setObjectName(QStringLiteral("Label4"));

    for (const ShapeHome &home : shape_homes) {
        const flume::Quantity &q = flume::quantity(home.field);
        FieldEdit *field = add_field(sheet, home.field, field_left, home.top, slot_field_width);
        field->setToolTip(q.tooltip);
        QLabel *caption = add_label(flume::caption_holding_field(q.caption, 12, q.unit), home.caption_left,
                                    home.top + caption_drop);
        caption->lower();
        shape_.append({field, caption, nullptr});
    }
    for (Field slot : {Field::carried_1, Field::carried_2, Field::carried_3, Field::carried_4, Field::carried_5,
                       Field::carried_6, Field::carried_7, Field::carried_8}) {
        FieldEdit *field = add_field(sheet, slot, field_left, 0, slot_field_width);
        QLabel *caption = add_label(QString(), 0, 0);
        caption->lower();
        QLabel *note = add_label(QString(), 0, 0);
        carried_.append({field, caption, note});
    }
    arrange(sheet.current_page());
}

void LeftPanel::arrange(Page page)
{
    const bool shape_input = page == Page::ShapeInput;
    shape_input_button_->setVisible(!shape_input);
    heading_->setVisible(shape_input);

    for (const ShapeHome &home : shape_homes) {
        Labelled *shape = find(home.field);
        double top = home.top;
        double caption_left = home.caption_left;
        for (const ShapeMove &move : shape_moves) {
            if (move.page == page && move.field == home.field) {
                top = move.top;
                caption_left = move.caption_left;
            }
        }
        gui::common::place(shape->field, field_left, top);
        gui::common::place(shape->caption, caption_left, top + caption_drop);
        const bool shown = shape_field_shown(page, home.field);
        shape->field->setVisible(shown);
        shape->caption->setVisible(shown);
    }

    for (Labelled &slot : carried_) {
        slot.field->hide();
        slot.caption->hide();
        slot.note->hide();
    }
    for (const flume::CarriedSlot &used : flume::carried_slots(page)) {
        const SlotPlace *where = slot_place(page, used.slot);
        Labelled *slot = find(used.slot);
        if (!where || !slot)
            continue;
        gui::common::place(slot->field, field_left, where->top);
        slot->field->show();
        set_label(slot->caption, used.caption, where->caption_left, where->caption_top);
        set_label(slot->note, used.note, where->note_left, where->note_top);
    }
}

LeftPanel::Labelled *LeftPanel::find(Field field)
{
    for (QList<Labelled> *list : {&shape_, &carried_}) {
        for (Labelled &l : *list) {
            if (l.field->field() == field)
                return &l;
        }
    }
    return nullptr;
}

} // namespace tavrel
