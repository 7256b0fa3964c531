#pragma once

#include "printing/report_page.h"

#include <QList>
#include <QRectF>

namespace printing {

// Where each drawing step of a page puts ink, in twips: a text run's character cells from its
// position to the end of its last item, a line's span widened by the pen, a picture's or a
// formula's natural size, an image's rectangle. Font steps take no room. In the order of the steps.
QList<QRectF> page_extents(const ReportPage &page);

} // namespace printing
