#pragma once

#include <QString>

namespace widgets {

// The folder the program's file dialogs (open, save as, PDF保存) start in: the folder of the file
// last chosen in any of them, kept across runs; the first time, the user's documents folder.
QString dialog_folder();

// Keeps the folder of a file the user has just chosen in a file dialog.
void remember_dialog_folder(const QString &chosen_file);

} // namespace widgets
