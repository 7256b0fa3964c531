#pragma once

#include "book/styled_text.h"
#include "printing/report_page.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace book {

// The book is set as report pages, with the reports' pictures.
using printing::ReportPage;
using printing::Picture;
using drawing::WorkedFormula;

// A table of the book: a header row and body rows; cell texts (marked as styled_text.h says) wrap
// within their column. The columns share the width by their content: each at least as wide as
// its longest unbreakable piece, the rest in proportion to how much wider each would like to be.
struct Table {
    QStringList header;
    QList<QStringList> rows;
};

// A chapter or section as the contents, the PDF's bookmarks and the references know it.
struct OutlineEntry {
    QString anchor;  // "主働土圧", or "主働土圧/計算例" for a section
    QString title;   // numbered: "5　主働土圧", "5.6　計算例"
    int level = 1;   // 1 chapter, 2 section
    int page = 0;    // 0-based page of the whole document
    int top = 0;     // twips from the report origin, the top of the title on that page
};

// A place on a page that leads elsewhere in the book: a reference, a contents line.
struct PageLink {
    int page = 0;      // 0-based page of the whole document
    QRect rect;        // twips from the report origin
    QString anchor;    // the part it leads to
    int to_page = -1;  // or the page it leads to (0-based, the whole document), as an index's numbers do
};

// A number an index gives for a page, and the page it stands for (0-based, the whole document).
struct PageNumber {
    QString text;
    int page = 0;
};

// Flows the book's blocks down A4 pages of report steps. Chapters start on a new page; a block
// that does not fit on what is left of a page goes to the next one. Headings and captions stay with
// what follows them, a paragraph leaves no single line at the foot or the head of a page, a table
// breaks only between rows and repeats its header. Every page gets a running head and its number.
class BookLayout
{
public:
    // first_page: the 0-based number in the whole document of the first page laid out here;
    // known: the parts as the previous layout placed them, for the text of references.
    BookLayout(QString running_title, int first_page, QHash<QString, OutlineEntry> known = {});

    void chapter(const QString &title);  // numbered, on a new page unless the last one ends short
    void heading(const QString &title);  // a numbered section of the chapter
    void paragraph(const QString &text);
    void bullets(const QStringList &items);
    void steps(const QStringList &items, int first = 1);  // numbered steps of a procedure
    void table(const Table &table);
    void code(const QStringList &lines);   // a file's or a terminal's lines, in monospace
    // A numbered figure with its caption below it.
    void picture(Picture picture, const QString &caption);
    void image(const QImage &image, int width, const QString &caption);
    void formula(const WorkedFormula &formula);
    // A line with a text at the left and the numbers of its pages at the right, joined by leader
    // dots; each number a link to its page.
    void leader_line(const QString &left, const QList<PageNumber> &numbers);

    // Lays out what was added; the accessors below give the result.
    void finish();
    QList<ReportPage> pages() const { return pages_; }
    QList<OutlineEntry> outline() const { return outline_; }
    QList<PageLink> links() const { return links_; }
    // The words set on each page, for the index: page (0-based, whole document) → text.
    QHash<int, QString> page_texts() const { return page_texts_; }
    // References whose part the known layout did not have.
    QStringList unknown_references() const { return unknown_; }

    // The frame of the text, in twips from the report origin.
    static constexpr int left = 1100;
    static constexpr int right = 10600;
    static constexpr int top = 1150;
    static constexpr int bottom = 15650;
    static constexpr int width = right - left;

    // The running head and page number of a page laid out elsewhere (title, contents).
    static void add_page_frame(ReportPage &page, const QString &running_title, const QString &chapter,
                               int page_number);

    struct Pen;  // what a piece draws with: the page, and the lists of what was placed where

    // A piece of the flow that is never split: a line of text, a table row, a figure.
    struct Piece {
        int gap = 0;      // space above it, dropped at the top of a page
        int height = 0;
        bool keep_with_next = false;
        bool new_page = false;  // a chapter's title
        QString chapter;        // for a chapter's title: the running head from here on
        int header = -1;        // a table row: its table's header row, repeated atop a page
        std::function<void(Pen &pen, int y)> draw;
    };

private:
    void add(Piece piece);
    void text_lines(const QString &text, double size, TextFace face, int indent, int gap, const QString &prefix = {});
    void caption(const QString &caption);
    // What a reference to a part reads as: its numbered title in 「」 and its page, kept on one line.
    QString reference_text(const QString &anchor);

    QString running_title_;
    int first_page_;
    QHash<QString, OutlineEntry> known_;
    QString chapter_anchor_;
    int chapter_number_ = 0;
    int section_number_ = 0;
    int figure_number_ = 0;
    std::vector<Piece> pieces_;
    QList<ReportPage> pages_;
    QList<OutlineEntry> outline_;
    QList<PageLink> links_;
    QHash<int, QString> page_texts_;
    QStringList unknown_;
};

// Line height of a type size, in twips.
int line_height(double point_size);

inline constexpr double body_size = 10.5;
inline constexpr double table_size = 9;

} // namespace book
