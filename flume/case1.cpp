#include "flume/calculation_steps.h"
#include "flume/calculations.h"
#include "flume/flume_sheet.h"
#include "flume/input_rules.h"

#include <cmath>

namespace flume {

namespace {

using namespace calc;

void lock_case2_and_case3(FlumeSheet &sheet)
{
    sheet.set_page_button_enabled(Page::Case2, false);
    sheet.set_page_button_enabled(Page::Case3, false);
}

void reject_wall(FlumeSheet &sheet)
{
    clear(sheet, {Field::case1_wall_shear, Field::case1_wall_moment, Field::case1_slab_shear,
                  Field::case1_slab_moment});
    lock_case2_and_case3(sheet);
}

void reject_slab(FlumeSheet &sheet)
{
    clear(sheet, {Field::slab_reaction, Field::case1_slab_shear, Field::case1_slab_moment});
    lock_case2_and_case3(sheet);
}

} // namespace

// Side-wall shear Sso and moment Mso at depth h from earth pressure and surcharge, plus the
// groundwater's water pressure less its buoyant relief of the soil when h lies below the
// groundwater level.
void compute_case1_wall(FlumeSheet &sheet, common::MessageSink &messages)
{
    const double h = read(sheet, Field::case1_depth);
    const double top_to_axis = read(sheet, Field::wall_top_to_slab_axis);
    const double axis_to_water = read(sheet, Field::slab_axis_to_groundwater);
    const double gamma_t = read(sheet, Field::wet_soil_unit_weight);
    const double gamma_ws = read(sheet, Field::submerged_soil_unit_weight);
    const double delta = read(sheet, Field::back_friction_angle);
    const double ka = read(sheet, Field::carried_2);
    const double q = read(sheet, Field::carried_3);
    const double gamma_w = read(sheet, Field::carried_4);
    // Depth of the groundwater level below the wall top.
    const double hw = top_to_axis - axis_to_water;

    if (const QList<Field> missing = broken_fields(sheet, case1_wall_rules); !missing.isEmpty()) {
        report_missing(sheet, messages, missing);
        reject_wall(sheet);
        return;
    }

    const double cos_delta = std::cos(radians(delta));
    const bool groundwater = greater(h, hw);
    double shear = ((1.0 / 2 * gamma_t) * std::pow(h, 2) + q * h) * ka * cos_delta;
    double moment = ((1.0 / 6 * gamma_t) * std::pow(h, 3) + (1.0 / 2 * q) * std::pow(h, 2)) * ka * cos_delta;
    if (groundwater) {
        const double d = (h + axis_to_water) - top_to_axis;
        const double water = gamma_w - ((gamma_t - gamma_ws) * ka) * cos_delta;
        shear = shear + (1.0 / 2 * water) * std::pow(d, 2);
        moment = moment + (1.0 / 6 * water) * std::pow(d, 3);
    }
    const Prepared sso = prepare(Field::case1_wall_shear, shear, common::NumberPattern::ThreeDecimals);
    const Prepared mso = prepare(Field::case1_wall_moment, moment, common::NumberPattern::ThreeDecimals);

    if (!all_ok({&sso, &mso})) {
        report_fault(messages);
        reject_wall(sheet);
        return;
    }

    write(sheet, sso);
    write(sheet, mso);
    sheet.set_case1_groundwater_formula(groundwater);

    // The slab moment was computed from the old Mso; WR does not depend on it and stays.
    clear(sheet, {Field::case1_slab_shear, Field::case1_slab_moment});
    clear(sheet, case2_results);
    clear(sheet, case3_results);
    lock_case2_and_case3(sheet);
}

// Bottom-slab reaction WR from the flume walls and the earth pressure on both, then the slab's shear
// Sto and moment Mto at distance X from the wall, the moment starting from the displayed Mso.
void compute_case1_slab(FlumeSheet &sheet, common::MessageSink &messages)
{
    const double spacing = read(sheet, Field::wall_spacing);
    const double x = read(sheet, Field::slab_position);
    const double t1 = read(sheet, Field::t1);
    const double t2 = read(sheet, Field::t2);
    const double top_to_axis = read(sheet, Field::wall_top_to_slab_axis);
    const double gamma_sc = read(sheet, Field::flume_unit_weight);
    const double pv = read(sheet, Field::carried_1);
    const double mso = read(sheet, Field::case1_wall_moment);

    if (const QList<Field> missing = broken_fields(sheet, case1_slab_rules); !missing.isEmpty()) {
        report_missing(sheet, messages, missing);
        reject_slab(sheet);
        return;
    }

    const double wr_value = (((t1 + t2) * top_to_axis) * gamma_sc + 2 * pv) / spacing;
    const Prepared wr = prepare(Field::slab_reaction, wr_value, common::NumberPattern::ThreeDecimals);
    // Shear and moment take the reaction as computed, not as displayed.
    const double sto_value = (1.0 / 2 * wr_value) * (spacing - 2 * x);
    const double mto_value = mso - ((1.0 / 2 * wr_value) * x) * (spacing - x);
    const Prepared sto = prepare(Field::case1_slab_shear, sto_value, common::NumberPattern::ThreeDecimals);
    const Prepared mto = prepare(Field::case1_slab_moment, mto_value, common::NumberPattern::ThreeDecimals);

    if (!all_ok({&wr, &sto, &mto})) {
        report_fault(messages);
        reject_slab(sheet);
        return;
    }

    write(sheet, wr);
    write(sheet, sto);
    write(sheet, mto);

    clear(sheet, case2_results);
    clear(sheet, case3_results);
    sheet.set_page_button_enabled(Page::Case2, true);
    sheet.set_page_button_enabled(Page::Case3, false);
}

} // namespace flume
