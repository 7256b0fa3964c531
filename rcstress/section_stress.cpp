#include "rcstress/section_stress.h"

#include "common/messages.h"
#include "common/number_format.h"
#include "common/numeric_reading.h"
#include "rcstress/section_sheet.h"

#include <cmath>
#include <optional>

namespace rcstress {

const InputReading input_readings[6] = {
    {Field::rebar_area, &SectionInputs::rebar_area, true, true},
    {Field::unit_width, &SectionInputs::unit_width, true, true},
    {Field::effective_depth, &SectionInputs::effective_depth, true, true},
    {Field::bending_moment, &SectionInputs::bending_moment, false, false},
    {Field::shear_force, &SectionInputs::shear_force, false, false},
    {Field::rebar_perimeter, &SectionInputs::rebar_perimeter, false, true},
};

namespace {

using common::NumberPattern;

// σc and σs carry a trailing blank after their unit, τ and τo do not.
const QString bending_unit = QStringLiteral(" （N/c㎡） ");
const QString shear_unit = QStringLiteral(" （N/c㎡）");

// Formats a value and reads the displayed text back: the later steps work on what the user sees.
double shown_value(double value, NumberPattern pattern, QString *text)
{
    *text = common::format_number(common::round15(value), pattern);
    return common::read_number(*text);
}

} // namespace

// A section the formulas cannot take is one whose P is shown as 0.0000 or whose values overflow;
// the root and j stay guarded, though dimensions above zero keep them in range.
std::optional<SectionFault> calculate_section(const SectionInputs &inputs, SectionResults *out,
                                              ZeroForces zero_forces)
{
    for (const InputReading &reading : input_readings) {
        const QString &text = inputs.*reading.text;
        const double value = common::read_number(text);
        double whole = 0;
        if ((reading.positive && value <= 0) || (!reading.positive && value == 0 && zero_forces == ZeroForces::Missing)
            || (reading.whole_text && !common::read_whole_number(text, &whole)))
            return SectionFault::MissingInput;
    }
    const double as = common::read_number(inputs.rebar_area);
    const double b = common::read_number(inputs.unit_width);
    const double d = common::read_number(inputs.effective_depth);
    const double m = common::read_number(inputs.bending_moment);
    const double s = common::read_number(inputs.shear_force);
    const double u = common::read_number(inputs.rebar_perimeter);

    const double p = shown_value(as / (b * d), NumberPattern::FourDecimals, &out->steel_ratio);
    if (out->steel_ratio.isEmpty() || p == 0)
        return SectionFault::InvalidNumber;

    // Modular ratio n = 15: k = √(2n·P + (n·P)²) − n·P.
    const double radicand = 30 * p + (15 * p) * (15 * p);
    if (!(radicand >= 0))
        return SectionFault::InvalidNumber;
    const double k = shown_value(std::sqrt(radicand) - 15 * p, NumberPattern::ThreeDecimals,
                                 &out->neutral_axis_ratio);
    const double j = shown_value(1 - k / 3, NumberPattern::ThreeDecimals, &out->lever_arm_ratio);
    if (out->neutral_axis_ratio.isEmpty() || out->lever_arm_ratio.isEmpty() || k == 0 || j == 0)
        return SectionFault::InvalidNumber;

    const double concrete_stress = 2 * m / (k * j * b * d * d);
    const double steel_stress = m / (as * j * d);
    const double shear_stress = s / (b * j * d);
    const double bond_stress = s / (u * j * d);
    for (double stress : {concrete_stress, steel_stress, shear_stress, bond_stress})
        if (!std::isfinite(stress))
            return SectionFault::InvalidNumber;

    out->concrete_stress = common::format_number(concrete_stress, NumberPattern::Whole) + bending_unit;
    out->steel_stress = common::format_number(steel_stress, NumberPattern::Whole) + bending_unit;
    out->shear_stress = common::format_number(shear_stress, NumberPattern::TwoDecimals) + shear_unit;
    out->bond_stress = common::format_number(bond_stress, NumberPattern::TwoDecimals) + shear_unit;
    return std::nullopt;
}

void compute_section_stress(SectionSheet &sheet, common::MessageSink &messages)
{
    SectionInputs inputs;
    for (const InputReading &reading : input_readings)
        inputs.*reading.text = sheet.text(reading.field);
    SectionResults results;
    if (const std::optional<SectionFault> fault = calculate_section(inputs, &results)) {
        messages.warn(*fault == SectionFault::MissingInput ? common::message::missing_input
                                                    : common::message::invalid_number,
                      common::message::input_check_title);
        // Results of an earlier run disappear: the stresses first, then P, k and j.
        for (Field f : {Field::concrete_stress, Field::steel_stress, Field::shear_stress,
                        Field::bond_stress, Field::steel_ratio, Field::neutral_axis_ratio,
                        Field::lever_arm_ratio})
            sheet.set_text(f, QString());
        return;
    }
    sheet.set_text(Field::steel_ratio, results.steel_ratio);
    sheet.set_text(Field::neutral_axis_ratio, results.neutral_axis_ratio);
    sheet.set_text(Field::lever_arm_ratio, results.lever_arm_ratio);
    sheet.set_text(Field::concrete_stress, results.concrete_stress);
    sheet.set_text(Field::steel_stress, results.steel_stress);
    sheet.set_text(Field::shear_stress, results.shear_stress);
    sheet.set_text(Field::bond_stress, results.bond_stress);
}

} // namespace rcstress
