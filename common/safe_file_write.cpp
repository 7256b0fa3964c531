#include "common/safe_file_write.h"

#include "common/file_calls.h"
#include "common/file_names.h"
#include "common/recovery_copy.h"

#include <QList>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

// The writing uses the POSIX and Linux file calls (open with O_TMPFILE, write, fsync, linkat,
// rename, fchown, fsetxattr, fchmod) directly rather than QSaveFile: QSaveFile keeps no error number
// to describe the failure by, ignores a failed flush to the disk, takes a short write for success,
// would replace a device or pipe by a file, and keeps neither a file's links nor its extended
// attributes. This file is therefore for Linux only; the writer makes its system calls here and in
// common/file_calls.cpp, and keeps the earlier content of a file it writes in place with
// common/recovery_copy.cpp.

namespace common {

namespace {

namespace reason = write_reason;

// Writes the bytes from the start of the file and cuts the file after them.
int write_from_start(int fd, const QByteArray &bytes)
{
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return errno;
    if (const int error = write_all(fd, bytes))
        return error;
    return ::ftruncate(fd, bytes.size()) == 0 ? 0 : errno;
}

FileResult outcome(int error)
{
    return error == 0 ? FileResult{} : file_failure(error);
}

// A device or pipe is written where it is. It is opened without waiting, so that a pipe nobody
// reads fails at once (ENXIO) instead of holding the program; the writes then wait as usual.
FileResult write_to_device(const QByteArray &target, const QByteArray &bytes)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return file_failure(errno);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return outcome(close_checked(fd, write_all(fd, bytes)));
}

// Writes a regular file where it is, keeping the file itself (its links, owner and attributes): the
// earlier content is read first and kept in a recovery copy before the first byte is written, and
// written back when the new content cannot be written. A file that cannot be read, or whose earlier
// content cannot be kept, is not touched.
FileResult rewrite_in_place(const QByteArray &target, const QByteArray &bytes)
{
    const int fd = ::open(target.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES) {
            if (const int writable = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC); writable >= 0) {
                ::close(writable);
                return {false, reason::earlier_unreadable + file_failure(error).reason};
            }
        }
        return file_failure(error);
    }
    QByteArray earlier;
    if (const int error = read_all(fd, earlier); error != 0) {
        ::close(fd);
        return {false, reason::earlier_unreadable + file_failure(error).reason};
    }
    RecoveryCopy recovery(target, earlier);
    if (!recovery.failure().isEmpty()) {
        ::close(fd);
        return {false, reason::no_recovery_copy + recovery.failure()};
    }
    int error = write_from_start(fd, bytes);
    if (error == 0)
        error = sync_to_disk(fd);
    const bool written_back = error != 0 && write_from_start(fd, earlier) == 0 && sync_to_disk(fd) == 0;
    FileResult result = outcome(close_checked(fd, error));
    if (result) {
        recovery.discard();
        return result;
    }
    recovery.keep();
    result.reason += (written_back ? reason::earlier_written_back : reason::earlier_kept_in).arg(recovery.path());
    return result;
}

