#pragma once

#include "drawing/picture_canvas.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace drawing::pictures {

// One cell of a ruled table; lines are stacked and centred in it. A split cell (the corner of a
// table with headings both ways) is divided by a diagonal, upper_right above it, lower_left below.
struct TableCell {
    int row = 0;
    int column = 0;
    QStringList lines;
    int row_span = 1;
    int column_span = 1;
    bool split = false;
    QString upper_right;
    QString lower_left;
};

// A ruled table with relative column widths and row heights, drawn into a rectangle of a picture
// (twips); every cell's text shrinks where it would not fit its cell.
struct TableGrid {
    QList<double> column_widths;
    QList<double> row_heights;
    QList<TableCell> cells;
};

void draw_table(Canvas &canvas, const TableGrid &grid, const QRectF &area, double text_size);

} // namespace drawing::pictures
