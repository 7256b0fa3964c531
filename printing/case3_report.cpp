// ケース .３: water inside against active earth pressure outside. a) Ss1 and Ms1 inside the side
// wall at depth h'; b) the bottom slab's St1 and Mt1 at distance X. Every input is a carried value.
#include "printing/flume_reports.h"

namespace printing {

ReportPage case3_report(const FlumeSnapshot &sheet)
{
    using F = flume::Field;
    ReportPage page;
    page.font(17);
    page.text(600, 90, {"ケース .３"});
    page.text(2000, 500, {"ａ、側壁内側に作用するせん断力及び曲げモーメント"});
    add_flume_border(page);
    page.font(15);
    page.text(600, 1000, {"【入力データ】"});
    page.font(12);
    page.text(700, 1500, {"主働土圧係数"});
    page.text(4100, 1500, {"KA : ", sheet[F::carried_1]});
    page.text(700, 1800, {"水の単位体積重量"});
    page.text(3980, 1800, {"γw : ", sheet[F::carried_2], " KN/m3"});
    page.text(700, 2100, {"土の湿潤単位体積重量"});
    page.text(3980, 2100, {"γt : ", sheet[F::carried_3], " KN/m3"});
    page.text(700, 2400, {"壁背面と土との摩擦角"});
    page.text(3980, 2400, {"δ' : ", sheet[F::carried_4], " 度"});
    page.text(700, 2700, {"側壁天端よりの深さ"});
    page.text(3980, 2700, {"ｈ' : ", sheet[F::carried_7], " m"});
    page.font(15);
    page.text(600, 4600, {"【計算結果】"});
    page.font(10);
    page.text(1800, 5100, {"※深さｈ'の側壁内側に作用するせん断力　= Ss1"});
    page.text(1800, 6100, {"※深さｈ'の側壁内側に作用する曲げモーメント　= Ms1"});
    page.font(12);
    page.formula(Picture::Case3WallShear, 2400, 5300, 6700, 5500, {sheet[F::case3_wall_shear], " KN ( ", sheet[F::case3_wall_shear_n], " N )"});
    page.formula(Picture::Case3WallMoment, 2300, 6300, 6700, 6500, {sheet[F::case3_wall_moment], " KN・m ( ", sheet[F::case3_wall_moment_ncm], " N・cm )"});

    page.line(500, 8200, 11050, 8200);
    page.font(17);
    page.text(2000, 8500, {"ｂ、底版内側に作用するせん断力及び曲げモーメント"});
    page.font(15);
    page.text(600, 9000, {"【入力データ】"});
    page.font(12);
    page.text(700, 9500, {"フルーム側壁より"});
    page.text(4100, 9500, {"Ｘ : ", sheet[F::carried_6], " m"});
    page.text(700, 9800, {"　距離Ｘの底盤の位置"});
    page.text(700, 10100, {"底版反力"});
    page.text(4100, 10100, {"WR : ", sheet[F::carried_8], " KN/m2"});
    page.text(700, 10400, {"側壁の中心間隔"});
    page.text(4100, 10400, {"BL : ", sheet[F::carried_5], " m"});
    page.font(15);
    page.text(600, 12200, {"【計算結果】"});
    page.font(10);
    page.text(1800, 12700, {"※距離Ｘにおけるせん断力 = St1 "});
    page.text(1800, 13700, {"※距離Ｘにおける曲げモーメント = Mt1 "});
    page.font(12);
    page.formula(Picture::Case3SlabShear, 3700, 12900, 6700, 13125, {sheet[F::case3_slab_shear], " KN ( ", sheet[F::case3_slab_shear_n], " N )"});
    page.formula(Picture::Case3SlabMoment, 2850, 13900, 6700, 14125, {sheet[F::case3_slab_moment], " KN・m ( ", sheet[F::case3_slab_moment_ncm], " N・cm )"});
    return page;
}

} // namespace printing
