// Numeric reading of any text against its grammar, written out here a second time as a regular
// expression: the whole conversion accepts exactly the texts of the grammar, the leading-number
// reading agrees with it on them, and every formatted number reads back.
#include "common/number_format.h"
#include "common/numeric_reading.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool property, const char *what, const QString &text)
{
    if (!property) {
        std::fprintf(stderr, "property failed: %s\ntext: %s\n", what, text.toUtf8().constData());
        std::abort();
    }
}

// Full-width digits and "．", "－", "＋", "，", "Ｅ", "ｅ" read as their ASCII forms.
QString ascii_forms(QString text)
{
    const QString full = QStringLiteral("０１２３４５６７８９．－＋，Ｅｅ");
    const QString ascii = QStringLiteral("0123456789.-+,Ee");
    for (QChar &c : text) {
        const qsizetype at = full.indexOf(c);
        if (at >= 0)
            c = ascii.at(at);
    }
    return text;
}

const QRegularExpression &whole_number()
{
    static const QRegularExpression grammar(QStringLiteral(
        "^[ \\t\\r\\n\\x{3000}]*"
        "(?:[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[EeDd][+-]?[0-9]+)?|&[Hh][0-9A-Fa-f]+|&[Oo][0-7]+"
        // Thousands grouped by commas: a first group without a leading 0, then groups of three.
        "|[+-]?[1-9][0-9]{0,2}(?:,[0-9]{3})+(?:\\.[0-9]*)?)"
        "[ \\t\\r\\n\\x{3000}]*$"));
    return grammar;
}

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double leading = common::read_number(text);
    check(!std::isnan(leading), "the leading number is a number", text);

    double whole = 0;
    const bool is_whole = common::read_whole_number(text, &whole);
    check(is_whole == whole_number().match(ascii_forms(text)).hasMatch(), "the whole conversion follows the grammar",
          text);
    if (is_whole)
        check(same(whole, leading), "both readings agree on a whole number", text);

    // A finite value shown in each pattern reads back as that value rounded to the pattern's decimals.
    for (const common::NumberPattern pattern :
         {common::NumberPattern::Whole, common::NumberPattern::OneDecimal, common::NumberPattern::TwoDecimals,
          common::NumberPattern::ThreeDecimals, common::NumberPattern::FourDecimals}) {
        const QString shown = common::format_number(leading, pattern);
        check(shown.isEmpty() == !std::isfinite(leading), "only a finite value is shown", text);
        if (shown.isEmpty())
            continue;
        double back = 0;
        check(common::read_whole_number(shown, &back), "a shown value is a whole number", text + u' ' + shown);
        // Beyond 15 digits before the point the 15 significant digits are all that is shown; at the
        // very top of the range their rounding may pass the largest double.
        const double half_unit = 0.5 * std::pow(10.0, -int(pattern));
        if (std::fabs(leading) < 1e15)
            check(std::fabs(back - leading) <= half_unit * (1 + 1e-9) + std::fabs(leading) * 1e-14,
                  "a shown value is the value rounded", text + u' ' + shown);
    }
    return 0;
}
