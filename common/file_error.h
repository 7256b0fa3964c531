#pragma once

#include <QString>

namespace common {

// Whether a file operation worked, and if not, why, in words for the user.
struct FileResult {
    bool ok = true;
    QString reason;
    explicit operator bool() const { return ok; }
};

// The failure the system reported with this error number (errno). The failures users meet with
// their files (no such file or folder, permission denied, disk full, read-only file system, a
// folder where a file was meant) are described in Japanese; the rest in the system's own words.
QString describe_file_error(int error_number);
FileResult file_failure(int error_number);

// A failed file operation as the windows report it: what failed on the first line, the file and
// the reason on the second.
QString file_failure_text(const QString &what, const QString &path, const QString &reason);

} // namespace common
