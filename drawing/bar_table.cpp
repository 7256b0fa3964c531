#include "drawing/bar_table.h"

#include "drawing/picture_table.h"

namespace drawing::pictures {

namespace {

struct BarRow {
    const char *name;
    const char *unit_mass;      // kg/m
    const char *cells[7][2];    // total area (cm²) and total perimeter (cm) for 1..6 and 8 bars
};

// Nominal areas 1.267, 1.986 and 2.865 cm² and perimeters 4, 5 and 6 cm, times the number of bars.
const BarRow kRows[] = {
    {"D13", "0.995", {{"1.27", "(4)"}, {"2.54", "(8)"}, {"3.81", "(12)"}, {"5.08", "(16)"},
                      {"6.35", "(20)"}, {"7.62", "(24)"}, {"10.16", "(32)"}}},
    {"D16", "1.56", {{"1.99", "(5)"}, {"3.98", "(10)"}, {"5.97", "(15)"}, {"7.96", "(20)"},
                     {"9.95", "(25)"}, {"11.94", "(30)"}, {"15.92", "(40)"}}},
    {"D19", "2.25", {{"2.87", "(6)"}, {"5.74", "(12)"}, {"8.61", "(18)"}, {"11.48", "(24)"},
                     {"14.35", "(30)"}, {"17.22", "(36)"}, {"22.96", "(48)"}}},
};

const char *const kCounts[] = {"1", "2", "3", "4", "5", "6", "8"};

TableCell cell(int row, int column, QStringList lines, int row_span = 1, int column_span = 1)
{
    TableCell c;
    c.row = row;
    c.column = column;
    c.lines = std::move(lines);
    c.row_span = row_span;
    c.column_span = column_span;
    return c;
}

TableGrid bar_grid()
{
    TableGrid grid;
    grid.column_widths = {1.0, 1.35, 1, 1, 1, 1, 1, 1, 1};
    grid.row_heights = {1, 1, 1.9, 1.9, 1.9};
    grid.cells.append(cell(0, 0, {QString::fromUtf8("呼び名")}, 2));
    grid.cells.append(cell(0, 1, {QString::fromUtf8("単位重量"), QStringLiteral("(kg/m)")}, 2));
    grid.cells.append(cell(0, 2, {QString::fromUtf8("単位巾（ｂ）当り本数")}, 1, 7));
    for (int i = 0; i < 7; ++i)
        grid.cells.append(cell(1, 2 + i, {QString::fromLatin1(kCounts[i])}));
    int row = 2;
    for (const BarRow &bar : kRows) {
        grid.cells.append(cell(row, 0, {QString::fromLatin1(bar.name)}));
        grid.cells.append(cell(row, 1, {QString::fromLatin1(bar.unit_mass)}));
        for (int i = 0; i < 7; ++i)
            grid.cells.append(cell(row, 2 + i, {QString::fromLatin1(bar.cells[i][0]), QString::fromLatin1(bar.cells[i][1])}));
        ++row;
    }
    return grid;
}

} // namespace

void draw_bar_table(QPainter &painter, Picture picture, const QRectF &target)
{
    const QSizeF size = natural_size(picture);
    Canvas canvas(painter, target, size);
    // Lettering in proportion to the table, so the small printed copy is the window's in little.
    const double text_size = size.height() * 0.068;
    const double title_height = size.height() * 0.13;
    const double title_size = text_size * 1.1;

    canvas.text(QString::fromUtf8("異形鋼棒断面積（周長）"), {size.width() / 2, title_height / 2}, title_size,
                Qt::AlignHCenter | Qt::AlignVCenter);
    canvas.text(QString::fromUtf8("（単位:cm）"), {size.width(), title_height / 2}, text_size,
                Qt::AlignRight | Qt::AlignVCenter);
    draw_table(canvas, bar_grid(), QRectF(0, title_height, size.width(), size.height() - title_height), text_size);
}

} // namespace drawing::pictures
