// ケース .１: a) the shear force Sso and bending moment Mso outside the side wall at depth h, with the
// formula set the last wall calculation used; b) the slab reaction WR and the bottom slab's Sto and
// Mto at distance X.
#include "printing/flume_reports.h"

namespace printing {

ReportPage case1_report(const FlumeSnapshot &sheet)
{
    using F = flume::Field;
    ReportPage page;
    page.font(17);
    page.text(600, 90, {"ケース .１"});
    page.text(2000, 500, {"ａ、側壁外側に生じるせん断力及び曲げモーメント"});
    add_flume_border(page);
    page.font(15);
    page.text(600, 1000, {"【入力データ】"});
    page.font(12);
    page.text(700, 1500, {"（主慟土圧より）"});
    page.text(4100, 1500, {"Pv : ", sheet[F::carried_1], " KN/m"});
    page.text(700, 1800, {"主働土圧係数"});
    page.text(4100, 1800, {"KA : ", sheet[F::carried_2]});
    page.text(700, 2100, {"載荷重"});
    page.text(4100, 2100, {"ｑ : ", sheet[F::carried_3], " KN/m2"});
    page.text(700, 2400, {"水の単位体積重量"});
    page.text(3980, 2400, {"γw : ", sheet[F::carried_4], " KN/m3"});
    page.text(700, 2700, {"フルームの単位体積重量"});
    page.text(3860, 2700, {"γsc : ", sheet[F::carried_5], " KN/m3"});
    page.text(700, 3000, {"側壁天端より或る深さ"});
    page.text(4100, 3000, {"ｈ : ", sheet[F::case1_depth], " m"});
    page.text(700, 3300, {"側壁天端から底版中心線"});
    page.text(3980, 3300, {"Ｈ' : ", sheet[F::wall_top_to_slab_axis], " m"});
    page.text(700, 3600, {"　　　　　　　　までの高さ"});
    page.text(700, 3900, {"水路底版中心線から "});
    page.text(3860, 3900, {"Ｈ'1 : ", sheet[F::slab_axis_to_groundwater], " m"});
    page.text(700, 4200, {"        地下水位までの高さ"});
    page.text(700, 4500, {"土の湿潤単位体積重"});
    page.text(3980, 4500, {"γt : ", sheet[F::wet_soil_unit_weight], " KN/m3"});
    page.text(700, 4800, {"土の水中単位体積重量"});
    page.text(3860, 4800, {"γws : ", sheet[F::submerged_soil_unit_weight], " KN/m3"});
    page.text(700, 5100, {"壁背面と土との摩擦角"});
    page.text(3980, 5100, {"δ' : ", sheet[F::back_friction_angle], " 度"});
    page.font(15);
    page.text(600, 5600, {"【計算結果】"});
    page.font(10);
    page.text(1800, 6100, {"※深さｈにおける側壁に作用するせん断力 = Sso"});
    page.text(1800, 7100, {"※深さｈにおける側壁に作用する曲げモーメント = Mso"});
    page.font(12);
    if (sheet.case1_groundwater_formula) {
        // The formulas with the groundwater term end without "=", so the values carry one.
        page.formula(Picture::Case1WallShearGroundwater, 1200, 6300, 7800, 6500, {"= ", sheet[F::case1_wall_shear], " KN ( ", sheet[F::case1_wall_shear_n], " N )"});
        page.formula(Picture::Case1WallMomentGroundwater, 900, 7300, 7800, 7500, {"= ", sheet[F::case1_wall_moment], " KN・m"});
        page.text(7800, 7810, {"( ", sheet[F::case1_wall_moment_ncm], " N・cm )"});
    } else {
        page.formula(Picture::Case1WallShear, 3300, 6300, 6750, 6500, {sheet[F::case1_wall_shear], " KN ( ", sheet[F::case1_wall_shear_n], " N )"});
        page.formula(Picture::Case1WallMoment, 2800, 7300, 6750, 7500, {sheet[F::case1_wall_moment], " KN・m ( ", sheet[F::case1_wall_moment_ncm], " N・cm )"});
    }

    page.line(500, 8200, 11050, 8200);
    page.font(17);
    page.text(2000, 8500, {"ｂ、底版外側に作用するせん断力および曲げモーメント"});
    page.font(15);
    page.text(600, 9000, {"【入力データ】"});
    page.font(12);
    page.text(700, 9500, {"水路断面部材厚"});
    page.text(3980, 9500, {"Ｔ1 : ", sheet[F::t1], " m"});
    page.text(700, 9800, {"水路断面部材厚"});
    page.text(3980, 9800, {"Ｔ2 : ", sheet[F::t2], " m"});
    page.text(700, 10100, {"（主慟土圧より）"});
    page.text(4100, 10100, {"Pv : ", sheet[F::carried_1], " KN/m"});
    page.text(700, 10400, {"フルームの単位体積重量"});
    page.text(3860, 10400, {"γsc : ", sheet[F::carried_5], " KN/m3"});
    page.text(700, 10700, {"側壁天端から底版中心線"});
    page.text(3980, 10700, {"Ｈ' : ", sheet[F::wall_top_to_slab_axis], " m"});
    page.text(700, 11000, {"　　　　　　　　までの高さ"});
    page.text(700, 11300, {"側壁の中心間隔"});
    page.text(4100, 11300, {"BL : ", sheet[F::wall_spacing], " m"});
    page.text(700, 11600, {"フルーム側壁より"});
    page.text(4100, 11600, {"Ｘ : ", sheet[F::slab_position], " m"});
    page.text(700, 11900, {"　    距離Ｘの底盤の位置"});
    page.font(15);
    page.text(600, 12400, {"【計算結果】"});
    page.font(10);
    page.text(1800, 12900, {"※底版反力 = WR"});
    page.text(1800, 13900, {"※距離Ｘにおけるせん断力　= Sto "});
    page.text(1800, 14900, {"※距離Ｘにおける曲げモーメント　= Mto"});
    page.font(12);
    page.formula(Picture::SlabReaction, 3600, 13100, 6700, 13300, {sheet[F::slab_reaction], " KN/m2"});
    page.formula(Picture::Case1SlabShear, 4000, 14100, 6700, 14300, {sheet[F::case1_slab_shear], " KN ( ", sheet[F::case1_slab_shear_n], " N )"});
    page.formula(Picture::Case1SlabMoment, 3000, 15100, 6700, 15300, {sheet[F::case1_slab_moment], " KN・m ( ", sheet[F::case1_slab_moment_ncm], " N・cm )"});
    return page;
}

} // namespace printing
