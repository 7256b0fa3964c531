#include "common/safe_file_write.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The writing uses the POSIX file calls (open, write, fsync, rename, fchmod) directly rather than
// QSaveFile: QSaveFile keeps no error number to describe the failure by, ignores a failed flush to
// the disk, takes a short write for success and would replace a device or pipe by a file. This file
// is therefore for POSIX systems only.

namespace common {

namespace {

// The helpers return an error number, 0 when all went well.

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

// Writes the bytes and, for a file on a disk, waits until the disk has them: a file system may
// report a failed write only then. A file system that cannot sync says so with EINVAL.
int write_synced(int fd, const QByteArray &bytes, bool sync)
{
    if (const int error = write_all(fd, bytes))
        return error;
    if (sync && ::fsync(fd) != 0 && errno != EINVAL)
        return errno;
    return 0;
}

// Some file systems (NFS) report a failed write only when the file is closed.
int close_checked(int fd, int earlier_error)
{
    if (::close(fd) != 0 && earlier_error == 0 && errno != EINTR)
        return errno;
    return earlier_error;
}

FileResult outcome(int error)
{
    return error == 0 ? FileResult{} : file_failure(error);
}

// The file a path names once symbolic links are followed; a link to a file that does not exist yet
// names the file it would create.
QString final_path(const QString &path)
{
    QString target = path;
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) {
        target = info.symLinkTarget();
        info.setFile(target);
    }
    return target;
}

// A device or pipe is written where it is. It is opened without waiting, so that a pipe nobody
// reads fails at once (ENXIO) instead of holding the program; the writes then wait as usual.
FileResult write_in_place(const QByteArray &target, const QByteArray &bytes)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return file_failure(errno);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return outcome(close_checked(fd, write_synced(fd, bytes, false)));
}

// Where the folder lets no new file be made (its permissions) but the file itself may be written,
// the file is emptied and written where it is: a temporary file and a rename are impossible there.
// Its earlier content (up to a size worth holding in memory) is kept and written back when the new
// content cannot be written, so that a full disk does not cost it even there.
FileResult overwrite_regular_file(const QByteArray &target, const QByteArray &bytes)
{
    constexpr qint64 max_kept_bytes = 64 * 1024 * 1024;
    QFile earlier_file(QFile::decodeName(target));
    QByteArray earlier;
    const bool kept = earlier_file.open(QIODevice::ReadOnly) && earlier_file.size() <= max_kept_bytes
                      && (earlier = earlier_file.readAll(), earlier_file.error() == QFileDevice::NoError);
    earlier_file.close();

    const int fd = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return file_failure(errno);
    const int error = write_synced(fd, bytes, true);
    if (error != 0 && kept && ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0)
        write_synced(fd, earlier, true);
    return outcome(close_checked(fd, error));
}

// A hidden name beside the target for the new content, not taken yet.
QByteArray temporary_name(const QFileInfo &target)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() + u'.' + suffix);
}

// Writes a new regular file, or replaces one (existing is then its status), through a temporary
// file renamed over it once the disk holds all of it.
FileResult replace_regular_file(const QString &target, const struct stat *existing, const QByteArray &bytes)
{
    const QByteArray native_target = QFile::encodeName(target);
    QByteArray temporary;
    int fd = -1;
    // Until it has the earlier file's permissions the new content is readable by its owner only.
    const mode_t mode = existing ? 0600 : 0666;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporary_name(QFileInfo(target));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int error = errno;
        if (existing && (error == EACCES || error == EPERM) && ::access(native_target.constData(), W_OK) == 0)
            return overwrite_regular_file(native_target, bytes);
        return file_failure(error);
    }
    if (existing) {
        // The owner first: changing it may clear the set-id bits that the mode then restores. Only
        // root may give the file to another user; anyone may keep its group if he belongs to it.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0)
            (void)!::fchown(fd, uid_t(-1), existing->st_gid);
        ::fchmod(fd, existing->st_mode & 07777);
    }
    int error = close_checked(fd, write_synced(fd, bytes, true));
    if (error == 0 && ::rename(temporary.constData(), native_target.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.constData());
    return outcome(error);
}

} // namespace

FileResult write_file_safely(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return file_failure(ENOENT);
    const QString target = final_path(path);
    struct stat existing {};
    if (::stat(QFile::encodeName(target).constData(), &existing) != 0)
        return errno == ENOENT ? replace_regular_file(target, nullptr, bytes) : file_failure(errno);
    if (S_ISDIR(existing.st_mode))
        return file_failure(EISDIR);
    if (!S_ISREG(existing.st_mode))
        return write_in_place(QFile::encodeName(target), bytes);
    return replace_regular_file(target, &existing, bytes);
}

} // namespace common
