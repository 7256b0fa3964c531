#pragma once

#include <QRectF>

class QPainter;

namespace drawing::pictures {

// The figures of the reference book that show what the inputs of a page mean.

// The wall back at θ from the level, the ground rising at i with the surcharge q, the active earth
// pressure PA at δ to the wall's normal, and the wall height H.
void draw_earth_pressure_diagram(QPainter &painter, const QRectF &target);

// Case 1: earth pressure, surcharge and groundwater on the outer face of the wall; h, H', H'1; the
// slab with its reaction WR, X and BL.
void draw_case1_load_diagram(QPainter &painter, const QRectF &target);

// Case 2: the flume full of water pressing the wall outwards down to h'; the slab as in Case 1.
void draw_case2_load_diagram(QPainter &painter, const QRectF &target);

// Case 3: water inside and earth pressure outside down to h'; the slab as in Case 1.
void draw_case3_load_diagram(QPainter &painter, const QRectF &target);

} // namespace drawing::pictures
