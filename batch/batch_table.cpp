#include "batch/batch_table.h"

#include "common/file_read.h"
#include "common/numeric_reading.h"
#include "inputfile/tvl_encoding.h"
#include "inputfile/tvl_file.h"

#include <utility>

namespace batch {

namespace {

using members::MemberInputKind;

bool is_spacing(const InputColumn &column)
{
    return column.kind == ColumnKind::MemberInput
        && (column.member_quantity->kind == MemberInputKind::BarsPerWidth
            || column.member_quantity->kind == MemberInputKind::Pitch);
}

// Why the value cannot be the column's; empty when it can.
QString refusal(const InputColumn &column, const QString &value)
{
    if (value.isEmpty() || column.kind == ColumnKind::Name)
        return {};
    if (column.kind == ColumnKind::FlumeInput) {
        double number = 0;
        return common::read_whole_number(value, &number) ? QString() : QStringLiteral("数値ではありません");
    }
    members::MemberCheckInputs scratch;
    return members::put_member_value(scratch, *column.member_quantity, column.member, value);
}

TableProblem check_row(const BatchTable &table, const TableRecord &record, const Cells &values)
{
    for (qsizetype i = table.columns.size(); i < record.fields.size(); ++i) {
        if (!common::is_blank(record.fields[i])) {
            return {{record.line, int(i) + 1},
                    QStringLiteral("欄が多すぎます（見出しは %1 列）").arg(table.columns.size())};
        }
    }
    for (qsizetype i = 0; i < table.columns.size(); ++i) {
        const InputColumn &column = table.columns[i];
        const QString value = values[i];
        if (const QString refused = refusal(column, value); !refused.isEmpty()) {
            return {{record.line, int(i) + 1},
                    QStringLiteral("「%1」の値「%2」は%3").arg(column.symbol, value, refused)};
        }
        if (!is_spacing(column) || value.isEmpty())
            continue;
        // 本数 and ピッチ are two ways of giving the same bars.
        for (qsizetype j = 0; j < i; ++j) {
            const InputColumn &other = table.columns[j];
            if (is_spacing(other) && !values[j].isEmpty() && other.member == column.member
                && other.member_quantity != column.member_quantity) {
                return {{record.line, int(i) + 1},
                        QStringLiteral("「%1」と「%2」の両方があります（一方だけにします）").arg(other.symbol, column.symbol)};
            }
        }
    }
    return {};
}

} // namespace

QString BatchTable::name(const TableRow &row) const
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].kind == ColumnKind::Name)
            return row.values[i];
    }
    return {};
}

bool BatchTable::has_member_columns() const
{
    for (const InputColumn &column : columns) {
        if (column.kind == ColumnKind::MemberInput)
            return true;
    }
    return false;
}

BatchTable read_table(SplitTable split)
{
    BatchTable table;
    table.problems = split.problems;
    if (split.records.isEmpty()) {
        table.problems.prepend({{1, 0}, QStringLiteral("見出しの行がありません")});
        return table;
    }
    const TableRecord &header = split.records.first();
    QStringList headers = header.fields.list();
    while (!headers.isEmpty() && common::is_blank(headers.last()))
        headers.removeLast();
    for (qsizetype i = 0; i < headers.size(); ++i) {
        const TablePlace place{header.line, int(i) + 1};
        QString reason;
        const std::optional<InputColumn> column = column_for_header(headers[i], &reason);
        if (!column) {
            table.problems.append({place, reason});
            continue;
        }
        for (qsizetype j = 0; j < table.columns.size(); ++j) {
            if (table.columns[j].symbol == column->symbol) {
                table.problems.append({place, QStringLiteral("「%1」の列が二つあります").arg(column->symbol)});
                break;
            }
        }
        table.columns.append(*column);
    }
    if (!table.usable())
        return table;

    table.rows.reserve(split.records.size() - 1);
    for (qsizetype r = 1; r < split.records.size(); ++r) {
        TableRecord &record = split.records[r];
        TableRow row{record.line, {}, {}};
        for (qsizetype i = 0; i < table.columns.size(); ++i)
            row.values << record.fields.value(i).trimmed();
        row.values.squeeze();
        row.problem = check_row(table, record, row.values);
        table.rows.append(row);
        record.fields = {};
    }
    return table;
}

common::FileResult read_table_file(const QString &path, BatchTable &table)
{
    QByteArray bytes;
    const common::FileResult read = common::read_regular_file(path, max_table_bytes, table_too_large, bytes);
    if (read) {
        // Each form of the table is let go once the next is made.
        const QString text = inputfile::decode_table(std::exchange(bytes, {}));
        table = read_table(split_table(text));
    }
    return read;
}

inputfile::TvlContents row_contents(const BatchTable &table, const TableRow &row, const inputfile::TvlContents &base)
{
    inputfile::TvlContents contents = base;
    while (contents.inputs.size() < flume::input_count)
        contents.inputs.append(QString());
    for (bool one_member : {false, true}) {
        for (qsizetype i = 0; i < table.columns.size(); ++i) {
            const InputColumn &column = table.columns[i];
            const QString value = row.values[i];
            if (value.isEmpty())
                continue;
            if (column.kind == ColumnKind::FlumeInput && !one_member)
                contents.inputs[int(column.field)] = value;
            else if (column.kind == ColumnKind::MemberInput && column.member.has_value() == one_member)
                members::put_member_value(contents.members, *column.member_quantity, column.member, value);
        }
    }
    return contents;
}

QString value_used(const InputColumn &column, const inputfile::TvlContents &contents)
{
    switch (column.kind) {
    case ColumnKind::Name: return {};
    case ColumnKind::FlumeInput: return contents.inputs.value(int(column.field));
    case ColumnKind::MemberInput: break;
    }
    std::optional<QString> common_value;
    for (std::size_t m = 0; m < members::member_count; ++m) {
        if (column.member && *column.member != m)
            continue;
        const QString value = members::member_value(contents.members, *column.member_quantity, m);
        if (common_value && *common_value != value)
            return {};
        common_value = value;
    }
    return common_value.value_or(QString());
}

} // namespace batch
