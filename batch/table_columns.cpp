#include "batch/table_columns.h"

#include "flume/quantities.h"

#include <QHash>

namespace batch {

namespace {

// A header as it is compared: full-width forms as their half-width ones (NFKC), without blanks or
// points, with the typographic apostrophes as "'".
QString comparable(const QString &header)
{
    QString text = header.normalized(QString::NormalizationForm_KC);
    QString kept;
    for (QChar c : text) {
        if (c.isSpace() || c == u'.')
            continue;
        kept += c == u'’' || c == u'′' ? u'\'' : c;
    }
    return kept;
}

QString units_text(const InputColumn &column)
{
    return column.unit.isEmpty() ? QStringLiteral("単位なし") : column.unit;
}

// The units a header may give for a column: the documents' and the screen's.
bool unit_fits(const InputColumn &column, const QString &unit)
{
    const QString given = comparable(unit);
    if (column.kind == ColumnKind::FlumeInput && given == comparable(flume::quantity(column.field).unit))
        return true;
    return given == comparable(column.unit);
}

const QHash<QString, InputColumn> &columns_by_name()
{
    static const QHash<QString, InputColumn> by_name = [] {
        QHash<QString, InputColumn> map;
        for (const InputColumn &column : all_columns())
            map.insert(comparable(column.symbol), column);
        return map;
    }();
    return by_name;
}

} // namespace

QList<InputColumn> all_columns()
{
    QList<InputColumn> columns{{ColumnKind::Name, name_header, {}, {}, nullptr, {}}};
    for (const flume::Quantity &q : flume::quantities()) {
        if (flume::kind_of(q.field) == flume::FieldKind::Input)
            columns.append({ColumnKind::FlumeInput, q.symbol, q.si_unit, q.field, nullptr, {}});
    }
    const QList<members::MemberQuantity> &member_quantities = members::member_quantities();
    for (const members::MemberQuantity &q : member_quantities)
        columns.append({ColumnKind::MemberInput, q.symbol, q.si_unit, {}, &q, {}});
    for (const members::MemberQuantity &q : member_quantities) {
        if (!q.per_member)
            continue;
        for (std::size_t m = 0; m < members::member_count; ++m)
            columns.append({ColumnKind::MemberInput, members::member_symbol(q, m), q.si_unit, {}, &q, m});
    }
    return columns;
}

std::optional<InputColumn> column_for_header(const QString &header, QString *reason)
{
    const QHash<QString, InputColumn> &by_name = columns_by_name();
    const QString name = comparable(header);
    if (const auto found = by_name.constFind(name); found != by_name.cend())
        return *found;

    // A unit in parentheses after the name.
    const qsizetype open = name.lastIndexOf(u'(');
    if (name.endsWith(u')') && open > 0) {
        if (const auto found = by_name.constFind(name.left(open)); found != by_name.cend()) {
            const QString unit = name.mid(open + 1, name.size() - open - 2);
            if (unit_fits(*found, unit))
                return *found;
            *reason = QStringLiteral("「%1」の単位は %2 です（見出しは %3）").arg(found->symbol, units_text(*found), unit);
            return std::nullopt;
        }
    }
    const QString symbol = open > 0 && name.endsWith(u')') ? name.left(open) : name;
    const flume::Quantity *result = flume::quantity_by_symbol(name);
    if (!result)
        result = flume::quantity_by_symbol(symbol);
    if (result)
        *reason = QStringLiteral("「%1」は計算の結果で、入力ではありません").arg(result->symbol);
    else if (header.trimmed().isEmpty())
        *reason = QStringLiteral("見出しが空です");
    else
        *reason = QStringLiteral("「%1」という入力はありません").arg(header.trimmed());
    return std::nullopt;
}

QString header_with_unit(const QString &symbol, const QString &unit)
{
    return unit.isEmpty() ? symbol : symbol + QStringLiteral(" (") + unit + u')';
}

} // namespace batch
