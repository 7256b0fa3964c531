#include "inputfile/tvl_file.h"

#include "common/file_names.h"
#include "common/safe_file_write.h"
#include "flume/sheet_inputs.h"
#include "inputfile/tvl_encoding.h"
#include "inputfile/tvl_format.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace inputfile {

namespace {

// The whole content of a regular file of at most max_file_bytes, into bytes.
common::FileResult read_whole_file(int fd, QByteArray &bytes)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return common::file_failure(errno);
    if (!S_ISREG(status.st_mode))
        return {false, reason::not_a_file};
    if (status.st_size > max_file_bytes)
        return {false, reason::too_large};
    // One byte more than is allowed tells a file that grew since it was looked at.
    bytes.resize(max_file_bytes + 1);
    qsizetype size = 0;
    while (size < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + size, std::size_t(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return common::file_failure(errno);
        if (got == 0)
            break;
        size += got;
    }
    if (size > max_file_bytes)
        return {false, reason::too_large};
    bytes.resize(size);
    return {};
}

} // namespace

common::FileResult write_tvl_file(const QString &path, const QStringList &texts)
{
    return common::write_file_safely(path, encode_tvl(format_tvl(texts)));
}

common::FileResult read_tvl_file(const QString &path, QStringList &items)
{
    // Opened without waiting, so that a pipe nobody writes to cannot hold the program; it is then
    // refused as not a regular file.
    const int fd = ::open(common::native_name(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return common::file_failure(errno);
    QByteArray bytes;
    const common::FileResult result = read_whole_file(fd, bytes);
    ::close(fd);
    if (result)
        items = parse_tvl(decode_tvl(bytes));
    return result;
}

common::FileResult save_inputs(const flume::FlumeSheet &sheet, const QString &path)
{
    return write_tvl_file(path, flume::input_texts(sheet));
}

common::FileResult open_inputs(flume::FlumeSheet &sheet, const QString &path)
{
    QStringList items;
    const common::FileResult result = read_tvl_file(path, items);
    if (result)
        flume::put_input_texts(sheet, items);
    return result;
}

} // namespace inputfile
