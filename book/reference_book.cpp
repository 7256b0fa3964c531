#include "book/reference_book.h"

#include "common/program_title.h"
#include "book/book_chapters.h"
#include "book/text_wrap.h"

namespace book {

namespace {

constexpr int contents_entries_per_page = 28;
constexpr int contents_line = 480;

ReportPage title_page()
{
    ReportPage page;
    const auto centred = [&page](double size, int y, const QString &text) {
        page.font(size);
        page.text((BookLayout::left + BookLayout::right - int(text_width(text, size))) / 2, y, {text});
    };
    centred(26, 3000, reference_book_title);
    centred(16, 4300, common::program_title);
    centred(14, 5000, common::program_version);
    centred(12, 6000, QStringLiteral("プレキャストＵ型フルームの構造計算　操作と計算の手引き"));
    page.picture(Picture::FlumeSection, (BookLayout::left + BookLayout::right - int(natural_size(Picture::FlumeSection).width())) / 2, 7200);
    centred(10, 13600, QStringLiteral("この参考図書はプログラム自身が作成しています。"));
    centred(10, 14050, QStringLiteral("計算例の値とメッセージは、この版のプログラムが計算し表示するものです。"));
    return page;
}

QList<ReportPage> contents_pages(const QList<Chapter> &chapters, int count)
{
    QList<ReportPage> pages;
    for (int p = 0; p < count; ++p) {
        ReportPage page;
        BookLayout::add_page_frame(page, reference_book_title, QStringLiteral("目次"), 2 + p);
        page.font(18);
        page.text(BookLayout::left, BookLayout::top, {QStringLiteral("目次")});
        page.line(BookLayout::left, BookLayout::top + line_height(18), BookLayout::right, BookLayout::top + line_height(18));
        page.font(12);
        int y = BookLayout::top + 900;
        for (int i = p * contents_entries_per_page; i < chapters.size() && i < (p + 1) * contents_entries_per_page; ++i) {
            const QString number = QString::number(chapters[i].page + 1);
            const int number_x = BookLayout::right - int(text_width(number, 12));
            const int title_end = BookLayout::left + 300 + int(text_width(chapters[i].title, 12));
            QString leader;
            const double dot = text_width(QStringLiteral("・"), 12);
            while (title_end + 120 + (leader.size() + 1) * dot < number_x - 120)
                leader += u'・';
            page.text(BookLayout::left + 300, y, {chapters[i].title});
            page.text(number_x - 120 - int(leader.size() * dot), y, {leader});
            page.text(number_x, y, {number});
            y += contents_line;
        }
        pages.append(page);
    }
    return pages;
}

template <flume::Page page>
void write_chapters_of(BookLayout &book)
{
    for (const FlumeChapter &chapter : flume_chapters()) {
        if (chapter.page == page)
            write_flume_chapter(book, chapter);
    }
}

// The chapters that describe each page of the flume window, keyed by the pages.
struct PageChapters {
    flume::Page page;
    void (*write)(BookLayout &book);
};
constexpr PageChapters page_chapters[] = {
    {flume::Page::ShapeInput, write_shape_chapter},
    {flume::Page::EarthPressure, write_chapters_of<flume::Page::EarthPressure>},
    {flume::Page::UpliftBearing, write_chapters_of<flume::Page::UpliftBearing>},
    {flume::Page::Case1, write_chapters_of<flume::Page::Case1>},
    {flume::Page::Case2, write_chapters_of<flume::Page::Case2>},
    {flume::Page::Case3, write_chapters_of<flume::Page::Case3>},
    {flume::Page::MemberCheck, write_member_check_chapter},
};
static_assert(flume::keyed_by_page(page_chapters));

BookLayout body(int first_page)
{
    BookLayout book(reference_book_title, first_page);
    write_overview(book);
    for (const PageChapters &row : page_chapters)
        row.write(book);
    write_numbers_chapter(book);
    write_messages_chapter(book);
    write_file_chapter(book);
    write_printing_chapter(book);
    write_morvik_chapter(book);
    return book;
}

} // namespace

ReferenceBook reference_book()
{
    // The title page, the contents, then the chapters; the contents take as many pages as the
    // chapters need, which decides where the chapters start.
    int contents_count = 1;
    BookLayout book = body(1 + contents_count);
    const int needed = (int(book.chapters().size()) + contents_entries_per_page - 1) / contents_entries_per_page;
    if (needed != contents_count) {
        contents_count = needed;
        book = body(1 + contents_count);
    }
    ReferenceBook result;
    result.pages.append(title_page());
    result.pages.append(contents_pages(book.chapters(), contents_count));
    result.pages.append(book.pages());
    result.chapters = book.chapters();
    return result;
}

} // namespace book
