#pragma once

#include <QRectF>

class QPainter;

namespace drawing::pictures {

// The diagram of the Case 1 page: the bottom slab between the side walls, pressed up by the
// ground reaction WR, with the wall spacing BL and the distance X of the section considered.
void draw_slab_diagram(QPainter &painter, const QRectF &target);

} // namespace drawing::pictures
