#include "gui/common/drawn_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace gui::common {

namespace {

class DrawnIconEngine : public QIconEngine
{
public:
    explicit DrawnIconEngine(void (*draw)(QPainter &)) : draw_(draw) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 32.0, rect.height() / 32.0);
        draw_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        painter.end();
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    // The sizes windows ask for most, at one and two device pixels a pixel.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(32, 32), QSize(64, 64)}; }
    QIconEngine *clone() const override { return new DrawnIconEngine(draw_); }

private:
    void (*draw_)(QPainter &);
};

} // namespace

QIcon drawn_icon(void (*draw)(QPainter &))
{
    return QIcon(new DrawnIconEngine(draw));
}

} // namespace gui::common
