#pragma once

#include <QGuiApplication>

#include <memory>

namespace printing {

// The application of a command that draws reports without a window: on the offscreen platform
// unless another is named, so that no display is needed, with the report face set up. argc must
// outlive the application.
std::unique_ptr<QGuiApplication> start_report_application(int &argc, char *argv[]);

} // namespace printing
