#include "book/reference_book.h"

#include "book/book_chapters.h"
#include "book/set_lines.h"
#include "common/program_title.h"

namespace book {

namespace {

constexpr double contents_size = 10;
constexpr int contents_line = 300;
constexpr int contents_top = BookLayout::top + 900;

ReportPage title_page()
{
    ReportPage page;
    const auto centred = [&page](double size, int y, const QString &text, TextFace face) {
        page.font(size, face);
        page.text((BookLayout::left + BookLayout::right - int(text_width(text, size, face))) / 2, y, {text});
    };
    centred(26, 3000, reference_book_title, TextFace::Gothic);
    centred(16, 4300, common::program_title, TextFace::Gothic);
    centred(14, 5000, common::program_version, TextFace::Gothic);
    centred(12, 6000, QStringLiteral("プレキャストＵ型フルームの構造計算　操作と計算の手引き"), TextFace::Mincho);
    page.picture(Picture::FlumeSection,
                 (BookLayout::left + BookLayout::right - int(natural_size(Picture::FlumeSection).width())) / 2, 7200);
    centred(10, 13600, QStringLiteral("この参考図書はプログラム自身が作成しています。"), TextFace::Mincho);
    centred(10, 14050, QStringLiteral("計算例の値、メッセージ、確かめる条件は、この版のプログラムが計算し表示するものです。"),
            TextFace::Mincho);
    return page;
}

// Lines on the first contents page, below its title, and on each page after it.
int first_contents_lines() { return (BookLayout::bottom - contents_top) / contents_line; }
int more_contents_lines() { return (BookLayout::bottom - BookLayout::top) / contents_line; }

int contents_page_count(qsizetype entries)
{
    if (entries <= first_contents_lines())
        return 1;
    return 1 + int((entries - first_contents_lines() + more_contents_lines() - 1) / more_contents_lines());
}

// The contents: each chapter and its sections with the page it starts on, joined by leader dots,
// each line a link to its part.
QList<ReportPage> contents_pages(const QList<OutlineEntry> &outline, QList<PageLink> &links)
{
    QList<ReportPage> pages;
    const int count = contents_page_count(outline.size());
    int i = 0;
    for (int p = 0; p < count; ++p) {
        ReportPage page;
        BookLayout::add_page_frame(page, reference_book_title, QStringLiteral("目次"), 2 + p);
        if (p == 0) {
            page.font(18, TextFace::Gothic);
            page.text(BookLayout::left, BookLayout::top, {QStringLiteral("目次")});
            const int rule = BookLayout::top + line_height(18) + 40;
            page.line(BookLayout::left, rule, BookLayout::right, rule);
        }
        int y = p == 0 ? contents_top : BookLayout::top;
        const int lines = p == 0 ? first_contents_lines() : more_contents_lines();
        for (int n = 0; n < lines && i < outline.size(); ++n, ++i) {
            const OutlineEntry &entry = outline[i];
            const TextFace face = entry.level == 1 ? TextFace::Gothic : TextFace::Mincho;
            const int x = BookLayout::left + (entry.level == 1 ? 0 : 500);
            const QString number = QString::number(entry.page + 1);
            const int number_x = BookLayout::right - int(text_width(number, contents_size, TextFace::Mincho));
            const int title_end = x + int(text_width(entry.title, contents_size, face));
            const double dot = text_width(QStringLiteral("・"), contents_size, TextFace::Mincho);
            const int dots = std::max(0, int((number_x - 120 - title_end - 120) / dot));
            page.font(contents_size, face);
            page.text(x, y, {entry.title});
            page.font(contents_size, TextFace::Mincho);
            page.text(number_x - 120 - int(dots * dot), y, {QString(dots, u'・')});
            page.text(number_x, y, {number});
            links.append({1 + p, QRect(x, y - 40, BookLayout::right - x, contents_line), entry.anchor});
            y += contents_line;
        }
        pages.append(page);
    }
    return pages;
}

// The chapters that describe each page of the flume window, keyed by the pages.
template <flume::Page page>
void write_chapters_of(BookLayout &book, const BookMaterial &, QStringList &)
{
    for (const FlumeChapter &chapter : flume_chapters()) {
        if (chapter.page == page)
            write_flume_chapter(book, chapter);
    }
}
void write_shape_chapter_of(BookLayout &book, const BookMaterial &, QStringList &) { write_shape_chapter(book); }
struct PageChapters {
    flume::Page page;
    void (*write)(BookLayout &book, const BookMaterial &material, QStringList &problems);
};
constexpr PageChapters page_chapters[] = {
    {flume::Page::ShapeInput, write_shape_chapter_of},
    {flume::Page::EarthPressure, write_chapters_of<flume::Page::EarthPressure>},
    {flume::Page::UpliftBearing, write_chapters_of<flume::Page::UpliftBearing>},
    {flume::Page::Case1, write_chapters_of<flume::Page::Case1>},
    {flume::Page::Case2, write_chapters_of<flume::Page::Case2>},
    {flume::Page::Case3, write_chapters_of<flume::Page::Case3>},
    {flume::Page::MemberCheck, write_member_check_chapter},
};
static_assert(flume::keyed_by_page(page_chapters));

// One layout of the body, the references and the index taken from the layout before it.
BookLayout body(const BookMaterial &material, int first_page, const QHash<QString, OutlineEntry> &known,
                const QHash<int, QString> &texts, QStringList &problems)
{
    BookLayout book(reference_book_title, first_page, known);
    write_overview(book);
    write_installation_chapter(book);
    write_quick_start(book, material, problems);
    write_windows_chapter(book, material, problems);
    for (const PageChapters &row : page_chapters)
        row.write(book, material, problems);
    write_numbers_chapter(book);
    write_file_chapter(book);
    write_printing_chapter(book, material, problems);
    write_command_chapter(book, material, problems);
    write_batch_chapter(book, material, problems);
    write_morvik_chapter(book, material, problems);
    write_messages_chapter(book, material, problems);
    write_symbols_chapter(book);
    // The index searches the pages before itself.
    QHash<int, QString> before_index;
    const int index_page = known.contains(QStringLiteral("索引")) ? known.value(QStringLiteral("索引")).page : -1;
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        if (it.key() < index_page)
            before_index.insert(it.key(), it.value());
    }
    write_index(book, before_index, problems);
    book.finish();
    return book;
}

QHash<QString, OutlineEntry> by_anchor(const QList<OutlineEntry> &outline)
{
    QHash<QString, OutlineEntry> parts;
    for (const OutlineEntry &entry : outline)
        parts.insert(entry.anchor, entry);
    return parts;
}

bool same_places(const QHash<QString, OutlineEntry> &a, const QHash<QString, OutlineEntry> &b)
{
    if (a.size() != b.size())
        return false;
    for (auto it = a.begin(); it != a.end(); ++it) {
        const auto other = b.constFind(it.key());
        if (other == b.constEnd() || other->page != it->page || other->title != it->title)
            return false;
    }
    return true;
}

} // namespace

