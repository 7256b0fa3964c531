#pragma once

#include "drawing/report_font.h"

#include <QString>
#include <QStringList>

namespace printing {

// Lengths of text, in twips, for pages that place their text by its size: the calculation
// document's own pages and the frame it adds to the reports. The reports' face unless another is
// named.

// The advance of a text at a point size.
double text_width(const QString &text, double point_size, drawing::TextFace face = drawing::TextFace::Gothic);

// The height of a text run's character cell at a point size: a run placed at y inks between y and
// y + this.
double text_height(double point_size, drawing::TextFace face = drawing::TextFace::Gothic);

// Breaks a paragraph into lines no wider than width at a point size, where Japanese and Latin text
// may break: between words, between Japanese characters, never before "。", "、" or a closing
// bracket. A line feed always starts a new line; an empty text gives no line.
QStringList wrap_text(const QString &text, double point_size, int width);

} // namespace printing
