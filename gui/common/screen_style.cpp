#include "gui/common/screen_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace widgets {

namespace {

// A double chevron, pointing right or down, in the text colour, at whatever size is asked for.
class ChevronIconEngine : public QIconEngine
{
public:
    explicit ChevronIconEngine(bool down) : down_(down) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        if (down_) {
            painter->translate(16, 0);
            painter->rotate(90);
        }
        QPainterPath chevrons;
        for (const double left : {4.0, 8.5}) {
            chevrons.moveTo(left, 4);
            chevrons.lineTo(left + 3.5, 8);
            chevrons.lineTo(left, 12);
        }
        painter->setPen(QPen(mode == QIcon::Disabled ? Qt::gray : Qt::black, 1.5));
        painter->drawPath(chevrons);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(16, 16), QSize(32, 32)}; }
    QIconEngine *clone() const override { return new ChevronIconEngine(down_); }

private:
    bool down_;
};

} // namespace

QIcon ScreenStyle::standardIcon(StandardPixmap pixmap, const QStyleOption *option, const QWidget *widget) const
{
    if (pixmap == SP_ToolBarHorizontalExtensionButton || pixmap == SP_ToolBarVerticalExtensionButton)
        return QIcon(new ChevronIconEngine(pixmap == SP_ToolBarVerticalExtensionButton));
    return QProxyStyle::standardIcon(pixmap, option, widget);
}

} // namespace widgets
