#include "batch/table_text.h"

#include "common/numeric_reading.h"
#include "inputfile/tvl_encoding.h"

namespace batch {

namespace {

// The separator of the table: the one its first line uses more of, outside quotation marks.
QChar separator_of(const QString &text)
{
    qsizetype commas = 0, tabs = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted)
            commas += c == u',', tabs += c == u'\t';
    }
    return tabs > commas ? u'\t' : u',';
}

} // namespace

QString TableProblem::line_text() const
{
    const QString at = place.column > 0 ? QStringLiteral("%1:%2").arg(place.line).arg(place.column)
                                        : QString::number(place.line);
    return at + QStringLiteral(": ") + text;
}

SplitTable split_table(const QString &text)
{
    SplitTable table;
    table.separator = separator_of(text);
    const QChar separator = table.separator;

    TableRecord record{1, {}};
    bool blank = true;  // every field of the record so far
    QString field;
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto end_field = [&] {
        blank = blank && common::is_blank(field);
        record.fields << field;
        field.clear();
    };
    auto end_record = [&] {
        end_field();
        if (!blank) {
            record.fields.squeeze();
            table.records.append(record);
        }
        record = {line, {}};
        blank = true;
    };
    auto line_end = [&](qsizetype at) {
        // CR LF counts once.
        if (text[at] == u'\r' && at + 1 < n && text[at + 1] == u'\n')
            ++at;
        ++line;
        return at + 1;
    };

    while (i < n) {
        const QChar c = text[i];
        if (c == u'"' && field.isEmpty()) {
            // A quoted field: up to the quotation mark that is not doubled.
            const TablePlace opened{line, int(record.fields.size()) + 1};
            ++i;
            bool closed = false;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                if (text[i] == u'\n' || text[i] == u'\r') {
                    const qsizetype from = i;
                    i = line_end(i);
                    field += text.mid(from, i - from);
                    continue;
                }
                field += text[i++];
            }
            if (!closed) {
                table.problems.append({opened, QStringLiteral("「\"」で始まる欄に閉じる「\"」がありません")});
                return table;
            }
            // Anything after the closing mark up to the separator belongs to the field, as a
            // spreadsheet reads it.
            continue;
        }
        if (c == separator) {
            end_field();
            ++i;
        } else if (c == u'\n' || c == u'\r') {
            i = line_end(i);
            end_record();
        } else {
            field += c;
            ++i;
        }
    }
    if (!field.isEmpty() || !record.fields.isEmpty())
        end_record();
    return table;
}

SplitTable split_table(const QByteArray &bytes)
{
    return split_table(inputfile::decode_table(bytes));
}

QString csv_field(const QString &text, QChar separator)
{
    const bool plain = !text.contains(separator) && !text.contains(u'"') && !text.contains(u'\n')
                    && !text.contains(u'\r') && text.trimmed() == text;
    if (plain)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace batch
