#include "common/program_title.h"
#include "document/document_data.h"
#include "printing/document_pages.h"
#include "printing/text_measure.h"

namespace printing {

namespace {

using namespace document_layout;

constexpr int text_width_limit = 9000;  // the widest a line of the cover may be
constexpr int program_line_top = 15300;  // the program's name and version at the foot

// A text wrapped into as few lines as the width allows, of about equal length, so that no word is
// left alone on the last line.
QStringList balanced_lines(const QString &text, double size, int width_limit = text_width_limit)
{
    const QStringList widest = wrap_text(text, size, width_limit);
    if (widest.size() < 2)
        return widest;
    QStringList best = widest;
    for (int width = width_limit - 100; width > 0; width -= 100) {
        const QStringList narrower = wrap_text(text, size, width);
        if (narrower.size() != widest.size())
            break;
        best = narrower;
    }
    return best;
}

// Lines centred on the page from y down; returns the y below them. A text of more than max_lines
// lines at size is set smaller, down to two thirds of it.
int centred_lines(ReportPage &page, const QString &text, double size, int y, int max_lines = 4)
{
    const double least = size * 2 / 3;
    while (size > least && balanced_lines(text, size).size() > max_lines)
        size -= 1;
    page.font(size);
    for (const QString &line : balanced_lines(text, size)) {
        page.text(centre - int(text_width(line, size) / 2), y, {line});
        y += int(size * 20 * 1.5);
    }
    return y;
}

} // namespace

ReportPage document_cover(const document::DocumentData &data, const QDate &printing_day)
{
    ReportPage page;
    // The title between two rules across the cover.
    page.line(1500, 2300, 10050, 2300);
    centred_lines(page, QStringLiteral("構　造　計　算　書"), 30, 2700);
    page.line(1500, 3700, 10050, 3700);
    centred_lines(page, QStringLiteral("プレキャストＵ型フルーム"), 18, 4200);

    int y = centred_lines(page, document::one_line(data.works_name), 18, 6000);
    y = centred_lines(page, document::one_line(data.structure_name), 14, y + 200);

    // The parties and the date as a small table: captions in a column, values beside them.
    constexpr double size = 13;
    constexpr int caption_x = 2800, value_x = 4500, row = 500;
    struct Row {
        QString caption;
        QString value;
    };
    QList<Row> rows = {{QStringLiteral("発 注 者"), document::one_line(data.client)}};
    // The designer on two lines, company and person; the caption stands on the first one used.
    QString designer_caption = QStringLiteral("設 計 者");
    for (const QString &line : {document::one_line(data.designer_company), document::one_line(data.designer_person)}) {
        if (!line.isEmpty()) {
            rows.append({designer_caption, line});
            designer_caption.clear();
        }
    }
    if (!designer_caption.isEmpty())
        rows.append({designer_caption, QString()});
    rows.append({QStringLiteral("作 成 日"), data.date_on(printing_day)});
    page.font(size);
    y = qMax(10400, y + 800);
    for (const Row &r : rows) {
        if (!r.caption.isEmpty())
            page.text(caption_x, y, {r.caption});
        const QStringList lines = balanced_lines(r.value, size, right - 600 - value_x);
        for (int i = 0; i < lines.size(); ++i)
            page.text(value_x, y + i * int(size * 20 * 1.4), {lines[i]});
        y += row + (qMax<int>(1, lines.size()) - 1) * int(size * 20 * 1.4);
    }
    if (!data.remark.trimmed().isEmpty()) {
        // Set smaller when long, and shortened with "…" when even that leaves no room above the
        // program's line.
        const int top = y + 100, room = program_line_top - 300 - top;
        double remark_size = 11;
        QStringList lines = balanced_lines(document::one_line(data.remark), remark_size, right - 600 - value_x);
        while (remark_size > 8 && lines.size() * remark_size * 30 > room) {
            remark_size -= 1;
            lines = balanced_lines(document::one_line(data.remark), remark_size, right - 600 - value_x);
        }
        const int line_step = int(remark_size * 30);
        const qsizetype fitting = qMax(1, room / line_step);
        if (lines.size() > fitting) {
            lines.resize(fitting);
            lines.last().chop(lines.last().back().isLowSurrogate() ? 2 : 1);
            lines.last() += QStringLiteral("…");
        }
        page.font(11);
        page.text(caption_x, top, {QStringLiteral("備　　考")});
        page.font(remark_size);
        for (int i = 0; i < lines.size(); ++i)
            page.text(value_x, top + i * line_step, {lines[i]});
    }

    centred_lines(page, QStringLiteral("計算プログラム　Tavrel ") + common::program_version + QStringLiteral("（")
                            + common::program_title + QStringLiteral("）"),
                  10, program_line_top);
    return page;
}

} // namespace printing
