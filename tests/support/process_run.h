#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QProcess;

namespace test_support {

// What a program run by a test left: its exit status (-1 when it crashed or did not end within
// a minute) and its output, read as UTF-8.
struct ProcessRun {
    int status = -1;
    QString out;
    QString err;
    QByteArray out_bytes;  // the standard output as written
};

enum class Display {
    Inherited,  // the test's own environment
    None,       // no X or Wayland server and no platform plugin named, as on a server
};

// Starts program with arguments. An argument may name a file whose name is not UTF-8
// (common::name_from_native); the program gets the name's bytes.
void start_process(QProcess &process, const QString &program, const QStringList &arguments);

// Runs program with arguments (as start_process) and waits for it to end.
ProcessRun run_process(const QString &program, const QStringList &arguments, Display display = Display::Inherited,
                       const QString &working_folder = {});

} // namespace test_support
