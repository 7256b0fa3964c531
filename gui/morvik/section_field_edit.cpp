#include "gui/morvik/section_field_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace morvik {

SectionFieldEdit::SectionFieldEdit(rcstress::SectionSheet &sheet, rcstress::Field field, QWidget *parent)
    : QLineEdit(sheet.text(field), parent), field_(field)
{
    show_beginning();
    connect(this, &QLineEdit::textChanged, &sheet,
            [&sheet, field](const QString &text) { sheet.set_text(field, text); });
    connect(&sheet, &rcstress::SectionSheet::text_changed, this, [this](rcstress::Field changed, const QString &text) {
        if (changed == field_ && this->text() != text) {
            setText(text);
            show_beginning();
        }
    });
}

void SectionFieldEdit::show_beginning()
{
    // A number is read from its first digits.
    if (!hasFocus())
        setCursorPosition(0);
}

void SectionFieldEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Left for another field, not for another window or a menu: the user is done with it.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        show_beginning();
}

void SectionFieldEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (info(field_).input && event->button() == Qt::LeftButton)
        selectAll();
}

} // namespace morvik
