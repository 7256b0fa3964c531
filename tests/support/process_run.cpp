#include "tests/support/process_run.h"

#include <QProcess>

namespace test_support {

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
    process.start(program, arguments);
    ProcessRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace test_support
