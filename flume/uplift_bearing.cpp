#include "flume/calculation_steps.h"
#include "flume/calculations.h"
#include "flume/flume_sheet.h"
#include "flume/input_rules.h"
#include "common/messages.h"
#include "common/numeric_reading.h"

#include <cmath>

namespace flume {

namespace {

using namespace calc;

// The values both checks of the whole section read.
struct Section {
    double t1, t2, t3, t4, height, outer_water, width, water_weight, flume_weight, pv;

    // The cross-section area per metre: two walls of mean thickness (T1 + T2)/2, the bottom slab of
    // outer width B + 2·T2 and two haunches of T4²/2.
    double area() const { return ((t1 + t2) * height + t3 * (2 * t2 + width)) + std::pow(t4, 2); }
};

// The decimals Fs and qmax are shown with.
constexpr auto fs_pattern = common::NumberPattern::TwoDecimals;
constexpr auto qmax_pattern = common::NumberPattern::OneDecimal;

// Fs: the empty flume and the earth pressure's vertical component against the buoyancy of the
// outer water on the outer width.
double uplift_safety(const Section &s)
{
    const double outer_width = 2 * s.t2 + s.width;
    return (s.area() * s.flume_weight + s.pv) / ((s.outer_water * s.water_weight) * outer_width);
}

// qmax: the full flume's weight and both walls' earth pressure spread over the outer width.
double max_bearing_pressure(const Section &s)
{
    return (s.area() * s.flume_weight + (s.width * s.height) * s.water_weight + 2 * s.pv) / (s.width + 2 * s.t2);
}

// The value with the field's decimals, or with more until the number shown decides the check as the
// unrounded value does; at 15 significant digits they always agree.
QString decisive_text(double value, common::NumberPattern pattern, double limit, bool passed,
                      bool (*rule)(double, double))
{
    for (int decimals = int(pattern); decimals <= 15; ++decimals) {
        const QString text = common::format_number(value, common::NumberPattern(decimals));
        if (rule(common::read_number(text), limit) == passed)
            return text;
    }
    return common::default_number_text(value);
}

LimitCheck limit_check(double value, common::NumberPattern pattern, double limit, bool (*rule)(double, double),
                       const QString &pass_sign, const QString &fail_sign)
{
    const bool passed = rule(value, limit);
    const QString shown = decisive_text(value, pattern, limit, passed, rule);
    return {passed, shown + (passed ? pass_sign : fail_sign) + common::default_number_text(limit), shown};
}

Section read_section(const FlumeSheet &sheet)
{
    return Section{read(sheet, Field::t1),
                   read(sheet, Field::t2),
                   read(sheet, Field::t3),
                   read(sheet, Field::t4),
                   read(sheet, Field::wall_height),
                   read(sheet, Field::outer_water_height),
                   read(sheet, Field::inner_width),
                   read(sheet, Field::water_unit_weight),
                   read(sheet, Field::flume_unit_weight),
                   read(sheet, Field::carried_1)};
}

void lock_cases(FlumeSheet &sheet)
{
    for (Page p : {Page::Case1, Page::Case2, Page::Case3})
        sheet.set_page_button_enabled(p, false);
}

// Every outcome of the uplift check but a pass.
void reject_uplift(FlumeSheet &sheet)
{
    clear(sheet, {Field::max_bearing, Field::uplift_safety_factor});
    lock_cases(sheet);
}

// Every outcome of the bearing check but a pass; Fs stays.
void reject_bearing(FlumeSheet &sheet)
{
    clear(sheet, {Field::max_bearing});
    lock_cases(sheet);
}

// A new check of the section invalidates every Case computed from the old one.
void clear_cases(FlumeSheet &sheet)
{
    clear(sheet, case1_results);
    clear(sheet, case2_results);
    clear(sheet, case3_results);
}

} // namespace

// Safety against uplift: Fs > required_uplift_safety.
void check_uplift(FlumeSheet &sheet, common::MessageSink &messages)
{
    const Section s = read_section(sheet);

    if (const QList<Field> missing = broken_fields(sheet, uplift_rules); !missing.isEmpty()) {
        report_missing(sheet, messages, missing);
        reject_uplift(sheet);
        return;
    }
    if (any_broken(sheet, uplift_outer_water_rules)) {
        messages.warn(common::message::no_outer_water, common::message::input_check_title);
        reject_uplift(sheet);
        return;
    }

    const double fs_value = uplift_safety(s);
    const Prepared fs = prepare(Field::uplift_safety_factor, fs_value, fs_pattern);
    if (!fs.ok) {
        report_fault(messages);
        reject_uplift(sheet);
        return;
    }

    if (greater(fs_value, required_uplift_safety)) {
        clear(sheet, {Field::max_bearing});
        write(sheet, fs);
        clear_cases(sheet);
        lock_cases(sheet);
    } else {
        messages.warn(common::message::invalid_number, QString());
        reject_uplift(sheet);
    }
}

// Foundation bearing: qmax ≤ qa. A pass opens Case 1.
void check_bearing(FlumeSheet &sheet, common::MessageSink &messages)
{
    const Section s = read_section(sheet);
    const double qa = read(sheet, Field::allowable_bearing);

    if (const QList<Field> missing = broken_fields(sheet, bearing_rules); !missing.isEmpty()) {
        report_missing(sheet, messages, missing);
        reject_bearing(sheet);
        return;
    }

    const double qmax_value = max_bearing_pressure(s);
    const Prepared qmax = prepare(Field::max_bearing, qmax_value, qmax_pattern);
    if (!qmax.ok) {
        report_fault(messages);
        reject_bearing(sheet);
        return;
    }

    if (at_most(qmax_value, qa)) {
        write(sheet, qmax);
        clear_cases(sheet);
        sheet.set_page_button_enabled(Page::Case1, true);
        sheet.set_page_button_enabled(Page::Case2, false);
        sheet.set_page_button_enabled(Page::Case3, false);
    } else {
        messages.warn(common::message::bearing_exceeded, common::message::bearing_title);
        reject_bearing(sheet);
    }
}

std::optional<LimitCheck> uplift_check(const FlumeSheet &sheet)
{
    if (any_broken(sheet, uplift_rules) || any_broken(sheet, uplift_outer_water_rules))
        return std::nullopt;
    const double fs = uplift_safety(read_section(sheet));
    if (!prepare(Field::uplift_safety_factor, fs, fs_pattern).ok)
        return std::nullopt;
    return limit_check(fs, fs_pattern, required_uplift_safety, greater, QStringLiteral(" ＞ "), QStringLiteral(" ≦ "));
}

std::optional<LimitCheck> bearing_check(const FlumeSheet &sheet)
{
    if (any_broken(sheet, bearing_rules))
        return std::nullopt;
    const double qmax = max_bearing_pressure(read_section(sheet));
    if (!prepare(Field::max_bearing, qmax, qmax_pattern).ok)
        return std::nullopt;
    return limit_check(qmax, qmax_pattern, read(sheet, Field::allowable_bearing), at_most, QStringLiteral(" ≦ "),
                       QStringLiteral(" ＞ "));
}

} // namespace flume
