#include "gui/common/modal_focus.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace gui::common {

namespace {

// The modal dialog that blocks window, if any: the innermost modal widget when it is modal to
// the whole application or to a window hierarchy window belongs to.
QWidget *blocking_dialog(QWidget *window)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == window)
        return nullptr;
    if (modal->windowModality() == Qt::ApplicationModal)
        return modal;
    for (QWidget *owner = modal->parentWidget(); owner; owner = owner->parentWidget()) {
        if (owner->window() == window)
            return modal;
    }
    return nullptr;
}

} // namespace

void install_modal_focus(QApplication &app)
{
    // Queued, so that the window manager has finished activating the clicked window.
    QObject::connect(
        &app, &QGuiApplication::focusWindowChanged, &app,
        [](QWindow *focused) {
            if (!focused)
                return;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->windowHandle() != focused)
                    continue;
                if (QWidget *dialog = blocking_dialog(window)) {
                    dialog->raise();
                    dialog->activateWindow();
                }
                return;
            }
        },
        Qt::QueuedConnection);
}

} // namespace gui::common
