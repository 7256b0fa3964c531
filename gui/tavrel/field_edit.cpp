#include "gui/tavrel/field_edit.h"

#include "flume/flume_sheet.h"
#include "gui/common/colours.h"

#include <QApplication>
#include <QMouseEvent>

namespace tavrel {

using flume::Field;
using flume::FieldKind;

bool is_shape_field(Field field)
{
    switch (field) {
    case Field::t1:
    case Field::t2:
    case Field::t3:
    case Field::t4:
    case Field::wall_height:
    case Field::outer_water_height:
    case Field::inner_width:
        return true;
    default:
        return false;
    }
}

FieldEdit::FieldEdit(flume::FlumeSheet &sheet, Field field, QWidget *parent)
    : QLineEdit(parent), sheet_(sheet), field_(field)
{
    setObjectName(flume::control_name(field));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(sheet.text(field));

    const FieldKind kind = flume::kind_of(field);
    set_locked(kind != FieldKind::Input);
    if (kind == FieldKind::Result)
        show_display_state(sheet.is_shown(field));
    else
        set_background(gui::common::field_colour);
    if (is_shape_field(field))
        follow_shape_lock(sheet.shape_locked());

    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) { sheet_.set_text(field_, text); });
    connect(&sheet, &flume::FlumeSheet::text_changed, this, &FieldEdit::show_text);
    connect(&sheet, &flume::FlumeSheet::display_state_changed, this, [this](Field f, bool shown) {
        if (f == field_)
            show_display_state(shown);
    });
    if (is_shape_field(field))
        connect(&sheet, &flume::FlumeSheet::shape_lock_changed, this, &FieldEdit::follow_shape_lock);
}

void FieldEdit::show_text(Field field, const QString &text)
{
    if (field == field_ && this->text() != text)
        setText(text);
}

void FieldEdit::show_display_state(bool shown)
{
    // Cleared results sit on the button face, shown results on white.
    set_background(shown ? gui::common::shown_result_colour : QApplication::palette().color(QPalette::Button));
}

void FieldEdit::set_background(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

void FieldEdit::follow_shape_lock(bool locked)
{
    set_locked(locked);
}

void FieldEdit::set_locked(bool locked)
{
    // A locked field is skipped by Tab; a click still puts the caret in it, to select and copy.
    setReadOnly(locked);
    setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
}

void FieldEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    const FieldKind kind = flume::kind_of(field_);
    if (event->button() == Qt::LeftButton && (kind == FieldKind::Input || kind == FieldKind::Carried))
        selectAll();
}

} // namespace tavrel
