#pragma once

#include <QString>

namespace common {

// Whether a file operation worked, and if not, why, in words for the user.
struct FileResult {
    bool ok = true;
    QString reason;
    explicit operator bool() const { return ok; }
};

// The failure the system reported with this error number (errno), in Japanese from a table of the
// failures users meet with their files; any other with the system's own words in parentheses.
QString describe_file_error(int error_number);
FileResult file_failure(int error_number);

// A failed file operation as the windows report it: what failed on the first line, the file and
// the reason on the second.
QString file_failure_text(const QString &what, const QString &path, const QString &reason);

} // namespace common
