#pragma once

#include <QRectF>

class QPainter;

namespace drawing::pictures {

// The flume cross-section with the dimension labels T1, T2, T3, T4, H and B.
void draw_flume_section(QPainter &painter, const QRectF &target);

// The section diagram of the shape-input page: the same section with the outer water level and
// its height H1 above the underside of the bottom slab.
void draw_shape_input_diagram(QPainter &painter, const QRectF &target);

} // namespace drawing::pictures
