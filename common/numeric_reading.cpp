#include "common/numeric_reading.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace common {

namespace {

// Full-width digits and signs as typed through a Japanese input method become ASCII.
QChar to_ascii(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'０' && u <= u'９')
        return QChar(u'0' + (u - u'０'));
    switch (u) {
    case u'．': return QChar(u'.');
    case u'－': return QChar(u'-');
    case u'＋': return QChar(u'+');
    case u'，': return QChar(u',');
    case u'Ｅ': return QChar(u'E');
    case u'ｅ': return QChar(u'e');
    default: return c;
    }
}

bool is_ascii_digit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Reads "[sign]digits[.digits][e[sign]digits]", always with "." as the point whatever the user's
// locale. A number beyond the range of a double reads as infinity, one too small for it as zero.
double decimal_value(const std::string &text)
{
    const bool negative = !text.empty() && text[0] == '-';
    const char *first = text.data() + (!text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0);
    const char *last = text.data() + text.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small: the decimal exponent of the first significant digit tells which.
        const std::string_view digits(first, std::size_t(last - first));
        const std::size_t e = digits.find('e');
        const std::string_view mantissa = digits.substr(0, e);
        long exponent = 0;
        if (e != std::string_view::npos) {
            const char *at = digits.data() + e + 1;
            const bool minus = *at == '-';
            at += *at == '-' || *at == '+' ? 1 : 0;
            if (std::from_chars(at, last, exponent).ec == std::errc::result_out_of_range)
                exponent = std::numeric_limits<long>::max() / 2;
            exponent = minus ? -exponent : exponent;
        }
        const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
        const std::size_t significant = mantissa.find_first_not_of("0.");
        const long position = significant == std::string_view::npos ? 0
                              : significant < point ? long(point - significant) - 1
                                                    : -long(significant - point);
        // position + exponent > 0, without adding: the exponent may be as large as a long goes.
        value = exponent > -position ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

struct Scan {
    double value = 0;
    qsizetype end = 0;  // index just past the number read
    bool digits = false;
};

// Reads the longest leading number of text that has no blanks in it.
Scan scan_number(const QString &s)
{
    Scan scan;
    qsizetype i = 0;
    const qsizetype n = s.size();

    if (n >= 2 && s[0] == u'&') {
        const QChar radix = s[1].toUpper();
        const int base = radix == u'H' ? 16 : radix == u'O' ? 8 : 0;
        if (base != 0) {
            double v = 0;
            qsizetype j = 2;
            for (; j < n; ++j) {
                const char16_t ch = s[j].toUpper().unicode();
                int d = -1;
                if (ch >= u'0' && ch <= u'9')
                    d = ch - u'0';
                else if (base == 16 && ch >= u'A' && ch <= u'F')
                    d = 10 + (ch - u'A');
                if (d < 0 || d >= base)
                    break;
                v = v * base + d;
            }
            if (j > 2) {
                scan.value = v;
                scan.end = j;
                scan.digits = true;
            }
            return scan;
        }
    }

    std::string ascii;
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ascii += char(s[i++].unicode());
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = s[i];
        if (is_ascii_digit(c)) {
            ascii += char(c.unicode());
            scan.digits = true;
        } else if (c == u'.' && !point) {
            ascii += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!scan.digits)
        return scan;
    scan.end = i;

    // An exponent counts only when digits follow it.
    if (i < n && (s[i].toUpper() == u'E' || s[i].toUpper() == u'D')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            exponent += char(s[j++].unicode());
        const qsizetype first_digit = j;
        while (j < n && is_ascii_digit(s[j]))
            exponent += char(s[j++].unicode());
        if (j > first_digit) {
            ascii += exponent;
            scan.end = j;
        }
    }
    scan.value = decimal_value(ascii);
    return scan;
}

QString normalised(const QString &text, bool drop_inner_blanks)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        c = to_ascii(c);
        if (drop_inner_blanks && is_blank(c))
            continue;
        s += c;
    }
    return s;
}

QString without_surrounding_blanks(const QString &s)
{
    qsizetype first = 0, last = s.size();
    while (first < last && is_blank(s[first]))
        ++first;
    while (last > first && is_blank(s[last - 1]))
        --last;
    return s.mid(first, last - first);
}

// Digits grouped by threes with commas, as large moments are written ("1,000,000"): an optional
// sign, a first group of one to three digits that does not begin with 0, groups of exactly three
// digits, and an optional decimal part. Any other comma still ends the number, so "1,5" and
// "0,125" (decimal commas) keep reading as 1 and 0, as stored files expect.
bool is_grouped_number(const QString &s)
{
    // Most texts have no comma at all: they are told without the expression.
    if (!s.contains(u','))
        return false;
    static const QRegularExpression grouped(QStringLiteral("^[+-]?[1-9][0-9]{0,2}(,[0-9]{3})+(\\.[0-9]*)?$"));
    return grouped.match(s).hasMatch();
}

// The text as the number grammar reads it: width-normalised, and without its grouping commas when
// the whole text (surrounding blanks aside) is a grouped number.
QString ungrouped(const QString &text, bool drop_inner_blanks)
{
    const QString s = normalised(text, false);
    const QString trimmed = without_surrounding_blanks(s);
    if (is_grouped_number(trimmed))
        return QString(trimmed).remove(u',');
    return drop_inner_blanks ? normalised(text, true) : trimmed;
}

} // namespace

bool is_blank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u3000';
}

bool is_blank(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return is_blank(c); });
}

double read_number(const QString &text)
{
    return scan_number(ungrouped(text, true)).value;
}

bool read_whole_number(const QString &text, double *value)
{
    const QString s = ungrouped(text, false);
    const Scan scan = scan_number(s);
    if (!scan.digits || scan.end != s.size())
        return false;
    if (value)
        *value = scan.value;
    return true;
}

} // namespace common
