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
// first, kept in a recovery copy in the user's cache folder (common::RecoveryCopy) and written back
// should the new content fail, and the message then names the copy; a file that cannot be read, or
// whose content cannot be kept, is left alone.
//
// A device, pipe or socket is written directly and never replaced; the program's own standard output
// (or another of its open files, named /dev/stdout, /dev/fd/N or /proc/self/fd/N) is written where
// it stands, never reopened by name or cut. A folder is refused.
//
// Every write, the flushes to the disk and the close are checked; a failure is returned with its
// reason in Japanese (describe_file_error).
//
// An earlier regular file whose permissions do not let the user write it (made read-only, 0444) is
// refused with read_only_reason unless the caller asked for it to be replaced: a window asks the
// user first, a command needs --force.
enum class ReadOnlyFile { Refuse, Replace };
inline const QString read_only_reason = QStringLiteral("読み取り専用のファイルです。");
FileResult write_file_safely(const QString &path, const QByteArray &bytes, ReadOnlyFile read_only = ReadOnlyFile::Refuse);

// Whether path names an existing regular file that write_file_safely refuses as read-only.
bool is_read_only_file(const QString &path);

// The writer's own reasons, beside describe_file_error's: an earlier file it could not read (the
// read's failure follows), an earlier content it could not keep before writing in place (why
// follows), and, after a failed write in place, the earlier content written back or not, and kept in
// the user's cache folder (%1: that file).
namespace write_reason {
inline const QString earlier_unreadable = QStringLiteral("元のファイルを読み取れないため、上書きしませんでした。");
inline const QString no_recovery_copy = QStringLiteral("元の内容を残しておけないため、上書きしませんでした。");
inline const QString earlier_written_back = QStringLiteral("元の内容を書き戻しました。次のファイルにも残してあります：%1");
inline const QString earlier_kept_in = QStringLiteral("元の内容を書き戻せなかったため、次のファイルに残しました：%1");
} // namespace write_reason

} // namespace common
