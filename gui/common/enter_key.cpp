#include "gui/common/enter_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace gui::common {

namespace {

class EnterPressesButtons : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || watched != QApplication::focusWidget())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto *push = qobject_cast<QPushButton *>(watched);
        auto *tool = qobject_cast<QToolButton *>(watched);
        if ((!push && !tool) || (push && (push->autoDefault() || push->isDefault())))
            return false;
        QAbstractButton *button = push ? static_cast<QAbstractButton *>(push) : tool;
        // A key held down presses the button once.
        if (!key->isAutoRepeat() && button->isEnabled())
            button->click();
        return true;
    }
};

} // namespace

void install_enter_presses_buttons(QApplication &app)
{
    app.installEventFilter(new EnterPressesButtons(&app));
}

} // namespace gui::common
