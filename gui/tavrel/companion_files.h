#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tavrel {

// The files that come with Tavrel: the reference book and the program Morvik.
inline const QString reference_pdf_path = QStringLiteral("file/Tavrel.pdf");
inline const QString morvik_path = QStringLiteral("file/morvik");

// The directory the companions are looked for in and Morvik runs in: the environment variable
// "curdir", or the current directory when it is unset or empty.
QString companion_directory();

// Where a companion may be, in the order tried: below the folder of the running program (its
// installation), then below "curdir" when it is set. The current folder is not searched: a program
// found there would be one that whoever made the folder put there.
QStringList companion_candidates(const QString &relative_path);

// The first candidate that exists, or an empty text. One below "curdir" counts only when the file and
// every folder above it belong to the user or root and nobody else may write them
// (common::check_trusted).
QString find_companion(const QString &relative_path);

// Opens the reference book with the desktop's PDF viewer (xdg-open). A missing file, a desktop
// without a program for PDF files, or a viewer that cannot be started is reported with the paths.
void open_reference_pdf(QWidget *owner);

// Starts Morvik as a process of its own, with the given arguments, in the companion directory; each
// start opens a window of its own. A missing companion directory, a missing program or a failed
// start is reported with the path.
void start_morvik(QWidget *owner, const QStringList &arguments = {});

namespace message {
inline const QString companion_title = QStringLiteral("Tavrel");
inline const QString file_not_found = QStringLiteral("ファイルが見つかりません。");
inline const QString pdf_not_opened = QStringLiteral("PDFファイルを開けませんでした。");
inline const QString no_pdf_viewer = QStringLiteral("PDFファイルを表示するプログラムが登録されていません。");
inline const QString program_not_started = QStringLiteral("プログラムを起動できませんでした。");
inline const QString folder_not_found = QStringLiteral("作業フォルダーが見つかりません。");
} // namespace message

} // namespace tavrel
