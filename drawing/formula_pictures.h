#pragma once

#include "drawing/picture.h"

#include <QRectF>

#include <optional>

class QPainter;

namespace drawing::pictures {

// The formula pictures: Tavrel's (KA to Case 3's Mt1) and Morvik's (k, σc, σs, τ, τo).
bool is_formula(Picture picture);

// The em, in twips, a formula picture is set at on a target. All formulas of one program share
// one size on paper: the reports' body size (12 pt), lowered to the size at which every formula
// fits its box with 40 twips clear at either side. In a window the size is rounded down to whole
// pixels, and a formula whose box is far tighter than the others' (it fits only below three
// quarters of the program's median fit) does not pull the rest down: it alone is set at its own fit.
double formula_size(Picture picture, PictureTarget where);

// The em, in twips, the flume reports set their formulas at on paper.
double report_formula_em();

// Draws a formula picture into target, which stands for its natural size: at its type size,
// 40 twips clear of the box's right edge, where the value it leads to follows; on the line of that
// value when one is given (formula::draw), else centred vertically.
void draw_formula_picture(QPainter &painter, Picture picture, const QRectF &target, PictureTarget where,
                          std::optional<FormulaLine> line = {});

} // namespace drawing::pictures
