// 浮上りに対する検討 / 基礎地盤支持力の検討: the uplift check (Fs) above, the foundation bearing check
// (qmax) below a line across the border; both halves list the same shape dimensions.
#include "printing/flume_reports.h"

namespace printing {

namespace {

// The input rows shared by both halves, dy twips below the upper half; the first line of H1's
// label differs between the halves.
void add_shape_inputs(ReportPage &page, const FlumeSnapshot &sheet, int dy, const QString &h1_label)
{
    using F = flume::Field;
    page.text(700, 1500 + dy, {"水路断面部材厚　　"});
    page.text(3550, 1500 + dy, {"Ｔ1 : ", sheet[F::t1], " m"});
    page.text(700, 1800 + dy, {"水路断面部材厚　　"});
    page.text(3550, 1800 + dy, {"Ｔ2 : ", sheet[F::t2], " m"});
    page.text(700, 2100 + dy, {"水路断面部材厚　　"});
    page.text(3550, 2100 + dy, {"Ｔ3 : ", sheet[F::t3], " m"});
    page.text(700, 2400 + dy, {"ハンチの寸法　　　"});
    page.text(3550, 2400 + dy, {"Ｔ4 : ", sheet[F::t4], " m"});
    page.text(700, 2700 + dy, {"壁高　　　　　　　"});
    page.text(3670, 2700 + dy, {"Ｈ : ", sheet[F::wall_height], " m"});
    page.text(700, 3000 + dy, {h1_label});
    page.text(3550, 3000 + dy, {"Ｈ1 : ", sheet[F::outer_water_height], " m"});
    page.text(700, 3300 + dy, {"　外水位までの高さ"});
    page.text(700, 3600 + dy, {"水路内幅　　　　　"});
    page.text(3690, 3600 + dy, {"Ｂ : ", sheet[F::inner_width], " m"});
    page.text(700, 3900 + dy, {"（主慟土圧より）"});
    page.text(3690, 3900 + dy, {"Pv : ", sheet[F::carried_1], " KN/m"});
    page.text(700, 4200 + dy, {"水の単位体積重量　"});
    page.text(3575, 4200 + dy, {"γw : ", sheet[F::water_unit_weight], " KN/m3"});
    page.text(700, 4500 + dy, {"フルームの単位体積重量"});
    page.text(3450, 4500 + dy, {"γsc : ", sheet[F::flume_unit_weight], " KN/m3"});
}

} // namespace

ReportPage uplift_bearing_report(const FlumeSnapshot &sheet)
{
    using F = flume::Field;
    ReportPage page;
    page.font(17);
    page.text(4500, 500, {"浮上りに対する検討"});
    add_flume_border(page);
    page.font(15);
    page.text(600, 1000, {"【入力データ】"});
    page.picture(Picture::FlumeSection, 5600, 1300);
    page.font(12);
    add_shape_inputs(page, sheet, 0, QStringLiteral("水路底版底面から　"));
    page.font(15);
    page.text(600, 5600, {"【計算結果】"});
    page.font(12);
    page.text(2300, 5700, {"※ Fs ＞ 1.2"});
    page.formula(Picture::UpliftSafetyFactor, 2600, 6100, 7300, 6300, {sheet[F::uplift_safety_factor]});
    page.text(1900, 6300, {"安全率"});

    page.line(500, 7300, 11050, 7300);
    page.font(17);
    page.text(4500, 7500, {"基礎地盤支持力の検討"});
    page.font(15);
    page.text(600, 8000, {"【入力データ】"});
    page.font(12);
    add_shape_inputs(page, sheet, 7000, QStringLiteral("水路低版底面から　"));
    page.text(700, 12000, {"許容地盤支持力度　"});
    page.text(3690, 12000, {"qa : ", sheet[F::allowable_bearing], " KN/m2"});
    page.font(15);
    page.text(600, 13000, {"【計算結果】"});
    page.font(12);
    page.text(2300, 13100, {"※ qmax ≦ qa"});
    page.formula(Picture::MaximumGroundReaction, 1600, 13900, 8015, 14100, {"= ", sheet[F::max_bearing], " KN/m2"});
    // The label stands above the picture although it is drawn after it.
    page.text(700, 13500, {"最大地盤支持力"});
    return page;
}

} // namespace printing
