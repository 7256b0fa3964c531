#include "gui/tavrel/earth_pressure_page.h"

#include "flume/calculations.h"
#include "flume/captions.h"
#include "flume/quantities.h"
#include "gui/tavrel/field_edit.h"
#include "common/window_words.h"

#include <QLabel>
#include <QPushButton>

namespace tavrel {

using flume::Field;

EarthPressurePage::EarthPressurePage(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent)
    : Panel(6100, 5700, parent)
{
    setObjectName(QStringLiteral("Picture3"));
    add_title(flume::page_caption(flume::Page::EarthPressure), 240, 150);

    // Every caption ends in six half-width places ("度    ", "KN/m3 "), so right-aligned they
    // put their fields in one column.
    const double right = 5640;
    double y = 660;
    for (Field input : {Field::wall_inclination, Field::repose_angle, Field::soil_unit_weight, Field::ground_slope,
                        Field::surcharge, Field::wall_friction_angle}) {
        const flume::Quantity &q = flume::quantity(input);
        add_field_in_caption_right(sheet, input, flume::caption_holding_field(q.caption, 13, q.unit, 6), right, y);
        y += 390;
    }
    add_label(QStringLiteral("※θ＜84度の時は　δ＝φ"), 600, 3060);

    QPushButton *calculate = add_button(common::words::calculate, 2400, 3420);
    calculate->setObjectName(QStringLiteral("Command6"));
    connect(calculate, &QPushButton::clicked, this,
            [&sheet, &messages] { flume::compute_earth_pressure(sheet, messages); });

    const double x = 1560;
    const double explanation_x = 3300;
    add_quantity_row(sheet, Field::ka, x, 4020);
    add_label(QStringLiteral("（主働土圧係数）"), explanation_x, 4020 + caption_drop);
    add_quantity_row(sheet, Field::pa, x, 4410);
    add_label(QStringLiteral("（主働土圧）"), explanation_x, 4410 + caption_drop);
    add_quantity_row(sheet, Field::pav, x, 4800);
    add_label(QStringLiteral("（土圧の鉛直成分）"), explanation_x, 4800 + caption_drop);
    add_quantity_row(sheet, Field::pv, x, 5190);
}

} // namespace tavrel
