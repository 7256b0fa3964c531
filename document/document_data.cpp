#include "document/document_data.h"

#include "document/era_date.h"

#include <QRegularExpression>

namespace document {

QString DocumentData::date_on(const QDate &printing_day) const
{
    return creation_date.isEmpty() ? era_date(printing_day) : creation_date;
}

QString DocumentData::title() const
{
    const QString name = works_name.trimmed();
    return name.isEmpty() ? QStringLiteral("構造計算書") : name + QStringLiteral(" 構造計算書");
}

QString DocumentData::designer() const
{
    const QString company = designer_company.trimmed();
    const QString person = designer_person.trimmed();
    if (company.isEmpty() || person.isEmpty())
        return company + person;
    return company + QStringLiteral("　") + person;
}

QString one_line(const QString &entry)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));  // ASCII blanks only
    return QString(entry).replace(blanks, QStringLiteral(" ")).trimmed();
}

} // namespace document
