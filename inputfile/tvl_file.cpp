#include "inputfile/tvl_file.h"

#include "flume/sheet_inputs.h"
#include "inputfile/tvl_encoding.h"
#include "inputfile/tvl_format.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace inputfile {

namespace {

FileResult failure(const QFileDevice &file)
{
    return {false, file.errorString()};
}

} // namespace

FileResult write_tvl_file(const QString &path, const QStringList &texts)
{
    const QByteArray bytes = encode_tvl(format_tvl(texts));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file);
    if (file.write(bytes) != bytes.size()) {
        const FileResult result = failure(file);
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return failure(file);
    return {};
}

FileResult read_tvl_file(const QString &path, QStringList &items)
{
    // A pipe or a device could keep the reading waiting for ever; a directory has no text.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {false, QStringLiteral("通常のファイルではありません。")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file);
    // One byte more than is taken tells whether the file goes on beyond it.
    QByteArray bytes = file.read(max_read_bytes + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return failure(file);
    const bool cut_short = bytes.size() > max_read_bytes;
    if (cut_short)
        bytes.truncate(max_read_bytes);
    items = parse_tvl(decode_tvl(bytes, cut_short));
    return {};
}

FileResult save_inputs(const flume::FlumeSheet &sheet, const QString &path)
{
    return write_tvl_file(path, flume::input_texts(sheet));
}

FileResult open_inputs(flume::FlumeSheet &sheet, const QString &path)
{
    QStringList items;
    const FileResult result = read_tvl_file(path, items);
    if (result)
        flume::put_input_texts(sheet, items);
    return result;
}

} // namespace inputfile
