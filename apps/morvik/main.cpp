// Morvik: stresses of a singly reinforced concrete section. "--check" and "--pdf" run without a
// display; otherwise the window opens.
#include "apps/morvik/check_command.h"
#include "apps/morvik/pdf_command.h"
#include "printing/report_font.h"
#include "rcstress/window/section_window.h"

#include <QApplication>
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
    printing::install_font_substitutions();
    rcstress::SectionWindow window;
    window.show();
    return app.exec();
}
