#pragma once

#include "drawing/report_font.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace printing {

// Lengths of text, in twips, for pages that place their text by its size: the calculation
// document's own pages, the frame it adds to the reports, and the reference book. The reports'
// face unless another is named.

// The advance of a text at a point size.
double text_width(const QString &text, double point_size, drawing::TextFace face = drawing::TextFace::Gothic);

// The height of a text run's character cell at a point size: a run placed at y inks between y and
// y + this.
double text_height(double point_size, drawing::TextFace face = drawing::TextFace::Gothic);

// The height of a face's ascent at a point size: where its baseline lies below the top of a text
// run as the renderer places it.
double text_ascent(double point_size, drawing::TextFace face);

// A stretch of a text set in one face.
struct FaceStretch {
    int start = 0;
    int length = 0;
    drawing::TextFace face = drawing::TextFace::Gothic;
};

// One line of a broken text: the characters it holds, and where each position from its start to
// its end stands from the line's left edge (x.size() is length + 1).
struct BrokenLine {
    int start = 0;
    int length = 0;
    QList<double> x;
};

// Breaks a text into lines no wider than width at a point size, where Japanese and Latin text may
// break: between words, between Japanese characters, never before "。", "、" or a closing bracket.
// A line feed always starts a new line (and stays in the line it ends); an empty text gives no
// line. The stretches, in order, give each part of the text its face; the first stretch's face,
// or the reports' face where there is none, sets the rest.
QList<BrokenLine> break_lines(const QString &text, const QList<FaceStretch> &faces, double point_size, double width);

// A paragraph broken as break_lines breaks it, in the reports' face: the lines' texts without the
// blanks they end in. An empty line of the text gives no line.
QStringList wrap_text(const QString &text, double point_size, int width);

} // namespace printing
