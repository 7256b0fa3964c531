#pragma once

#include "drawing/picture.h"

#include <QRectF>

class QPainter;

namespace drawing::pictures {

// The four tables of allowable stresses beside the stress results (AllowableStress1..4:
// compression, tension of the bars, shear, bond).
void draw_allowable_stress_table(QPainter &painter, Picture picture, const QRectF &target);

} // namespace drawing::pictures
