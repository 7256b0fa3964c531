#include "gui/tavrel/case3_page.h"

#include "flume/calculations.h"
#include "flume/quantities.h"
#include "gui/tavrel/field_edit.h"
#include "common/window_words.h"

#include <QLabel>
#include <QPushButton>

namespace tavrel {

using flume::Field;

Case3Page::Case3Page(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent)
    : Panel(6100, 5700, parent)
{
    setObjectName(QStringLiteral("Picture7"));
    // The result captions hold their fields in a run of blanks and end in seven half-width places
    // for the unit: "Ss1=                KN     ".
    const double caption_x = 600;

    add_title(QStringLiteral("ケース . ３"), 240, 150);
    add_label(QStringLiteral("（ヘルプ：「Tavrel」　ケース.3 参照）"), 240, 480);
    add_label(QStringLiteral("ａ、側壁内側に作用するせん断力及び曲げモーメント"), 240, 840);
    QPushButton *calculate = add_button(common::words::calculate, 2400, 1200);
    calculate->setObjectName(QStringLiteral("Command14"));
    connect(calculate, &QPushButton::clicked, this, [&sheet, &messages] { flume::compute_case3(sheet, messages); });

    const struct {
        Field field;
        const char *explanation;
        double y;
    } results[] = {
        {Field::case3_wall_shear, "※深さh'の側壁内側に作用するせん断力 = Ss1 ( KN )", 1740},
        {Field::case3_wall_moment, "※深さh'の側壁内側に作用する曲げモーメント = Ms1 ( KN ・m )", 2460},
        {Field::case3_slab_shear, "※距離 X におけるせん断力 = St1 ( KN )", 3660},
        {Field::case3_slab_moment, "※距離 X における曲げモーメント = Mt1 ( KN ・m )", 4380},
    };
    for (const auto &result : results) {
        if (result.field == Field::case3_slab_shear) {
            add_line(120, 3180, 5800);
            add_label(QStringLiteral("ｂ、底版内側に作用するせん断力及び曲げモーメント"), 240, 3300);
        }
        add_label(QString::fromUtf8(result.explanation), 240, result.y);
        const flume::Quantity &shown = flume::quantity(result.field);
        QLabel *caption = add_label(flume::caption_holding_field(shown.caption, 16, shown.unit, 7), caption_x,
                                    result.y + 300 + caption_drop);
        add_field_in_caption(sheet, result.field, caption);
    }
    add_label(QStringLiteral("※Ms1は最大値（節点）"), 240, 5160);
}

} // namespace tavrel
