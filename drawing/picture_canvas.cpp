#include "drawing/picture_canvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace drawing::pictures {

Canvas::Canvas(QPainter &painter, const QRectF &target, const QSizeF &natural) : painter_(painter)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.translate(target.topLeft());
    painter_.scale(target.width() / natural.width(), target.height() / natural.height());
}

Canvas::~Canvas()
{
    painter_.restore();
}

void Canvas::stroke(const QPainterPath &path, double width, Qt::PenStyle style)
{
    QPen pen(Qt::black, width, style, Qt::FlatCap, Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void Canvas::line(QPointF from, QPointF to, double width)
{
    QPainterPath path(from);
    path.lineTo(to);
    stroke(path, width, Qt::SolidLine);
}

void Canvas::dashed_line(QPointF from, QPointF to, double width)
{
    QPainterPath path(from);
    path.lineTo(to);
    QPen pen(Qt::black, width, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({6, 4});
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void Canvas::dash_dotted_line(QPointF from, QPointF to, double width)
{
    QPainterPath path(from);
    path.lineTo(to);
    QPen pen(Qt::black, width, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({12, 4, 2, 4});
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void Canvas::polyline(const QPolygonF &points, double width)
{
    QPainterPath path;
    path.addPolygon(points);
    stroke(path, width, Qt::SolidLine);
}

void Canvas::outline(const QPolygonF &points, double width)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    stroke(path, width, Qt::SolidLine);
}

void Canvas::fill(const QPolygonF &points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    fill(path);
}

void Canvas::fill(const QPainterPath &path)
{
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::black);
    painter_.drawPath(path);
}

void Canvas::circle(QPointF centre, double radius, bool filled)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    if (filled)
        fill(path);
    else
        stroke(path, kThinLine, Qt::SolidLine);
}

void Canvas::arrow_head(QPointF tip, QPointF from, double length)
{
    const QPointF direction = tip - from;
    const double norm = std::hypot(direction.x(), direction.y());
    if (norm <= 0)
        return;
    const QPointF unit = direction / norm;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = tip - unit * length;
    const double half_width = length * 0.28;
    fill(QPolygonF({tip, base + normal * half_width, base - normal * half_width}));
}

void Canvas::dimension(QPointF a, QPointF b, double head)
{
    line(a, b);
    arrow_head(a, b, head);
    arrow_head(b, a, head);
}

double Canvas::text_width(const QString &text, double size, Face face)
{
    return text_metrics(text, face, size).advance;
}

void Canvas::text(const QString &text, QPointF anchor, double size, Qt::Alignment align, Face face)
{
    const TextMetrics metrics = text_metrics(text, face, size);
    double x = anchor.x();
    if (align & Qt::AlignHCenter)
        x -= metrics.advance / 2;
    else if (align & Qt::AlignRight)
        x -= metrics.advance;
    // The em box is taken as ascent over descent; centring puts the middle of it on the anchor.
    double baseline = anchor.y() + metrics.ascent;
    if (align & Qt::AlignVCenter)
        baseline = anchor.y() + (metrics.ascent - metrics.descent) / 2;
    else if (align & Qt::AlignBottom)
        baseline = anchor.y() - metrics.descent;
    draw_text(painter_, text, face, {x, baseline}, size);
}

} // namespace drawing::pictures
