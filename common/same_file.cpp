#include "common/same_file.h"

#include "common/file_names.h"

#include <sys/stat.h>

namespace common {

namespace {

bool same_node(const QByteArray &first, const QByteArray &second)
{
    struct stat a {}, b {};
    return ::stat(first.constData(), &a) == 0 && ::stat(second.constData(), &b) == 0 && a.st_dev == b.st_dev
           && a.st_ino == b.st_ino;
}

bool exists(const QByteArray &native)
{
    struct stat status {};
    return ::stat(native.constData(), &status) == 0;
}

} // namespace

bool is_same_file(const QString &first, const QString &second)
{
    const QByteArray a = native_name(first), b = native_name(second);
    if (exists(a) || exists(b))
        return same_node(a, b);
    // Neither exists yet: the same name in the same folder, once links are followed.
    const FinalTarget x = final_target(a), y = final_target(b);
    return last_part(x.path) == last_part(y.path) && same_node(folder_of(x.path), folder_of(y.path));
}

} // namespace common
