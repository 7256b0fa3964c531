#pragma once

#include "printing/report_page.h"
#include "printing/text_wrap.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace book {

// The book is set as report pages, with the reports' pictures, in the reports' face.
using printing::ReportPage;
using printing::Picture;
using printing::text_width;
using printing::wrap_text;

// A table of the book: column widths in twips, a header row and body rows; cell texts wrap
// within their column.
struct Table {
    QList<int> widths;
    QStringList header;
    QList<QStringList> rows;
};

// A titled part of a chapter, as the PDF outline lists it below its chapter.
struct Section {
    QString title;
    int page = 0;  // 0-based page of the whole document
    int top = 0;   // twips, the top of the heading on that page
};

// A chapter as the contents page and the PDF outline list it.
struct Chapter {
    QString title;
    int page = 0;  // 0-based page of the whole document
    int top = 0;   // twips, the top of the chapter title on that page
    QList<Section> sections;
};

// Flows the book's blocks down A4 pages of report steps: a block that does not fit on what is
// left of a page starts the next one, a table breaks between rows and repeats its header, and a
// heading is never left alone at the foot of a page. Every page but the first of the document
// gets a running head and its page number at the foot.
class BookLayout
{
public:
    // first_page: the 0-based number in the whole document of the first page laid out here.
    BookLayout(QString running_title, int first_page);

    void chapter(const QString &title);   // on a new page, in large type
    void heading(const QString &title);   // a titled part of a chapter
    void paragraph(const QString &text);
    void bullets(const QStringList &items);
    void table(const Table &table);
    void picture(Picture picture, int indent = 0);
    void space(int twips);

    QList<ReportPage> pages() const { return pages_; }
    QList<Chapter> chapters() const { return chapters_; }

    // The frame of the text, in twips from the report origin.
    static constexpr int left = 1100;
    static constexpr int right = 10600;
    static constexpr int top = 1100;
    static constexpr int bottom = 15700;
    static constexpr int width = right - left;

    // The running head and page number of a page laid out elsewhere (the contents pages).
    static void add_page_frame(ReportPage &page, const QString &running_title, const QString &chapter, int page_number);

private:
    void new_page();
    void ensure_room(int height);
    int remaining() const { return bottom - y_; }
    void lines(const QStringList &lines, double point_size, int x);
    int row_height(const Table &table, const QStringList &cells) const;
    void table_row(const Table &table, const QStringList &cells, bool header);

    QString running_title_;
    QString chapter_title_;
    int first_page_;
    QList<ReportPage> pages_;
    QList<Chapter> chapters_;
    int y_ = bottom;
};

// Line height of a type size, in twips.
int line_height(double point_size);

inline constexpr double body_size = 10.5;
inline constexpr double table_size = 9;

} // namespace book
