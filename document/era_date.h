#pragma once

#include <QDate>
#include <QString>

namespace document {

// A day as Japanese documents write it, in the era of the day: 令和8年12月8日, the first year of an
// era being 元年 (令和元年5月1日). Days before the Gregorian calendar came into use in Japan (1873)
// are written in the Western year (1872年12月31日); an invalid date gives an empty text.
QString era_date(const QDate &date);

} // namespace document
