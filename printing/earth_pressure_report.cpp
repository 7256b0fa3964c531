// 主働土圧: the inputs of the shape and of page 1, the cross-section, and KA, PA, PAV, PV each beside
// its formula.
#include "printing/flume_reports.h"

namespace printing {

ReportPage earth_pressure_report(const FlumeSnapshot &sheet)
{
    using F = flume::Field;
    ReportPage page;
    page.font(17);
    page.text(4800, 500, {"主働土圧"});
    add_flume_border(page);
    page.font(15);
    page.text(600, 1000, {"【入力データ】"});
    page.picture(Picture::FlumeSection, 5600, 1300);
    page.font(12);
    page.text(700, 1500, {"壁高　　　　　　　"});
    page.text(3300, 1500, {"Ｈ : ", sheet[F::wall_height], " m"});
    page.text(700, 1800, {"水路内幅　　　　　"});
    page.text(3300, 1800, {"Ｂ : ", sheet[F::inner_width], " m"});
    page.text(700, 2100, {"壁傾き　　　　　　"});
    page.text(3300, 2100, {"θ : ", sheet[F::wall_inclination], " 度"});
    page.text(700, 2400, {"安息角　　　　　　"});
    page.text(3300, 2400, {"φ : ", sheet[F::repose_angle], " 度"});
    page.text(700, 2700, {"土の単位体積重量　"});
    page.text(3300, 2700, {"γ : ", sheet[F::soil_unit_weight], " KN/m3"});
    page.text(700, 3000, {"地表傾き　　　　　"});
    page.text(3300, 3000, {"ｉ : ", sheet[F::ground_slope], " 度"});
    page.text(700, 3300, {"載荷重　　　　　　"});
    page.text(3300, 3300, {"ｑ : ", sheet[F::surcharge], " KN/m2"});
    page.text(700, 3600, {"仮想背面との摩擦角"});
    page.text(3300, 3600, {"δ : ", sheet[F::wall_friction_angle], " 度"});
    page.font(15);
    page.text(600, 6500, {"【計算結果】"});
    page.font(12);
    page.formula(Picture::EarthPressureCoefficient, 2200, 7500, 7300, 7720, {sheet[F::ka], " ", "（主働土圧係数）"});
    page.formula(Picture::ActiveEarthPressure, 3400, 9000, 7300, 9180, {sheet[F::pa], "  KN/m", " ", "（主働土圧）"});
    page.formula(Picture::EarthPressureVertical, 4500, 10500, 7300, 10530, {sheet[F::pav], "  KN/m", " ", "（土圧の鉛直成分）"});
    page.formula(Picture::VerticalLoad, 5200, 12000, 7300, 12030, {sheet[F::pv], "  KN/m"});
    return page;
}

} // namespace printing
