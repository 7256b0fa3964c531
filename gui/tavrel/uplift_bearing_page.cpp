#include "gui/tavrel/uplift_bearing_page.h"

#include "flume/calculations.h"
#include "gui/tavrel/field_edit.h"
#include "common/window_words.h"

#include <QLabel>
#include <QPushButton>

namespace tavrel {

using flume::Field;

UpliftBearingPage::UpliftBearingPage(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent)
    : Panel(6100, 5700, parent)
{
    setObjectName(QStringLiteral("Picture4"));
    const double x = 3360;
    const double button_x = 4500;

    add_title(QStringLiteral("浮上りに対する検討"), 240, 150);
    add_label(QStringLiteral("（ヘルプ：「Tavrel」浮上りに対する検討参照）"), 240, 480);
    add_quantity_row(sheet, Field::water_unit_weight, x, 840);
    add_quantity_row(sheet, Field::flume_unit_weight, x, 1230);
    add_label(QStringLiteral("※安全率　Fs > 1.2"), 600, 1680);
    QPushButton *uplift = add_button(common::words::calculate, button_x, 1620);
    uplift->setObjectName(QStringLiteral("Command7"));
    connect(uplift, &QPushButton::clicked, this, [&sheet, &messages] { flume::check_uplift(sheet, messages); });
    add_quantity_row(sheet, Field::uplift_safety_factor, x, 2100);

    add_line(120, 2640, 5800);

    add_title(QStringLiteral("基礎地盤支持力の検討"), 240, 2820);
    add_label(QStringLiteral("（ヘルプ：「Tavrel」基礎地盤支持力の検討参照）"), 240, 3150);
    add_quantity_row(sheet, Field::allowable_bearing, x, 3510);
    add_label(QStringLiteral("qmax = 最大地盤支持力度（ＫＮ/ｍ2）"), 600, 3960);
    QPushButton *bearing = add_button(common::words::calculate, button_x, 4320);
    bearing->setObjectName(QStringLiteral("Command8"));
    connect(bearing, &QPushButton::clicked, this, [&sheet, &messages] { flume::check_bearing(sheet, messages); });
    add_label(QStringLiteral("※qmax≦qa"), 600, 4800);
    add_quantity_row(sheet, Field::max_bearing, x, 5130);
}

} // namespace tavrel
