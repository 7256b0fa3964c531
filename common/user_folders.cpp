#include "common/user_folders.h"

#include "common/file_error.h"
#include "common/file_names.h"

#include <QStringList>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

// Makes the folder and the folders above it that are missing, each readable by the user only.
int make_folders(const QByteArray &native)
{
    if (::mkdir(native.constData(), 0700) == 0 || errno == EEXIST)
        return 0;
    if (errno != ENOENT)
        return errno;
    const QByteArray parent = folder_of(native);
    if (parent == native)
        return ENOENT;
    if (const int error = make_folders(parent))
        return error;
    return ::mkdir(native.constData(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

} // namespace

bool is_own_folder(const QString &path)
{
    struct stat status {};
    return ::lstat(native_name(path).constData(), &status) == 0 && S_ISDIR(status.st_mode)
           && status.st_uid == ::geteuid() && (status.st_mode & 077) == 0
           && ::access(native_name(path).constData(), W_OK | X_OK) == 0;
}

QString own_runtime_folder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return folder.startsWith(u'/') && is_own_folder(folder) ? folder : QString();
}

QString own_cache_folder(QString *why)
{
    QStringList caches;
    if (const QString cache = name_from_native(qgetenv("XDG_CACHE_HOME")); cache.startsWith(u'/'))
        caches.append(cache);
    if (const QString home = name_from_native(qgetenv("HOME")); home.startsWith(u'/'))
        caches.append(home + QStringLiteral("/.cache"));
    if (const passwd *user = ::getpwuid(::geteuid()); user && user->pw_dir && user->pw_dir[0] == '/')
        caches.append(name_from_native(user->pw_dir) + QStringLiteral("/.cache"));

    // The reason given is that of the first folder tried, the one the user expects.
    QString reason;
    for (const QString &cache : caches) {
        const QString folder = cache + QStringLiteral("/tavrel");
        const QByteArray native = native_name(folder);
        const int error = make_folders(native);
        // The user's own folder that others may look into is closed to them.
        struct stat status {};
        if (error == 0 && ::lstat(native.constData(), &status) == 0 && S_ISDIR(status.st_mode)
            && status.st_uid == ::geteuid() && (status.st_mode & 077) != 0)
            ::chmod(native.constData(), status.st_mode & 0700);
        if (error == 0 && is_own_folder(folder))
            return folder;
        if (reason.isEmpty()) {
            reason = folder + QStringLiteral(" (")
                     + (error != 0 ? describe_file_error(error)
                                   : QStringLiteral("ほかの利用者のフォルダーか、ほかの利用者も書き込めるフォルダーです。"))
                     + u')';
        }
    }
    if (why)
        *why = reason.isEmpty() ? describe_file_error(ENOENT) : reason;
    return {};
}

} // namespace common
