#include "flume/page_chain.h"

#include "flume/flume_sheet.h"
#include "flume/quantities.h"

namespace flume {

QList<CarriedSlot> carried_slots(Page page)
{
    const QString from_earth_pressure = QStringLiteral("（主働土圧より）");
    const QString from_uplift = QStringLiteral("（浮上り・地盤支持力より）");
    const QString from_case1a = QStringLiteral("（ケース1-ａより）");
    const QString from_case1b = QStringLiteral("（ケース1-ｂより）");
    const QString from_case2a = QStringLiteral("（ケース2-ａより）");

    // The caption of a slot: its label and, where the label leaves a run of blanks for the field, the
    // unit of the value it takes.
    const auto slot = [](Field slot, Field source, const char *label, int blanks, const QString &note) {
        const QString text = QString::fromUtf8(label);
        return CarriedSlot{slot, source, blanks > 0 ? caption_holding_field(text, blanks, quantity(source).unit) : text,
                           note};
    };

    switch (page) {
    case Page::UpliftBearing:
        return {slot(Field::carried_1, Field::pv, " Pv =", 0, from_earth_pressure)};
    case Page::Case1:
        return {
            slot(Field::carried_1, Field::pv, " Pv =", 0, from_earth_pressure),
            slot(Field::carried_2, Field::ka, "KA =", 0, from_earth_pressure),
            slot(Field::carried_3, Field::surcharge, "ｑ =", 12, from_earth_pressure),
            slot(Field::carried_4, Field::water_unit_weight, "γw =", 12, from_uplift),
            slot(Field::carried_5, Field::flume_unit_weight, "γsc =", 12, from_uplift),
        };
    case Page::Case2:
        return {
            slot(Field::carried_1, Field::water_unit_weight, "γw =", 12, from_uplift),
            slot(Field::carried_2, Field::slab_position, "  X =", 14, from_case1b),
            slot(Field::carried_3, Field::slab_reaction, "WR =", 12, from_case1b),
            slot(Field::carried_4, Field::wall_spacing, " BL =", 12, from_case1b),
        };
    case Page::Case3:
        return {
            slot(Field::carried_1, Field::ka, "KA =", 0, from_earth_pressure),
            slot(Field::carried_2, Field::water_unit_weight, "γw =", 14, from_uplift),
            slot(Field::carried_3, Field::wet_soil_unit_weight, "γt =", 12, from_case1a),
            slot(Field::carried_4, Field::back_friction_angle, "δ’=", 12, from_case1a),
            slot(Field::carried_5, Field::wall_spacing, " BL =", 12, from_case1b),
            slot(Field::carried_6, Field::slab_position, "  X =", 12, from_case1b),
            slot(Field::carried_8, Field::slab_reaction, "WR =", 14, from_case1b),
            slot(Field::carried_7, Field::case2_depth, " h' =", 12, from_case2a),
        };
    case Page::ShapeInput:
    case Page::EarthPressure:
    case Page::MemberCheck:
        break;
    }
    return {};
}

void open_page(FlumeSheet &sheet, Page page)
{
    for (const CarriedSlot &slot : carried_slots(page))
        sheet.set_text(slot.slot, sheet.text(slot.source));
    if (page == Page::EarthPressure)
        sheet.set_shape_locked(true);
    sheet.set_current_page(page);
    for (Page p : calculation_pages)
        sheet.set_print_entry_enabled(p, p == page && !sheet.text(last_result(p)).isEmpty());
}

void enter_shape_input(FlumeSheet &sheet)
{
    for (Page p : {Page::UpliftBearing, Page::Case1, Page::Case2, Page::Case3})
        sheet.set_page_button_enabled(p, false);
    for (Field f : {Field::ka, Field::pa, Field::pav, Field::pv})
        sheet.clear_result(f);
    // Unlocked before the page changes, as opening page 1 locks first: the page shown finds its
    // fields as they will stay.
    sheet.set_shape_locked(false);
    sheet.set_current_page(Page::ShapeInput);
    for (Page p : calculation_pages)
        sheet.set_print_entry_enabled(p, false);
}

} // namespace flume
