#pragma once

#include "batch/batch_run.h"
#include "common/file_error.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace batch {

// The results as a spreadsheet (.xlsx, by libxlsxwriter): one sheet "一括計算", the headers with their
// units in a bold first row, frozen with the columns 行 and 名称 and repeated on every printed page;
// a number column's values as numbers, each with the decimals its text shows as its number format;
// NG in red; every column as wide as its longest text; printed A4 landscape, one page wide. None,
// with the reason, when the library fails.
std::optional<QByteArray> results_xlsx(const BatchResults &results, QString *reason);

// Writes them (common::write_file_safely, a read-only file replaced only when read_only says so): a
// failure leaves an earlier file as it was.
common::FileResult write_results_xlsx(const QString &path, const BatchResults &results,
                                      common::ReadOnlyFile read_only = common::ReadOnlyFile::Refuse);

} // namespace batch
