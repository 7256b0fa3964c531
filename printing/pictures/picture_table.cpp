#include "printing/pictures/picture_table.h"

#include <algorithm>
#include <numeric>

namespace printing::pictures {

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
            canvas.text_fitted(cell.upper_right, {box.right() - padding, box.top() + 0.6 * padding}, text_size,
                               box.width() - 2 * padding, Qt::AlignRight | Qt::AlignTop);
            canvas.text_fitted(cell.lower_left, {box.left() + padding, box.bottom() - 0.6 * padding}, text_size,
                               box.width() - 2 * padding, Qt::AlignLeft | Qt::AlignBottom);
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

} // namespace printing::pictures
