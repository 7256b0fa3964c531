#pragma once

#include "printing/pdf_finishing.h"
#include "printing/report_page.h"

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>

namespace printing {

// How the pages stand on the A4 paper: the reports upright, a wide list across.
enum class PageOrientation { Portrait, Landscape };

// What a print dialog prints as one job, previews and saves as PDF: the pages in order, the PDF's
// description, whose title also names the print job, the file name PDF保存 proposes, and how the
// pages stand on the paper.
struct PrintDocument {
    QList<ReportPage> pages;
    PdfDescription description;
    QString file_name;  // without ".pdf"
    PageOrientation orientation = PageOrientation::Portrait;
};

// Qt's orientation of a page layout.
QPageLayout::Orientation page_layout_orientation(PageOrientation orientation);

// The description of a PDF of reports, one bookmark per page with its report's title. The PDF is
// titled as its report when it holds one; a PDF of several reports has no title of its own and
// takes the name of the file it was made from.
PdfDescription reports_description(const QStringList &report_titles, const QString &file_name);

// One report as a document of its own, titled and named as the report.
PrintDocument single_report(const ReportPage &page, const QString &title);

} // namespace printing
