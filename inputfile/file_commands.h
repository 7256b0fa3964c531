#pragma once

#include <QString>
#include <optional>

namespace flume {
class FlumeSheet;
}

namespace inputfile {

// The file type offered by the open and save dialogs, in the form a file dialog takes.
inline const QString dialog_filter = QStringLiteral("Tavrelファイル(*.tvl)");

namespace message {
inline const QString save_failed = QStringLiteral("ファイルを保存できませんでした。");
inline const QString save_title = QStringLiteral("ファイル保存");
inline const QString open_failed = QStringLiteral("ファイルを開けませんでした。");
inline const QString open_title = QStringLiteral("ファイルを開く");
} // namespace message

// A failure the window reports: the system beep, then a warning box with this text and title.
struct FileMessage {
    QString text;
    QString title;
};

// "名前を付けて保存(&A)" once the save dialog has given a path (an empty path is a cancelled
// dialog: nothing happens). Keeps the path in save_path and writes the 25 inputs to it as given,
// without adding an extension; a name the dialog could not show as it is (common::check_dialog_name)
// is refused. Returns the message to show when the file could not be written.
std::optional<FileMessage> save_as(flume::FlumeSheet &sheet, const QString &chosen_path);

// "開く(&O)" once the open dialog has given a path (an empty path: nothing happens). Keeps the
// path in open_path and puts the file's items into the 25 inputs. Returns the message to show when
// the file could not be opened or read; the inputs are then left as they were.
std::optional<FileMessage> open_file(flume::FlumeSheet &sheet, const QString &chosen_path);

} // namespace inputfile
