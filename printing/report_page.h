#pragma once

#include "printing/pictures/picture.h"

#include <QList>
#include <QString>
#include <variant>

namespace printing {

// A report is one A4 portrait page described as an ordered list of drawing steps, positions in
// twips from the top-left corner of the printable area.
struct FontStep {
    double point_size;  // the face is always "ＭＳ ゴシック"
};

struct TextRunStep {
    int x;
    int y;               // top-left corner of the first character cell
    QList<QString> items; // literals and field texts, drawn one after another
};

struct LineStep {
    int x1, y1, x2, y2;
};

struct PictureStep {
    Picture picture;  // drawn at its natural size
    int x, y;         // top-left corner
};

using ReportStep = std::variant<FontStep, TextRunStep, LineStep, PictureStep>;

struct ReportPage {
    QList<ReportStep> steps;
};

} // namespace printing
