#include "printing/pdf_output.h"

#include "printing/report_renderer.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace printing {

bool write_report_pdf(const QString &path, const QList<ReportPage> &pages, const QString &title, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (pages.isEmpty())
        return fail(QStringLiteral("no page to write"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());

    bool drawn = true;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QCoreApplication::applicationName());
        writer.setTitle(title);
        const double origin_pt = pdf_origin_twips / 20.0;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(origin_pt, origin_pt, origin_pt, origin_pt), QPageLayout::Point));
        QPainter painter;
        if (!painter.begin(&writer))
            return fail(QStringLiteral("cannot start the PDF document"));
        for (qsizetype i = 0; i < pages.size() && drawn; ++i) {
            if (i > 0 && !writer.newPage())
                drawn = false;
            else
                drawn = render_report(painter, pages[i]);
        }
        if (!painter.end())
            drawn = false;
    }
    if (!drawn) {
        file.cancelWriting();
        return fail(QStringLiteral("drawing the pages failed"));
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace printing
