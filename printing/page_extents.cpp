#include "printing/page_extents.h"

#include "printing/text_wrap.h"

namespace printing {

namespace {

constexpr double pen = 15;  // twips either side of a line's centre

struct ExtentOf {
    QList<QRectF> &extents;
    double point_size = 12;  // the renderer's size before the first font step

    void operator()(const FontStep &step) { point_size = step.point_size; }

    void operator()(const TextRunStep &step)
    {
        double width = 0;
        for (const QString &item : step.items)
            width += text_width(item, point_size);
        if (width > 0)
            extents.append(QRectF(step.x, step.y, width, text_height(point_size)));
    }

    void operator()(const LineStep &step)
    {
        extents.append(QRectF(QPointF(step.x1, step.y1), QPointF(step.x2, step.y2)).normalized().adjusted(-pen, -pen, pen, pen));
    }

    void operator()(const PictureStep &step) { extents.append(QRectF(QPointF(step.x, step.y), natural_size(step.picture))); }
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
