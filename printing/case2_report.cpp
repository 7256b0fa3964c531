// ケース .２: the flume full of water. a) the shear force Ss1 and bending moment Ms1 inside the side
// wall at depth h'; b) the bottom slab's St1 and Mt1 at distance X.
#include "printing/flume_reports.h"

namespace printing {

ReportPage case2_report(const FlumeSnapshot &sheet)
{
    using F = flume::Field;
    ReportPage page;
    page.font(17);
    page.text(600, 90, {"ケース .２"});
    page.text(2000, 500, {"ａ、側壁内側に作用するせん断力及び曲げモーメント"});
    add_flume_border(page);
    page.font(15);
    page.text(600, 1000, {"【入力データ】"});
    page.font(12);
    page.text(700, 1500, {"水の単位体積重量"});
    page.text(3700, 1500, {"γw : ", sheet[F::carried_1], " KN/m3"});
    page.text(700, 1800, {"側壁天端よりの深さ"});
    page.text(3700, 1800, {"ｈ' : ", sheet[F::case2_depth], " m"});
    page.font(15);
    page.text(600, 4000, {"【計算結果】"});
    page.font(10);
    page.text(1800, 4500, {"※深さｈ'の側壁内側に作用するせん断力　= Ss1"});
    page.text(1800, 5500, {"※深さｈ'の側壁内側に作用する曲げモーメント　= Ms1"});
    page.font(12);
    page.formula(Picture::Case2WallShear, 3700, 4700, 6600, 4940, {sheet[F::case2_wall_shear], " KN ( ", sheet[F::case2_wall_shear_n], " N )"});
    page.formula(Picture::Case2WallMoment, 3595, 5700, 6600, 5940, {sheet[F::case2_wall_moment], " KN・m ( ", sheet[F::case2_wall_moment_ncm], " N・cm )"});

    page.line(500, 8200, 11050, 8200);
    page.font(17);
    page.text(2000, 8500, {"ｂ、底盤内側に作用するせん断力及び曲げモーメント"});
    page.font(15);
    page.text(600, 9000, {"【入力データ】"});
    page.font(12);
    page.text(700, 9500, {"フルーム側壁より"});
    page.text(3700, 9500, {"Ｘ : ", sheet[F::carried_2], " m"});
    page.text(700, 9800, {"　距離Ｘの底盤の位置"});
    page.text(700, 10100, {"底版反力"});
    page.text(3700, 10100, {"WR : ", sheet[F::carried_3], " KN/m2"});
    page.text(700, 10400, {"側壁の中心間隔"});
    page.text(3700, 10400, {"BL : ", sheet[F::carried_4], " m"});
    page.font(15);
    page.text(600, 12200, {"【計算結果】"});
    page.font(10);
    page.text(1800, 12700, {"※距離Ｘにおけるせん断力 = St1 "});
    page.text(1800, 13700, {"※距離Ｘにおける曲げモーメント = Mt1 "});
    page.font(12);
    page.formula(Picture::Case2SlabShear, 3700, 12900, 6700, 13110, {sheet[F::case2_slab_shear], " KN ( ", sheet[F::case2_slab_shear_n], " N )"});
    page.formula(Picture::Case2SlabMoment, 2860, 13900, 6700, 14110, {sheet[F::case2_slab_moment], " KN・m ( ", sheet[F::case2_slab_moment_ncm], " N・cm )"});
    return page;
}

} // namespace printing
