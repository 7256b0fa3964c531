// Morvik: stresses of a singly reinforced concrete section. "--check" and "--pdf" run without a
// display; otherwise the window opens.
#include "apps/morvik/check_command.h"
#include "apps/morvik/pdf_command.h"

#include <QApplication>
#include <QMessageBox>
#include <cstring>

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0)
            return run_check_command(argc, argv);
        if (std::strcmp(argv[i], "--pdf") == 0)
            return run_pdf_command(argc, argv);
    }
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("Morvik"),
                             QStringLiteral("Morvik の画面はまだありません。 / Morvik's window is not built yet."));
    return 0;
}
