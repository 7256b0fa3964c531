#pragma once

#include <QByteArray>

namespace common {

// The system's file calls as the writers use them, each checked: they return the error number
// (errno), 0 when all went well.

// Every byte, through short writes and interruptions.
int write_all(int fd, const QByteArray &bytes);
// Everything from the file's position to its end.
int read_all(int fd, QByteArray &bytes);
// Waits until the disk holds the file: a file system may report a failed write only then. A file
// system that cannot sync says so with EINVAL, which is no failure.
int sync_to_disk(int fd);
// Some file systems (NFS) report a failed write only when the file is closed: the close's failure
// counts when nothing failed before.
int close_checked(int fd, int earlier_error);
// The folder's names on the disk. A folder the user may not read (write and search only) cannot be
// synced, and is not.
int sync_folder(const QByteArray &folder);

} // namespace common
