#pragma once

#include "common/file_error.h"

#include <QByteArray>
#include <QString>

namespace common {

// Makes bytes the whole content of the file at path; every .tvl and PDF the programs write goes
// through here.
//
// A regular file (or a new one) is written to a temporary file beside it, forced to the disk and
// then renamed over it, so that a full disk or any other failure leaves the earlier file exactly as
// it was and no partial file behind. The earlier file's permissions and owner are kept, and a
// symbolic link stays a link to the file it names.
//
// A device, pipe or socket is written directly and never replaced. A folder is refused.
//
// Every write, the flush to the disk and the close are checked; a failure is returned with the
// system's reason (described by describe_file_error).
FileResult write_file_safely(const QString &path, const QByteArray &bytes);

} // namespace common
