#pragma once

#include "printing/report_page.h"

#include <QString>

namespace printing {

// The running head and page number of a numbered page of the calculation document, added after the
// page's own steps and outside all of them: in the top margin the chapter ("3　主働土圧"), when
// given, at the left or right of what the page draws there, and the works' name right-aligned
// above the page's frame and clear of both (in a smaller size when it is too long, then shortened
// with "…"); "- n -" centred in the bottom margin.
void add_document_frame(ReportPage &page, const QString &works_name, int page_number, const QString &chapter = {});

} // namespace printing
