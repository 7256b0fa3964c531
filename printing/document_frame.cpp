#include "printing/document_frame.h"

#include "document/document_data.h"
#include "printing/page_extents.h"
#include "printing/text_measure.h"

#include <algorithm>

namespace printing {

namespace {

// The margins between the paper's edge and the frame every report draws, (500, 400)–(11050, 16000).
constexpr int head_bottom = 370;      // the running head ends above the frame's top line
constexpr int head_right = 11050;
constexpr int head_left = 600;
constexpr int head_gap = 300;         // between the page's own title and the running head
constexpr double head_size = 9;
constexpr double least_head_size = 7;
constexpr double chapter_size = 10.5;
constexpr int number_top = 16060;     // below the frame's bottom line, within any printer's margin
constexpr double number_size = 9;
constexpr int page_centre = (500 + 11050) / 2;

// The left end of the room for the running head: right of whatever the page draws at its height.
double head_room_left(const ReportPage &page, double top, double bottom)
{
    double left = head_left;
    for (const QRectF &extent : page_extents(page)) {
        if (extent.bottom() > top && extent.top() < bottom && extent.left() < head_right)
            left = std::max(left, extent.right() + head_gap);
    }
    return left;
}

// The works' name, right of chapter_end.
void add_running_head(ReportPage &page, const QString &works_name, double chapter_end)
{
    const QString name = document::one_line(works_name);
    if (name.isEmpty())
        return;
    double size = head_size;
    double room = 0;
    for (;; size -= 0.5) {
        const double top = head_bottom - text_height(size);
        room = head_right - std::max(head_room_left(page, top, head_bottom), chapter_end + head_gap);
        if (text_width(name, size) <= room || size <= least_head_size)
            break;
    }
    QString shown = name;
    if (text_width(shown, size) > room) {
        const QString ellipsis = QStringLiteral("…");
        while (!shown.isEmpty() && text_width(shown + ellipsis, size) > room)
            shown.chop(shown.back().isLowSurrogate() ? 2 : 1);
        if (shown.isEmpty())
            return;
        shown += ellipsis;
    }
    page.font(size);
    page.text(head_right - int(text_width(shown, size) + 0.5), int(head_bottom - text_height(size)), {shown});
}

} // namespace

void add_document_frame(ReportPage &page, const QString &works_name, int page_number, const QString &chapter)
{
    // The chapter stands where the page draws nothing at its height; the works' name makes room.
    double chapter_x = 0, chapter_end = 0;
    if (!chapter.isEmpty()) {
        chapter_x = head_room_left(page, head_bottom - text_height(chapter_size), head_bottom);
        chapter_end = chapter_x + text_width(chapter, chapter_size);
    }
    add_running_head(page, works_name, chapter_end);
    if (!chapter.isEmpty()) {
        page.font(chapter_size);
        page.text(int(chapter_x), int(head_bottom - text_height(chapter_size)), {chapter});
    }
    const QString number = QStringLiteral("- %1 -").arg(page_number);
    page.font(number_size);
    page.text(page_centre - int(text_width(number, number_size) / 2), number_top, {number});
}

} // namespace printing
