#pragma once

#include "flume/calculations.h"
#include "printing/flume_reports.h"
#include "printing/report_page.h"

#include <QDate>
#include <QList>
#include <QRect>
#include <QString>

namespace document {
struct DocumentData;
}

namespace printing {

// The pages the calculation document adds to the reports, drawn in the reports' frame and face.

// 表紙: 構造計算書, プレキャストＵ型フルーム, the works, the client, the designer, the date, the
// remark, and the program's name and version.
ReportPage document_cover(const document::DocumentData &data, const QDate &printing_day);

// A line of 目次: the chapter's number and title, and its first page (0: not reached, 未計算, with
// the reason below the title).
struct ContentsLine {
    QString number;
    QString title;
    int page = 0;
    QString reason;
};

struct ContentsPage {
    ReportPage page;
    QList<QRect> areas;  // where each line stands, for its link
};

// 目次: each chapter with its first page, right-aligned after leader dots.
ContentsPage document_contents(const QList<ContentsLine> &lines);

// 設計条件, headed by title ("2　設計条件"): the structure and its load cases in words, the applied
// standards when entered, and the 25 inputs grouped as the flume window's pages group them, each
// with its name, symbol, value as typed and unit; the section drawing beside the shape dimensions;
// once member check data is entered, the materials and allowable stresses of the member check and
// each member's bars, count or pitch, かぶり and typed 総厚.
QList<ReportPage> design_conditions(const QString &title, const FlumeSnapshot &sheet,
                                    const members::MemberCheckInputs &member_inputs, const document::DocumentData &data);

// What 結果一覧 judges: the two checks of the whole section (none where no value was reached, with
// the reason) and the member check.
struct ResultsSummary {
    std::optional<flume::LimitCheck> uplift, bearing;
    QString section_reason;  // why a check of the whole section has no value
    members::MemberCheckReport members;
};

// 結果一覧, headed by title ("1　結果一覧"): every judgement of the flume in one table, each with
// OK or NG (Fs against 1.2, qmax against qa, each member's stresses against their allowables, the
// member's judgement), notes on which values are compared and how, and one line saying whether
// everything is OK. Runs on to further pages only if the rows need them.
QList<ReportPage> results_summary(const QString &title, const ResultsSummary &summary);

// The twips of the document's own pages, within the frame every report draws.
namespace document_layout {
inline constexpr int left = 500, right = 11050, top = 400, bottom = 16000;
inline constexpr int centre = (left + right) / 2;
} // namespace document_layout

} // namespace printing
