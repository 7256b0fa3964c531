#include "printing/pdf_output.h"

#include "common/safe_file_write.h"
#include "printing/report_renderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace printing {

bool write_report_pdf(const QString &path, const QList<ReportPage> &pages, const PdfDescription &description,
                      QString *error, common::ReadOnlyFile read_only, PageOrientation orientation)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (pages.isEmpty())
        return fail(QStringLiteral("書き出すページがありません。"));

    // The document is made in memory and written in one piece, so that the file is replaced only by
    // a whole document.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    bool drawn = true;
    {
        QPdfWriter writer(&document);
        writer.setCreator(QCoreApplication::applicationName());
        const double origin_pt = pdf_origin_twips / 20.0;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), page_layout_orientation(orientation),
                                         QMarginsF(origin_pt, origin_pt, origin_pt, origin_pt), QPageLayout::Point));
        QPainter painter;
        if (!painter.begin(&writer))
            return fail(QStringLiteral("PDF の文書を作り始められませんでした。"));
        for (qsizetype i = 0; i < pages.size() && drawn; ++i) {
            if (i > 0 && !writer.newPage())
                drawn = false;
            else
                drawn = render_report(painter, pages[i]);
        }
        if (!painter.end())
            drawn = false;
    }
    if (!drawn)
        return fail(QStringLiteral("ページを PDF に描けませんでした。"));
    QString reason;
    const std::optional<QByteArray> finished = finish_pdf(document.data(), description, &reason);
    if (!finished)
        return fail(reason);
    if (const common::FileResult written = common::write_file_safely(path, *finished, read_only); !written)
        return fail(written.reason);
    return true;
}

bool write_document_pdf(const QString &path, const PrintDocument &document, QString *error, common::ReadOnlyFile read_only)
{
    return write_report_pdf(path, document.pages, document.description, error, read_only, document.orientation);
}

} // namespace printing
