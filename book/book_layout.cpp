#include "book/book_layout.h"

#include "printing/text_wrap.h"

#include <algorithm>

namespace book {

namespace {

constexpr double chapter_size = 18;
constexpr double heading_size = 12.5;
constexpr double frame_size = 8;
constexpr int cell_padding_x = 90;
constexpr int cell_padding_y = 50;
constexpr int paragraph_gap = 110;
constexpr int bullet_indent = 360;

// A text run is placed by the top of its character cell; a line of the book is a little taller
// than the type, with the extra shared above and below.
int cell_offset(double point_size) { return (line_height(point_size) - int(point_size * 20)) / 2; }

} // namespace

int line_height(double point_size) { return int(point_size * 20 * 1.6); }

BookLayout::BookLayout(QString running_title, int first_page)
    : running_title_(std::move(running_title)), first_page_(first_page)
{
}

void BookLayout::add_page_frame(ReportPage &page, const QString &running_title, const QString &chapter,
                                int page_number)
{
    page.font(frame_size);
    page.text(left, 560, {running_title});
    if (!chapter.isEmpty())
        page.text(right - int(text_width(chapter, frame_size)), 560, {chapter});
    page.line(left, 820, right, 820);
    const QString number = QStringLiteral("- %1 -").arg(page_number);
    page.text((left + right - int(text_width(number, frame_size))) / 2, 16050, {number});
}

void BookLayout::new_page()
{
    ReportPage page;
    add_page_frame(page, running_title_, chapter_title_, first_page_ + int(pages_.size()) + 1);
    pages_.append(page);
    y_ = top;
}

void BookLayout::ensure_room(int height)
{
    if (pages_.isEmpty() || (height > remaining() && y_ > top))
        new_page();
}

void BookLayout::lines(const QStringList &texts, double point_size, int x)
{
    qsizetype font_set_on = -1;
    for (const QString &line : texts) {
        ensure_room(line_height(point_size));
        if (font_set_on != pages_.size()) {
            pages_.last().font(point_size);
            font_set_on = pages_.size();
        }
        if (!line.isEmpty())
            pages_.last().text(x, y_ + cell_offset(point_size), {line});
        y_ += line_height(point_size);
    }
}

void BookLayout::chapter(const QString &title)
{
    chapter_title_ = title;
    new_page();
    chapters_.append({title, first_page_ + int(pages_.size()) - 1, y_, {}});
    pages_.last().font(chapter_size);
    pages_.last().text(left, y_, {title});
    y_ += line_height(chapter_size);
    pages_.last().line(left, y_, right, y_);
    y_ += 300;
}

void BookLayout::heading(const QString &title)
{
    // A heading keeps at least three lines of what follows on its page.
    ensure_room(150 + line_height(heading_size) + 3 * line_height(body_size));
    if (y_ > top)
        y_ += 150;
    if (!chapters_.isEmpty())
        chapters_.last().sections.append({title, first_page_ + int(pages_.size()) - 1, y_});
    pages_.last().font(heading_size);
    pages_.last().text(left, y_ + cell_offset(heading_size), {QStringLiteral("■ ") + title});
    y_ += line_height(heading_size) + 60;
}

void BookLayout::paragraph(const QString &text)
{
    ensure_room(line_height(body_size));
    lines(wrap_text(text, body_size, width), body_size, left);
    y_ += paragraph_gap;
}

void BookLayout::bullets(const QStringList &items)
{
    for (const QString &item : items) {
        const QStringList wrapped = wrap_text(item, body_size, width - bullet_indent);
        ensure_room(line_height(body_size) * std::min<int>(2, wrapped.size()));
        pages_.last().font(body_size);
        pages_.last().text(left + 80, y_ + cell_offset(body_size), {QStringLiteral("・")});
        lines(wrapped, body_size, left + bullet_indent);
        y_ += paragraph_gap / 2;
    }
    y_ += paragraph_gap / 2;
}

int BookLayout::row_height(const Table &table, const QStringList &cells) const
{
    int most = 1;
    for (int c = 0; c < table.widths.size() && c < cells.size(); ++c)
        most = std::max<int>(most, wrap_text(cells[c], table_size, table.widths[c] - 2 * cell_padding_x).size());
    return most * line_height(table_size) + 2 * cell_padding_y;
}

void BookLayout::table_row(const Table &table, const QStringList &cells, bool header)
{
    const int height = row_height(table, cells);
    ReportPage &page = pages_.last();
    page.font(table_size);
    int x = left;
    page.line(left, y_, left, y_ + height);
    for (int c = 0; c < table.widths.size(); ++c) {
        const QStringList wrapped =
            c < cells.size() ? wrap_text(cells[c], table_size, table.widths[c] - 2 * cell_padding_x) : QStringList();
        int line_y = y_ + cell_padding_y + cell_offset(table_size);
        for (const QString &line : wrapped) {
            if (!line.isEmpty())
                page.text(x + cell_padding_x, line_y, {line});
            line_y += line_height(table_size);
        }
        x += table.widths[c];
        page.line(x, y_, x, y_ + height);
    }
    page.line(left, y_, x, y_);
    page.line(left, y_ + height, x, y_ + height);
    if (header)
        page.line(left, y_ + height - 15, x, y_ + height - 15);
    y_ += height;
}

void BookLayout::table(const Table &table)
{
    const int header_height = table.header.isEmpty() ? 0 : row_height(table, table.header);
    bool header_on_page = false;
    for (const QStringList &row : table.rows) {
        const qsizetype page_count = pages_.size();
        ensure_room(row_height(table, row) + (header_on_page ? 0 : header_height));
        if (pages_.size() != page_count)
            header_on_page = false;
        if (!header_on_page && header_height > 0)
            table_row(table, table.header, true);
        header_on_page = true;
        table_row(table, row, false);
    }
    y_ += paragraph_gap + 60;
}

void BookLayout::picture(Picture picture, int indent)
{
    const QSizeF size = natural_size(picture);
    ensure_room(int(size.height()));
    pages_.last().picture(picture, left + indent, y_);
    y_ += int(size.height()) + paragraph_gap + 60;
}

void BookLayout::space(int twips)
{
    y_ = std::min(y_ + twips, int(bottom));
}

} // namespace book
