#include "gui/tavrel/page_button.h"

#include "gui/common/colours.h"

#include <QPainter>
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
    } else {
        // The style's frame, then the face filled solid inside it, then the caption.
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
        painter.fillRect(rect().adjusted(2, 2, -2, -2), gui::common::shown_page_colour);
        QStyleOptionButton label = option;
        label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.drawControl(QStyle::CE_PushButtonLabel, label);
    }
    // The keyboard's place, plain on the grey face and on the shown page's colour alike: a frame in
    // the highlight colour just inside the button's own.
    if ((option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange)) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
    }
}

} // namespace tavrel
