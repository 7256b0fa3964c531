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

} // namespace common
