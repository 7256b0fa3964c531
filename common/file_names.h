#pragma once

#include "common/file_error.h"

#include <QByteArray>
#include <QString>

namespace common {

// File names are bytes to the system and texts to the programs. The bytes of a name that are valid
// UTF-8 are its text; each byte that is not (a name in CP932 from an unpacked archive) stands in the
// text as the lone low surrogate U+DC80..U+DCFF. Every name the system gives thus comes back to the
// very same bytes, so that any existing file can be opened, checked or written and a new name is
// made exactly as given.
QString name_from_native(const QByteArray &native);
QByteArray native_name(const QString &name);

// The name as seen from the root folder: a relative name is put below the current folder, read as
// the bytes the system gives.
QString absolute_name(const QString &name);

// A name as a file dialog hands it over: the dialog shows a name that is not UTF-8 with U+FFFD in
// place of its bytes, and that name, written, would make a second file beside the one chosen. Such
// a name is refused unless a file of exactly that name exists, with this reason.
inline const QString name_not_utf8_reason =
    QStringLiteral("名前の文字コードが UTF-8 ではないため、選ばれたファイルには書き込めません。");
FileResult check_dialog_name(const QString &name);

// The file a name stands for once symbolic links are followed, or the program's own open file it
// names (/dev/stdout, /dev/fd/N, /proc/self/fd/N): that descriptor, which is written where it
// stands. A link to a file that does not exist names the file it would make. error is the system's
// error number when the links cannot be followed (a loop, a name too long), else 0.
struct FinalTarget {
    QByteArray path;
    int own_descriptor = -1;
    int error = 0;
};
FinalTarget final_target(const QByteArray &native);

// The folder part and the last part of a native name ("." for a name without a folder).
QByteArray folder_of(const QByteArray &native);
QByteArray last_part(const QByteArray &native);

} // namespace common
