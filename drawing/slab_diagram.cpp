#include "drawing/slab_diagram.h"

#include "drawing/picture.h"
#include "drawing/picture_canvas.h"

namespace drawing::pictures {

namespace {

// A horizontal dimension with its label in a break of the line, for a diagram with no room
// above or below its lines.
void labelled_dimension(Canvas &canvas, double left, double right, double y, const QString &label,
                        double size, double head)
{
    const double middle = (left + right) / 2;
    const double half_gap = Canvas::text_width(label, size) / 2 + 0.3 * size;
    canvas.line({left, y}, {middle - half_gap, y});
    canvas.line({middle + half_gap, y}, {right, y});
    canvas.arrow_head({left, y}, {right, y}, head);
    canvas.arrow_head({right, y}, {left, y}, head);
    canvas.text(label, {middle, y}, size, Qt::AlignHCenter | Qt::AlignVCenter);
}

} // namespace

void draw_slab_diagram(QPainter &painter, const QRectF &target)
{
    Canvas canvas(painter, target, natural_size(Picture::Case1Diagram));
    const double label = 170;
    const double head = 80;
    const double left_axis = 260;    // centre lines of the side walls, BL apart
    const double right_axis = 2260;
    const double section = 1000;     // the section at distance X from the left wall's centre line
    const double wall = 150;         // wall thickness
    const double toe = 90;           // slab beyond the outer faces of the walls
    const double wall_top = 235;
    const double slab_top = 420;
    const double slab_bottom = 520;
    const double slab_left = left_axis - wall / 2 - toe;
    const double slab_right = right_axis + wall / 2 + toe;

    // The bottom slab with the feet of the side walls, cut off above.
    const double left_outer = left_axis - wall / 2;
    const double left_inner = left_axis + wall / 2;
    const double right_inner = right_axis - wall / 2;
    const double right_outer = right_axis + wall / 2;
    canvas.polyline(QPolygonF({{left_outer, wall_top}, {left_outer, slab_top}, {slab_left, slab_top},
                               {slab_left, slab_bottom}, {slab_right, slab_bottom}, {slab_right, slab_top},
                               {right_outer, slab_top}, {right_outer, wall_top}}),
                    18);
    canvas.polyline(QPolygonF({{left_inner, wall_top}, {left_inner, slab_top}, {right_inner, slab_top},
                               {right_inner, wall_top}}),
                    18);
    canvas.line({left_outer, wall_top}, {left_inner, wall_top});
    canvas.line({right_inner, wall_top}, {right_outer, wall_top});
    canvas.dash_dotted_line({left_axis, 20}, {left_axis, 880}, 8);
    canvas.dash_dotted_line({right_axis, 20}, {right_axis, 880}, 8);
    canvas.dashed_line({section, 40}, {section, slab_bottom + 60}, 8);

    // X from the left centre line to the section.
    labelled_dimension(canvas, left_axis, section, 110, QStringLiteral("X"), label, head);

    // The ground reaction WR acting upwards on the underside of the slab.
    const double load_bottom = 715;
    canvas.line({slab_left, load_bottom}, {slab_right, load_bottom});
    const int arrows = 9;
    const double first = slab_left + 40;
    const double step = (slab_right - 40 - first) / (arrows - 1);
    for (int i = 0; i < arrows; ++i) {
        const double x = first + i * step;
        canvas.line({x, load_bottom}, {x, slab_bottom + 60});
        canvas.arrow_head({x, slab_bottom + 10}, {x, load_bottom}, head);
    }
    canvas.text(QStringLiteral("WR"), {slab_right + 90, (slab_bottom + load_bottom) / 2 + 10}, 180,
                Qt::AlignLeft | Qt::AlignVCenter);

    // BL between the wall centre lines.
    labelled_dimension(canvas, left_axis, right_axis, 810, QStringLiteral("BL"), label, head);
}

} // namespace drawing::pictures
