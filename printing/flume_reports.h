#pragma once

#include "flume/field.h"
#include "printing/report_page.h"

#include <QString>
#include <array>

namespace flume {
class FlumeSheet;
}

namespace printing {

// The texts of the flume window's fields at the moment a report is made, with the Case 1 formula
// set. Reports read only this, so a page always shows one consistent state.
struct FlumeSnapshot {
    std::array<QString, flume::field_count> texts;
    bool case1_groundwater_formula = false;

    const QString &operator[](flume::Field f) const { return texts[std::size_t(f)]; }
};

FlumeSnapshot snapshot(const flume::FlumeSheet &sheet);

// The five reports of the flume check, one A4 page each.
ReportPage earth_pressure_report(const FlumeSnapshot &sheet);   // 主働土圧
ReportPage uplift_bearing_report(const FlumeSnapshot &sheet);   // 浮上り・基礎地盤支持力の検討
ReportPage case1_report(const FlumeSnapshot &sheet);            // ケース .１
ReportPage case2_report(const FlumeSnapshot &sheet);            // ケース .２
ReportPage case3_report(const FlumeSnapshot &sheet);            // ケース .３

// The report of a calculation page (page 1 to 5).
ReportPage flume_report(flume::Page page, const FlumeSnapshot &sheet);

// The border every flume report draws: a rectangle (500, 400)–(11050, 16000) of four lines.
void add_flume_border(ReportPage &page);

} // namespace printing
