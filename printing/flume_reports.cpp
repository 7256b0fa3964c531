#include "printing/flume_reports.h"

#include "flume/flume_sheet.h"
#include "flume/page_chain.h"

namespace printing {

FlumeSnapshot snapshot(const flume::FlumeSheet &sheet, const members::MemberCheckInputs &member_inputs)
{
    FlumeSnapshot s;
    for (const flume::FieldInfo &field : flume::field_table)
        s.texts[std::size_t(field.field)] = sheet.text(field.field);
    s.case1_groundwater_formula = sheet.case1_groundwater_formula();
    s.member_check = members::check_members(member_inputs, sheet);
    return s;
}

FlumeSnapshot page_snapshot(const flume::FlumeSheet &sheet, flume::Page page)
{
    FlumeSnapshot s = snapshot(sheet);
    if (sheet.current_page() != page) {
        for (const flume::CarriedSlot &slot : flume::carried_slots(page))
            s.texts[std::size_t(slot.slot)] = sheet.text(slot.source);
    }
    return s;
}

using flume::Page;

QList<flume::Page> report_pages()
{
    QList<Page> pages;
    for (const ReportRow &row : report_table) {
        if (row.has_report)
            pages.append(row.page);
    }
    return pages;
}

ReportPage flume_report(flume::Page page, const FlumeSnapshot &sheet)
{
    const ReportRow &row = report_table[std::size_t(page)];
    return row.has_report ? row.make(sheet) : ReportPage{};
}

void add_flume_border(ReportPage &page)
{
    page.line(border_left, border_top, border_right, border_top);
    page.line(border_right, border_top, border_right, border_bottom);
    page.line(border_left, border_bottom, border_right, border_bottom);
    page.line(border_left, border_bottom, border_left, border_top);
}

} // namespace printing
