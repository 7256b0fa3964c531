#pragma once

#include "flume/field.h"
#include "members/member_check.h"
#include "printing/report_page.h"

#include <QList>
#include <QString>
#include <array>

namespace flume {
class FlumeSheet;
}

namespace printing {

// The texts of the flume window's fields at the moment a report is made, with the Case 1 formula
// set and the member check. Reports read only this, so a page always shows one consistent state.
struct FlumeSnapshot {
    std::array<QString, flume::field_count> texts;
    bool case1_groundwater_formula = false;
    members::MemberCheckReport member_check;

    const QString &operator[](flume::Field f) const { return texts[std::size_t(f)]; }
};

FlumeSnapshot snapshot(const flume::FlumeSheet &sheet, const members::MemberCheckInputs &member_inputs = {});

// The snapshot a page's report is drawn from as its print entry prints it: with the page open. The
// page in view keeps its carried slots as they stand; for any other page they hold what opening it
// would copy into them. The sheet itself is left as it is.
FlumeSnapshot page_snapshot(const flume::FlumeSheet &sheet, flume::Page page);

// The reports of the flume check, one A4 page each.
ReportPage earth_pressure_report(const FlumeSnapshot &sheet);   // 主働土圧
ReportPage uplift_bearing_report(const FlumeSnapshot &sheet);   // 浮上り・基礎地盤支持力の検討
ReportPage case1_report(const FlumeSnapshot &sheet);            // ケース .１
ReportPage case2_report(const FlumeSnapshot &sheet);            // ケース .２
ReportPage case3_report(const FlumeSnapshot &sheet);            // ケース .３
ReportPage member_check_report(const FlumeSnapshot &sheet);     // 部材の応力度照査

// The report of every page, keyed by the pages. Whether a page has a report is a flag of its own:
// the count below is taken at compile time, where a build with the sanitizers cannot compare a
// function's address with null.
struct ReportRow {
    flume::Page page;
    bool has_report;
    ReportPage (*make)(const FlumeSnapshot &);  // null for a page without a report
};
inline constexpr ReportRow report_table[] = {
    {flume::Page::ShapeInput, false, nullptr},
    {flume::Page::EarthPressure, true, earth_pressure_report},
    {flume::Page::UpliftBearing, true, uplift_bearing_report},
    {flume::Page::Case1, true, case1_report},
    {flume::Page::Case2, true, case2_report},
    {flume::Page::Case3, true, case3_report},
    {flume::Page::MemberCheck, true, member_check_report},
};
static_assert(flume::keyed_by_page(report_table));

// How many pages have a report.
inline constexpr std::size_t report_page_count = [] {
    std::size_t count = 0;
    for (const ReportRow &row : report_table)
        count += row.has_report;
    return count;
}();

// The pages that have a report, in the order of the pages: the プリント menu, the print dialog's
// print buttons, --pdf and the book take them from here.
QList<flume::Page> report_pages();

// The report of a page; an empty page for a page without one.
ReportPage flume_report(flume::Page page, const FlumeSnapshot &sheet);

// The border every flume report draws: a rectangle of four lines, in twips.
inline constexpr int border_left = 500, border_top = 400, border_right = 11050, border_bottom = 16000;
void add_flume_border(ReportPage &page);

} // namespace printing
