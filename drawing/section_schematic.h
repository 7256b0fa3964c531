#pragma once

#include <QRectF>

class QPainter;

namespace drawing::pictures {

// The schematic of the reference window: the unit-width section with its width b, total
// thickness, cover and effective depth d, a slab piece under the moment M and the shear S, and
// the definitions of As and U.
void draw_section_schematic(QPainter &painter, const QRectF &target);

} // namespace drawing::pictures
