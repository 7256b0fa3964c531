#pragma once

// A real file system that runs out of space or is read-only: a tmpfs mounted on a fresh folder for
// as long as the object lives, unmounted and removed with it. Mounting needs root; where it is not
// permitted, mounted() is false and why_not() says why, for the test to skip with.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/statvfs.h>

class SmallFileSystem
{
public:
    static constexpr qint64 page_bytes = 4096;

    explicit SmallFileSystem(qint64 size_bytes = 4 * 1024 * 1024)
    {
        root_ = folder_.filePath(QStringLiteral("fs"));
        // Open to every user, so that a test may write into it as another user too.
        QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                                  | QFile::ExeOther);
        if (!QDir().mkpath(root_)) {
            why_not_ = QStringLiteral("no folder to mount on");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(size_bytes) + ",mode=0755";
        if (::mount("tmpfs", QFile::encodeName(root_).constData(), "tmpfs", MS_NOSUID, options.constData()) != 0)
            why_not_ = QStringLiteral("mounting a tmpfs is not permitted here (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
        else
            mounted_ = true;
    }

    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(root_).constData(), MNT_DETACH);
    }

    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return mounted_; }
    QString why_not() const { return why_not_; }
    QString path(const QString &name) const { return root_ + u'/' + name; }

    qint64 free_bytes() const
    {
        struct statvfs status {};
        if (::statvfs(QFile::encodeName(root_).constData(), &status) != 0)
            return -1;
        return qint64(status.f_bavail) * qint64(status.f_frsize);
    }

    // Fills the file system with a hidden file until only `bytes` (whole pages) are left free.
    bool leave_free(qint64 bytes)
    {
        const qint64 fill = free_bytes() - bytes / page_bytes * page_bytes;
        if (fill < 0)
            return false;
        QFile filler(path(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;
        const QByteArray chunk(page_bytes, 'f');
        for (qint64 written = 0; written < fill; written += page_bytes) {
            if (filler.write(chunk) != chunk.size())
                return false;
        }
        return filler.flush() && free_bytes() == bytes / page_bytes * page_bytes;
    }

    bool make_read_only()
    {
        return ::mount(nullptr, QFile::encodeName(root_).constData(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID,
                       nullptr)
               == 0;
    }

private:
    QTemporaryDir folder_;
    QString root_;
    bool mounted_ = false;
    QString why_not_;
};
