#include "printing/page_extents.h"

#include "printing/text_measure.h"

namespace printing {

namespace {

constexpr double pen = 15;  // twips either side of a line's centre

struct ExtentOf {
    QList<QRectF> &extents;
    double point_size = 12;  // the renderer's size and face before the first font step
    drawing::TextFace face = drawing::TextFace::Gothic;

    void operator()(const FontStep &step)
    {
        point_size = step.point_size;
        face = step.face;
    }

    void operator()(const TextRunStep &step)
    {
        double width = 0;
        for (const QString &item : step.items)
            width += text_width(item, point_size, face);
        if (width > 0)
            extents.append(QRectF(step.x, step.y, width, text_height(point_size, face)));
    }

    void operator()(const LineStep &step)
    {
        extents.append(QRectF(QPointF(step.x1, step.y1), QPointF(step.x2, step.y2)).normalized().adjusted(-pen, -pen, pen, pen));
    }

    void operator()(const PictureStep &step) { extents.append(QRectF(QPointF(step.x, step.y), natural_size(step.picture))); }

    void operator()(const ImageStep &step) { extents.append(QRectF(step.x, step.y, step.width, step.height)); }

    void operator()(const FormulaStep &step)
    {
        extents.append(QRectF(QPointF(step.x, step.y), drawing::worked_formula_size(step.formula)));
    }
};

} // namespace

QList<QRectF> page_extents(const ReportPage &page)
{
    QList<QRectF> extents;
    ExtentOf extent{extents};
    for (const ReportStep &step : page.steps)
        std::visit(extent, step);
    return extents;
}

} // namespace printing
