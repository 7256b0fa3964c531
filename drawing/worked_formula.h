#pragma once

#include "drawing/formula_layout.h"
#include "drawing/picture.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <variant>

class QPainter;

namespace drawing {

// A report's formula as the reference book sets it on a line of its own: with its left-hand side,
// and ending in the worked value ("KA = … = 0.30") or, without a value, where the report puts the
// "=" before its value. The reports' own pictures are not changed by it. A formula of no picture
// (the member check's P, k, j and d) is given as its expression, left-hand side included.
struct WorkedFormula {
    std::variant<Picture, formula::Expr> source;
    QString value;  // the value and its unit, as the book writes them; empty for none
};

// The extent of the formula's ink on paper, in twips, set at the reports' formula size.
QSizeF worked_formula_size(const WorkedFormula &formula);

// Draws the formula with its ink filling target (in the painter's units), which stands for
// worked_formula_size.
void draw_worked_formula(QPainter &painter, const WorkedFormula &formula, const QRectF &target);

} // namespace drawing
