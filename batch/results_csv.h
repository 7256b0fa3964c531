#pragma once

#include "batch/batch_run.h"
#include "common/file_error.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace batch {

// The encodings the results are written in: UTF-8 behind a byte-order mark, so that a spreadsheet
// opens it with the Japanese intact, or CP932 for tools that read nothing else.
enum class CsvEncoding { Utf8, Cp932 };

// The results as CSV: the headers with their units, then a record per row, each value as shown
// (quoted as RFC 4180 where it must be), records ended by CR LF. None when the text has a character
// without a CP932 form and CP932 is asked for, with the cell in *reason.
std::optional<QByteArray> results_csv(const BatchResults &results, CsvEncoding encoding, QString *reason);

// Writes them (common::write_file_safely, a read-only file replaced only when read_only says so): a
// failure leaves an earlier file as it was.
common::FileResult write_results_csv(const QString &path, const BatchResults &results, CsvEncoding encoding,
                                     common::ReadOnlyFile read_only = common::ReadOnlyFile::Refuse);

} // namespace batch
