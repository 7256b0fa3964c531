#include "printing/document_pages.h"
#include "printing/text_measure.h"

namespace printing {

namespace {

using namespace document_layout;

constexpr double title_size = 20;
constexpr double line_size = 13;
constexpr double reason_size = 9.5;
constexpr int reason_below = 300;  // the reason's line under its chapter's
constexpr int number_x = 1600;
constexpr int title_x = 2200;
constexpr int page_right = 9900;  // page numbers stand right-aligned here
constexpr int first_line = 3000;
constexpr int line_step = 650;
constexpr int dots_gap = 150;     // between a title or a page number and the leader dots

} // namespace

ContentsPage document_contents(const QList<ContentsLine> &lines)
{
    ContentsPage contents;
    ReportPage &page = contents.page;
    const QString heading = QStringLiteral("目　　次");
    page.font(title_size);
    page.text(centre - int(text_width(heading, title_size) / 2), 1500, {heading});

    page.font(line_size);
    const QString dot = QStringLiteral("・");
    const double dot_width = text_width(dot, line_size);
    // The dots of every line stand in the same columns, the last one ending here before a page
    // number of one figure and a column earlier before a wider one.
    const double dots_right = page_right - text_width(QStringLiteral("0"), line_size) - dots_gap;
    int y = first_line;
    for (const ContentsLine &line : lines) {
        const QString right_text = line.page > 0 ? QString::number(line.page) : QStringLiteral("未計算");
        const double right_width = text_width(right_text, line_size);
        const double title_end = title_x + text_width(line.title, line_size);
        // As many dots as fill the room between the title and the page number.
        double dots_end = dots_right;
        while (dots_end > page_right - right_width - dots_gap)
            dots_end -= dot_width;
        const int dots = int((dots_end - title_end - dots_gap) / dot_width);
        page.text(number_x, y, {line.number});
        page.text(title_x, y, {line.title});
        if (dots > 0)
            page.text(int(dots_end - dots * dot_width), y, {dot.repeated(dots)});
        page.text(int(page_right - right_width), y, {right_text});
        if (line.page == 0 && !line.reason.isEmpty()) {
            page.font(reason_size);
            page.text(title_x, y + reason_below, {QStringLiteral("（") + line.reason + QStringLiteral("）")});
            page.font(line_size);
        }
        contents.areas.append(QRect(number_x, y - 60, page_right - number_x, int(text_height(line_size)) + 120));
        y += line_step;
    }
    return contents;
}

} // namespace printing
