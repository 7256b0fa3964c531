#include "gui/common/picture_widget.h"

#include "gui/common/twips.h"

#include <QPainter>

#include <cmath>

namespace gui::common {

PictureWidget::PictureWidget(drawing::Picture picture, QWidget *parent) : QWidget(parent), picture_(picture)
{
    setObjectName(picture_name(picture));
    setFixedSize(pixel_size(picture));
}

QSize PictureWidget::pixel_size(drawing::Picture picture)
{
    const QSizeF twips = natural_size(picture);
    return twips_size(twips.width(), twips.height());
}

QSize PictureWidget::sizeHint() const
{
    return pixel_size(picture_);
}

void PictureWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw_picture(painter, picture_, QRectF(rect()), drawing::PictureTarget{twips_per_pixel});
}

} // namespace gui::common
