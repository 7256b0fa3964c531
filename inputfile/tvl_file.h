#pragma once

#include "common/file_error.h"

#include <QString>
#include <QStringList>

namespace flume {
class FlumeSheet;
}

namespace inputfile {

// A file of the format is a few hundred bytes; a larger file than this is not one (a huge or binary
// file chosen by mistake) and is refused whole rather than read in part.
inline constexpr qint64 max_file_bytes = 1024 * 1024;

// Why a file is refused before it is read.
namespace reason {
inline const QString not_a_file = QStringLiteral("通常のファイルではありません。");
inline const QString too_large = QStringLiteral("ファイルが大きすぎます（.tvl ファイルは 1 MiB まで）。");
} // namespace reason


// Writes the 25 input texts as a .tvl file (common::write_file_safely): on any failure the file
// that was there before stays as it was.
common::FileResult write_tvl_file(const QString &path, const QStringList &texts);

// Reads the items of a .tvl file (at most 25; fewer when the file has fewer). A pipe, a device, a
// folder or a file larger than max_file_bytes is refused with the reason.
common::FileResult read_tvl_file(const QString &path, QStringList &items);

// Saves the 25 input fields of the sheet.
common::FileResult save_inputs(const flume::FlumeSheet &sheet, const QString &path);

// Puts the items of a .tvl file into the 25 input fields, as typing would: inputs without an item in
// the file are emptied. Nothing is calculated, and results and carried values stay. A file that
// cannot be opened or read leaves every field as it was.
common::FileResult open_inputs(flume::FlumeSheet &sheet, const QString &path);

} // namespace inputfile
