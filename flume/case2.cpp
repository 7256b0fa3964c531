#include "flume/calculation_steps.h"
#include "flume/calculations.h"
#include "flume/flume_sheet.h"
#include "flume/input_rules.h"

#include <cmath>

namespace flume {

namespace {

using namespace calc;

void reject(FlumeSheet &sheet)
{
    clear(sheet, case2_results);
    sheet.set_page_button_enabled(Page::Case3, false);
    sheet.set_print_entry_enabled(Page::Case2, false);
}

} // namespace

// The water filling the flume: triangular water pressure on the side wall down to depth h', and the
// bottom slab under the reaction WR at distance X from the wall, its moment including the wall
// moment at the joint.
void compute_case2(FlumeSheet &sheet, common::MessageSink &messages)
{
    const double gamma_w = read(sheet, Field::carried_1);
    const double x = read(sheet, Field::carried_2);
    const double wr = read(sheet, Field::carried_3);
    const double spacing = read(sheet, Field::carried_4);
    const double depth = read(sheet, Field::case2_depth);

    if (const QList<Field> missing = broken_fields(sheet, case2_rules); !missing.isEmpty()) {
        report_missing(sheet, messages, missing);
        reject(sheet);
        return;
    }

    const double ss1 = (1.0 / 2 * gamma_w) * std::pow(depth, 2);
    const double ms1 = (1.0 / 6 * gamma_w) * std::pow(depth, 3);
    const double st1 = (1.0 / 2 * wr) * (spacing - 2 * x);
    // The wall moment is computed afresh here, not taken from the displayed Ms1.
    const double mt1 = (1.0 / 6 * gamma_w) * std::pow(depth, 3) + ((1.0 / 2 * wr) * x) * (spacing - x);
    const Prepared wall_shear = prepare(Field::case2_wall_shear, ss1, common::NumberPattern::ThreeDecimals);
    const Prepared wall_moment = prepare(Field::case2_wall_moment, ms1, common::NumberPattern::ThreeDecimals);
    const Prepared slab_shear = prepare(Field::case2_slab_shear, st1, common::NumberPattern::ThreeDecimals);
    const Prepared slab_moment = prepare(Field::case2_slab_moment, mt1, common::NumberPattern::ThreeDecimals);

    if (!all_ok({&wall_shear, &wall_moment, &slab_shear, &slab_moment})) {
        report_fault(messages);
        reject(sheet);
        return;
    }

    write(sheet, wall_shear);
    write(sheet, wall_moment);
    write(sheet, slab_shear);
    write(sheet, slab_moment);

    clear(sheet, case3_results);
    sheet.set_page_button_enabled(Page::Case3, true);
}

} // namespace flume
