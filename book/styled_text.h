#pragma once

#include "drawing/report_font.h"

#include <QList>
#include <QString>
#include <functional>

namespace book {

using drawing::TextFace;

// The book's texts carry marks for what is set in another face than the running text, and for
// references to other parts of the book. The marks are characters of Unicode's private use area,
// which no text of the programs holds.
QString screen(const QString &words);  // the screen's own words (captions, menus, messages): Gothic
QString code(const QString &text);     // a file name, command or file content: monospace
QString quoted(const QString &words);  // 「the screen's words」
// A window's caption as the screen shows it, without the "&" of its access key ("ファイル(&F)" is
// "ファイル(F)"): in quotes, or set as the screen's words.
QString quoted_caption(const QString &caption);
QString screen_caption(const QString &caption);
// A reference to a chapter ("主働土圧") or to a section of one ("主働土圧/計算例"): set as the
// part's numbered title in 「」 and its page, and made a link to it.
QString ref(const QString &anchor);

// A marked text taken apart: the text as set, and the face and link of each stretch of it.
struct Stretch {
    int start = 0;
    int length = 0;
    TextFace face = TextFace::Mincho;
    QString anchor;  // the part a reference leads to; empty for plain text
};
struct StyledText {
    QString text;
    QList<Stretch> stretches;  // in order, covering the whole text
};

// What a reference reads as: the part's numbered title and its page, or nothing yet known.
using ReferenceText = std::function<QString(const QString &anchor)>;

// Takes the marks out of a text; unmarked text is set in `face`.
StyledText styled(const QString &marked, TextFace face, const ReferenceText &reference);

// The text without its marks (references as their anchors), for searching.
QString plain(const QString &marked);

} // namespace book
