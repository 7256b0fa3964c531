#include "drawing/allowable_stress_tables.h"

#include "drawing/picture_table.h"

#include <QHash>

namespace drawing::pictures {

namespace {

// One millimetre of paper between every letter and the rules around it; in a window, whose small
// type needs every pixel, one pixel.
constexpr double kPaperPadding = 1440 / 25.4;

double padding(PictureTarget where)
{
    return where.twips_per_pixel > 0 ? where.twips_per_pixel : kPaperPadding;
}
// Blank kept at the bottom of every table picture: in Morvik's window the next one follows 30 twips
// below, and its title stands clear of this table's border or note.
constexpr double kBottomGap = 40;

QStringList lines(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char('\n'));
}

// A table with rows of cells, each text a cell of its own ("\n" parts its lines).
TableGrid grid(QList<double> column_widths, QList<double> row_heights,
               std::initializer_list<std::initializer_list<const char *>> rows)
{
    TableGrid table{std::move(column_widths), std::move(row_heights), {}};
    int r = 0;
    for (const auto &texts : rows) {
        int column = 0;
        for (const char *text : texts) {
            TableCell cell;
            cell.row = r;
            cell.column = column++;
            cell.lines = lines(text);
            table.cells.append(cell);
        }
        ++r;
    }
    return table;
}

// What a table picture holds: its title, its grid and, for the compressive stresses, a note.
struct StressTable {
    const char *title;
    TableGrid grid;
    const char *note = nullptr;
};

StressTable stress_table(Picture picture)
{
    switch (picture) {
    case Picture::AllowableStress1:
        // Allowable compressive stress of the concrete for the design strengths 21 and 24; in
        // parentheses the value for axial compression.
        return {"許容圧縮応力度（N/ｃ㎡）", grid({1, 1}, {1, 1}, {{"21", "24"}, {"700(550)", "800(650)"}}),
                "()は軸圧縮応力度"};
    case Picture::AllowableStress2:
        return {"許容引張応力度（N/ｃ㎡）",
                grid({1.6, 1, 1}, {1, 1, 1, 1.55},
                     {{"鉄筋", "SD295", "SD345"}, {"一般", "18000", "18000"}, {"床版橋", "14000", "14000"},
                      {"地震・定着\n圧縮応力", "18000", "20000"}})};
    case Picture::AllowableStress3:
        return {"許容せん断応力度（N/ｃ㎡）",
                grid({1.75, 1, 1}, {1, 1, 1}, {{"コンクリート", "18", "24"}, {"梁", "40.8", "45.9"}, {"スラブ", "81.6", "91.8"}})};
    case Picture::AllowableStress4: {
        // A wide, tall corner, so both headings find room on their sides of the diagonal.
        StressTable table{"許容付着応力度（N/ｃ㎡）",
                          grid({4.2, 1, 1}, {2.0, 1, 1}, {{"", "18", "24"}, {"普通丸鋼", "70", "80"}, {"異形鉄筋", "140", "160"}})};
        table.grid.cells[0].split = true;
        table.grid.cells[0].upper_right = QString::fromUtf8("コンクリート");
        table.grid.cells[0].lower_left = QString::fromUtf8("鉄筋");
        return table;
    }
    default:
        return {"", {}};
    }
}

// A table picture lettered at one size: the title against the top and the note against the
// bottom, each a millimetre clear of the border; the grid takes the height between them.
struct TableLayout {
    TableGrid grid;
    QRectF area;              // of the grid, border included
    QList<PlacedText> texts;  // the grid's, then the title and the note
};

TableLayout lay_out(Picture picture, double size, PictureTarget where)
{
    StressTable table = stress_table(picture);
    const QSizeF natural = natural_size(picture);
    const double clear = padding(where);  // from the border's outer edge, the area's edge
    const auto band = [&](const char *text) {
        return text ? text_ink(QString::fromUtf8(text), Face::Gothic, size).height() + clear : 0.0;
    };
    const double bottom = natural.height() - kBottomGap - band(table.note);
    const QRectF area(0, band(table.title), natural.width(), bottom - band(table.title));

    TableLayout layout{table.grid, area, lay_out_table_texts(table.grid, area, size, clear)};
    const auto place = [&](const char *text, double top) {
        const QString letters = QString::fromUtf8(text);
        const QRectF ink = text_ink(letters, Face::Gothic, size);
        layout.texts.append({letters, {-ink.left(), top - ink.top()}, size,
                             QRectF(0, top, natural.width(), ink.height())});
    };
    place(table.title, 0);
    if (table.note)
        place(table.note, bottom + clear);
    return layout;
}

// The one type size of the four tables: the largest, in twips, at which every text of each keeps
// its padding from the rules (and the title and note from the border) at that size; in a window
// whole pixels, so that the digits are set sharp.
double table_text_size(PictureTarget where)
{
    const auto largest = [](PictureTarget target) {
        const auto fits = [target](double candidate) {
            for (Picture picture : {Picture::AllowableStress1, Picture::AllowableStress2, Picture::AllowableStress3,
                                    Picture::AllowableStress4}) {
                for (const PlacedText &text : lay_out(picture, candidate, target).texts) {
                    if (!text.fits(candidate))
                        return false;
                }
            }
            return true;
        };
        if (target.twips_per_pixel > 0) {
            double pixels = 1;
            while (pixels < 100 && fits((pixels + 1) * target.twips_per_pixel))
                ++pixels;
            return pixels * target.twips_per_pixel;
        }
        double low = 20, high = 400;  // twips; fits at low, not at high
        while (high - low > 0.5) {
            const double middle = (low + high) / 2;
            (fits(middle) ? low : high) = middle;
        }
        return low;
    };
    static QHash<double, double> sizes;
    const auto found = sizes.constFind(where.twips_per_pixel);
    if (found != sizes.cend())
        return *found;
    return *sizes.insert(where.twips_per_pixel, largest(where));
}

} // namespace

void draw_allowable_stress_table(QPainter &painter, Picture picture, const QRectF &target, PictureTarget where)
{
    const TableLayout layout = lay_out(picture, table_text_size(where), where);
    Canvas canvas(painter, target, natural_size(picture));
    draw_table_rules(canvas, layout.grid, layout.area);
    draw_texts(canvas, layout.texts);
}

} // namespace drawing::pictures
