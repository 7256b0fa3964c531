// The yardstick of scripts/bench-startup.sh: the least a Qt Widgets program does to put a window
// on the screen (an application, one empty titled window, shown). Not a test; built only on request.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("startup_reference_window"));
    window.resize(600, 120);
    window.show();
    return app.exec();
}
