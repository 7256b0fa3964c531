// The yardsticks of scripts/bench-startup.sh: the least a Qt Widgets program does to put a window
// on the screen (an application, one empty titled window, shown), and with "--text" the least it
// does to put one with Japanese words on it: one line in the programs' screen face, IPA Gothic at
// 9 pt, which loads the font configuration, the face and its shaping as any window of ours must.
// Not a test; built only on request.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("startup_reference_window"));
    window.resize(600, 120);
    if (app.arguments().contains(QStringLiteral("--text"))) {
        app.setFont(QFont(QStringLiteral("IPAGothic"), 9));
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("水路の設計計算　鉄筋コンクリート応力度の検討"), &window));
    }
    window.show();
    return app.exec();
}
