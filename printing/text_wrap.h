#pragma once

#include <QString>
#include <QStringList>

namespace printing {

// The advance of a text in the report face at a point size, in twips.
double text_width(const QString &text, double point_size);

// The height of a text run's character cell in the report face at a point size, in twips: a run
// placed at y inks between y and y + this.
double text_height(double point_size);

// Breaks a paragraph into lines no wider than width twips in the report face at a point size, at
// the places where Japanese and Latin text may break: between words, between Japanese characters,
// never before "。", "、" or a closing bracket. A line feed in the text always starts a new line.
// Every line is drawn as one text run; an empty paragraph gives no line.
QStringList wrap_text(const QString &text, double point_size, int width);

} // namespace printing
