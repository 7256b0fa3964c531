// Tavrel: the flume check. With --check or --pdf it runs without a display; otherwise it opens its
// launcher window.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("Tavrel"),
                             QStringLiteral("Tavrel の画面はまだありません。 / Tavrel's windows are not built yet."));
    return 0;
}
