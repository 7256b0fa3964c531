#include "gui/common/twips.h"

#include <QWidget>
#include <cmath>

namespace gui::common {

int pixels(double twips)
{
    return int(std::lround(twips / twips_per_pixel));
}

QPoint twips_point(double x, double y)
{
    return {pixels(x), pixels(y)};
}

QSize twips_size(double width, double height)
{
    return {pixels(width), pixels(height)};
}

QRect twips_rect(double x, double y, double width, double height)
{
    return {twips_point(x, y), twips_size(width, height)};
}

void place(QWidget *widget, double x, double y)
{
    widget->move(twips_point(x, y));
}

void place(QWidget *widget, double x, double y, double width, double height)
{
    widget->setGeometry(twips_rect(x, y, width, height));
}

} // namespace gui::common
