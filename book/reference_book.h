#pragma once

#include "book/book_layout.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

namespace book {

inline const QString reference_book_title = QStringLiteral("参考図書「Tavrel」");

// A message box a window shows, as the program has it: its text and title, the program and the
// window that shows it.
struct WindowMessage {
    QString text;
    QString title;
    QString program;  // "Tavrel", "Morvik"
};

// A command of a program with the help it prints.
struct CommandHelp {
    QString command;  // "tavrel --check"
    QString help;     // its --help text, UTF-8, Japanese and then English
};

// What the programs give the book from the layers above it, made at build time by the programs
// themselves: pictures of their windows drawn offscreen, the messages their windows show, the help
// of their commands, and `tavrel --check` and `--check --json` on the worked example's file with its
// member check and 計算書の設定.
struct BookMaterial {
    QHash<QString, QImage> windows;  // by name, as `tavrel --window-pictures` writes them
    QList<WindowMessage> window_messages;
    QList<CommandHelp> commands;
    QString check_output;
    QString check_json;
    bool check_passed = false;  // the file ran through Case 3 without a message: exit status 0
};

// The reference book that Tavrel's launcher and help menu open: a title page, the contents, the
// chapters and the index. Its worked examples, messages and formulas come from the calculations and
// the report pictures themselves.
struct ReferenceBook {
    QList<ReportPage> pages;
    QList<OutlineEntry> outline;  // chapters and sections in the book's order, with their pages
    QList<PageLink> links;        // contents lines and references, each with the part it leads to
    QStringList problems;         // what keeps the book from being true and complete; empty when it is
};

ReferenceBook reference_book(const BookMaterial &material);

} // namespace book
