#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace test_support {

// Writes a file, making its folder first; an executable one can be started as a program.
void write_file(const QString &path, const QByteArray &bytes, bool executable);

// Writes at path a program that stands in for a companion and appends every start of it to
// record_path: the folder it was started in, then its arguments.
void write_recording_program(const QString &path, const QString &record_path);

// The starts recorded so far, each the folder followed by the arguments.
QList<QStringList> recorded_starts(const QString &record_path);

} // namespace test_support
