#pragma once

#include "drawing/picture.h"

#include <QRectF>

class QPainter;

namespace drawing::pictures {

// The table of deformed-bar areas and perimeters per unit width, in the reference window's size
// (BarTable) or the smaller printed size (BarTableSmall).
void draw_bar_table(QPainter &painter, Picture picture, const QRectF &target);

} // namespace drawing::pictures
