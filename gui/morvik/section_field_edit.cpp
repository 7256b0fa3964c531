#include "gui/morvik/section_field_edit.h"

#include <QMouseEvent>

namespace morvik {

SectionFieldEdit::SectionFieldEdit(rcstress::SectionSheet &sheet, rcstress::Field field, QWidget *parent)
    : QLineEdit(sheet.text(field), parent), field_(field)
{
    connect(this, &QLineEdit::textChanged, &sheet,
            [&sheet, field](const QString &text) { sheet.set_text(field, text); });
    connect(&sheet, &rcstress::SectionSheet::text_changed, this, [this](rcstress::Field changed, const QString &text) {
        if (changed == field_ && this->text() != text)
            setText(text);
    });
}

void SectionFieldEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (info(field_).input && event->button() == Qt::LeftButton)
        selectAll();
}

} // namespace morvik
