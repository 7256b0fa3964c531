#include "flume/calculation_steps.h"

#include "flume/flume_sheet.h"
#include "common/messages.h"
#include "common/numeric_reading.h"

#include <cmath>
#include <limits>

namespace flume::calc {

double radians(double degrees)
{
    return degrees * 3.1415926 / 180;
}

double read(const FlumeSheet &sheet, Field field)
{
    return common::read_number(sheet.text(field));
}


Prepared prepare(Field field, double value, common::NumberPattern pattern)
{
    constexpr double no_value = std::numeric_limits<double>::quiet_NaN();
    Prepared p{field, QString(), no_value, QString(), false};
    if (!std::isfinite(value))
        return p;
    p.text = common::format_number(value, pattern);
    p.value = common::read_number(p.text);
    p.ok = std::isfinite(p.value);
    if (const ConvertedCompanion *companion = converted_companion(field)) {
        // From the displayed kN or kN·m text: × 1000 to N, and then × 100 to N·cm for a moment.
        double converted = p.value * 1000;
        if (companion->moment)
            converted = converted * 100;
        p.ok = p.ok && std::isfinite(converted);
        p.converted = common::default_number_text(converted);
    }
    if (!p.ok)
        p.value = no_value;
    return p;
}

bool all_ok(std::initializer_list<const Prepared *> results)
{
    for (const Prepared *p : results) {
        if (!p->ok)
            return false;
    }
    return true;
}

void write(FlumeSheet &sheet, const Prepared &result)
{
    sheet.show_result(result.field, result.text);
    if (const ConvertedCompanion *companion = converted_companion(result.field))
        sheet.set_text(companion->converted, result.converted);
}

void clear(FlumeSheet &sheet, std::initializer_list<Field> results)
{
    for (Field f : results)
        sheet.clear_result(f);
}

void clear(FlumeSheet &sheet, std::span<const Field> results)
{
    for (Field f : results)
        sheet.clear_result(f);
}

bool greater(double value, double limit)
{
    return common::round15(value) > common::round15(limit);
}

bool at_most(double value, double limit)
{
    return common::round15(value) <= common::round15(limit);
}

void report_missing(FlumeSheet &sheet, common::MessageSink &messages, const QList<Field> &missing)
{
    messages.warn(common::message::missing_input, common::message::input_check_title);
    sheet.report_missing_inputs(missing);
}

void report_fault(common::MessageSink &messages)
{
    messages.warn(common::message::invalid_number, common::message::input_check_title);
}

} // namespace flume::calc
