#include "gui/print_dialog/report_preview.h"

#include "gui/print_dialog/print_job.h"
#include "gui/print_dialog/printer_choice.h"
#include "printing/report_renderer.h"

#include <QAction>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

namespace print_dialog {

namespace {

// Large enough that 12 pt report text reads comfortably at fit-to-width, within the screen.
QSize readable_size(const QWidget *parent)
{
    QScreen *screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return QSize(qMin(900, available.width() * 9 / 10), available.height() * 9 / 10);
}

} // namespace

void show_report_preview(QWidget *parent, const QString &printer_name, const QList<printing::ReportPage> &pages,
                         printing::PageOrientation orientation)
{
    QPrinter printer(QPrinter::HighResolution);
    if (printer_installed(printer_name))
        printer.setPrinterName(printer_name);
    set_report_page(printer, orientation);

    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("report_preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&pages](QPrinter *target) {
        QPainter painter(target);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0)
                target->newPage();
            render_report(painter, pages[i]);
        }
    });
    // Through the dialog's own action, so that its zoom buttons show the mode.
    if (auto *fit_width = preview.findChild<QAction *>(QStringLiteral("fitWidthAction")))
        fit_width->trigger();
    else if (auto *view = preview.findChild<QPrintPreviewWidget *>())
        view->fitToWidth();
    preview.resize(readable_size(parent));
    // The keyboard starts on the pages, so that PageDown and the arrows turn them at once.
    if (auto *view = preview.findChild<QPrintPreviewWidget *>()) {
        if (auto *pages_view = view->findChild<QGraphicsView *>())
            pages_view->setFocus(Qt::OtherFocusReason);
    }
    preview.exec();
}

} // namespace print_dialog
