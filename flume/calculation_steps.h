#pragma once

#include "flume/field.h"
#include "common/number_format.h"

#include <QList>
#include <QString>
#include <array>
#include <initializer_list>
#include <span>

namespace common {
class MessageSink;
}

namespace flume {

class FlumeSheet;

// The steps every "計算" button shares: reading a field, converting degrees, preparing a result for
// display with its hidden converted companion, writing and clearing, and the two messages.
namespace calc {

// Degrees to radians with the seven-decimal π the formulas are set up with.
double radians(double degrees);

// The field's text read as a number (empty or non-numeric text is 0).
double read(const FlumeSheet &sheet, Field field);

// One result as it will be displayed, prepared before anything is written so that a fault anywhere in
// a calculation leaves no partial chain on the sheet. `value` is the number read back from the shown
// text, which is what later steps use; it is NaN when the result has no displayable value.
struct Prepared {
    Field field;
    QString text;
    double value;
    QString converted;  // the hidden N or N·cm text, for a Case result
    bool ok;
};

Prepared prepare(Field field, double value, common::NumberPattern pattern);

// True when every prepared result, its companion included, has a finite value.
bool all_ok(std::initializer_list<const Prepared *> results);

// Shows the result and, right after it, writes its hidden converted companion.
void write(FlumeSheet &sheet, const Prepared &result);

void clear(FlumeSheet &sheet, std::initializer_list<Field> results);
void clear(FlumeSheet &sheet, std::span<const Field> results);

// The results of the later pages, as the calculations of the earlier ones clear them.
inline constexpr std::array case1_results = {Field::case1_wall_shear, Field::case1_wall_moment,
                                             Field::slab_reaction, Field::case1_slab_shear,
                                             Field::case1_slab_moment};
inline constexpr std::array case2_results = {Field::case2_wall_shear, Field::case2_wall_moment,
                                             Field::case2_slab_shear, Field::case2_slab_moment};
inline constexpr std::array case3_results = {Field::case3_wall_shear, Field::case3_wall_moment,
                                             Field::case3_slab_shear, Field::case3_slab_moment};

// Comparisons against a limit, decided on both sides rounded to 15 significant digits so that values a
// person would call equal are equal.
bool greater(double value, double limit);
bool at_most(double value, double limit);

// "数値が入力されていません。", then the sheet learns which inputs were missing (for the window to
// take the user to the first of them).
void report_missing(FlumeSheet &sheet, common::MessageSink &messages, const QList<Field> &missing);
// "数値が正しくありません。": the inputs pass the checks but give no finite result
// (a negative radicand, a zero divisor, an overflow).
void report_fault(common::MessageSink &messages);

} // namespace calc
} // namespace flume
