#include "shell/tavrel_windows.h"

#include "shell/launcher.h"
#include "widgets/screen_font.h"
#include "shell/single_instance.h"

#include <QApplication>
#include <QMessageBox>

namespace shell {

Launcher *open_launcher(const SingleInstance &instance)
{
    if (!instance.is_first()) {
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

int run_windows(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    widgets::install_screen_font(app);
    // The process lives while any of its windows is open: closing the launcher leaves the flume
    // window, and the other way round.
    const SingleInstance instance;
    if (!open_launcher(instance))
        return 0;
    QObject::connect(&instance, &SingleInstance::show_requested, [] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                window->raise();
                window->activateWindow();
            }
        }
    });
    return app.exec();
}

} // namespace shell
