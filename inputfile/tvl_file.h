#pragma once

#include <QString>
#include <QStringList>

namespace flume {
class FlumeSheet;
}

namespace inputfile {

// Of a file being opened, no more than this many bytes are read: a file of the format is a few
// hundred bytes, and a huge or binary file chosen by mistake must neither take long nor fill memory.
inline constexpr qint64 max_read_bytes = 1024 * 1024;

// Whether a file operation worked, and if not, why (the system's words).
struct FileResult {
    bool ok = true;
    QString reason;
    explicit operator bool() const { return ok; }
};

// Writes the 25 input texts as a .tvl file. The file is replaced at once when everything is written;
// on any failure the file that was there before stays as it was.
FileResult write_tvl_file(const QString &path, const QStringList &texts);

// Reads the items of a .tvl file (at most 25; fewer when the file has fewer).
FileResult read_tvl_file(const QString &path, QStringList &items);

// Saves the 25 input fields of the sheet.
FileResult save_inputs(const flume::FlumeSheet &sheet, const QString &path);

// Puts the items of a .tvl file into the 25 input fields, as typing would: inputs without an item in
// the file are emptied. Nothing is calculated, and results and carried values stay. A file that
// cannot be opened or read leaves every field as it was.
FileResult open_inputs(flume::FlumeSheet &sheet, const QString &path);

} // namespace inputfile
