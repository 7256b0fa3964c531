// A test-only library that makes chosen system calls on the files of one folder fail, as a full or
// failing disk or a refusing file system would: the n-th call of a kind fails with a chosen error
// number. It stands before the C library, preloaded into a program (LD_PRELOAD) or linked into a
// test, and passes every other call through unchanged.
//
// It is set up from the environment when loaded, and again by fail_calls_configure():
//   TAVREL_FAIL_CALLS   "kind:n:errno" rules, separated by commas: "fsync:1:5" fails the first fsync
//   TAVREL_FAIL_FOLDER  only calls on the files in this folder, or on the folder itself, count
//   TAVREL_FAIL_REPORT  a file that gets the line "armed" once the rules are in force, and a line
//                       "kind n w" for every call made to fail; w is "w" for a call on a regular
//                       file open for writing, "-" otherwise
// The kinds, each counting the calls of the listed functions:
//   open (open, openat, mkstemp, mkostemp), read (read, pread), write (write, pwrite, writev),
//   fsync and fsync-folder (fsync, fdatasync on a file or on a folder), fchmod (fchmod, chmod,
//   fchmodat), fchown (fchown, chown, lchown, fchownat), rename (rename, renameat, renameat2),
//   link (link, linkat), close, ftruncate, fallocate (fallocate, posix_fallocate), fsetxattr,
//   fgetxattr and flistxattr (each with its forms for a path).
// A close made to fail closes the descriptor all the same, as the system does.
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

enum Kind {
    Open, Read, Write, Fsync, FsyncFolder, Fchmod, Fchown, Rename, Link, Close, Ftruncate, Fallocate,
    Fsetxattr, Fgetxattr, Flistxattr, kind_count
};
const char *const kind_names[kind_count] = {"open",  "read",  "write",  "fsync",     "fsync-folder",
                                            "fchmod", "fchown", "rename", "link",      "close",
                                            "ftruncate", "fallocate", "fsetxattr", "fgetxattr", "flistxattr"};

struct Rule {
    int kind, nth, error;
};

constexpr int max_rules = 8;
Rule rules[max_rules];
int rule_count = 0;
std::atomic<int> calls[kind_count];
std::atomic<bool> armed{false};
char folder[PATH_MAX];
std::size_t folder_length = 0;
char report[PATH_MAX];

template<typename Function>
Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// The real function this one stands for, looked up once.
#define REAL(name) static const auto real = next<decltype(&::name)>(#name)

bool in_folder(const char *path)
{
    return std::strncmp(path, folder, folder_length) == 0 && (path[folder_length] == '/' || path[folder_length] == 0);
}

bool path_of(int fd, char (&path)[PATH_MAX])
{
    char link[40];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length < 0)
        return false;
    path[length] = 0;
    return true;
}

bool fd_in_folder(int fd)
{
    char path[PATH_MAX];
    return path_of(fd, path) && in_folder(path);
}

// A path as the system resolves it from dirfd: absolute, or from the current or a given folder.
bool path_in_folder(int dirfd, const char *path)
{
    if (path == nullptr)
        return false;
    if (path[0] == '/')
        return in_folder(path);
    char base[PATH_MAX];
    if (dirfd == AT_FDCWD ? getcwd(base, sizeof base) == nullptr : !path_of(dirfd, base))
        return false;
    char full[2 * PATH_MAX + 2];
    std::snprintf(full, sizeof full, "%s/%s", base, path);
    return in_folder(full);
}

bool open_for_writing(int fd)
{
    struct stat status {};
    const int flags = fcntl(fd, F_GETFL);
    return flags != -1 && (flags & O_ACCMODE) != O_RDONLY && fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

void write_report(const char *line)
{
    static const auto real_open = next<decltype(&::open)>("open");
    static const auto real_write = next<decltype(&::write)>("write");
    static const auto real_close = next<decltype(&::close)>("close");
    if (report[0] == 0)
        return;
    const int fd = real_open(report, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    (void)!real_write(fd, line, std::strlen(line));
    real_close(fd);
}

// The error number to fail a call of kind with (0: make the call). fd is the descriptor the call
// is made on, or -1.
int failure(Kind kind, bool counted, int fd)
{
    if (!counted)
        return 0;
    const int nth = ++calls[kind];
    for (int i = 0; i < rule_count; ++i) {
        if (rules[i].kind == kind && rules[i].nth == nth) {
            char line[64];
            std::snprintf(line, sizeof line, "%s %d %c\n", kind_names[kind], nth,
                          fd >= 0 && open_for_writing(fd) ? 'w' : '-');
            write_report(line);
            return rules[i].error;
        }
    }
    return 0;
}

int fd_failure(Kind kind, int fd)
{
    return armed.load(std::memory_order_relaxed) ? failure(kind, fd_in_folder(fd), fd) : 0;
}

int path_failure(Kind kind, int dirfd, const char *path, int other_dirfd = AT_FDCWD, const char *other = nullptr)
{
    if (!armed.load(std::memory_order_relaxed))
        return 0;
    return failure(kind, path_in_folder(dirfd, path) || path_in_folder(other_dirfd, other), -1);
}

Kind fsync_kind(int fd)
{
    struct stat status {};
    return fstat(fd, &status) == 0 && S_ISDIR(status.st_mode) ? FsyncFolder : Fsync;
}

mode_t mode_argument(int flags, va_list arguments)
{
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(arguments, int)) : 0;
}

} // namespace

