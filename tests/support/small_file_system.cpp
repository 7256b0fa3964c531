#include "tests/support/small_file_system.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/statvfs.h>

namespace test_support {

SmallFileSystem::SmallFileSystem(qint64 size_bytes)
{
    root_ = folder_.filePath(QStringLiteral("fs"));
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                              | QFile::ExeOther);
    if (!QDir().mkpath(root_)) {
        why_not_ = QStringLiteral("no folder to mount on");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(size_bytes) + ",mode=0755";
    if (::mount("tmpfs", QFile::encodeName(root_).constData(), "tmpfs", MS_NOSUID, options.constData()) == 0)
        mounted_ = true;
    else
        why_not_ = QStringLiteral("mounting a tmpfs is not permitted here (%1)")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

SmallFileSystem::~SmallFileSystem()
{
    if (mounted_)
        ::umount2(QFile::encodeName(root_).constData(), MNT_DETACH);
}

qint64 SmallFileSystem::free_bytes() const
{
    struct statvfs status {};
    if (::statvfs(QFile::encodeName(root_).constData(), &status) != 0)
        return -1;
    return qint64(status.f_bavail) * qint64(status.f_frsize);
}

bool SmallFileSystem::leave_free(qint64 bytes)
{
    const qint64 wanted = bytes / page_bytes * page_bytes;
    const qint64 fill = free_bytes() - wanted;
    if (fill < 0)
        return false;
    QFile filler(path(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray page(page_bytes, 'f');
    for (qint64 written = 0; written < fill; written += page_bytes) {
        if (filler.write(page) != page.size())
            return false;
    }
    return filler.flush() && free_bytes() == wanted;
}

bool SmallFileSystem::make_read_only()
{
    return ::mount(nullptr, QFile::encodeName(root_).constData(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID, nullptr)
           == 0;
}

} // namespace test_support
