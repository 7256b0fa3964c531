#include "batch/results_csv.h"

#include "batch/table_text.h"
#include "common/safe_file_write.h"
#include "inputfile/tvl_encoding.h"

namespace batch {

namespace {

QString csv_record(const QStringList &cells)
{
    QString record;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            record += u',';
        record += csv_field(cells[i]);
    }
    return record + QStringLiteral("\r\n");
}

// The first cell of the records without a CP932 form: "3 行目の「名称」".
QString first_without_cp932(const BatchResults &results)
{
    for (const RowResult &row : results.rows) {
        for (qsizetype i = 0; i < row.cells.size(); ++i) {
            if (!inputfile::has_cp932_form(row.cells[i]))
                return QStringLiteral("%1 行目の「%2」").arg(row.line).arg(results.columns[i].symbol);
        }
    }
    return QStringLiteral("見出し");
}

} // namespace

std::optional<QByteArray> results_csv(const BatchResults &results, CsvEncoding encoding, QString *reason)
{
    QStringList headers;
    for (const ResultColumn &column : results.columns)
        headers << column.header();
    // Record by record into the bytes, so that the text is not held twice; room for about all of
    // them at once (the cells, a separator each, a line end a record).
    QByteArray bytes = encoding == CsvEncoding::Utf8 ? QByteArray("\xef\xbb\xbf") : QByteArray();
    qsizetype expected = 0;
    for (const RowResult &row : results.rows)
        expected += row.cells.bytes() + row.cells.size() + 2;
    bytes.reserve(bytes.size() + expected + 64 * results.columns.size());
    for (qsizetype r = -1; r < results.rows.size(); ++r) {
        const QString record = csv_record(r < 0 ? headers : results.rows[r].cells.list());
        if (encoding == CsvEncoding::Utf8) {
            bytes += record.toUtf8();
        } else if (const std::optional<QByteArray> encoded = inputfile::encode_cp932(record)) {
            bytes += *encoded;
        } else {
            if (reason)
                *reason = first_without_cp932(results) + QStringLiteral("に CP932 で書けない文字があります。");
            return std::nullopt;
        }
    }
    return bytes;
}

common::FileResult write_results_csv(const QString &path, const BatchResults &results, CsvEncoding encoding,
                                     common::ReadOnlyFile read_only)
{
    QString reason;
    const std::optional<QByteArray> bytes = results_csv(results, encoding, &reason);
    if (!bytes)
        return {false, reason};
    return common::write_file_safely(path, *bytes, read_only);
}

} // namespace batch
