#pragma once

#include "common/file_error.h"

#include <QByteArray>
#include <QString>

namespace common {

// Makes bytes the whole content of the file at path (a name as common::native_name reads it); every
// .tvl and PDF the programs write goes through here.
//
// A regular file (or a new one) is written to a temporary file beside it that has no name until it
// is complete, forced to the disk, given the earlier file's owner, group, permissions and extended
// attributes (its ACL among them), and then renamed over it; the folder is then forced to the disk
// too. A full disk or any other failure leaves the earlier file exactly as it was and nothing
// behind. A symbolic link stays a link to the file it names.
//
// Where the new file could not be the earlier one, the earlier file is written where it is: when it
// has more links than one, when its owner, group or attributes cannot be given to a new file (a
// shared or sticky folder), when the folder refuses the rename or a new file. Its content is read
// first and written back should the new content fail; a file that cannot be read is left alone.
//
// A device, pipe or socket, and the program's own standard output, are written directly and never
// replaced. A folder is refused.
//
// Every write, the flushes to the disk and the close are checked; a failure is returned with its
// reason in Japanese (describe_file_error).
FileResult write_file_safely(const QString &path, const QByteArray &bytes);

// The writer's own reasons, beside describe_file_error's: an earlier file it could not read (the
// read's failure follows), and, after a failed write in place, the earlier content kept in the
// user's cache folder (%1: that file) or lost.
namespace write_reason {
inline const QString earlier_unreadable = QStringLiteral("元のファイルを読み取れないため、上書きしませんでした。");
inline const QString earlier_kept_in = QStringLiteral("元の内容を書き戻せなかったため、次のファイルに残しました：%1");
inline const QString earlier_lost = QStringLiteral("元の内容を書き戻せず、残すこともできませんでした。");
} // namespace write_reason

} // namespace common
