#pragma once

#include "drawing/picture_fonts.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace drawing::pictures {

// Line weights of the drawings, in twips.
inline constexpr double kThinLine = 10;   // dimension and extension lines, table rules
inline constexpr double kOutline = 22;    // the outline of a section, a table's border

// A painter mapped so that a drawing is written in the twips of its natural size, whatever the
// target rectangle and device. Restores the painter when it goes.
class Canvas {
public:
    Canvas(QPainter &painter, const QRectF &target, const QSizeF &natural);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    QPainter &painter() { return painter_; }

    void line(QPointF from, QPointF to, double width = kThinLine);
    void dashed_line(QPointF from, QPointF to, double width = kThinLine);
    void dash_dotted_line(QPointF from, QPointF to, double width = kThinLine);
    void polyline(const QPolygonF &points, double width = kOutline);
    void outline(const QPolygonF &points, double width = kOutline);  // closed
    void fill(const QPolygonF &points);
    void fill(const QPainterPath &path);
    void circle(QPointF centre, double radius, bool filled);

    // A filled arrow head with its tip at tip, pointing away from from.
    void arrow_head(QPointF tip, QPointF from, double length = 110);
    // A dimension line between a and b with arrow heads at both ends.
    void dimension(QPointF a, QPointF b, double head = 110);

    // Letters a text of em size at anchor, aligned as given: horizontally left, centre or right of
    // the anchor; vertically with its em box's top, centre or bottom at it.
    void text(const QString &text, QPointF anchor, double size, Qt::Alignment align,
              Face face = Face::Gothic);
    static double text_width(const QString &text, double size, Face face = Face::Gothic);

private:
    void stroke(const QPainterPath &path, double width, Qt::PenStyle style);
    QPainter &painter_;
};

} // namespace drawing::pictures