// The functions standing in for the C library's. FD_CALL fails a call on the descriptor fd,
// PATH_CALL one on a path (resolved from the folder dirfd, or from either of two for a rename or a
// link); a failed call sets errno and returns -1 without being made.
#define FD_CALL(kind, type, name, parameters, arguments) \
    type name parameters                                 \
    {                                                    \
        if (const int error = fd_failure(kind, fd)) {    \
            errno = error;                               \
            return -1;                                   \
        }                                                \
        REAL(name);                                      \
        return real arguments;                           \
    }
#define PATH_CALL(type, name, parameters, paths, arguments) \
    type name parameters                                    \
    {                                                       \
        if (const int error = path_failure paths) {         \
            errno = error;                                  \
            return -1;                                      \
        }                                                   \
        REAL(name);                                         \
        return real arguments;                              \
    }
// open and openat take the mode only when they may create the file.
#define OPEN_CALL(name, parameters, dirfd, arguments)            \
    int name parameters                                          \
    {                                                            \
        va_list rest;                                            \
        va_start(rest, flags);                                   \
        const mode_t mode = mode_argument(flags, rest);          \
        va_end(rest);                                            \
        if (const int error = path_failure(Open, dirfd, path)) { \
            errno = error;                                       \
            return -1;                                           \
        }                                                        \
        REAL(name);                                              \
        return real arguments;                                   \
    }

