#pragma once

#include "drawing/picture.h"
#include "drawing/picture_fonts.h"

#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace drawing::formula {

// A run of text of a laid-out formula: the left end of its baseline and its em.
struct Letters {
    QString text;
    pictures::Face face;
    QPointF origin;
    double size;
};

// A laid-out piece of a formula. The origin is the left end of its baseline, y grows downwards,
// lengths are in ems of the formula's main size.
struct Box {
    double width = 0;
    double ascent = 0;      // extent above the baseline
    double descent = 0;     // extent below the baseline
    QRectF ink;             // the bounds of everything the piece draws
    QPainterPath rules;     // what is drawn as shapes: fraction bars, radical signs, delimiters
    QList<Letters> letters; // what is set as text

    // Everything the piece draws as one filled outline, letters included.
    QPainterPath outline() const;
};

// An expression as a tree of the usual typesetting boxes: text runs, rows, fractions with a bar,
// drawn radical signs, scripts and stretching delimiters.
class Expr {
public:
    struct Node;
    explicit Expr(std::shared_ptr<const Node> node);

    // Lays the expression out with size as its em (scripts take a smaller one).
    Box layout(double size = 1.0) const;

private:
    std::shared_ptr<const Node> node_;
};

Expr var(const QString &symbol);      // a symbol, in italic: θ, H, γ
Expr text(const QString &upright);    // numbers and function names, upright: 2, sin
Expr words(const QString &japanese);  // a quantity named in words, in the reports' Gothic: 総厚
Expr op(const QString &sign);         // a binary operator with space around it: +, −, ·, ×
Expr rel(const QString &sign);        // a relation with wider space around it: =, ≦
Expr space(double ems);
Expr row(std::initializer_list<Expr> items);
Expr row(std::vector<Expr> items);
Expr frac(Expr numerator, Expr denominator);
Expr root(Expr radicand);
Expr sup(Expr base, Expr exponent);
Expr sub(Expr base, Expr index);
Expr subsup(Expr base, Expr index, Expr exponent);
Expr parens(Expr body);
Expr brackets(Expr body);
Expr braces(Expr body);

// Height of the fraction bar and of the middle of operators above the baseline, in ems.
double axis_height();

// Draws a laid-out formula (box at an em of 1) with the given em in the painter's units, reduced
// only where its ink would not fit area; the ink is set against area's right edge, where the
// value the formula leads to follows. Given the baseline of that value (the painter's y), the
// formula's main line stands on it, its fraction bars and the middle of its "=" on the math axis
// above; given the middle of the sign the value begins with, its fraction bars stand on that
// middle; either even where its ink then reaches above or below area. Without a line it is
// centred in area.
void draw(QPainter &painter, const Box &box, const QRectF &area, double em, std::optional<FormulaLine> line = {});

} // namespace drawing::formula
