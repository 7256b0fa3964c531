#include "common/file_calls.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace common {

int write_all(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        left -= written;
    }
    return 0;
}

int read_all(int fd, QByteArray &bytes)
{
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        bytes.append(buffer, got);
    }
}

int sync_to_disk(int fd)
{
    return ::fsync(fd) != 0 && errno != EINVAL ? errno : 0;
}

int close_checked(int fd, int earlier_error)
{
    if (::close(fd) != 0 && earlier_error == 0 && errno != EINTR)
        return errno;
    return earlier_error;
}

int sync_folder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES ? 0 : errno;
    return close_checked(fd, sync_to_disk(fd));
}

} // namespace common
