#include "drawing/allowable_stress_tables.h"

#include "drawing/picture_table.h"

namespace drawing::pictures {

namespace {

constexpr double kTitleSize = 160;
constexpr double kCellSize = 150;
constexpr double kTitleHeight = 250;
// Blank kept at the bottom of a table that the next one follows closely in Morvik's window
// (30 twips below), so its title stands clear of this table's last line.
constexpr double kBottomGap = 40;

QStringList lines(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(QString::fromUtf8(text));
    return result;
}

TableCell cell(int row, int column, std::initializer_list<const char *> texts)
{
    TableCell c;
    c.row = row;
    c.column = column;
    c.lines = lines(texts);
    return c;
}

// A table with a label column and two value columns, as most of the four are.
TableGrid labelled(std::initializer_list<std::initializer_list<const char *>> rows, QList<double> row_heights)
{
    TableGrid grid;
    grid.column_widths = {1.45, 1, 1};
    grid.row_heights = std::move(row_heights);
    int r = 0;
    for (const auto &texts : rows) {
        int column = 0;
        for (const char *text : texts) {
            QStringList cell_lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
            TableCell c;
            c.row = r;
            c.column = column++;
            c.lines = cell_lines;
            grid.cells.append(c);
        }
        ++r;
    }
    return grid;
}

} // namespace

void draw_allowable_stress_table(QPainter &painter, Picture picture, const QRectF &target)
{
    const QSizeF size = natural_size(picture);
    Canvas canvas(painter, target, size);
    const auto title = [&](const char *text) {
        canvas.text_fitted(QString::fromUtf8(text), {0, 0}, kTitleSize, size.width(), Qt::AlignLeft | Qt::AlignTop);
    };
    QRectF area(0, kTitleHeight, size.width(), size.height() - kTitleHeight);

    switch (picture) {
    case Picture::AllowableStress1: {
        // Allowable compressive stress of the concrete for the design strengths 21 and 24; in
        // parentheses the value for axial compression.
        title("許容圧縮応力度（N/ｃ㎡）");
        const double note_height = 230;
        area.setBottom(size.height() - note_height);
        TableGrid grid;
        grid.column_widths = {1, 1};
        grid.row_heights = {1, 1};
        grid.cells = {cell(0, 0, {"21"}), cell(0, 1, {"24"}), cell(1, 0, {"700(550)"}), cell(1, 1, {"800(650)"})};
        draw_table(canvas, grid, area, kCellSize);
        canvas.text(QString::fromUtf8("()は軸圧縮応力度"), {0, size.height() - kBottomGap}, kCellSize,
                    Qt::AlignLeft | Qt::AlignBottom);
        break;
    }
    case Picture::AllowableStress2:
        title("許容引張応力度（N/ｃ㎡）");
        area.setBottom(size.height() - kBottomGap);
        draw_table(canvas,
                   labelled({{"鉄筋", "SD295", "SD345"},
                             {"一般", "18000", "18000"},
                             {"床版橋", "14000", "14000"},
                             {"地震・定着\n圧縮応力", "18000", "20000"}},
                            {1, 1, 1, 1.8}),
                   area, kCellSize);
        break;
    case Picture::AllowableStress3:
        title("許容せん断応力度（N/ｃ㎡）");
        area.setBottom(size.height() - kBottomGap);
        draw_table(canvas,
                   labelled({{"コンクリート", "18", "24"}, {"梁", "40.8", "45.9"}, {"スラブ", "81.6", "91.8"}}, {1, 1, 1}),
                   area, kCellSize);
        break;
    case Picture::AllowableStress4: {
        title("許容付着応力度（N/ｃ㎡）");
        TableGrid grid = labelled({{"", "18", "24"}, {"普通丸鋼", "70", "80"}, {"異形鉄筋", "140", "160"}}, {2, 1, 1});
        // A wide, tall corner, so both headings find room on their sides of the diagonal.
        grid.column_widths = {1.9, 1, 1};
        grid.cells[0].split = true;
        grid.cells[0].upper_right = QString::fromUtf8("コンクリート");
        grid.cells[0].lower_left = QString::fromUtf8("鉄筋");
        draw_table(canvas, grid, area, kCellSize);
        break;
    }
    default:
        break;
    }
}

} // namespace drawing::pictures
