#include "gui/tavrel/panel.h"

#include "flume/quantities.h"

#include "gui/common/colours.h"
#include "gui/tavrel/field_edit.h"
#include "gui/common/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace tavrel {

Panel::Panel(double width, double height, QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFixedSize(gui::common::twips_size(width, height));
    QPalette p = palette();
    p.setColor(QPalette::Window, gui::common::panel_colour);
    setPalette(p);
    setAutoFillBackground(true);

    content_ = new QWidget(this);
    content_->setGeometry(contentsRect());
}

double Panel::inner_height() const
{
    return content_->height() * double(gui::common::twips_per_pixel);
}

QLabel *Panel::add_label(const QString &text, double x, double y)
{
    auto *label = new QLabel(text, content_);
    gui::common::place(label, x, y);
    label->adjustSize();
    return label;
}

QLabel *Panel::add_label_right(const QString &text, double right, double y)
{
    QLabel *label = add_label(text, right, y);
    label->move(label->x() - label->width(), label->y());
    return label;
}

QLabel *Panel::add_title(const QString &text, double x, double y)
{
    QLabel *label = add_label(text, x, y);
    QFont font = label->font();
    font.setPointSize(11);
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    return label;
}

QPushButton *Panel::add_button(const QString &caption, double x, double y, double width, double height)
{
    auto *button = new QPushButton(caption, content_);
    gui::common::place(button, x, y, width, height);
    return button;
}

QFrame *Panel::add_line(double x, double y, double width)
{
    auto *line = new QFrame(content_);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    gui::common::place(line, x, y, width, 30);
    return line;
}

FieldEdit *Panel::add_field(flume::FlumeSheet &sheet, flume::Field field, double x, double y, double width)
{
    auto *edit = new FieldEdit(sheet, field, content_);
    gui::common::place(edit, x, y, width, field_height);
    return edit;
}

FieldEdit *Panel::add_field_in_caption(flume::FlumeSheet &sheet, flume::Field field, QLabel *caption)
{
    auto *edit = new FieldEdit(sheet, field, content_);
    place_in_caption(edit, caption);
    return edit;
}

FieldRow Panel::add_field_row(flume::FlumeSheet &sheet, flume::Field field, const QString &caption, double x,
                              double y, const QString &unit, double width)
{
    FieldRow row;
    if (!caption.isEmpty())
        row.caption = add_label_right(caption, x - 60, y + caption_drop);
    row.field = add_field(sheet, field, x, y, width);
    if (!unit.isEmpty())
        row.unit = add_label(unit, x + width + 75, y + caption_drop);
    return row;
}

FieldRow Panel::add_quantity_row(flume::FlumeSheet &sheet, flume::Field field, double x, double y, double width)
{
    const flume::Quantity &q = flume::quantity(field);
    return add_field_row(sheet, field, q.caption, x, y, q.unit, width);
}

FieldRow Panel::add_field_in_caption_right(flume::FlumeSheet &sheet, flume::Field field, const QString &caption,
                                           double right, double y)
{
    FieldRow row;
    row.caption = add_label_right(caption, right, y + caption_drop);
    row.field = add_field_in_caption(sheet, field, row.caption);
    return row;
}

void place_in_caption(QWidget *field, const QLabel *caption)
{
    const QString text = caption->text();
    const QRegularExpressionMatch gap = QRegularExpression(QStringLiteral(" {3,}")).match(text);
    const QFontMetrics metrics = caption->fontMetrics();
    const int start = gap.hasMatch() ? metrics.horizontalAdvance(text.left(gap.capturedStart())) : metrics.horizontalAdvance(text);
    const int room = gap.hasMatch() ? metrics.horizontalAdvance(gap.captured()) : gui::common::pixels(Panel::field_width);
    const int margin = 3;
    field->setGeometry(caption->x() + start + margin, caption->y() - gui::common::pixels(Panel::caption_drop),
                       room - 2 * margin, gui::common::pixels(Panel::field_height));
}

} // namespace tavrel