// The extended attribute names of a file (list(buffer, size) is listxattr or flistxattr).
template <typename List>
int attribute_names(List list, QList<QByteArray> &names)
{
    names.clear();
    QByteArray buffer;
    for (;;) {
        const ssize_t size = list(nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? 0 : errno;
        buffer.resize(size);
        const ssize_t got = list(buffer.data(), std::size_t(size));
        if (got < 0 && errno == ERANGE)
            continue;
        if (got < 0)
            return errno;
        for (const QByteArray &name : buffer.left(got).split('\0')) {
            if (!name.isEmpty())
                names.append(name);
        }
        return 0;
    }
}

// Gives the new file the earlier file's extended attributes (its POSIX ACL, system.posix_acl_access,
// among them) and no others (such as a default ACL the folder passed on). False when that cannot be
// done.
bool copy_attributes(const QByteArray &from, int fd)
{
    QList<QByteArray> names, own;
    if (attribute_names([&from](char *list, std::size_t size) { return ::listxattr(from.constData(), list, size); },
                        names)
            != 0
        || attribute_names([fd](char *list, std::size_t size) { return ::flistxattr(fd, list, size); }, own) != 0)
        return false;
    for (const QByteArray &name : names) {
        QByteArray value;
        ssize_t size;
        do {
            size = ::getxattr(from.constData(), name.constData(), nullptr, 0);
            if (size >= 0) {
                value.resize(size);
                size = ::getxattr(from.constData(), name.constData(), value.data(), value.size());
            }
        } while (size < 0 && errno == ERANGE);
        if (size < 0 && errno == ENODATA)
            continue;
        if (size < 0 || ::fsetxattr(fd, name.constData(), value.constData(), std::size_t(size), 0) != 0)
            return false;
    }
    for (const QByteArray &name : own) {
        if (!names.contains(name) && ::fremovexattr(fd, name.constData()) != 0)
            return false;
    }
    return true;
}

// Whether the new file can be the earlier file to anyone who uses it: the same owner, group,
// attributes and permissions. The owner first: changing it may clear the set-id bits that the mode
// then restores.
bool take_identity(int fd, const QByteArray &earlier, const struct stat &status)
{
    return ::fchown(fd, status.st_uid, status.st_gid) == 0 && copy_attributes(earlier, fd)
           && ::fchmod(fd, status.st_mode & 07777) == 0;
}

// The new content, until it is complete, in a file without a name (O_TMPFILE), which vanishes with
// the program if it is stopped; it gets a short hidden name only to be renamed over the target.
// Where a file system has no nameless files, it has that name from the start. The file is removed
// on every way out that does not rename it.
class TemporaryFile
{
public:
    explicit TemporaryFile(const QByteArray &folder) : folder_(folder) {}
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.isEmpty())
            ::unlink(name_.constData());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int fd() const { return fd_; }

    // The file is locked while this save has it, so that a later save tells it from one left by a
    // save that was killed (remove_left_temporaries).
    int open(mode_t mode)
    {
        if (::access("/proc/self/fd", X_OK) == 0) {
            fd_ = ::open(folder_.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
            if (fd_ >= 0)
                ::flock(fd_, LOCK_EX);
            if (fd_ >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
                return fd_ >= 0 ? 0 : errno;
        }
        return with_free_name([this, mode](const QByteArray &name) {
            fd_ = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd_ >= 0)
                ::flock(fd_, LOCK_EX);
            return fd_ >= 0;
        });
    }

    int close()
    {
        const int error = close_checked(fd_, 0);
        fd_ = -1;
        return error;
    }

    int rename_over(const QByteArray &target)
    {
        if (name_.isEmpty()) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
            if (const int error = with_free_name([&self](const QByteArray &name) {
                    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
                }))
                return error;
        }
        if (const int error = close())
            return error;
        if (::rename(name_.constData(), target.constData()) != 0)
            return errno;
        name_.clear();
        return 0;
    }

private:
    // Tries make(name) with fresh names of a fixed short length until one is free.
    template <typename Make>
    int with_free_name(Make make)
    {
        static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            QByteArray name = folder_ + "/.tavrel-";
            for (int i = 0; i < 8; ++i)
                name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
            if (make(name)) {
                name_ = name;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    QByteArray folder_;
    int fd_ = -1;
    QByteArray name_;
};

// Writes a new regular file, or replaces one (existing is then its status), through a temporary
// file renamed over it once the disk holds all of it, and syncs the folder so that the new name
// survives a power loss. Where the new file could not be the earlier one (another user's file, an
// owner or attribute that cannot be given, a rename the folder refuses), the earlier file is
// written in place instead.
// The temporary files a save killed between naming its file and renaming it left in the folder:
// ".tavrel-" and eight letters or digits, the user's, unchanged for a minute and not locked by a save
// at work. Whatever cannot be looked at is left alone.
void remove_left_temporaries(const QByteArray &folder)
{
    static const QRegularExpression ours(QStringLiteral("^\\.tavrel-[a-z0-9]{8}$"));
    DIR *entries = ::opendir(folder.constData());
    if (!entries)
        return;
    while (const dirent *entry = ::readdir(entries)) {
        if (!ours.match(QLatin1String(entry->d_name)).hasMatch())
            continue;
        const QByteArray path = folder + '/' + entry->d_name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat status {}, named {};
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid()
            && ::time(nullptr) - status.st_mtime > 60 && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::lstat(path.constData(), &named) == 0 && named.st_dev == status.st_dev && named.st_ino == status.st_ino)
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(entries);
}

FileResult replace_file(const QByteArray &target, const struct stat *existing, const QByteArray &bytes)
{
    const QByteArray folder = folder_of(target);
    remove_left_temporaries(folder);
    TemporaryFile temporary(folder);
    // Until it has the earlier file's permissions the new content is readable by its owner only.
    if (const int error = temporary.open(existing ? 0600 : 0666)) {
        if (existing && (error == EACCES || error == EPERM))
            return rewrite_in_place(target, bytes);
        return file_failure(error);
    }
    if (existing && !take_identity(temporary.fd(), target, *existing))
        return rewrite_in_place(target, bytes);
    int error = write_all(temporary.fd(), bytes);
    if (error == 0)
        error = sync_to_disk(temporary.fd());
    if (error == 0)
        error = temporary.rename_over(target);
    if (existing && (error == EPERM || error == EXDEV || error == EBUSY))
        return rewrite_in_place(target, bytes);
    if (error == 0)
        error = sync_folder(folder);
    return outcome(error);
}

// One of the program's own open files (its standard output, redirected to a log with >> or after a
// header, or a pipe) is written where it stands: reopened by name it would be written from its start.
FileResult write_to_own_descriptor(int fd, const QByteArray &bytes)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return file_failure(errno);
    int error = write_all(fd, bytes);
    if (error == 0 && S_ISREG(status.st_mode))
        error = sync_to_disk(fd);
    return outcome(error);
}

// The permissions do not let the user write the file: root, whom they do not stop, is held to the
// same, a file without any write permission.
bool read_only(const QByteArray &native, const struct stat &status)
{
    if (::geteuid() == 0)
        return (status.st_mode & 0222) == 0;
    return ::access(native.constData(), W_OK) != 0 && errno == EACCES;
}

} // namespace