ReferenceBook reference_book(const BookMaterial &material)
{
    // Where the parts land depends on the contents' length and on the references' page numbers,
    // which depend on where the parts land: the body is laid out until nothing moves.
    QHash<QString, OutlineEntry> known;
    QHash<int, QString> texts;
    int contents_count = 1;
    QStringList problems;
    BookLayout book = body(material, 1 + contents_count, known, texts, problems);
    for (int pass = 0; pass < 8; ++pass) {
        const QHash<QString, OutlineEntry> placed = by_anchor(book.outline());
        const int needed = contents_page_count(book.outline().size());
        if (same_places(placed, known) && needed == contents_count && book.page_texts() == texts
            && book.unknown_references().isEmpty())
            break;
        known = placed;
        texts = book.page_texts();
        contents_count = needed;
        problems.clear();
        book = body(material, 1 + contents_count, known, texts, problems);
    }
    for (const QString &anchor : book.unknown_references())
        problems.append(QStringLiteral("参照先「%1」がありません").arg(anchor));

    ReferenceBook result;
    result.pages.append(title_page());
    result.pages.append(contents_pages(book.outline(), result.links));
    result.pages.append(book.pages());
    result.outline = book.outline();
    result.links.append(book.links());
    result.problems = problems;
    problems.removeDuplicates();
    return result;
}

} // namespace book
