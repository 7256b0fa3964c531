#include "printing/print_document.h"

#include "common/file_name.h"

namespace printing {

PdfDescription reports_description(const QStringList &report_titles, const QString &file_name)
{
    PdfDescription description;
    description.title = report_titles.size() == 1 ? report_titles.constFirst() : file_name;
    for (int i = 0; i < report_titles.size(); ++i)
        description.bookmarks.append({report_titles[i], i, 0, 0});
    return description;
}

QPageLayout::Orientation page_layout_orientation(PageOrientation orientation)
{
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

PrintDocument single_report(const ReportPage &page, const QString &title)
{
    return {{page}, reports_description({title}, title), common::file_name_for(title)};
}

} // namespace printing
