#include "drawing/flume_section.h"

#include "drawing/picture.h"
#include "drawing/picture_canvas.h"

namespace drawing::pictures {

namespace {

// The drawn proportions of a U-shaped flume and where its dimensions stand, in twips of the
// picture. The inner faces of the walls are vertical, the outer faces lean from T1 at the top
// to T2 at the bottom slab, and haunches of T4 stiffen the inner corners.
struct SectionLayout {
    double slab_left;    // outer edge of the bottom slab (left)
    double t1, t2, t3, t4, b;
    double wall_top;     // y of the wall tops
    double slab_top;     // y of the top of the bottom slab (H below the wall tops)
    double label;        // em of the labels
    double head;         // length of the arrow heads
    double t1_line_y;    // dimension line of T1, above the left wall
    double b_line_y;     // dimension line of B, inside the flume
    double t4_line_y;    // dimension line of T4, above the right haunch
    double t2_line_y;    // dimension line of T2, below the slab
    double h_line_x;     // dimension line of H; its label goes to the outer side
    double t3_line_x;    // dimension line of T3, right of the slab
    double extension;    // how far extension lines pass their dimension line

    double slab_bottom() const { return slab_top + t3; }
    double slab_right() const { return slab_left + 2 * t2 + b; }
    double inner_left() const { return slab_left + t2; }
    double inner_right() const { return inner_left() + b; }
};

void draw_outline(Canvas &canvas, const SectionLayout &g)
{
    const double bottom = g.slab_bottom();
    canvas.outline(QPolygonF({
        {g.inner_left() - g.t1, g.wall_top},
        {g.slab_left, g.slab_top},
        {g.slab_left, bottom},
        {g.slab_right(), bottom},
        {g.slab_right(), g.slab_top},
        {g.inner_right() + g.t1, g.wall_top},
        {g.inner_right(), g.wall_top},
        {g.inner_right(), g.slab_top - g.t4},
        {g.inner_right() - g.t4, g.slab_top},
        {g.inner_left() + g.t4, g.slab_top},
        {g.inner_left(), g.slab_top - g.t4},
        {g.inner_left(), g.wall_top},
    }));
}

void draw_dimensions(Canvas &canvas, const SectionLayout &g)
{
    const double label = g.label;
    const double ext = g.extension;
    const double gap = 0.25 * label;
    const Qt::Alignment below = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment above = Qt::AlignHCenter | Qt::AlignBottom;

    // T1 across the top of the left wall.
    const double t1_left = g.inner_left() - g.t1;
    canvas.line({t1_left, g.wall_top - gap}, {t1_left, g.t1_line_y - ext});
    canvas.line({g.inner_left(), g.wall_top - gap}, {g.inner_left(), g.t1_line_y - ext});
    canvas.dimension({t1_left, g.t1_line_y}, {g.inner_left(), g.t1_line_y}, g.head);
    canvas.text("T1", {t1_left + g.t1 / 2, g.t1_line_y - gap}, label, above);

    // B between the inner faces.
    canvas.dimension({g.inner_left(), g.b_line_y}, {g.inner_right(), g.b_line_y}, g.head);
    canvas.text("B", {(g.inner_left() + g.inner_right()) / 2, g.b_line_y - gap}, label, above);

    // T4 over the right haunch.
    const double haunch_left = g.inner_right() - g.t4;
    canvas.line({haunch_left, g.slab_top - gap}, {haunch_left, g.t4_line_y - ext});
    canvas.dimension({haunch_left, g.t4_line_y}, {g.inner_right(), g.t4_line_y}, g.head);
    canvas.text("T4", {haunch_left - gap, g.t4_line_y}, label, Qt::AlignRight | Qt::AlignVCenter);

    // T2 below the slab, from its edge to the line of the inner face.
    const double bottom = g.slab_bottom();
    canvas.line({g.slab_left, bottom + gap}, {g.slab_left, g.t2_line_y + ext});
    canvas.line({g.inner_left(), bottom + gap}, {g.inner_left(), g.t2_line_y + ext});
    canvas.dimension({g.slab_left, g.t2_line_y}, {g.inner_left(), g.t2_line_y}, g.head);
    canvas.text("T2", {g.slab_left + g.t2 / 2, g.t2_line_y + gap}, label, below);

    // H from the wall top to the top of the slab, beside the section.
    const bool h_left = g.h_line_x < g.slab_left;
    const double h_top_x = h_left ? g.inner_left() - g.t1 : g.inner_right() + g.t1;
    const double h_bottom_x = h_left ? g.slab_left : g.slab_right();
    const double h_ext = h_left ? g.h_line_x - ext : g.h_line_x + ext;
    const double side = h_left ? -gap : gap;
    canvas.line({h_top_x + side, g.wall_top}, {h_ext, g.wall_top});
    canvas.line({h_bottom_x + side, g.slab_top}, {h_ext, g.slab_top});
    canvas.dimension({g.h_line_x, g.wall_top}, {g.h_line_x, g.slab_top}, g.head);
    canvas.text("H", {g.h_line_x + side, (g.wall_top + g.slab_top) / 2}, label,
                (h_left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);

    // T3, the slab thickness, right of the section.
    canvas.line({g.slab_right() + gap, g.slab_top}, {g.t3_line_x + ext, g.slab_top});
    canvas.line({g.slab_right() + gap, bottom}, {g.t3_line_x + ext, bottom});
    canvas.dimension({g.t3_line_x, g.slab_top}, {g.t3_line_x, bottom}, g.head);
    canvas.text("T3", {g.t3_line_x + gap, (g.slab_top + bottom) / 2}, label, Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

void draw_flume_section(QPainter &painter, const QRectF &target)
{
    Canvas canvas(painter, target, natural_size(Picture::FlumeSection));
    SectionLayout g{};
    g.slab_left = 560;
    g.t1 = 300;
    g.t2 = 520;
    g.t3 = 380;
    g.t4 = 300;
    g.b = 2940;
    g.wall_top = 480;
    g.slab_top = 2910;
    g.label = 220;
    g.head = 110;
    g.t1_line_y = 320;
    g.b_line_y = 1300;
    g.t4_line_y = 2380;
    g.t2_line_y = 3520;
    g.h_line_x = 300;
    g.t3_line_x = 4760;
    g.extension = 60;
    draw_outline(canvas, g);
    draw_dimensions(canvas, g);
}

void draw_shape_input_diagram(QPainter &painter, const QRectF &target)
{
    Canvas canvas(painter, target, natural_size(Picture::ShapeInputDiagram));
    SectionLayout g{};
    g.slab_left = 620;
    g.t1 = 170;
    g.t2 = 270;
    g.t3 = 240;
    g.t4 = 190;
    g.b = 1320;
    g.wall_top = 400;
    g.slab_top = 2760;
    g.label = 180;
    g.head = 90;
    g.t1_line_y = 270;
    g.b_line_y = 1050;
    g.t4_line_y = 2450;
    g.t2_line_y = 3230;
    g.h_line_x = 2720;
    g.t3_line_x = 2720;
    g.extension = 50;
    draw_outline(canvas, g);
    draw_dimensions(canvas, g);

    // The outer water level against the left wall, marked ▽, and its height H1 above the
    // underside of the bottom slab.
    const double water = 1700;
    const double line_x = 260;
    const double gap = 0.25 * g.label;
    const double wall_at_water = g.inner_left() - g.t1 - (g.t2 - g.t1) * (water - g.wall_top) / (g.slab_top - g.wall_top);
    canvas.line({line_x - g.extension, water}, {wall_at_water - gap, water});
    const double mark_x = (line_x + wall_at_water) / 2 + 40;
    canvas.outline(QPolygonF({{mark_x, water - 4}, {mark_x - 70, water - 120}, {mark_x + 70, water - 120}}), kThinLine);
    canvas.line({mark_x - 90, water + 55}, {mark_x + 90, water + 55});
    canvas.line({mark_x - 50, water + 105}, {mark_x + 50, water + 105});
    canvas.line({g.slab_left - gap, g.slab_bottom()}, {line_x - g.extension, g.slab_bottom()});
    canvas.dimension({line_x, water}, {line_x, g.slab_bottom()}, g.head);
    canvas.text("H1", {line_x - gap, (water + g.slab_bottom()) / 2}, g.label, Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace drawing::pictures
