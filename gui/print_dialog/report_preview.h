#pragma once

#include "printing/report_page.h"

#include <QList>
#include <QString>

class QWidget;

namespace print_dialog {

// Shows the pages as they will come out of the printer of this name (A4 portrait, origin at the
// printable area), fitted to the window's width in a window large enough to read it. Modal; the
// preview's own print button prints through the same drawing. Any printer name works: one that is
// not installed previews the plain A4 page.
void show_report_preview(QWidget *parent, const QString &printer_name, const QList<printing::ReportPage> &pages);

} // namespace print_dialog
