#pragma once

#include "drawing/picture.h"

#include <QRectF>

class QPainter;

namespace drawing::pictures {

// The four tables of allowable stresses beside the stress results (AllowableStress1..4:
// compression, tension of the bars, shear, bond), their texts in one size: on paper a millimetre
// clear of the rules, in a window a pixel, in the largest whole pixels that fit.
void draw_allowable_stress_table(QPainter &painter, Picture picture, const QRectF &target, PictureTarget where);

} // namespace drawing::pictures
