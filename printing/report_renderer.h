#pragma once

#include "printing/report_page.h"

class QPainter;

namespace printing {

// Draws a report page on any painter (printer, PDF, preview, image). The painter's device
// resolution decides the scale: twips × dpi / 1440. Returns false when the painter failed.
bool render_report(QPainter &painter, const ReportPage &page);

} // namespace printing
