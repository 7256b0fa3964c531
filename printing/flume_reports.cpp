#include "printing/flume_reports.h"

#include "flume/flume_sheet.h"

namespace printing {

FlumeSnapshot snapshot(const flume::FlumeSheet &sheet)
{
    FlumeSnapshot s;
    for (const flume::FieldInfo &field : flume::field_table)
        s.texts[std::size_t(field.field)] = sheet.text(field.field);
    s.case1_groundwater_formula = sheet.case1_groundwater_formula();
    return s;
}

ReportPage flume_report(flume::Page page, const FlumeSnapshot &sheet)
{
    switch (page) {
    case flume::Page::EarthPressure: return earth_pressure_report(sheet);
    case flume::Page::UpliftBearing: return uplift_bearing_report(sheet);
    case flume::Page::Case1: return case1_report(sheet);
    case flume::Page::Case2: return case2_report(sheet);
    case flume::Page::Case3: return case3_report(sheet);
    case flume::Page::ShapeInput: break;
    }
    return {};
}

void add_flume_border(ReportPage &page)
{
    page.line(500, 400, 11050, 400);
    page.line(11050, 400, 11050, 16000);
    page.line(500, 16000, 11050, 16000);
    page.line(500, 16000, 500, 400);
}

} // namespace printing
