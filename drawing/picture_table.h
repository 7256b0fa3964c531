#pragma once

#include "drawing/picture_canvas.h"

#include <QLineF>
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

// A text of a picture where it is lettered (the left end of its baseline, its em) and the room its
// ink must keep to: inside room, and for a corner heading on its side of the diagonal, clear of it
// by clearance.
struct PlacedText {
    PlacedText(QString text, QPointF origin, double size, QRectF room)
        : text(std::move(text)), origin(origin), size(size), room(room) {}

    QString text;
    QPointF origin;
    double size = 0;
    QRectF room;
    QLineF diagonal;  // null but for a corner heading
    bool above = false;
    double clearance = 0;

    // True when the ink stays within its room, at the size it was placed for.
    bool fits(double placed_size) const;
};

// The texts of a table drawn into area at text_size, each kept padding (twips) inside its cell's
// rules, shrunk where it would not fit.
QList<PlacedText> lay_out_table_texts(const TableGrid &grid, const QRectF &area, double text_size, double padding);

// Draws a table into area: its rules and its texts at text_size, kept 0.3 em inside the rules.
void draw_table(Canvas &canvas, const TableGrid &grid, const QRectF &area, double text_size);
// The rules alone: each cell's right and bottom sides, split corners' diagonals and the border.
void draw_table_rules(Canvas &canvas, const TableGrid &grid, const QRectF &area);

// Letters placed texts.
void draw_texts(Canvas &canvas, const QList<PlacedText> &texts);

} // namespace drawing::pictures
