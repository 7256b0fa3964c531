#include "common/number_format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace common {

namespace {

// The value with 15 significant digits as d.dddddddddddddde±x, always with "." whatever the
// locale the program runs in.
std::string fifteen_digits(double value)
{
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    return std::string(buffer, end);
}

} // namespace

double round15(double value)
{
    if (!std::isfinite(value))
        return value;
    const std::string text = fifteen_digits(value);
    double rounded = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), rounded);
    (void)ptr;
    // Only the largest doubles can round past the range; they stay as they are.
    return ec == std::errc() ? rounded : value;
}

QString format_number(double value, NumberPattern pattern, Rounding rounding)
{
    if (!std::isfinite(value))
        return {};
    const int decimals = int(pattern);
    if (rounding != Rounding::HalfAwayFromZero) {
        // Cut on the grid of the last decimal; the value then lies on it and formats as it is.
        const double scale = std::pow(10.0, decimals);
        const double scaled = round15(value * scale);
        value = (rounding == Rounding::Down ? std::floor(scaled) : std::ceil(scaled)) / scale;
    }

    // The 15 significant digits of the value, as d.dddddddddddddde±x.
    const std::string s = fifteen_digits(value);
    const bool negative = s[0] == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t e_at = s.find('e');
    std::string digits(1, s[start]);  // the 15 digits, without the point
    digits.append(s, start + 2, e_at - start - 2);
    const int exponent = std::atoi(s.c_str() + e_at + 1);

    // Place the digits: integer part has exponent + 1 digits (at least one, zero-padded).
    // Build a digit string that represents the value × 10^decimals as an integer plus a remainder.
    const int point = exponent + 1;  // digits before the decimal point within `digits`
    std::string whole;               // digits up to and including the last shown decimal
    const int keep = point + decimals;  // how many of `digits` (extended with zeros) to keep
    if (keep <= 0) {
        // Every digit lies beyond the last decimal; only the first one can round up, and only when
        // it stands right after it.
        whole.assign(1, keep == 0 && digits[0] >= '5' ? '1' : '0');
    } else {
        std::string extended = digits;
        if (int(extended.size()) < keep + 1)
            extended.append(std::size_t(keep + 1 - int(extended.size())), '0');
        whole = extended.substr(0, std::size_t(keep));
        if (extended[std::size_t(keep)] >= '5') {
            int i = int(whole.size()) - 1;
            while (i >= 0 && whole[std::size_t(i)] == '9')
                whole[std::size_t(i--)] = '0';
            if (i < 0)
                whole.insert(whole.begin(), '1');
            else
                ++whole[std::size_t(i)];
        }
    }

    // whole is the rounded value × 10^decimals; split off the decimals.
    if (int(whole.size()) <= decimals)
        whole.insert(0, std::size_t(decimals + 1 - int(whole.size())), '0');
    std::string integer_part = whole.substr(0, whole.size() - std::size_t(decimals));
    const std::string fraction = whole.substr(whole.size() - std::size_t(decimals));
    const std::size_t nonzero = integer_part.find_first_not_of('0');
    integer_part = nonzero == std::string::npos ? "0" : integer_part.substr(nonzero);

    const bool is_zero = whole.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !is_zero) ? "-" : "";
    out += integer_part;
    if (decimals > 0)
        out += "." + fraction;
    return QString::fromLatin1(out.c_str());
}

QString default_number_text(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return QStringLiteral("0");
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    QString text = QString::fromLatin1(buffer, end - buffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

} // namespace common
