#include "document/era_date.h"

namespace document {

namespace {

struct Era {
    QDate from;      // the first day written in the era
    const char16_t *name;
    int first_year;  // the Western year that is the era's 元年
};

// Newest first. Meiji began in 1868, but is written in the Gregorian calendar only from 1873 on.
const Era eras[] = {
    {QDate(2019, 5, 1), u"令和", 2019},
    {QDate(1989, 1, 8), u"平成", 1989},
    {QDate(1926, 12, 25), u"昭和", 1926},
    {QDate(1912, 7, 30), u"大正", 1912},
    {QDate(1873, 1, 1), u"明治", 1868},
};

} // namespace

QString era_date(const QDate &date)
{
    if (!date.isValid())
        return {};
    const QString month_day = QStringLiteral("%1月%2日").arg(date.month()).arg(date.day());
    for (const Era &era : eras) {
        if (date >= era.from) {
            const int year = date.year() - era.first_year + 1;
            return QString::fromUtf16(era.name) + (year == 1 ? QStringLiteral("元") : QString::number(year))
                   + QStringLiteral("年") + month_day;
        }
    }
    return QStringLiteral("%1年").arg(date.year()) + month_day;
}

} // namespace document
