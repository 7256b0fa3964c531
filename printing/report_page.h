#pragma once

#include "drawing/picture.h"
#include "drawing/report_font.h"
#include "drawing/worked_formula.h"

#include <QImage>
#include <QList>
#include <QString>
#include <optional>
#include <variant>

namespace printing {

// The pictures a report places, by the name the report pages use.
using drawing::Picture;

// A report is one A4 portrait page described as an ordered list of drawing steps, positions in
// twips (1/1440 inch) from the top-left corner of the printable area, x to the right, y downwards.
struct FontStep {
    double point_size;
    drawing::TextFace face = drawing::TextFace::Gothic;  // the reports' "ＭＳ ゴシック"; the book sets others
};

struct TextRunStep {
    int x;
    int y;                // top-left corner of the first character cell
    QList<QString> items; // literals and field texts, each drawn where the previous one ended
};

struct LineStep {
    int x1, y1, x2, y2;
};

struct PictureStep {
    Picture picture;  // drawn at its natural size
    int x, y;         // top-left corner
    // For a formula, the y of the text run holding the value it leads to: the formula stands on
    // that run's baseline. Without one a formula is centred in its box.
    std::optional<int> value_y;
    // For a fraction alone whose value's run begins with the full-width "＝": its bar stands on the
    // middle of that sign rather than on the baseline's math axis.
    bool bar_on_sign = false;
};

// A raster image (a picture of a window) scaled into a rectangle.
struct ImageStep {
    QImage image;
    int x, y, width, height;
};

// A formula set as the reference book sets it, its ink's top-left corner at (x, y).
struct FormulaStep {
    drawing::WorkedFormula formula;
    int x, y;
};

using ReportStep = std::variant<FontStep, TextRunStep, LineStep, PictureStep, ImageStep, FormulaStep>;

struct ReportPage {
    QList<ReportStep> steps;

    // Appending steps, so that a report reads as its table: one call a row.
    void font(double point_size, drawing::TextFace face = drawing::TextFace::Gothic)
    {
        steps.append(FontStep{point_size, face});
    }
    void text(int x, int y, QList<QString> items) { steps.append(TextRunStep{x, y, std::move(items)}); }
    void line(int x1, int y1, int x2, int y2) { steps.append(LineStep{x1, y1, x2, y2}); }
    void picture(Picture picture, int x, int y) { steps.append(PictureStep{picture, x, y, {}, false}); }
    // A formula picture and the run of the value it leads to, the formula on the value's baseline.
    void formula(Picture picture, int x, int y, int value_x, int value_y, QList<QString> value)
    {
        steps.append(PictureStep{picture, x, y, value_y, false});
        text(value_x, value_y, std::move(value));
    }
    // A fraction and the run of its value, which begins with "＝": the bar on the sign's middle.
    void fraction(Picture picture, int x, int y, int value_x, int value_y, QList<QString> value)
    {
        steps.append(PictureStep{picture, x, y, value_y, true});
        text(value_x, value_y, std::move(value));
    }
    void image(QImage image, int x, int y, int width, int height)
    {
        steps.append(ImageStep{std::move(image), x, y, width, height});
    }
    void formula(drawing::WorkedFormula formula, int x, int y) { steps.append(FormulaStep{std::move(formula), x, y}); }
};

} // namespace printing
