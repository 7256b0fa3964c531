#pragma once

#include "printing/print_document.h"
#include "printing/report_page.h"

#include <QList>
#include <QString>

class QWidget;

namespace print_dialog {

// Shows the pages as they will come out of the printer of this name (A4 portrait or landscape,
// origin at the printable area), fitted to the window's width in a window large enough to read it.
// Modal; the preview's own print button prints through the same drawing. Any printer name works:
// one that is not installed previews the plain A4 page.
void show_report_preview(QWidget *parent, const QString &printer_name, const QList<printing::ReportPage> &pages,
                         printing::PageOrientation orientation = printing::PageOrientation::Portrait);

} // namespace print_dialog
