#include "gui/tavrel/page_button.h"

#include "gui/common/colours.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tavrel {

PageButton::PageButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

void PageButton::set_current(bool current)
{
    if (current_ == current)
        return;
    current_ = current;
    update();
}

void PageButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (!current_) {
        painter.drawControl(QStyle::CE_PushButton, option);
        return;
    }
    // The style's frame, then the face filled solid inside it, then the caption.
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    painter.fillRect(rect().adjusted(2, 2, -2, -2), gui::common::shown_page_colour);
    option.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}

} // namespace tavrel
