#include "gui/tavrel/case1_page.h"

#include "flume/calculations.h"
#include "flume/quantities.h"
#include "flume/flume_sheet.h"
#include "gui/tavrel/field_edit.h"
#include "gui/tavrel/page_picture.h"
#include "gui/common/twips.h"
#include "common/window_words.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace tavrel {

using flume::Field;

Case1Page::Case1Page(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent)
    : Panel(5875, 5700, parent)
{
    setObjectName(QStringLiteral("Picture5"));
    const double input_x = 4080;
    const double input_width = 900;
    const double result_x = 1560;

    put(add_title(QStringLiteral("ケース . １"), 240, 0), 0.5);
    put(add_label(QStringLiteral("（ヘルプ：「Tavrel」　ケース.1 参照）"), 1920, 0), 0.56);
    put(add_label(QStringLiteral("ａ、側壁外側に生じるせん断力及び曲げモーメント"), 240, 0), 1.75);

    const struct {
        Field field;
        double field_row, caption_row, unit_row;
    } inputs[] = {
        {Field::case1_depth, 3.5, 3.75, 3.875},
        {Field::wall_top_to_slab_axis, 5.0, 5.375, 5.5},
        {Field::slab_axis_to_groundwater, 6.5, 6.875, 7.125},
        {Field::wet_soil_unit_weight, 8.0, 8.375, 8.5},
        {Field::submerged_soil_unit_weight, 9.5, 9.875, 10.125},
        {Field::back_friction_angle, 11.0, 11.375, 11.5},
    };
    for (const auto &input : inputs)
        put(add_quantity_row(sheet, input.field, input_x, 0, input_width), input.field_row, input.caption_row, input.unit_row);

    QPushButton *wall = add_button(common::words::calculate, 2400, 0);
    wall->setObjectName(QStringLiteral("Command9"));
    put(wall, 12.75);

    put(add_label(QStringLiteral("※深さ h における側壁に作用するせん断力=Sso(KN)"), 240, 0), 14.625);
    put(add_quantity_row(sheet, Field::case1_wall_shear, result_x, 0),
        16.0, 16.25, 16.25);
    put(add_label(QStringLiteral("※深さ h における側壁に作用する曲げモーメント=Mso(KN・m)"), 240, 0), 17.875);
    const FieldRow wall_moment = add_quantity_row(sheet, Field::case1_wall_moment, result_x, 0);
    put(wall_moment, 19.125, 19.375, 19.375);
    connect(wall, &QPushButton::clicked, this, [this, &sheet, &messages, wall_moment] {
        flume::compute_case1_wall(sheet, messages);
        show_result(sheet, wall_moment.field);
    });

    put(add_line(120, 0, 5580), 21.5);
    put(add_label(QStringLiteral("ｂ、底版外側に作用するせん断力および曲げモーメント"), 240, 0), 22.0);
    put(add_quantity_row(sheet, Field::wall_spacing, input_x, 0, input_width), 24.0, 24.25, 24.375);
    put(add_quantity_row(sheet, Field::slab_position, input_x, 0, input_width), 25.875, 26.25, 26.375);

    // The slab reaction: its caption, the formula of WR, then the result.
    QWidget *diagram = make_page_picture(PagePicture::Case1Diagram, content());
    gui::common::place(diagram, 1140, 0);
    put(diagram, 27.625);
    const flume::Quantity &wr = flume::quantity(Field::slab_reaction);
    FieldRow reaction = add_field_row(sheet, Field::slab_reaction, QString(), input_x, 0, wr.unit, input_width);
    reaction.caption = add_label(wr.caption, 240, 0);
    put(reaction, 28.375, 28.5, 28.875);

    QPushButton *slab = add_button(common::words::calculate, input_x, 0, input_width);
    slab->setObjectName(QStringLiteral("Command10"));
    put(slab, 30.25);

    put(add_label(QStringLiteral("※距離Xにおけるせん断力　= Sto(KN)"), 240, 0), 32.25);
    put(add_quantity_row(sheet, Field::case1_slab_shear, result_x, 0),
        33.375, 33.625, 33.875);
    put(add_label(QStringLiteral("※距離Xにおける曲げモーメント　= Mto(KN・m)"), 240, 0), 35.375);
    const FieldRow slab_moment = add_quantity_row(sheet, Field::case1_slab_moment, result_x, 0);
    put(slab_moment, 36.75, 37.125, 37.125);
    connect(slab, &QPushButton::clicked, this, [this, &sheet, &messages, slab_moment] {
        flume::compute_case1_slab(sheet, messages);
        show_result(sheet, slab_moment.field);
    });

    scroll_to(0);
}

