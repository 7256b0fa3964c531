#include "drawing/picture_table.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace drawing::pictures {

namespace {

QList<double> edges(const QList<double> &parts, double start, double length)
{
    const double total = std::accumulate(parts.begin(), parts.end(), 0.0);
    QList<double> result{start};
    double at = start;
    for (double part : parts) {
        at += length * part / total;
        result.append(at);
    }
    return result;
}

// The border is drawn inside the area, so nothing of it falls outside the picture.
QRectF inner_of(const QRectF &area)
{
    return area.adjusted(kOutline / 2, kOutline / 2, -kOutline / 2, -kOutline / 2);
}

// The headings of a split corner cell, in the conventional places: the column heading in the
// triangle above the diagonal, against the top right; the row heading in the one below it,
// against the bottom left. Both share one size, the largest up to text_size at which the ink of
// each stays margin clear of the cell's sides and clear of the diagonal, measured square to it.
void place_corner_headings(QList<PlacedText> &texts, const QRectF &box, const QString &upper_right,
                           const QString &lower_left, double text_size, double margin, double clear)
{
    const double slope = box.height() / box.width();
    const QRectF upper = text_ink(upper_right, Face::Gothic, 1);
    const QRectF lower = text_ink(lower_left, Face::Gothic, 1);
    // The ink corner next to the diagonal (bottom left of the upper heading, top right of the
    // lower one) clears it when size × (ink height + ink width × slope) stays within this room.
    const double room = box.height() - margin * (1 + slope) - clear * std::sqrt(1 + slope * slope);
    double size = text_size;
    for (const QRectF &ink : {upper, lower}) {
        if (!ink.isEmpty())
            size = std::min(size, room / (ink.height() + ink.width() * slope));
    }
    if (size <= 0)
        return;
    const QLineF diagonal(box.topLeft(), box.bottomRight());
    const QRectF inside = box.adjusted(margin, margin, -margin, -margin);
    PlacedText above(upper_right, {box.right() - margin - size * upper.right(), box.top() + margin - size * upper.top()},
                     size, inside);
    PlacedText below(lower_left, {box.left() + margin - size * lower.left(), box.bottom() - margin - size * lower.bottom()},
                     size, inside);
    for (PlacedText *heading : {&above, &below}) {
        heading->diagonal = diagonal;
        heading->clearance = clear;
    }
    above.above = true;
    texts.append(above);
    texts.append(below);
}

} // namespace

bool PlacedText::fits(double placed_size) const
{
    if (size < placed_size - 1e-9)
        return false;
    const QRectF ink = text_ink(text, Face::Gothic, size).translated(origin);
    // A hundredth of a twip for the rounding of ink placed against its room.
    if (!room.adjusted(-0.01, -0.01, 0.01, 0.01).contains(ink))
        return false;
    if (diagonal.isNull())
        return true;
    // Distance of the ink corner nearest the diagonal, upright, to the diagonal's height there.
    const double slope = diagonal.dy() / diagonal.dx();
    const QPointF corner = above ? ink.bottomLeft() : ink.topRight();
    const double line_y = diagonal.p1().y() + (corner.x() - diagonal.p1().x()) * slope;
    const double off = above ? line_y - corner.y() : corner.y() - line_y;
    return off * std::cos(std::atan(slope)) >= clearance - 1e-6;
}

QList<PlacedText> lay_out_table_texts(const TableGrid &grid, const QRectF &area, double text_size, double padding)
{
    const QRectF inner = inner_of(area);
    const QList<double> xs = edges(grid.column_widths, inner.left(), inner.width());
    const QList<double> ys = edges(grid.row_heights, inner.top(), inner.height());
    // From a rule's middle: half the widest rule, then the padding.
    const double inset = kOutline / 2 + padding;

    QList<PlacedText> texts;
    for (const TableCell &cell : grid.cells) {
        const QRectF box(QPointF(xs[cell.column], ys[cell.row]),
                         QPointF(xs[cell.column + cell.column_span], ys[cell.row + cell.row_span]));
        if (cell.split) {
            // The diagonal is a thin rule: half of it, then the padding.
            place_corner_headings(texts, box, cell.upper_right, cell.lower_left, text_size, inset,
                                  kThinLine / 2 + padding);
            continue;
        }
        // Lines are stacked at the height of one em and centred in the cell.
        const QRectF room = box.adjusted(inset, inset, -inset, -inset);
        const double line_height = std::min(1.15 * text_size, box.height() / std::max<qsizetype>(1, cell.lines.size()));
        double y = box.center().y() - line_height * (cell.lines.size() - 1) / 2;
        for (const QString &line : cell.lines) {
            double size = std::min(text_size, line_height);
            const double width = text_metrics(line, Face::Gothic, size).advance;
            if (width > room.width() && width > 0)
                size *= room.width() / width;
            const TextMetrics metrics = text_metrics(line, Face::Gothic, size);
            // The em box, ascent over descent, centred on the line's middle.
            texts.append({line, {box.center().x() - metrics.advance / 2, y + (metrics.ascent - metrics.descent) / 2},
                          size, room});
            y += line_height;
        }
    }
    return texts;
}

void draw_texts(Canvas &canvas, const QList<PlacedText> &texts)
{
    for (const PlacedText &text : texts)
        draw_text(canvas.painter(), text.text, Face::Gothic, text.origin, text.size);
}

void draw_table(Canvas &canvas, const TableGrid &grid, const QRectF &area, double text_size)
{
    draw_table_rules(canvas, grid, area);
    draw_texts(canvas, lay_out_table_texts(grid, area, text_size, 0.3 * text_size));
}

void draw_table_rules(Canvas &canvas, const TableGrid &grid, const QRectF &area)
{
    const QRectF inner = inner_of(area);
    const QList<double> xs = edges(grid.column_widths, inner.left(), inner.width());
    const QList<double> ys = edges(grid.row_heights, inner.top(), inner.height());
    for (const TableCell &cell : grid.cells) {
        const QRectF box(QPointF(xs[cell.column], ys[cell.row]),
                         QPointF(xs[cell.column + cell.column_span], ys[cell.row + cell.row_span]));
        // Each cell rules its own right and bottom sides; the border closes the rest.
        if (box.right() < inner.right() - 1)
            canvas.line(box.topRight(), box.bottomRight(), kThinLine);
        if (box.bottom() < inner.bottom() - 1)
            canvas.line(box.bottomLeft(), box.bottomRight(), kThinLine);
        if (cell.split)
            canvas.line(box.topLeft(), box.bottomRight(), kThinLine);
    }
    canvas.outline(QPolygonF(inner), kOutline);
}

} // namespace drawing::pictures