extern "C" {

void fail_calls_configure()
{
    armed = false;
    for (std::atomic<int> &count : calls)
        count = 0;
    rule_count = 0;
    const char *folder_setting = std::getenv("TAVREL_FAIL_FOLDER");
    const char *report_setting = std::getenv("TAVREL_FAIL_REPORT");
    std::snprintf(folder, sizeof folder, "%s", folder_setting ? folder_setting : "");
    std::snprintf(report, sizeof report, "%s", report_setting ? report_setting : "");
    folder_length = std::strlen(folder);
    const char *setting = std::getenv("TAVREL_FAIL_CALLS");
    for (const char *at = setting; at != nullptr && *at != 0 && rule_count < max_rules;) {
        char name[32];
        int nth = 0, error = 0, used = 0;
        if (std::sscanf(at, "%31[^:]:%d:%d%n", name, &nth, &error, &used) != 3)
            break;
        for (int kind = 0; kind < kind_count; ++kind) {
            if (std::strcmp(name, kind_names[kind]) == 0)
                rules[rule_count++] = {kind, nth, error};
        }
        at += used;
        at += *at == ',' ? 1 : 0;
    }
    armed = rule_count > 0 && folder_length > 0;
    if (armed)
        write_report("armed\n");
}

__attribute__((constructor)) static void configure_on_loading() { fail_calls_configure(); }

OPEN_CALL(open, (const char *path, int flags, ...), AT_FDCWD, (path, flags, mode))
OPEN_CALL(open64, (const char *path, int flags, ...), AT_FDCWD, (path, flags, mode))
OPEN_CALL(openat, (int dirfd, const char *path, int flags, ...), dirfd, (dirfd, path, flags, mode))
OPEN_CALL(openat64, (int dirfd, const char *path, int flags, ...), dirfd, (dirfd, path, flags, mode))
PATH_CALL(int, mkstemp, (char *pattern), (Open, AT_FDCWD, pattern), (pattern))
PATH_CALL(int, mkostemp, (char *pattern, int flags), (Open, AT_FDCWD, pattern), (pattern, flags))

FD_CALL(Read, ssize_t, read, (int fd, void *buffer, size_t size), (fd, buffer, size))
FD_CALL(Read, ssize_t, pread, (int fd, void *buffer, size_t size, off_t at), (fd, buffer, size, at))
FD_CALL(Read, ssize_t, pread64, (int fd, void *buffer, size_t size, off64_t at), (fd, buffer, size, at))
FD_CALL(Write, ssize_t, write, (int fd, const void *buffer, size_t size), (fd, buffer, size))
FD_CALL(Write, ssize_t, pwrite, (int fd, const void *buffer, size_t size, off_t at), (fd, buffer, size, at))
FD_CALL(Write, ssize_t, pwrite64, (int fd, const void *buffer, size_t size, off64_t at), (fd, buffer, size, at))
FD_CALL(Write, ssize_t, writev, (int fd, const struct iovec *parts, int count), (fd, parts, count))
FD_CALL(fsync_kind(fd), int, fsync, (int fd), (fd))
FD_CALL(fsync_kind(fd), int, fdatasync, (int fd), (fd))

FD_CALL(Fchmod, int, fchmod, (int fd, mode_t mode), (fd, mode))
PATH_CALL(int, chmod, (const char *path, mode_t mode), (Fchmod, AT_FDCWD, path), (path, mode))
PATH_CALL(int, fchmodat, (int dirfd, const char *path, mode_t mode, int flags), (Fchmod, dirfd, path),
          (dirfd, path, mode, flags))
FD_CALL(Fchown, int, fchown, (int fd, uid_t owner, gid_t group), (fd, owner, group))
PATH_CALL(int, chown, (const char *path, uid_t owner, gid_t group), (Fchown, AT_FDCWD, path),
          (path, owner, group))
PATH_CALL(int, lchown, (const char *path, uid_t owner, gid_t group), (Fchown, AT_FDCWD, path),
          (path, owner, group))
PATH_CALL(int, fchownat, (int dirfd, const char *path, uid_t owner, gid_t group, int flags),
          (Fchown, dirfd, path), (dirfd, path, owner, group, flags))

PATH_CALL(int, rename, (const char *from, const char *to), (Rename, AT_FDCWD, from, AT_FDCWD, to), (from, to))
PATH_CALL(int, renameat, (int from_dirfd, const char *from, int to_dirfd, const char *to),
          (Rename, from_dirfd, from, to_dirfd, to), (from_dirfd, from, to_dirfd, to))
PATH_CALL(int, renameat2, (int from_dirfd, const char *from, int to_dirfd, const char *to, unsigned flags),
          (Rename, from_dirfd, from, to_dirfd, to), (from_dirfd, from, to_dirfd, to, flags))
PATH_CALL(int, link, (const char *from, const char *to), (Link, AT_FDCWD, from, AT_FDCWD, to), (from, to))
PATH_CALL(int, linkat, (int from_dirfd, const char *from, int to_dirfd, const char *to, int flags),
          (Link, from_dirfd, from, to_dirfd, to), (from_dirfd, from, to_dirfd, to, flags))

FD_CALL(Ftruncate, int, ftruncate, (int fd, off_t length), (fd, length))
FD_CALL(Fallocate, int, fallocate, (int fd, int mode, off_t at, off_t length), (fd, mode, at, length))

FD_CALL(Fsetxattr, int, fsetxattr, (int fd, const char *name, const void *value, size_t size, int flags),
        (fd, name, value, size, flags))
PATH_CALL(int, setxattr, (const char *path, const char *name, const void *value, size_t size, int flags),
          (Fsetxattr, AT_FDCWD, path), (path, name, value, size, flags))
PATH_CALL(int, lsetxattr, (const char *path, const char *name, const void *value, size_t size, int flags),
          (Fsetxattr, AT_FDCWD, path), (path, name, value, size, flags))
FD_CALL(Fgetxattr, ssize_t, fgetxattr, (int fd, const char *name, void *value, size_t size), (fd, name, value, size))
PATH_CALL(ssize_t, getxattr, (const char *path, const char *name, void *value, size_t size),
          (Fgetxattr, AT_FDCWD, path), (path, name, value, size))
PATH_CALL(ssize_t, lgetxattr, (const char *path, const char *name, void *value, size_t size),
          (Fgetxattr, AT_FDCWD, path), (path, name, value, size))
FD_CALL(Flistxattr, ssize_t, flistxattr, (int fd, char *list, size_t size), (fd, list, size))
PATH_CALL(ssize_t, listxattr, (const char *path, char *list, size_t size), (Flistxattr, AT_FDCWD, path),
          (path, list, size))
PATH_CALL(ssize_t, llistxattr, (const char *path, char *list, size_t size), (Flistxattr, AT_FDCWD, path),
          (path, list, size))

// The descriptor is closed even when the close is made to fail, as the system does.
int close(int fd)
{
    const int error = fd_failure(Close, fd);
    REAL(close);
    const int result = real(fd);
    if (error != 0) {
        errno = error;
        return -1;
    }
    return result;
}

// Returns the error number instead of setting errno.
int posix_fallocate(int fd, off_t at, off_t length)
{
    if (const int error = fd_failure(Fallocate, fd))
        return error;
    REAL(posix_fallocate);
    return real(fd, at, length);
}

} // extern "C"
