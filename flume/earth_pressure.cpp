#include "flume/calculation_steps.h"
#include "flume/calculations.h"
#include "flume/flume_sheet.h"
#include "flume/input_rules.h"

#include <cmath>

namespace flume {

namespace {

using namespace calc;

// Rejected input or no finite result: this page's results go, and with them every later page.
void reject(FlumeSheet &sheet)
{
    clear(sheet, {Field::ka, Field::pa, Field::pav, Field::pv});
    for (Page p : {Page::UpliftBearing, Page::Case1, Page::Case2, Page::Case3})
        sheet.set_page_button_enabled(p, false);
    sheet.set_print_entry_enabled(Page::EarthPressure, false);
}

} // namespace

// Coulomb's active earth pressure on an inclined wall back under a sloping ground surface with a
// uniform surcharge. Each result enters the next one as it is displayed.
void compute_earth_pressure(FlumeSheet &sheet, common::MessageSink &messages)
{
    const double theta = read(sheet, Field::wall_inclination);
    const double phi = read(sheet, Field::repose_angle);
    const double gamma = read(sheet, Field::soil_unit_weight);
    const double slope = read(sheet, Field::ground_slope);
    const double q = read(sheet, Field::surcharge);
    const double delta = read(sheet, Field::wall_friction_angle);
    const double height = read(sheet, Field::wall_height);

    if (const QList<Field> missing = broken_fields(sheet, earth_pressure_rules); !missing.isEmpty()) {
        report_missing(sheet, messages, missing);
        reject(sheet);
        return;
    }

    const double s1 = std::sin(radians(theta));
    const double s2 = std::sin(radians(theta - delta));
    const double s3 = std::sin(radians(phi - slope));
    const double s4 = std::sin(radians(theta + slope));
    // A ground slope steeper than the angle of repose leaves a negative radicand; θ = δ a zero divisor.
    const double root = std::sqrt(std::sin(radians(phi + delta)) * s3 / (s2 * s4));
    const double ka_value =
        std::pow(std::sin(radians(phi + theta)), 2) / (std::pow(root + 1, 2) * std::pow(s1, 2) * s2);
    const Prepared ka = prepare(Field::ka, ka_value, common::NumberPattern::TwoDecimals);

    const double pa_value =
        ka.value * ((std::sin(radians(theta)) / std::sin(radians(theta + slope))) * height * q
                    + std::pow(height, 2) * gamma * 0.5);
    const Prepared pa = prepare(Field::pa, pa_value, common::NumberPattern::TwoDecimals);

    // The vertical component; for a vertical back (θ = 90°) this is PA·sin δ.
    const double pav_value = pa.value * std::sin(radians(90 + delta - theta));
    const Prepared pav = prepare(Field::pav, pav_value, common::NumberPattern::ThreeDecimals);

    const double pv_value = pav.value * 0.5 * 2;
    const Prepared pv = prepare(Field::pv, pv_value, common::NumberPattern::ThreeDecimals);

    if (!all_ok({&ka, &pa, &pav, &pv})) {
        report_fault(messages);
        reject(sheet);
        return;
    }

    write(sheet, ka);
    write(sheet, pa);
    write(sheet, pav);
    write(sheet, pv);

    // Everything further down the chain was computed from the earlier earth pressure.
    clear(sheet, {Field::uplift_safety_factor, Field::max_bearing});
    clear(sheet, case1_results);
    clear(sheet, case2_results);
    clear(sheet, case3_results);

    sheet.set_page_button_enabled(Page::UpliftBearing, true);
    for (Page p : {Page::Case1, Page::Case2, Page::Case3})
        sheet.set_page_button_enabled(p, false);
}

} // namespace flume
