#include "gui/tavrel/case2_page.h"

#include "flume/calculations.h"
#include "flume/quantities.h"
#include "gui/tavrel/field_edit.h"
#include "common/window_words.h"

#include <QLabel>
#include <QPushButton>

namespace tavrel {

using flume::Field;

Case2Page::Case2Page(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent)
    : Panel(6100, 5700, parent)
{
    setObjectName(QStringLiteral("Picture6"));
    const double result_x = 1560;

    add_title(QStringLiteral("ケース . ２"), 240, 150);
    add_label(QStringLiteral("（ヘルプ：「Tavrel」　ケース.2 参照）"), 240, 480);
    add_label(QStringLiteral("ａ、側壁内側に作用するせん断力及び曲げモーメント"), 240, 840);
    add_quantity_row(sheet, Field::case2_depth, 3360, 1200);
    QPushButton *calculate = add_button(common::words::calculate, 2400, 1620);
    calculate->setObjectName(QStringLiteral("Command12"));
    connect(calculate, &QPushButton::clicked, this, [&sheet, &messages] { flume::compute_case2(sheet, messages); });

    add_label(QStringLiteral("※深さh'の側壁内側に作用するせん断力　= Ss1(KN)"), 240, 2130);
    add_field_row(sheet, Field::case2_wall_shear, flume::quantity(Field::case2_wall_shear).caption, result_x, 2430);
    add_label(QStringLiteral("※深さh'の側壁内側に作用する曲げモーメント=Ms1(KN・m)"), 240, 2850);
    add_field_row(sheet, Field::case2_wall_moment, flume::quantity(Field::case2_wall_moment).caption, result_x, 3150);

    add_line(120, 3600, 5800);
    add_label(QStringLiteral("ｂ、底盤内側に作用するせん断力及び曲げモーメント"), 240, 3720);
    add_label(QStringLiteral("※距離 X におけるせん断力 = St1(KN)"), 240, 4050);
    add_field_row(sheet, Field::case2_slab_shear, flume::quantity(Field::case2_slab_shear).caption, result_x, 4350);
    add_label(QStringLiteral("※距離 X における曲げモーメント = Mt1(KN・m)"), 240, 4770);
    add_field_row(sheet, Field::case2_slab_moment, flume::quantity(Field::case2_slab_moment).caption, result_x, 5070);
    add_label(QStringLiteral("※Ms1は最大値（節点）"), 3600, 5130);
}

} // namespace tavrel
