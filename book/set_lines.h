#pragma once

#include "book/styled_text.h"
#include "printing/text_measure.h"

#include <QList>
#include <QString>

namespace book {

// Lengths here are in twips, measured in the book's faces as the document's pages measure theirs.
using printing::text_ascent;
using printing::text_width;

// Joins the characters on either side of it: no line breaks between them. Set lines leave it out.
inline constexpr char16_t word_joiner = u'\u2060';

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

// Breaks a styled text into lines no wider than width at a point size, where the document's pages
// break theirs (printing::break_lines), and sets each line's runs in their faces.
QList<SetLine> set_lines(const StyledText &text, double point_size, double width);

// The width of the text's longest line when nothing but its line feeds breaks it.
double natural_width(const StyledText &text, double point_size);

// The narrowest width at which no line of the text is left with a word or a few characters cut
// off: the widest piece between two break opportunities, but at least four characters' width
// where the text is that long.
double least_width(const StyledText &text, double point_size);

} // namespace book
