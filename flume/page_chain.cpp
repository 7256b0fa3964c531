#include "flume/page_chain.h"

#include "flume/flume_sheet.h"

namespace flume {

QList<CarriedSlot> carried_slots(Page page)
{
    const QString from_earth_pressure = QStringLiteral("（主働土圧より）");
    const QString from_uplift = QStringLiteral("（浮上り・地盤支持力より）");
    const QString from_case1a = QStringLiteral("（ケース1-ａより）");
    const QString from_case1b = QStringLiteral("（ケース1-ｂより）");
    const QString from_case2a = QStringLiteral("（ケース2-ａより）");

    switch (page) {
    case Page::UpliftBearing:
        return {{Field::carried_1, Field::pv, QStringLiteral(" Pv ="), from_earth_pressure}};
    case Page::Case1:
        return {
            {Field::carried_1, Field::pv, QStringLiteral(" Pv ="), from_earth_pressure},
            {Field::carried_2, Field::ka, QStringLiteral("KA ="), from_earth_pressure},
            {Field::carried_3, Field::surcharge, QStringLiteral("ｑ =            KN/m2"), from_earth_pressure},
            {Field::carried_4, Field::water_unit_weight, QStringLiteral("γw =            KN/m3"), from_uplift},
            {Field::carried_5, Field::flume_unit_weight, QStringLiteral("γsc =            KN/m2"), from_uplift},
        };
    case Page::Case2:
        return {
            {Field::carried_1, Field::water_unit_weight, QStringLiteral("γw =            KN/m3"), from_uplift},
            {Field::carried_2, Field::slab_position, QStringLiteral("  X =              ｍ"), from_case1b},
            {Field::carried_3, Field::slab_reaction, QStringLiteral("WR =            KN/m2"), from_case1b},
            {Field::carried_4, Field::wall_spacing, QStringLiteral(" BL =            ｍ"), from_case1b},
        };
    case Page::Case3:
        return {
            {Field::carried_1, Field::ka, QStringLiteral("KA ="), from_earth_pressure},
            {Field::carried_2, Field::water_unit_weight, QStringLiteral("γw =              KN/m3"), from_uplift},
            {Field::carried_3, Field::wet_soil_unit_weight, QStringLiteral("γt =            KN/m3"), from_case1a},
            {Field::carried_4, Field::back_friction_angle, QStringLiteral("δ’=            度"), from_case1a},
            {Field::carried_5, Field::wall_spacing, QStringLiteral(" BL =            ｍ"), from_case1b},
            {Field::carried_6, Field::slab_position, QStringLiteral("  X =            ｍ"), from_case1b},
            {Field::carried_8, Field::slab_reaction, QStringLiteral("WR =              KN/m2"), from_case1b},
            {Field::carried_7, Field::case2_depth, QStringLiteral(" h' =            ｍ"), from_case2a},
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
