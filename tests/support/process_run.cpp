#include "tests/support/process_run.h"

#include "common/file_names.h"

#include <QProcess>

namespace test_support {

void start_process(QProcess &process, const QString &program, const QStringList &arguments)
{
    // QProcess hands arguments over as UTF-8; a name's bytes that are not UTF-8 pass as escapes that
    // the shell's printf turns back into those bytes.
    QStringList escaped;
    for (const QString &argument : QStringList{program} + arguments)
        escaped.append(QString::fromLatin1(common::native_name(argument).toPercentEncoding().replace('%', "\\x")));
    process.start(QStringLiteral("/bin/bash"),
                  QStringList{QStringLiteral("-c"),
                              QStringLiteral("for a; do set -- \"$@\" \"$(printf %b \"$a\")\"; shift; done; exec \"$@\""),
                              QStringLiteral("bash")}
                      + escaped);
}

ProcessRun run_process(const QString &program, const QStringList &arguments, Display display,
                       const QString &working_folder)
{
    QProcess process;
    if (display == Display::None) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
    }
    if (!working_folder.isEmpty())
        process.setWorkingDirectory(working_folder);
    start_process(process, program, arguments);
    ProcessRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out_bytes = process.readAllStandardOutput();
    run.out = QString::fromUtf8(run.out_bytes);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace test_support
