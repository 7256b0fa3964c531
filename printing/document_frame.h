#pragma once

#include "printing/report_page.h"

#include <QString>

namespace printing {

// The running head and page number of a numbered page of the calculation document, added after the
// page's own steps and outside all of them: the works' name in the top margin, right-aligned above
// the page's frame and clear of the page's own title (in a smaller size when it is too long, then
// shortened with "…"), and "- n -" centred in the bottom margin.
void add_document_frame(ReportPage &page, const QString &works_name, int page_number);

} // namespace printing
