#include "printing/calculation_document.h"

#include "common/file_name.h"
#include "document/document_data.h"
#include "flume/full_check.h"
#include "printing/document_frame.h"
#include "printing/document_pages.h"
#include "printing/flume_reports.h"

namespace printing {

namespace {

using flume::Page;

// The chapters after 結果一覧, keyed by the pages: 設計条件 stands for the shape input, every other
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

// A chapter with its pages; without pages it was not reached, for the reason given. The document's
// own pages carry the chapter's number in their title; a report, drawn exactly as its print entry
// draws it, carries it in the head the document adds.
struct Chapter {
    QString title;
    QList<ReportPage> pages;
    QString reason;
    bool numbered_head = false;
};

// "3　主働土圧": a chapter's number and title as 目次 gives them.
QString numbered(int number, const QString &title)
{
    return QString::number(number) + QStringLiteral("　") + title;
}

// Why a page has no results: the messages raised on it, or the walk never got to open it.
QString unreached_reason(const flume::WalkedFlume &walked, Page page)
{
    if (!walked.outcome.pages_opened.contains(page))
        return QStringLiteral("前のページが計算できないため");
    QStringList texts;
    for (const flume::PageMessage &raised : walked.messages) {
        if (raised.page == page && !texts.contains(raised.message.text))
            texts.append(raised.message.text);
    }
    return texts.isEmpty() ? QStringLiteral("計算結果が出ないため") : texts.join(u'　');
}

// Why no member has stresses: no member data at all, or the members' own reasons.
QString members_reason(const members::MemberCheckInputs &member_inputs, const members::MemberCheckReport &check)
{
    if (!member_inputs.entered())
        return QStringLiteral("部材のデータが入力されていないため");
    QStringList statuses;
    for (const members::MemberResult &member : check.members) {
        if (!statuses.contains(member.status))
            statuses.append(member.status);
    }
    return QStringLiteral("応力度の求まった部材がないため：") + statuses.join(u'、');
}

QList<Chapter> chapters(const flume::WalkedFlume &walked, const members::MemberCheckInputs &member_inputs,
                        const document::DocumentData &data)
{
    const flume::FlumeSheet &sheet = *walked.sheet;
    const FlumeSnapshot whole = snapshot(sheet, member_inputs);
    const QString summary_title = QStringLiteral("結果一覧");
    const ResultsSummary summary{walked.outcome.uplift, walked.outcome.bearing,
                                 unreached_reason(walked, Page::UpliftBearing), whole.member_check};
    QList<Chapter> list = {{summary_title, results_summary(numbered(1, summary_title), summary), {}, false}};
    for (const ChapterRow &row : chapter_table) {
        Chapter chapter{QString::fromUtf16(row.title), {}, {}, row.page != Page::ShapeInput};
        if (row.page == Page::ShapeInput)
            chapter.pages = design_conditions(numbered(int(list.size()) + 1, chapter.title), whole, member_inputs, data);
        else if (row.page == Page::MemberCheck) {
            if (whole.member_check.any_stresses())
                chapter.pages = {flume_report(row.page, whole)};
            else
                chapter.reason = members_reason(member_inputs, whole.member_check);
        } else if (!sheet.text(flume::last_result(row.page)).isEmpty())
            chapter.pages = {flume_report(row.page, page_snapshot(sheet, row.page))};
        else
            chapter.reason = unreached_reason(walked, row.page);
        list.append(chapter);
    }
    return list;
}

} // namespace

PrintDocument calculation_document(const flume::WalkedFlume &walked, const members::MemberCheckInputs &member_inputs,
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
    const QList<Chapter> all = chapters(walked, member_inputs, data);
    for (int i = 0; i < all.size(); ++i) {
        const Chapter &chapter = all[i];
        const QString number = QString::number(i + 1);
        if (chapter.pages.isEmpty()) {
            lines.append({number, chapter.title, 0, chapter.reason});
            first_pages.append(-1);
            continue;
        }
        lines.append({number, chapter.title, int(body.size()) + 1, {}});
        first_pages.append(front_pages + int(body.size()));
        const QString head = numbered(i + 1, chapter.title);
        document.description.bookmarks.append({head, first_pages.last(), 0, 0});
        for (ReportPage page : chapter.pages) {
            add_document_frame(page, data.works_name, int(body.size()) + 1, chapter.numbered_head ? head : QString());
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
