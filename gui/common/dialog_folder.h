#pragma once

#include <QString>

class QFileDialog;

namespace gui::common {

// The folder the program's file dialogs (open, save as, PDF保存) start in: the folder of the file
// last opened or saved through one of them, kept across runs, while it exists and is not part of a
// system's pseudo file system (/proc, /sys, /dev); otherwise the user's documents folder.
QString dialog_folder();

// Keeps the folder of a file that was just opened or saved through a file dialog. Called only
// once the file has been read or written, so that a failed save does not move the next dialog.
void remember_dialog_folder(const QString &file);

// A file a window keeps across runs under a key of its own ("batch/table"), as the folder is kept:
// empty when none is kept or the file no longer exists. An empty path forgets it.
QString remembered_file(const QString &key);
void remember_file(const QString &key, const QString &path);

// Makes a file dialog one of the program's: Qt's own dialog, starting in dialog_folder(), which
// tells files and folders apart by their names only and never reads a file to choose its icon or
// type, so that no folder (/proc included) can hold it up.
void prepare_file_dialog(QFileDialog &dialog);

// Shows a prepared dialog until it is answered: the file chosen, or empty when it was cancelled.
QString ask_for_file(QFileDialog &dialog);

} // namespace gui::common
