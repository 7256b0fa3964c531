#include "gui/tavrel/launcher_icons.h"

#include "drawing/report_font.h"
#include "gui/common/drawn_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace tavrel {

QIcon reference_book_icon() { return gui::common::drawn_icon(draw_reference_book_icon); }
QIcon flume_icon() { return gui::common::drawn_icon(draw_flume_icon); }
QIcon rc_section_icon() { return gui::common::drawn_icon(draw_rc_section_icon); }

void draw_reference_book_icon(QPainter &p)
{
    // A page with a folded corner and a red band.
    QPainterPath page;
    page.moveTo(6, 2);
    page.lineTo(20, 2);
    page.lineTo(27, 9);
    page.lineTo(27, 30);
    page.lineTo(6, 30);
    page.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(20, 9), QPointF(27, 9)}));
    p.setPen(QPen(QColor(160, 160, 160), 1));
    for (int y = 12; y <= 16; y += 2)
        p.drawLine(QPointF(9, y), QPointF(24, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(3, 19, 22, 9));
    p.setPen(Qt::white);
    // In the face of the windows' captions, which the launcher has loaded already.
    QFont font = drawing::report_font(9);
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(3, 19, 22, 9), Qt::AlignCenter, QStringLiteral("PDF"));
}

void draw_flume_icon(QPainter &p)
{
    // Ground, the water inside, then the concrete U over it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 140, 96));
    p.drawRect(QRectF(0, 22, 32, 10));
    p.setBrush(QColor(80, 150, 220));
    p.drawRect(QRectF(8, 12, 16, 14));
    QPainterPath u;
    u.moveTo(3, 6);
    u.lineTo(8, 6);
    u.lineTo(8, 24);
    u.lineTo(24, 24);
    u.lineTo(24, 6);
    u.lineTo(29, 6);
    u.lineTo(29, 29);
    u.lineTo(3, 29);
    u.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(190, 190, 190));
    p.drawPath(u);
}

void draw_rc_section_icon(QPainter &p)
{
    // A concrete beam section with a row of bars near its tension face.
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(6, 3, 20, 26));
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    p.drawLine(QPointF(4, 22), QPointF(28, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 40, 30));
    for (double x : {10.0, 16.0, 22.0})
        p.drawEllipse(QPointF(x, 22), 2.2, 2.2);
}

} // namespace tavrel
