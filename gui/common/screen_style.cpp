#include "gui/common/screen_style.h"

#include "gui/common/drawn_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace gui::common {

namespace {

// A double chevron pointing right, on the 32-unit square of a drawn icon.
void draw_chevrons(QPainter &painter)
{
    QPainterPath chevrons;
    for (const double left : {8.0, 17.0}) {
        chevrons.moveTo(left, 8);
        chevrons.lineTo(left + 7, 16);
        chevrons.lineTo(left, 24);
    }
    painter.setPen(QPen(Qt::black, 3));
    painter.drawPath(chevrons);
}

// The same, pointing down.
void draw_chevrons_down(QPainter &painter)
{
    painter.translate(32, 0);
    painter.rotate(90);
    draw_chevrons(painter);
}

} // namespace

QIcon ScreenStyle::standardIcon(StandardPixmap pixmap, const QStyleOption *option, const QWidget *widget) const
{
    if (pixmap == SP_ToolBarHorizontalExtensionButton || pixmap == SP_ToolBarVerticalExtensionButton)
        return drawn_icon(pixmap == SP_ToolBarVerticalExtensionButton ? draw_chevrons_down : draw_chevrons);
    return QProxyStyle::standardIcon(pixmap, option, widget);
}

} // namespace gui::common