int Case1Page::scroll_maximum() const
{
    // Rounded to the nearest whole row, halves to even: 40.5 − 23.5 gives 17.
    return int(std::nearbyint(content_rows - inner_height() / row_height));
}

void Case1Page::scroll_to(int rows)
{
    scroll_ = rows;
    for (const Placed &p : placed_)
        p.control->move(p.control->x(), gui::common::pixels((p.row - rows) * row_height));
}

double Case1Page::base_row(const QWidget *control) const
{
    for (const Placed &p : placed_) {
        if (p.control == control)
            return p.row;
    }
    return -1;
}

void Case1Page::attach_scroll_bar(QScrollBar *bar)
{
    scroll_bar_ = bar;
    // A row at a time; a page less one row, so that PageDown keeps a row of what was seen.
    bar->setSingleStep(1);
    bar->setPageStep(int(inner_height() / row_height) - 1);
    connect(bar, &QScrollBar::valueChanged, this, &Case1Page::scroll_to);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isVisible() && content()->isAncestorOf(now))
            scroll_bar_->setValue(value_showing(now));
    });
}

int Case1Page::value_showing(const QWidget *control) const
{
    while (control && control->parentWidget() != content())
        control = control->parentWidget();
    const double row = control ? base_row(control) : -1;
    if (row < 0)
        return scroll_;
    const double visible_rows = inner_height() / row_height;
    const double bottom = row + control->height() * double(gui::common::twips_per_pixel) / row_height;
    int value = scroll_;
    if (row < value)
        value = int(std::floor(row));
    else if (bottom > value + visible_rows)
        value = int(std::ceil(bottom - visible_rows));
    return qBound(0, value, scroll_maximum());
}

void Case1Page::show_result(const flume::FlumeSheet &sheet, FieldEdit *last_result)
{
    // A rejected calculation leaves the keyboard, and the page, at the input to mend.
    if (scroll_bar_ && sheet.is_shown(last_result->field()))
        scroll_bar_->setValue(value_showing(last_result));
}

void Case1Page::keyPressEvent(QKeyEvent *event)
{
    // The keys a field or a button of the page leaves unused move the page as its scroll bar would.
    if (!scroll_bar_ || !scroll_bar_->isVisible()) {
        Panel::keyPressEvent(event);
        return;
    }
    const bool control = event->modifiers() & Qt::ControlModifier;
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (event->key()) {
    case Qt::Key_PageDown: action = QAbstractSlider::SliderPageStepAdd; break;
    case Qt::Key_PageUp: action = QAbstractSlider::SliderPageStepSub; break;
    case Qt::Key_Down: action = QAbstractSlider::SliderSingleStepAdd; break;
    case Qt::Key_Up: action = QAbstractSlider::SliderSingleStepSub; break;
    case Qt::Key_End: action = control ? QAbstractSlider::SliderToMaximum : action; break;
    case Qt::Key_Home: action = control ? QAbstractSlider::SliderToMinimum : action; break;
    default: break;
    }
    if (action == QAbstractSlider::SliderNoAction) {
        Panel::keyPressEvent(event);
        return;
    }
    scroll_bar_->triggerAction(action);
}

void Case1Page::wheelEvent(QWheelEvent *event)
{
    // The wheel anywhere over the page turns the scroll bar, which moves the page.
    if (scroll_bar_ && scroll_bar_->isVisible())
        QCoreApplication::sendEvent(scroll_bar_, event);
    else
        Panel::wheelEvent(event);
}

void Case1Page::put(QWidget *control, double row)
{
    placed_.append({control, row});
}

void Case1Page::put(const FieldRow &row, double field_row, double caption_row, double unit_row)
{
    if (row.caption)
        put(row.caption, caption_row);
    put(row.field, field_row);
    if (row.unit)
        put(row.unit, unit_row);
}

} // namespace tavrel
