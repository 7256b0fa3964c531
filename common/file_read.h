#pragma once

#include "common/file_error.h"

#include <QByteArray>
#include <QString>

namespace common {

// Why a file is refused before it is read: it is a pipe, a device or a folder.
inline const QString not_a_regular_file = QStringLiteral("通常のファイルではありません。");

// Reads the whole of a regular file (a name as common::native_name reads it) of at most max_bytes.
// The file is opened without waiting, so that a pipe nobody writes to cannot hold the program; a
// pipe, a device or a folder is then refused, and a larger file with the reason too_large rather
// than read in part.
FileResult read_regular_file(const QString &path, qint64 max_bytes, const QString &too_large, QByteArray &bytes);

} // namespace common
