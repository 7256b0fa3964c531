#pragma once

#include <QString>
#include <QStringList>

namespace test_support {

// What a program run by a test left: its exit status (-1 when it crashed or did not end within
// a minute) and its output, read as UTF-8.
struct ProcessRun {
    int status = -1;
    QString out;
    QString err;
};

enum class Display {
    Inherited,  // the test's own environment
    None,       // no X or Wayland server and no platform plugin named, as on a server
};

// Runs program with arguments and waits for it to end.
ProcessRun run_process(const QString &program, const QStringList &arguments, Display display = Display::Inherited,
                       const QString &working_folder = {});

} // namespace test_support
