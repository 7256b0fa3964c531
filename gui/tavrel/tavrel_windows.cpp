#include "gui/tavrel/tavrel_windows.h"

#include "gui/tavrel/flume_window.h"
#include "gui/tavrel/launcher.h"
#include "gui/tavrel/single_instance.h"
#include "gui/common/application_setup.h"
#include "gui/common/font_configuration.h"
#include "gui/common/window_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace tavrel {

namespace {

void bring_windows_forward()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->raise();
            window->activateWindow();
        }
    }
    // A dialog or message box that is up keeps the keyboard.
    if (QWidget *dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

// A file handed over while a dialog or message box is up waits until it is answered, so that the
// inputs do not change under a question about them. The windows come forward once; while the file
// waits, the keyboard stays wherever the user puts it.
void open_when_answered(const QString &path, bool brought_forward = false)
{
    if (QApplication::activeModalWidget()) {
        if (!brought_forward)
            bring_windows_forward();
        QTimer::singleShot(250, qApp, [path] { open_when_answered(path, true); });
        return;
    }
    open_in_flume_window(path);
}

} // namespace

Launcher *open_launcher(const SingleInstance &instance)
{
    if (!instance.failure().isEmpty()) {
        // Whether another instance runs cannot be told; the user learns why, and this one starts.
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), instance.failure(), QMessageBox::Ok);
        box.exec();
    } else if (!instance.is_first()) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), already_running_message,
                        QMessageBox::Ok);
        box.exec();
        instance.ask_first_to_show();
        return nullptr;
    }
    auto *launcher = new Launcher;
    launcher->show();
    return launcher;
}

void serve_later_starts(const SingleInstance &instance)
{
    QObject::connect(&instance, &SingleInstance::show_requested, bring_windows_forward);
    // Queued, so that the question about unsaved inputs is asked from the event loop and not while
    // the request is still being read.
    QObject::connect(
        &instance, &SingleInstance::open_requested, qApp, [](const QString &path) { open_when_answered(path); },
        Qt::QueuedConnection);
}

FlumeWindow *open_in_flume_window(const QString &path)
{
    // The open flume window; else the launcher's, so that its button shows the same one; else a
    // window of its own when the launcher has been closed.
    FlumeWindow *window = nullptr;
    Launcher *launcher = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        if (auto *flume = qobject_cast<FlumeWindow *>(top))
            window = flume;
        else if (auto *found = qobject_cast<Launcher *>(top))
            launcher = found;
    }
    if (!window)
        window = launcher ? launcher->show_flume_window() : new FlumeWindow;
    window->show();
    window->raise();
    window->activateWindow();
    if (window->settle_unsaved_changes())
        window->open_file(path);
    return window;
}

int run_windows(int argc, char *argv[], const QString &file)
{
    const gui::common::FontConfigurationLoader fonts;
    QApplication app(argc, argv);
    gui::common::prepare_application(app, QStringLiteral("Tavrel"));
    // The process lives while any of its windows is open: closing the launcher leaves the flume
    // window, and the other way round.
    const SingleInstance instance;
    if (!instance.is_first() && !file.isEmpty() && instance.hand_over(file))
        return 0;
    Launcher *launcher = open_launcher(instance);
    if (!launcher)
        return 0;
    gui::common::report_left_recovery_copies(launcher, QApplication::applicationName());
    if (!file.isEmpty())
        open_in_flume_window(file);
    serve_later_starts(instance);
    return app.exec();
}

} // namespace tavrel
