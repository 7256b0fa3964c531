#include "flume/page_chain.h"

#include "flume/flume_sheet.h"
#include "flume/quantities.h"

namespace flume {

namespace {

// Where a carried value comes from, as the slot's note names it.
enum class From { EarthPressure, Uplift, Case1a, Case1b, Case2a };

QString note(From from)
{
    switch (from) {
    case From::EarthPressure: return QStringLiteral("（主働土圧より）");
    case From::Uplift: return QStringLiteral("（浮上り・地盤支持力より）");
    case From::Case1a: return QStringLiteral("（ケース1-ａより）");
    case From::Case1b: return QStringLiteral("（ケース1-ｂより）");
    case From::Case2a: return QStringLiteral("（ケース2-ａより）");
    }
    return {};
}

// The slots of every page in the left panel's order: the slot, the field it copies, the label of its
// caption, the run of blanks the label leaves for the field (none for a caption without a unit),
// and where the value comes from.
struct SlotRow {
    Page page;
    Field slot;
    Field source;
    const char *label;
    int blanks;
    From from;
};

using F = Field;

const SlotRow slot_rows[] = {
    {Page::UpliftBearing, F::carried_1, F::pv, " Pv =", 0, From::EarthPressure},
    {Page::Case1, F::carried_1, F::pv, " Pv =", 0, From::EarthPressure},
    {Page::Case1, F::carried_2, F::ka, "KA =", 0, From::EarthPressure},
    {Page::Case1, F::carried_3, F::surcharge, "ｑ =", 12, From::EarthPressure},
    {Page::Case1, F::carried_4, F::water_unit_weight, "γw =", 12, From::Uplift},
    {Page::Case1, F::carried_5, F::flume_unit_weight, "γsc =", 12, From::Uplift},
    {Page::Case2, F::carried_1, F::water_unit_weight, "γw =", 12, From::Uplift},
    {Page::Case2, F::carried_2, F::slab_position, "  X =", 14, From::Case1b},
    {Page::Case2, F::carried_3, F::slab_reaction, "WR =", 12, From::Case1b},
    {Page::Case2, F::carried_4, F::wall_spacing, " BL =", 12, From::Case1b},
    {Page::Case3, F::carried_1, F::ka, "KA =", 0, From::EarthPressure},
    {Page::Case3, F::carried_2, F::water_unit_weight, "γw =", 14, From::Uplift},
    {Page::Case3, F::carried_3, F::wet_soil_unit_weight, "γt =", 12, From::Case1a},
    {Page::Case3, F::carried_4, F::back_friction_angle, "δ’=", 12, From::Case1a},
    {Page::Case3, F::carried_5, F::wall_spacing, " BL =", 12, From::Case1b},
    {Page::Case3, F::carried_6, F::slab_position, "  X =", 12, From::Case1b},
    {Page::Case3, F::carried_8, F::slab_reaction, "WR =", 14, From::Case1b},
    {Page::Case3, F::carried_7, F::case2_depth, " h' =", 12, From::Case2a},
};

} // namespace

QList<CarriedSlot> carried_slots(Page page)
{
    QList<CarriedSlot> carried;
    for (const SlotRow &row : slot_rows) {
        if (row.page != page)
            continue;
        // The caption's unit is the value's own, after the blanks the field stands in.
        const QString label = QString::fromUtf8(row.label);
        carried.append({row.slot, row.source,
                      row.blanks > 0 ? caption_holding_field(label, row.blanks, quantity(row.source).unit) : label,
                      note(row.from)});
    }
    return carried;
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
