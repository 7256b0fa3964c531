#include "printing/report_renderer.h"

#include "drawing/picture_fonts.h"
#include "drawing/report_font.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace printing {

namespace {

// Twips to the painter's units: the device's resolution decides the scale, nothing else.
struct TwipScale {
    double x;
    double y;
    QPointF point(int tx, int ty) const { return {tx * x, ty * y}; }
};

class StepPainter
{
public:
    StepPainter(QPainter &painter, TwipScale scale) : painter_(painter), scale_(scale)
    {
        painter_.setPen(QPen(Qt::black, 0, Qt::SolidLine));  // width 0: one device pixel
        painter_.setBrush(Qt::NoBrush);
        painter_.setClipping(false);
        set_font(12);
    }

    void operator()(const FontStep &step) { set_font(step.point_size, step.face); }

    void operator()(const TextRunStep &step)
    {
        const QPointF origin = scale_.point(step.x, step.y);
        const QFontMetricsF metrics(painter_.font(), painter_.device());
        double x = origin.x();
        const double y = baseline(step.y);
        for (const QString &item : step.items) {
            if (item.isEmpty())
                continue;
            painter_.drawText(QPointF(x, y), item);
            x += metrics.horizontalAdvance(item);
        }
    }

    void operator()(const LineStep &step)
    {
        painter_.drawLine(scale_.point(step.x1, step.y1), scale_.point(step.x2, step.y2));
    }

    void operator()(const PictureStep &step)
    {
        const QSizeF size = natural_size(step.picture);
        const QRectF target(scale_.point(step.x, step.y), QSizeF(size.width() * scale_.x, size.height() * scale_.y));
        std::optional<drawing::FormulaLine> value_line;
        if (step.value_y && step.bar_on_sign)
            value_line = drawing::FormulaLine{baseline(*step.value_y) + sign_middle(), true};
        else if (step.value_y)
            value_line = drawing::FormulaLine{baseline(*step.value_y)};
        painter_.save();
        draw_picture(painter_, step.picture, target, drawing::paper, value_line);
        painter_.restore();
    }

    void operator()(const ImageStep &step)
    {
        const QRectF target(scale_.point(step.x, step.y), QSizeF(step.width * scale_.x, step.height * scale_.y));
        painter_.save();
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(target, step.image);
        painter_.restore();
    }

    void operator()(const FormulaStep &step)
    {
        const QSizeF size = drawing::worked_formula_size(step.formula);
        const QRectF target(scale_.point(step.x, step.y), QSizeF(size.width() * scale_.x, size.height() * scale_.y));
        painter_.save();
        drawing::draw_worked_formula(painter_, step.formula, target);
        painter_.restore();
    }

private:
    // The baseline of a run of the current font whose character cells' top is at y.
    double baseline(int y) const
    {
        return scale_.point(0, y).y() + QFontMetricsF(painter_.font(), painter_.device()).ascent();
    }

    // The middle of the ink of the reports' "＝" in the current size, from its baseline (upwards
    // negative), measured on the glyph's outline.
    double sign_middle() const
    {
        const double em = painter_.font().pointSizeF() * painter_.device()->logicalDpiY() / 72.0;
        return drawing::pictures::text_ink(QStringLiteral("＝"), drawing::pictures::Face::Gothic, em).center().y();
    }

    void set_font(double point_size, drawing::TextFace face = drawing::TextFace::Gothic)
    {
        painter_.setFont(QFont(drawing::text_font(face, point_size), painter_.device()));
    }

    QPainter &painter_;
    TwipScale scale_;
};

} // namespace

bool render_report(QPainter &painter, const ReportPage &page)
{
    QPaintDevice *device = painter.device();
    if (!painter.isActive() || !device)
        return false;
    const TwipScale scale{device->logicalDpiX() / 1440.0, device->logicalDpiY() / 1440.0};
    painter.save();
    StepPainter steps(painter, scale);
    for (const ReportStep &step : page.steps)
        std::visit(steps, step);
    painter.restore();
    return painter.isActive();
}

} // namespace printing
