#include "flume/calculation_steps.h"
#include "flume/calculations.h"
#include "flume/flume_sheet.h"
#include "flume/input_rules.h"

#include <cmath>

namespace flume {

namespace {

using namespace calc;

// Part a rejected: the four results go and the report cannot be printed; part b then finds no wall
// moment and clears its results again.
void reject_wall(FlumeSheet &sheet)
{
    clear(sheet, case3_results);
    sheet.set_print_entry_enabled(Page::Case3, false);
}

// Part a: the water pressure of Case 2 on the side wall less the active earth pressure behind it.
void compute_wall(FlumeSheet &sheet, common::MessageSink &messages)
{
    const double gamma_w = read(sheet, Field::carried_2);
    const double depth = read(sheet, Field::carried_7);
    const double gamma_t = read(sheet, Field::carried_3);
    const double ka = read(sheet, Field::carried_1);
    const double delta = read(sheet, Field::carried_4);

    // BL and X are not used by part a, but it requires them for part b.
    if (const QList<Field> missing = broken_fields(sheet, case3_wall_rules); !missing.isEmpty()) {
        report_missing(sheet, messages, missing);
        reject_wall(sheet);
        return;
    }

    const double cos_delta = std::cos(radians(delta));
    const double ss1 = (1.0 / 2 * gamma_w) * std::pow(depth, 2)
                       - ((1.0 / 2 * gamma_t) * std::pow(depth, 2)) * ka * cos_delta;
    const double ms1 = (1.0 / 6 * gamma_w) * std::pow(depth, 3)
                       - ((1.0 / 6 * gamma_t) * std::pow(depth, 3)) * ka * cos_delta;
    const Prepared wall_shear = prepare(Field::case3_wall_shear, ss1, common::NumberPattern::ThreeDecimals);
    const Prepared wall_moment = prepare(Field::case3_wall_moment, ms1, common::NumberPattern::ThreeDecimals);

    if (!all_ok({&wall_shear, &wall_moment})) {
        report_fault(messages);
        reject_wall(sheet);
        return;
    }
    write(sheet, wall_shear);
    write(sheet, wall_moment);
}

// Part b: the bottom slab under the reaction WR, its moment starting from the wall moment as
// displayed by part a. Without a wall moment or a reaction there is nothing to compute, and that is
// not worth a message: part a has already said what is missing.
void compute_slab(FlumeSheet &sheet)
{
    const double wr = read(sheet, Field::carried_8);
    const double spacing = read(sheet, Field::carried_5);
    const double x = read(sheet, Field::carried_6);
    const double ms1 = read(sheet, Field::case3_wall_moment);

    if (any_broken(sheet, case3_slab_rules)) {
        clear(sheet, {Field::case3_slab_shear, Field::case3_slab_moment});
        return;
    }

    const double st1 = (1.0 / 2 * wr) * (spacing - 2 * x);
    const double mt1 = ms1 + ((1.0 / 2 * wr) * x) * (spacing - x);
    const Prepared slab_shear = prepare(Field::case3_slab_shear, st1, common::NumberPattern::ThreeDecimals);
    const Prepared slab_moment = prepare(Field::case3_slab_moment, mt1, common::NumberPattern::ThreeDecimals);
    if (!all_ok({&slab_shear, &slab_moment})) {
        clear(sheet, {Field::case3_slab_shear, Field::case3_slab_moment});
        return;
    }
    write(sheet, slab_shear);
    write(sheet, slab_moment);
}

} // namespace

// Case 3 has no input of its own: it works on the carried values alone, part a and then part b,
// whatever part a's outcome.
void compute_case3(FlumeSheet &sheet, common::MessageSink &messages)
{
    compute_wall(sheet, messages);
    compute_slab(sheet);
}

} // namespace flume
