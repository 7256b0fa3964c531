// Morvik: stresses of a singly reinforced concrete section.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("Morvik"),
                             QStringLiteral("Morvik の画面はまだありません。 / Morvik's window is not built yet."));
    return 0;
}
