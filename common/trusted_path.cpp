#include "common/trusted_path.h"

#include "common/file_names.h"

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

const QString others_own = QStringLiteral("%1 はほかの利用者のものです。");
const QString others_write = QStringLiteral("%1 にはほかの利用者も書き込めます。");

bool owned_by_user_or_root(const struct stat &status)
{
    return status.st_uid == ::geteuid() || status.st_uid == 0;
}

} // namespace

FileResult check_trusted(const QString &path)
{
    // The place the links lead to is the one that is loaded; each of its folders is checked.
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(native_name(path).constData(), nullptr), &std::free);
    if (!real)
        return file_failure(errno);
    const QByteArray file(real.get());
    struct stat status {};
    if (::stat(file.constData(), &status) != 0)
        return file_failure(errno);
    if (!S_ISREG(status.st_mode))
        return {false, QStringLiteral("通常のファイルではありません。")};
    if (!owned_by_user_or_root(status))
        return {false, others_own.arg(name_from_native(file))};
    if ((status.st_mode & 022) != 0)
        return {false, others_write.arg(name_from_native(file))};
    for (QByteArray folder = folder_of(file);; folder = folder_of(folder)) {
        if (::stat(folder.constData(), &status) != 0)
            return file_failure(errno);
        if (!owned_by_user_or_root(status))
            return {false, others_own.arg(name_from_native(folder))};
        if ((status.st_mode & 022) != 0 && (status.st_mode & S_ISVTX) == 0)
            return {false, others_write.arg(name_from_native(folder))};
        if (folder == "/")
            return {};
    }
}

} // namespace common
