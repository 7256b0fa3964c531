#include "drawing/picture_table.h"

#include <algorithm>
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

// The headings of a split corner cell, in the conventional places: the column heading in the
// triangle above the diagonal, against the top right; the row heading in the one below it,
// against the bottom left. Both share one size, the largest up to text_size at which the ink of
// each stays clear of the diagonal and of the cell's sides.
void draw_corner_headings(Canvas &canvas, const QRectF &box, const QString &upper_right,
                          const QString &lower_left, double text_size)
{
    const double margin = 0.18 * text_size;  // from the cell's sides
    const double clear = 0.18 * text_size;   // from the diagonal, measured upright
    const double slope = box.height() / box.width();
    const QRectF upper = text_ink(upper_right, Face::Gothic, 1);
    const QRectF lower = text_ink(lower_left, Face::Gothic, 1);
    // The ink corner next to the diagonal (bottom left of the upper heading, top right of the
    // lower one) clears it when size × (ink height + ink width × slope) stays within this room.
    const double room = box.height() - margin * (1 + slope) - clear;
    double size = text_size;
    for (const QRectF &ink : {upper, lower}) {
        if (!ink.isEmpty())
            size = std::min(size, room / (ink.height() + ink.width() * slope));
    }
    if (size <= 0)
        return;
    draw_text(canvas.painter(), upper_right, Face::Gothic,
              {box.right() - margin - size * upper.right(), box.top() + margin - size * upper.top()}, size);
    draw_text(canvas.painter(), lower_left, Face::Gothic,
              {box.left() + margin - size * lower.left(), box.bottom() - margin - size * lower.bottom()}, size);
}

} // namespace

void draw_table(Canvas &canvas, const TableGrid &grid, const QRectF &area, double text_size)
{
    // The border is drawn inside the area, so nothing of it falls outside the picture.
    const QRectF inner = area.adjusted(kOutline / 2, kOutline / 2, -kOutline / 2, -kOutline / 2);
    const QList<double> xs = edges(grid.column_widths, inner.left(), inner.width());
    const QList<double> ys = edges(grid.row_heights, inner.top(), inner.height());
    const double padding = 0.3 * text_size;

    for (const TableCell &cell : grid.cells) {
        const QRectF box(QPointF(xs[cell.column], ys[cell.row]),
                         QPointF(xs[cell.column + cell.column_span], ys[cell.row + cell.row_span]));
        // Each cell rules its own right and bottom sides; the border closes the rest.
        if (box.right() < inner.right() - 1)
            canvas.line(box.topRight(), box.bottomRight(), kThinLine);
        if (box.bottom() < inner.bottom() - 1)
            canvas.line(box.bottomLeft(), box.bottomRight(), kThinLine);

        if (cell.split) {
            canvas.line(box.topLeft(), box.bottomRight(), kThinLine);
            draw_corner_headings(canvas, box, cell.upper_right, cell.lower_left, text_size);
            continue;
        }
        // Lines are stacked at the height of one em and centred in the cell.
        const double line_height = std::min(1.15 * text_size, box.height() / std::max<qsizetype>(1, cell.lines.size()));
        const double size = std::min(text_size, line_height);
        double y = box.center().y() - line_height * (cell.lines.size() - 1) / 2;
        for (const QString &line : cell.lines) {
            canvas.text_fitted(line, {box.center().x(), y}, size, box.width() - 2 * padding,
                               Qt::AlignHCenter | Qt::AlignVCenter);
            y += line_height;
        }
    }
    canvas.outline(QPolygonF(inner), kOutline);
}

} // namespace drawing::pictures
