#pragma once

#include "printing/report_page.h"
#include "rcstress/section_sheet.h"

#include <QString>
#include <array>

namespace printing {

// The texts of Morvik's fields at the moment its report is made.
struct SectionSnapshot {
    std::array<QString, rcstress::field_count> texts;
    QString member;  // the Case member whose forces were handed over; empty for a section typed by hand

    const QString &operator[](rcstress::Field f) const { return texts[std::size_t(f)]; }
};

SectionSnapshot snapshot(const rcstress::SectionSheet &sheet);

// 鉄筋コンクリート応力度の検討: the inputs as a table, P, k and j, the four stresses beside their
// formulas and allowable-stress tables, and the deformed-bar table for reference; for a member's
// forces, a line naming the member under the title. One A4 page.
ReportPage rc_stress_report(const SectionSnapshot &sheet);

} // namespace printing
