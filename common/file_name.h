#pragma once

#include <QString>

namespace common {

// A file name made from a title, for a save dialog to propose: every character that a file name
// cannot hold or that some system refuses (/ \ : * ? " < > | and control characters) becomes "_",
// blanks and dots are taken off both ends, and the name is cut to at most max_file_name_bytes of
// UTF-8, between characters, leaving room for an extension within any file system's limit.
QString file_name_for(const QString &title);

inline constexpr int max_file_name_bytes = 200;

} // namespace common
