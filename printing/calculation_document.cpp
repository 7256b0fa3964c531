#include "printing/calculation_document.h"

#include "common/file_name.h"
#include "document/document_data.h"
#include "flume/flume_sheet.h"
#include "printing/document_frame.h"
#include "printing/document_pages.h"
#include "printing/flume_reports.h"

namespace printing {

namespace {

using flume::Page;

// The document's chapters, keyed by the pages: 設計条件 stands for the shape input, every other
// chapter is its page's report.
struct ChapterRow {
    Page page;
    const char16_t *title;
};
constexpr ChapterRow chapter_table[] = {
    {Page::ShapeInput, u"設計条件"},
    {Page::EarthPressure, u"主働土圧"},
    {Page::UpliftBearing, u"浮上り・基礎地盤支持力の検討"},
    {Page::Case1, u"ケース.1"},
    {Page::Case2, u"ケース.2"},
    {Page::Case3, u"ケース.3"},
    {Page::MemberCheck, u"部材の応力度照査"},
};
static_assert(flume::keyed_by_page(chapter_table));

// A chapter with its pages; without pages it was not reached.
struct Chapter {
    QString title;
    QList<ReportPage> pages;
};

QList<Chapter> chapters(const flume::FlumeSheet &sheet, const members::MemberCheckInputs &member_inputs,
                        const document::DocumentData &data)
{
    const FlumeSnapshot whole = snapshot(sheet, member_inputs);
    QList<Chapter> list;
    for (const ChapterRow &row : chapter_table) {
        Chapter chapter{QString::fromUtf16(row.title), {}};
        if (row.page == Page::ShapeInput)
            chapter.pages = design_conditions(whole, member_inputs.entered(), data);
        else if (row.page == Page::MemberCheck) {
            if (whole.member_check.any_stresses())
                chapter.pages = {flume_report(row.page, whole)};
        } else if (!sheet.text(flume::last_result(row.page)).isEmpty())
            chapter.pages = {flume_report(row.page, page_snapshot(sheet, row.page))};
        list.append(chapter);
    }
    return list;
}

} // namespace

PrintDocument calculation_document(const flume::FlumeSheet &sheet, const members::MemberCheckInputs &member_inputs,
                                   const document::DocumentData &data, const QDate &printing_day)
{
    // 表紙 and 目次 come first and are not numbered: page n of the document is the n + 2nd page.
    constexpr int front_pages = 2;
    PrintDocument document;
    document.description.title = data.title();
    document.description.author = data.designer();
    document.description.subject = data.structure_name.trimmed().isEmpty()
                                       ? QStringLiteral("プレキャストＵ型フルームの構造計算")
                                       : QStringLiteral("プレキャストＵ型フルームの構造計算（%1）").arg(document::one_line(data.structure_name));
    document.file_name = common::file_name_for(document.description.title);

    QList<ReportPage> body;
    QList<ContentsLine> lines;
    QList<int> first_pages;  // of each chapter in the document; -1 for one not reached
    const QList<Chapter> all = chapters(sheet, member_inputs, data);
    for (int i = 0; i < all.size(); ++i) {
        const Chapter &chapter = all[i];
        const QString number = QString::number(i + 1);
        if (chapter.pages.isEmpty()) {
            lines.append({number, chapter.title, 0});
            first_pages.append(-1);
            continue;
        }
        lines.append({number, chapter.title, int(body.size()) + 1});
        first_pages.append(front_pages + int(body.size()));
        document.description.bookmarks.append({number + QStringLiteral("　") + chapter.title, first_pages.last(), 0, 0});
        for (ReportPage page : chapter.pages) {
            add_document_frame(page, data.works_name, int(body.size()) + 1);
            body.append(page);
        }
    }

    const ContentsPage contents = document_contents(lines);
    for (int i = 0; i < first_pages.size(); ++i) {
        if (first_pages[i] >= 0)
            document.description.links.append({1, contents.areas[i], first_pages[i], 0});
    }
    document.pages = {document_cover(data, printing_day), contents.page};
    document.pages.append(body);
    return document;
}

} // namespace printing
