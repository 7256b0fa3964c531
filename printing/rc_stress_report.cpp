#include "printing/rc_stress_report.h"

namespace printing {

SectionSnapshot snapshot(const rcstress::SectionSheet &sheet)
{
    SectionSnapshot s;
    for (const rcstress::FieldInfo &field : rcstress::field_table)
        s.texts[std::size_t(field.field)] = sheet.text(field.field);
    return s;
}

ReportPage rc_stress_report(const SectionSnapshot &sheet)
{
    using F = rcstress::Field;
    ReportPage page;
    page.font(17);
    page.text(2500, 500, {"鉄筋コンクリート応力度の検討（Kesmo）"});
    page.line(500, 1000, 11050, 1000);
    page.line(11050, 1000, 11050, 16000);
    page.line(11050, 16000, 500, 16000);
    page.line(500, 16000, 500, 1000);
    page.font(15);
    page.text(600, 1100, {"【入力データ】"});
    if (!sheet.member.isEmpty()) {
        // Inside the frame, right of the heading, where the input table's columns begin.
        page.font(12);
        page.text(4100, 1160, {"部材：", sheet.member});
    }

    page.font(12);
    page.text(4300, 1520, {"記号"});
    page.text(5400, 1520, {"数量"});
    page.text(6750, 1520, {"単位"});
    page.text(8400, 1520, {"備考"});
    struct InputRow {
        int top;
        const char *name;
        const char *symbol;
        F value;
        const char *unit;
        const char *remark;
    };
    // The paper's order: As, U, b, d, M, S.
    const InputRow rows[] = {
        {1820, "鉄筋量", "Ａｓ", F::rebar_area, "c㎡", "下表参照"},
        {2120, "鉄筋全周長", "Ｕ", F::rebar_perimeter, "cm", "下表参照"},
        {2420, "単位巾", "ｂ", F::unit_width, "cm", "計算長"},
        {2720, "総厚－鉄筋かぶり", "ｄ", F::effective_depth, "cm", "計算厚"},
        {3020, "設計曲げモーメント", "Ｍ", F::bending_moment, "N・cm", "計算結果より"},
        {3320, "設計せん断力", "Ｓ", F::shear_force, "N", "計算結果より"},
    };
    for (const InputRow &row : rows) {
        page.text(1560, row.top, {row.name});
        page.text(4300, row.top, {row.symbol});
        page.text(5100, row.top, {sheet[row.value]});
        page.text(6600, row.top, {row.unit});
        page.text(7400, row.top, {row.remark});
    }

    page.text(1800, 4000, {"鉄筋比 Ｐ＝Ａｓ/(ｂ×ｄ)"});
    page.text(5200, 4000, {"＝   ", sheet[F::steel_ratio]});
    page.text(1800, 4400, {"ｎ＝15の時"});
    page.formula(Picture::MorvikNeutralAxis, 3100, 4300, 5200, 4400, {"＝   ", sheet[F::neutral_axis_ratio]});
    page.text(1800, 4800, {"ｊ＝1-ｋ/3"});
    page.text(5200, 4800, {"＝   ", sheet[F::lever_arm_ratio]});

    page.font(15);
    page.text(600, 5500, {"【計算結果】"});
    page.font(10);
    page.text(1800, 6000, {"鉄筋コンクリート曲げ圧縮応力度（σｃ）"});
    page.text(1800, 7500, {"鉄筋の曲げ引張り応力度（σｓ）"});
    page.text(1800, 9000, {"コンクリートのせん断応力（τ）"});
    page.text(1800, 10500, {"付着応力度（τo）"});

    page.font(12);
    page.picture(Picture::AllowableStress1, 8300, 6000);
    page.fraction(Picture::MorvikConcreteStress, 2400, 6300, 4100, 6500, {"＝  ", sheet[F::concrete_stress]});
    page.picture(Picture::AllowableStress2, 8300, 7500);
    page.fraction(Picture::MorvikSteelStress, 2300, 7800, 4100, 8000, {"＝  ", sheet[F::steel_stress]});
    page.picture(Picture::AllowableStress3, 8300, 9000);
    page.fraction(Picture::MorvikShearStress, 2300, 9300, 4100, 9500, {"＝  ", sheet[F::shear_stress]});
    page.picture(Picture::AllowableStress4, 8300, 10500);
    page.fraction(Picture::MorvikBondStress, 2300, 10800, 4100, 11000, {"＝  ", sheet[F::bond_stress]});

    page.text(4800, 12500, {"－参考－"});
    page.picture(Picture::BarTableSmall, 4900, 13000);

    // The grid of the input table.
    page.line(4100, 1500, 10350, 1500);
    for (int top : {1800, 2100, 2400, 2700, 3000, 3300, 3600})
        page.line(1500, top, 10350, top);
    for (int left : {4100, 4900, 6500, 7310})
        page.line(left, 1500, left, 3600);
    page.line(1500, 1800, 1500, 3600);
    page.line(10350, 1500, 10350, 3600);
    return page;
}

} // namespace printing
