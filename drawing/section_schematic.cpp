#include "drawing/section_schematic.h"

#include "drawing/picture.h"
#include "drawing/picture_canvas.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace drawing::pictures {

namespace {

constexpr double kLabel = 220;
constexpr double kHead = 110;

QPointF on_circle(QPointF centre, double radius, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

// A moment arrow: an arc about centre from one angle to another (degrees, counter-clockwise as
// seen), with its head at the end.
void moment_arrow(Canvas &canvas, QPointF centre, double radius, double from, double to)
{
    QPainterPath arc(on_circle(centre, radius, from));
    const int steps = 24;
    for (int i = 1; i <= steps; ++i)
        arc.lineTo(on_circle(centre, radius, from + (to - from) * i / steps));
    QPen pen(Qt::black, kThinLine * 1.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    canvas.painter().setPen(pen);
    canvas.painter().setBrush(Qt::NoBrush);
    canvas.painter().drawPath(arc);
    const double back = to - (to - from) * 0.2;
    canvas.arrow_head(on_circle(centre, radius, to), on_circle(centre, radius, back), kHead);
}

} // namespace

void draw_section_schematic(QPainter &painter, const QRectF &target)
{
    Canvas canvas(painter, target, natural_size(Picture::Schematic));
    const double gap = 0.25 * kLabel;
    const double ext = 60;

    // The section of unit width b, with its bars near the tension face.
    const QRectF section(1500, 700, 3000, 1650);
    const double bar_y = section.bottom() - 420;
    canvas.outline(QPolygonF(section));
    const int bars = 5;
    for (int i = 0; i < bars; ++i) {
        const double x = section.left() + section.width() * (i + 0.5) / bars;
        canvas.circle({x, bar_y}, 95, true);
    }

    // Unit width b above the section.
    const double b_y = 440;
    canvas.line({section.left(), section.top() - gap}, {section.left(), b_y - ext});
    canvas.line({section.right(), section.top() - gap}, {section.right(), b_y - ext});
    canvas.dimension({section.left(), b_y}, {section.right(), b_y}, kHead);
    canvas.text(QString::fromUtf8("単位巾 ｂ"), {section.center().x(), b_y - gap}, kLabel,
                Qt::AlignHCenter | Qt::AlignBottom);

    // Total thickness on the right.
    const double total_x = 4850;
    canvas.line({section.right() + gap, section.top()}, {total_x + ext, section.top()});
    canvas.line({section.right() + gap, section.bottom()}, {total_x + ext, section.bottom()});
    canvas.dimension({total_x, section.top()}, {total_x, section.bottom()}, kHead);
    canvas.text(QString::fromUtf8("総厚"), {total_x + gap, section.center().y()}, kLabel, Qt::AlignLeft | Qt::AlignVCenter);

    // Effective depth d and cover on the left, chained at the level of the bars.
    const double depth_x = 1150;
    canvas.line({section.left() - gap, section.top()}, {depth_x - ext, section.top()});
    canvas.line({section.left() - gap, section.bottom()}, {depth_x - ext, section.bottom()});
    canvas.dash_dotted_line({depth_x - ext, bar_y}, {section.right(), bar_y}, 8);
    canvas.dimension({depth_x, section.top()}, {depth_x, bar_y}, kHead);
    canvas.dimension({depth_x, bar_y}, {depth_x, section.bottom()}, kHead);
    canvas.text(QString::fromUtf8("計算長 ｄ"), {depth_x - gap, (section.top() + bar_y) / 2}, kLabel,
                Qt::AlignRight | Qt::AlignVCenter);
    canvas.text(QString::fromUtf8("かぶり"), {depth_x - gap, (bar_y + section.bottom()) / 2}, kLabel,
                Qt::AlignRight | Qt::AlignVCenter);

    // A piece of the slab seen from the side, bent by the moment M (sagging, tension on the
    // side of the bars) and sheared by S, the forces on its two end faces.
    const QRectF piece(5900, 950, 1250, 1000);
    canvas.outline(QPolygonF(piece));
    canvas.dashed_line({piece.left(), piece.bottom() - 250}, {piece.right(), piece.bottom() - 250}, 14);
    const double radius = 470;
    const QPointF left_face(piece.left(), piece.center().y());
    const QPointF right_face(piece.right(), piece.center().y());
    moment_arrow(canvas, left_face, radius, 232, 128);
    moment_arrow(canvas, right_face, radius, -52, 52);
    canvas.text(QString::fromUtf8("Ｍ"), on_circle(left_face, radius + 40, 128), kLabel,
                Qt::AlignRight | Qt::AlignBottom);
    canvas.text(QString::fromUtf8("Ｍ"), on_circle(right_face, radius + 40, 52), kLabel,
                Qt::AlignLeft | Qt::AlignBottom);
    const double shear_left = piece.left() - 110;
    const double shear_right = piece.right() + 110;
    canvas.line({shear_left, piece.bottom() + 150}, {shear_left, piece.top() - 50}, kThinLine * 1.6);
    canvas.arrow_head({shear_left, piece.top() - 120}, {shear_left, piece.bottom()}, kHead);
    canvas.line({shear_right, piece.top() - 150}, {shear_right, piece.bottom() + 50}, kThinLine * 1.6);
    canvas.arrow_head({shear_right, piece.bottom() + 120}, {shear_right, piece.top()}, kHead);
    canvas.text(QString::fromUtf8("Ｓ"), {shear_left, piece.bottom() + 190}, kLabel, Qt::AlignHCenter | Qt::AlignTop);
    canvas.text(QString::fromUtf8("Ｓ"), {shear_right, piece.top() - 190}, kLabel, Qt::AlignHCenter | Qt::AlignBottom);

    // What the two bar quantities of the input mean.
    const double definitions = 300;
    canvas.text(QString::fromUtf8("Ａｓ鉄筋量＝断面積×本数"), {1150, 3800}, definitions, Qt::AlignLeft | Qt::AlignTop);
    canvas.text(QString::fromUtf8("Ｕ全周長＝周長×本数"), {1150, 4450}, definitions, Qt::AlignLeft | Qt::AlignTop);
}

} // namespace drawing::pictures
