#include "common/file_read.h"

#include "common/file_names.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

FileResult read_open_file(int fd, qint64 max_bytes, const QString &too_large, QByteArray &bytes)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return file_failure(errno);
    if (!S_ISREG(status.st_mode))
        return {false, not_a_regular_file};
    if (status.st_size > max_bytes)
        return {false, too_large};
    // One byte more than is allowed tells a file that grew since it was looked at.
    bytes.resize(qsizetype(status.st_size) + 1);
    qsizetype size = 0;
    while (true) {
        if (size == bytes.size()) {
            if (size > max_bytes)
                return {false, too_large};
            bytes.resize(std::min<qsizetype>(size * 2, max_bytes + 1));
        }
        const ssize_t got = ::read(fd, bytes.data() + size, std::size_t(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return file_failure(errno);
        if (got == 0)
            break;
        size += got;
    }
    if (size > max_bytes)
        return {false, too_large};
    bytes.resize(size);
    return {};
}

} // namespace

FileResult read_regular_file(const QString &path, qint64 max_bytes, const QString &too_large, QByteArray &bytes)
{
    const int fd = ::open(native_name(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return file_failure(errno);
    const FileResult result = read_open_file(fd, max_bytes, too_large, bytes);
    ::close(fd);
    return result;
}

} // namespace common
