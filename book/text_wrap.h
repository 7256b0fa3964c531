#pragma once

#include "book/styled_text.h"

#include <QList>
#include <QString>

namespace book {

// Lengths here are in twips, measured in the book's faces.

// Joins the characters on either side of it: no line breaks between them. Set lines leave it out.
inline constexpr char16_t word_joiner = u'\u2060';

// The advance of a text in a face at a point size.
double text_width(const QString &text, double point_size, TextFace face = TextFace::Gothic);

// The height of a face's ascent at a point size: where its baseline lies below the top of a text
// run as the renderer places it.
double text_ascent(double point_size, TextFace face);

// A stretch of a set line in one face, placed from the line's left edge.
struct SetRun {
    QString text;
    TextFace face;
    double x;
    double width;
    QString anchor;    // a reference's target; empty for plain text
    int to_page = -1;  // or the page (0-based, the whole document) it leads to
};
struct SetLine {
    QList<SetRun> runs;
    double width = 0;
};

// Breaks a styled text into lines no wider than width at a point size, where Japanese and Latin
// text may break: between words, between Japanese characters, never before "。", "、" or a closing
// bracket. A line feed always starts a new line; an empty text gives no line.
QList<SetLine> set_lines(const StyledText &text, double point_size, double width);

// The width of the text's longest line when nothing but its line feeds breaks it.
double natural_width(const StyledText &text, double point_size);

// The narrowest width at which no line of the text is left with a word or a few characters cut
// off: the widest piece between two break opportunities, but at least four characters' width
// where the text is that long.
double least_width(const StyledText &text, double point_size);

} // namespace book
