#include "drawing/load_diagrams.h"

#include "drawing/picture.h"
#include "drawing/picture_canvas.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace drawing::pictures {

namespace {

constexpr double kLabel = 200;
constexpr double kHead = 100;
constexpr double kGap = 50;
constexpr double kPi = 3.14159265358979;

QPointF polar(QPointF centre, double radius, double degrees)
{
    // Angles counted anticlockwise on paper from the direction to the right; y grows downwards.
    const double a = degrees * kPi / 180;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

void arc(Canvas &canvas, QPointF centre, double radius, double from, double to)
{
    QPolygonF points;
    for (int i = 0; i <= 24; ++i)
        points.append(polar(centre, radius, from + (to - from) * i / 24));
    canvas.polyline(points, kThinLine);
}

void arrow(Canvas &canvas, QPointF from, QPointF tip, double head = kHead)
{
    canvas.line(from, tip, kThinLine);
    canvas.arrow_head(tip, from, head);
}

// The water-level mark ▽ standing on a level at x.
void water_mark(Canvas &canvas, double x, double level)
{
    canvas.outline(QPolygonF({{x, level - 4}, {x - 70, level - 120}, {x + 70, level - 120}}), kThinLine);
    canvas.line({x - 90, level + 55}, {x + 90, level + 55});
    canvas.line({x - 50, level + 105}, {x + 50, level + 105});
}

// A dimension with its label beside its middle.
void vertical_dimension(Canvas &canvas, double x, double top, double bottom, const QString &label, bool label_left)
{
    canvas.dimension({x, top}, {x, bottom}, kHead);
    canvas.text(label, {x + (label_left ? -kGap : kGap), (top + bottom) / 2}, kLabel,
                (label_left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void horizontal_dimension(Canvas &canvas, double y, double left, double right, const QString &label)
{
    canvas.dimension({left, y}, {right, y}, kHead);
    canvas.text(label, {(left + right) / 2, y - kGap}, kLabel, Qt::AlignHCenter | Qt::AlignBottom);
}

// The flume of the Case diagrams, in twips of a 7200-wide picture: inner faces vertical, outer
// faces from T1 at the top to T2 at the slab, haunches, the slab below; the walls' centre lines
// at the slab and the slab's centre line, which the Case inputs are measured from.
struct Flume {
    double wall_top = 700;
    double slab_top = 3000;
    double slab_bottom = 3350;
    double inner_left = 1650;
    double inner_right = 5050;
    double t1 = 150;
    double t2 = 250;
    double haunch = 200;

    double outer_left_top() const { return inner_left - t1; }
    double outer_left_bottom() const { return inner_left - t2; }
    double outer_right_top() const { return inner_right + t1; }
    double outer_right_bottom() const { return inner_right + t2; }
    double left_axis() const { return inner_left - t2 / 2; }
    double right_axis() const { return inner_right + t2 / 2; }
    double slab_axis() const { return (slab_top + slab_bottom) / 2; }
};

void draw_flume(Canvas &canvas, const Flume &f)
{
    canvas.outline(QPolygonF({
        {f.outer_left_top(), f.wall_top},
        {f.outer_left_bottom(), f.slab_top},
        {f.outer_left_bottom(), f.slab_bottom},
        {f.outer_right_bottom(), f.slab_bottom},
        {f.outer_right_bottom(), f.slab_top},
        {f.outer_right_top(), f.wall_top},
        {f.inner_right, f.wall_top},
        {f.inner_right, f.slab_top - f.haunch},
        {f.inner_right - f.haunch, f.slab_top},
        {f.inner_left + f.haunch, f.slab_top},
        {f.inner_left, f.slab_top - f.haunch},
        {f.inner_left, f.wall_top},
    }));
}

// The ground reaction WR pressing the slab up between the walls' centre lines, X from the left
// centre line to the section considered, and the spacing BL of the centre lines.
void draw_slab_inputs(Canvas &canvas, const Flume &f, double section_x)
{
    canvas.dash_dotted_line({f.left_axis(), f.wall_top - 200}, {f.left_axis(), 4180});
    canvas.dash_dotted_line({f.right_axis(), f.wall_top - 200}, {f.right_axis(), 4180});
    canvas.dash_dotted_line({f.outer_left_bottom() - 250, f.slab_axis()}, {f.outer_right_bottom() + 250, f.slab_axis()});
    canvas.dashed_line({section_x, f.slab_top - 250}, {section_x, 3960});
    for (int i = 0; i <= 8; ++i) {
        const double x = f.left_axis() + (f.right_axis() - f.left_axis()) * (i + 0.5) / 9.5 + 90;
        arrow(canvas, {x, f.slab_bottom + 300}, {x, f.slab_bottom + 15}, 80);
    }
    canvas.line({f.left_axis() + 90, f.slab_bottom + 300}, {f.right_axis() - 90, f.slab_bottom + 300});
    canvas.text("WR", {f.right_axis() - 120, f.slab_bottom + 320}, kLabel, Qt::AlignRight | Qt::AlignTop);
    horizontal_dimension(canvas, 3850, f.left_axis(), section_x, "X");
    horizontal_dimension(canvas, 4130, f.left_axis(), f.right_axis(), "BL");
}

// Water inside the flume up to its top, pressing the left wall outwards down to depth h'.
void draw_inner_water(Canvas &canvas, const Flume &f, double depth_y)
{
    water_mark(canvas, (f.inner_left + f.inner_right) / 2 + 600, f.wall_top);
    canvas.line({f.inner_left + 20, f.wall_top}, {f.inner_right - 20, f.wall_top});
    const double width = 700 * (depth_y - f.wall_top) / (f.slab_top - f.wall_top);
    canvas.polyline(QPolygonF({{f.inner_left, f.wall_top}, {f.inner_left + width, depth_y}, {f.inner_left, depth_y}}),
                    kThinLine);
    for (int i = 1; i <= 3; ++i) {
        const double y = f.wall_top + (depth_y - f.wall_top) * i / 3.5;
        const double w = width * (y - f.wall_top) / (depth_y - f.wall_top);
        arrow(canvas, {f.inner_left + w, y}, {f.inner_left + 15, y}, 80);
    }
    canvas.text(QString::fromUtf8("水圧"), {f.inner_left + width + 80, depth_y - 150}, kLabel,
                Qt::AlignLeft | Qt::AlignVCenter);
    canvas.dashed_line({f.inner_left - 60, depth_y}, {f.inner_left + width + 60, depth_y});
    vertical_dimension(canvas, f.inner_left + width + 900, f.wall_top, depth_y, "h'", false);
    canvas.line({f.inner_left + width + 100, depth_y}, {f.inner_left + width + 960, depth_y});
}

// Earth pressure against the left wall's outer face, growing with depth, from the top down to
// depth_y, with a uniform part from the surcharge where there is one.
void draw_earth_pressure(Canvas &canvas, const Flume &f, double depth_y, double surcharge_width)
{
    const double face = f.outer_left_bottom() - 40;
    const double width = surcharge_width + 650 * (depth_y - f.wall_top) / (f.slab_top - f.wall_top);
    canvas.polyline(QPolygonF({{face, f.wall_top}, {face - surcharge_width, f.wall_top}, {face - width, depth_y},
                               {face, depth_y}}),
                    kThinLine);
    for (int i = 1; i <= 3; ++i) {
        const double y = f.wall_top + (depth_y - f.wall_top) * i / 3.5;
        const double w = surcharge_width + (width - surcharge_width) * (y - f.wall_top) / (depth_y - f.wall_top);
        arrow(canvas, {face - w, y}, {face - 15, y}, 80);
    }
    canvas.text(QString::fromUtf8("土圧"), {face - width - 80, depth_y - 150}, kLabel, Qt::AlignRight | Qt::AlignVCenter);
    // The ground at the wall's top.
    canvas.line({150, f.wall_top}, {f.outer_left_top(), f.wall_top}, kOutline);
}

} // namespace

void draw_earth_pressure_diagram(QPainter &painter, const QRectF &target)
{
    Canvas canvas(painter, target, natural_size(Picture::EarthPressureDiagram));
    canvas.painter().translate(-560, -40);
    const double theta = 80;  // drawn angles, not the example's
    const double slope = 12;
    const double delta = 20;
    const QPointF foot(2000, 3100);
    const double height = 2000;
    const QPointF top(foot.x() + height / std::tan(theta * kPi / 180), foot.y() - height);

    // The wall, its back face from the foot to the top, and the level through its foot.
    canvas.outline(QPolygonF({top, {top.x() - 380, top.y()}, {foot.x() - 700, foot.y()}, foot}));
    canvas.line(foot, {foot.x() + 1200, foot.y()});
    arc(canvas, foot, 430, 0, theta);
    canvas.text(QString::fromUtf8("θ"), polar(foot, 560, theta / 2), kLabel, Qt::AlignHCenter | Qt::AlignVCenter);

    // The ground surface rising at i from the top of the wall, with the surcharge q on it.
    const double right = 5250;
    const auto ground = [&](double x) { return top.y() - (x - top.x()) * std::tan(slope * kPi / 180); };
    canvas.line(top, {right, ground(right)}, kOutline);
    canvas.dashed_line(top, {top.x() + 1500, top.y()});
    arc(canvas, top, 1200, 0, slope);
    canvas.text("i", polar(top, 1330, slope / 2), kLabel, Qt::AlignHCenter | Qt::AlignVCenter);
    QPolygonF tails;
    for (int i = 0; i < 6; ++i) {
        const double x = 2900 + i * 450;
        arrow(canvas, {x, ground(x) - 330}, {x, ground(x) - 20}, 80);
        tails.append({x, ground(x) - 330});
    }
    canvas.polyline(tails, kThinLine);
    canvas.text("q", {tails.last().x() + 80, tails.last().y()}, kLabel, Qt::AlignLeft | Qt::AlignVCenter);

    // PA on the back face at a third of its height, at δ to the face's normal.
    const QPointF at = foot + (top - foot) / 3;
    const double normal_out = theta - 90;  // the normal pointing into the soil
    const QPointF normal_end = polar(at, 1000, normal_out);
    canvas.dashed_line(at, normal_end);
    // The soil settles against the wall: PA leans downwards from the normal.
    const QPointF tail = polar(at, 1100, normal_out + delta);
    arrow(canvas, tail, at, 130);
    canvas.text("PA", {tail.x() + 60, tail.y()}, kLabel, Qt::AlignLeft | Qt::AlignBottom);
    arc(canvas, at, 750, normal_out, normal_out + delta);
    canvas.text(QString::fromUtf8("δ"), polar(at, 880, normal_out + delta / 2), kLabel, Qt::AlignLeft | Qt::AlignVCenter);
    canvas.text(QString::fromUtf8("背面の土"), {4300, 2400}, kLabel, Qt::AlignHCenter | Qt::AlignVCenter);

    // H, the height of the wall.
    const double line_x = 800;
    canvas.line({top.x() - 380 - kGap, top.y()}, {line_x - 60, top.y()});
    canvas.line({foot.x() - 700 - kGap, foot.y()}, {line_x - 60, foot.y()});
    vertical_dimension(canvas, line_x, top.y(), foot.y(), "H", true);
}

void draw_case1_load_diagram(QPainter &painter, const QRectF &target)
{
    Canvas canvas(painter, target, natural_size(Picture::Case1LoadDiagram));
    canvas.painter().translate(0, -250);
    const Flume f;
    draw_flume(canvas, f);
    const double groundwater = 1900;
    const double depth = 2450;
    draw_earth_pressure(canvas, f, f.slab_top, 150);
    // The surcharge on the ground behind the left wall.
    for (int i = 0; i < 4; ++i) {
        const double x = 350 + i * 300;
        arrow(canvas, {x, f.wall_top - 300}, {x, f.wall_top - 15}, 80);
    }
    canvas.line({350, f.wall_top - 300}, {1250, f.wall_top - 300});
    canvas.text("q", {1320, f.wall_top - 300}, kLabel, Qt::AlignLeft | Qt::AlignVCenter);
    // The groundwater level on both sides.
    canvas.dashed_line({150, groundwater}, {f.outer_left_top() - 40, groundwater});
    canvas.dashed_line({f.outer_right_top() + 40, groundwater}, {7050, groundwater});
    water_mark(canvas, 6100, groundwater);
    canvas.text(QString::fromUtf8("地下水位"), {6300, groundwater - 60}, kLabel * 0.9, Qt::AlignLeft | Qt::AlignBottom);

    // h: the section of the wall considered, measured from the wall's top.
    canvas.dashed_line({f.outer_left_top() - 200, depth}, {f.inner_left + 350, depth});
    canvas.line({f.inner_left + 60, f.wall_top}, {f.inner_left + 660, f.wall_top});
    vertical_dimension(canvas, f.inner_left + 600, f.wall_top, depth, "h", false);

    // H' from the wall top to the slab's centre line, H'1 from it up to the groundwater level.
    canvas.line({f.outer_right_top() + kGap, f.wall_top}, {6760, f.wall_top});
    canvas.line({f.outer_right_bottom() + 280, f.slab_axis()}, {6760, f.slab_axis()});
    vertical_dimension(canvas, 6700, f.wall_top, f.slab_axis(), "H'", false);
    vertical_dimension(canvas, 6000, groundwater, f.slab_axis(), "H'1", true);
    draw_slab_inputs(canvas, f, f.left_axis() + 1050);
}

void draw_case2_load_diagram(QPainter &painter, const QRectF &target)
{
    Canvas canvas(painter, target, natural_size(Picture::Case2LoadDiagram));
    canvas.painter().translate(-1000, -380);
    const Flume f;
    draw_flume(canvas, f);
    draw_inner_water(canvas, f, 2700);
    draw_slab_inputs(canvas, f, f.left_axis() + 1050);
}

void draw_case3_load_diagram(QPainter &painter, const QRectF &target)
{
    Canvas canvas(painter, target, natural_size(Picture::Case3LoadDiagram));
    canvas.painter().translate(0, -380);
    const Flume f;
    draw_flume(canvas, f);
    draw_inner_water(canvas, f, 2700);
    draw_earth_pressure(canvas, f, 2700, 0);
    draw_slab_inputs(canvas, f, f.left_axis() + 1050);
}

} // namespace drawing::pictures
