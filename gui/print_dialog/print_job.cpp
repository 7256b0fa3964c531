#include "gui/print_dialog/print_job.h"

#include "gui/print_dialog/printer_choice.h"
#include "gui/print_dialog/spooler.h"
#include "printing/report_renderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace print_dialog {

void set_report_page(QPrinter &printer, printing::PageOrientation orientation)
{
    printer.setFullPage(false);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(printing::page_layout_orientation(orientation));
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

PrintOutcome print_report(const QString &printer_name, const QList<printing::ReportPage> &pages,
                          const QString &doc_name, printing::PageOrientation orientation)
{
    if (!printer_installed(printer_name))
        return PrintOutcome::NoSuchPrinter;

    QPrinter &printer = printer_for(printer_name);
    printer.setPrinterName(printer_name);
    printer.setOutputFileName(QString());
    printer.setDocName(doc_name);
    set_report_page(printer, orientation);

    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::PrinterFailed;
    // A failure while drawing still ends the document, so that what was drawn is not left pending.
    bool drawn = !pages.isEmpty();
    for (qsizetype i = 0; i < pages.size() && drawn; ++i)
        drawn = (i == 0 || printer.newPage()) && render_report(painter, pages[i]);
    const bool ended = painter.end();
    if (!drawn || !ended || printer.printerState() == QPrinter::Error || spooler_refused_last_job())
        return PrintOutcome::PrinterFailed;
    return PrintOutcome::Printed;
}

} // namespace print_dialog
