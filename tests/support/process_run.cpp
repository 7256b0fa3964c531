#include "tests/support/process_run.h"

#include "common/file_names.h"

#include <QProcess>

namespace test_support {

void start_process(QProcess &process, const QString &program, const QStringList &arguments)
{
    // QProcess hands arguments over as UTF-8; bytes that are not UTF-8 go through the shell, which
    // turns each argument, its bytes written as escapes of printf's %b, back into those bytes.
    bool all_utf8 = true;
    QStringList escaped;
    for (const QString &argument : QStringList{program} + arguments) {
        const QByteArray bytes = common::native_name(argument);
        all_utf8 = all_utf8 && bytes == argument.toUtf8();
        QString text;
        for (const char byte : bytes)
            text += byte & 0x80 || byte == '\\' ? QStringLiteral("\\0%1").arg(int(uchar(byte)), 3, 8, QChar(u'0'))
                                                : QString(QLatin1Char(byte));
        escaped.append(text);
    }
    if (all_utf8)
        process.start(program, arguments);
    else
        process.start(QStringLiteral("/bin/sh"),
                      QStringList{QStringLiteral("-c"),
                                  QStringLiteral("for a; do set -- \"$@\" \"$(printf %b \"$a\")\"; shift; done; exec \"$@\""),
                                  QStringLiteral("sh")}
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
