#include "shell/tavrel_windows.h"

#include <QApplication>
#include <QMessageBox>

namespace shell {

int run_windows(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("Tavrel"),
                             QStringLiteral("Tavrel の画面はまだありません。 / Tavrel's windows are not built yet."));
    return 0;
}

} // namespace shell
