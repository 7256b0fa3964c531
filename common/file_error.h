#pragma once

#include <QString>
#include <QStringList>

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

// Every reason of that table, each once, in the table's order.
QStringList file_error_texts();

// Every reason a file message of the programs can give about writing or a chosen name: the table's,
// then the safe writer's (common::write_reason) and the file dialogs' name that is not UTF-8.
QStringList file_failure_reasons();

// A failed file operation as the windows report it: what failed on the first line, the file and
// the reason on the second.
QString file_failure_text(const QString &what, const QString &path, const QString &reason);

} // namespace common
