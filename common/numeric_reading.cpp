#include "common/numeric_reading.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
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
    case u'Ｅ': return QChar(u'E');
    case u'ｅ': return QChar(u'e');
    default: return c;
    }
}

bool is_blank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u3000';
}

bool is_ascii_digit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The C library's reading of a decimal number, always with "." as the point: the program runs with
// the user's locale set, in which strtod alone might expect a comma.
double c_locale_strtod(const char *text)
{
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text, nullptr, c_locale);
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
    scan.value = c_locale_strtod(ascii.c_str());
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

} // namespace

double read_number(const QString &text)
{
    return scan_number(normalised(text, true)).value;
}

bool read_whole_number(const QString &text, double *value)
{
    QString s = normalised(text, false);
    qsizetype first = 0, last = s.size();
    while (first < last && is_blank(s[first]))
        ++first;
    while (last > first && is_blank(s[last - 1]))
        --last;
    s = s.mid(first, last - first);
    const Scan scan = scan_number(s);
    if (!scan.digits || scan.end != s.size())
        return false;
    if (value)
        *value = scan.value;
    return true;
}

} // namespace common
