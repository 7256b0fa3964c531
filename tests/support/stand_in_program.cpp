#include "tests/support/stand_in_program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace test_support {

namespace {

// Ends every recorded start, so that a start still being written is not read as a whole one.
const QString end_of_start = QStringLiteral("--end of start--");

} // namespace

void write_file(const QString &path, const QByteArray &bytes, bool executable)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

void write_recording_program(const QString &path, const QString &record_path)
{
    const QString script = QStringLiteral("#!/bin/sh\n"
                                          "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; echo '%1'; } >> '%2'\n")
                               .arg(end_of_start, record_path);
    write_file(path, script.toUtf8(), true);
}

QList<QStringList> recorded_starts(const QString &record_path)
{
    QFile file(record_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> starts;
    QStringList start;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line == end_of_start) {
            starts.append(start);
            start.clear();
        } else {
            start.append(line);
        }
    }
    return starts;
}

} // namespace test_support
