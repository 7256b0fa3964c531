#pragma once

#include "printing/print_document.h"
#include "printing/report_page.h"

#include <QList>
#include <QString>

class QPrinter;

namespace print_dialog {

enum class PrintOutcome {
    Printed,        // the pages were drawn and the document ended
    NoSuchPrinter,  // no installed printer has the name (or the name is empty): nothing was sent
    PrinterFailed,  // the printer could not start the document, or drawing or ending it failed
};

// Sets the page every report is drawn on: A4 portrait (or landscape for a list that asks for it),
// whatever the printer's own settings, with the origin at the top-left corner of the printable area
// (zero margins, raised to the printer's least).
void set_report_page(QPrinter &printer, printing::PageOrientation orientation = printing::PageOrientation::Portrait);

// The print job of a report or a whole document: finds the installed printer of exactly this name,
// sets the report page, draws the pages one after another and ends the document, so that they go
// to the printer as one job. The name is checked first, since the print system sends a job for a
// name it does not know to the default printer. doc_name titles the job.
PrintOutcome print_report(const QString &printer_name, const QList<printing::ReportPage> &pages,
                          const QString &doc_name,
                          printing::PageOrientation orientation = printing::PageOrientation::Portrait);

} // namespace print_dialog
