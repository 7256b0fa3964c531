#pragma once

#include "inputfile/tvl_file.h"

#include <QString>
#include <optional>

namespace inputfile {

// The file type offered by the open and save dialogs, in the form a file dialog takes.
inline const QString dialog_filter = QStringLiteral("Tavrelファイル(*.tvl)");

namespace message {
inline const QString save_failed = QStringLiteral("ファイルを保存できませんでした。");
inline const QString save_title = QStringLiteral("ファイル保存");
inline const QString open_failed = QStringLiteral("ファイルを開けませんでした。");
inline const QString open_title = QStringLiteral("ファイルを開く");
inline const QString extension_kept =
    QStringLiteral("このファイルには、この版のTavrelでは読めないデータがあります。保存するときは、そのまま書き戻します。");
inline const QString extension_damaged = QStringLiteral("このファイルの%1は壊れているため、読み込みませんでした。");
inline const QString extension_duplicated =
    QStringLiteral("このファイルには%1が二つ以上あります。最初のものを読み込み、ほかは保存するときにそのまま書き戻します。");
} // namespace message

// What a window or a command tells the user after reading a file's extension: one line for the
// damaged sections left out, one for sections held twice, one for data kept unread; none when there
// is nothing to tell.
QStringList extension_note_lines(const ExtensionNotes &notes);

// A failure the window reports: the system beep, then a warning box with this text and title.
struct FileMessage {
    QString text;
    QString title;
    bool read = false;  // the file was read; the message only tells about what it carried
};

// "名前を付けて保存(&A)" once the save dialog has given a path (an empty path is a cancelled
// dialog: nothing happens). Keeps the path in save_path and writes the window's inputs to it as
// given, without adding an extension; a name the dialog could not show as it is
// (common::check_dialog_name) is refused, and so is a read-only file unless the user agreed to
// replace it. Returns the message to show when the file could not be written.
std::optional<FileMessage> save_as(const FlumeFileState &state, const QString &chosen_path,
                                   common::ReadOnlyFile read_only = common::ReadOnlyFile::Refuse);

// "開く(&O)" once the open dialog has given a path (an empty path: nothing happens). Keeps the
// path in open_path and puts the file's contents into the window. Returns the message to show when
// the file could not be opened or read (everything is then left as it was), or, after reading it,
// when it carried data that is kept unread or had to be left out as damaged.
std::optional<FileMessage> open_file(const FlumeFileState &state, const QString &chosen_path);

} // namespace inputfile