bool is_read_only_file(const QString &path)
{
    const QByteArray native = native_name(path);
    struct stat status {};
    return ::stat(native.constData(), &status) == 0 && S_ISREG(status.st_mode) && read_only(native, status);
}

FileResult write_file_safely(const QString &path, const QByteArray &bytes, ReadOnlyFile read_only_file)
{
    const QByteArray native = native_name(path);
    if (native.isEmpty())
        return file_failure(ENOENT);
    const FinalTarget target = final_target(native);
    if (target.own_descriptor >= 0)
        return write_to_own_descriptor(target.own_descriptor, bytes);
    struct stat existing {};
    const bool exists = ::stat(native.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return file_failure(errno);
    if (exists && S_ISDIR(existing.st_mode))
        return file_failure(EISDIR);
    if (exists && !S_ISREG(existing.st_mode))
        return write_to_device(native, bytes);
    if (target.error != 0)
        return file_failure(target.error);
    if (exists && read_only_file == ReadOnlyFile::Refuse && read_only(native, existing))
        return {false, read_only_reason};
    if (!exists)
        return replace_file(target.path, nullptr, bytes);
    // A file with more links than one is written where it is, so that every name still shows it.
    if (existing.st_nlink > 1)
        return rewrite_in_place(target.path, bytes);
    return replace_file(target.path, &existing, bytes);
}

} // namespace common
