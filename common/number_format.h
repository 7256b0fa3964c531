#pragma once

#include <QString>

namespace common {

// The number patterns of both programs. Each pattern ends in "0", so every decimal place is shown:
// "0" none, "0.0" one, "0.#0" two, "0.##0" three, "0.###0" four.
enum class NumberPattern { Whole = 0, OneDecimal = 1, TwoDecimals = 2, ThreeDecimals = 3, FourDecimals = 4 };

// How a value is brought to a pattern's decimals: half away from zero, or cut toward the smaller
// (Down: 11.365 -> 11.3) or the larger number (Up: 26.67 -> 26.7) where a value must never be shown
// on its unsafe side.
enum class Rounding { HalfAwayFromZero, Down, Up };

// Formats value with every decimal of the pattern shown, rounded as asked, decided on the value
// first rounded to 15 significant digits (2.345 -> "2.35", 1.005 -> "1.01"; cut down, a value meant
// as 11.4 stays 11.4), at least one digit before the point, no grouping. A value that rounds to
// zero shows without a minus sign. A value that is not finite gives an empty text.
QString format_number(double value, NumberPattern pattern, Rounding rounding = Rounding::HalfAwayFromZero);

// The value rounded to 15 significant digits, as a person would compare it: 1.15 - 0.5 == 0.65.
double round15(double value);

// The shortest text with up to 15 significant digits and no trailing ".0" (5801, 230700, -50000,
// 1234.5); exponent form "1E+15" / "1E-05" when the decimal exponent is >= 15 or < -4.
QString default_number_text(double value);

} // namespace common
