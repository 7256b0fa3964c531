#include "printing/report_application.h"

#include "drawing/report_font.h"

namespace printing {

std::unique_ptr<QGuiApplication> start_report_application(int &argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    drawing::install_font_substitutions();
    return app;
}

} // namespace printing
