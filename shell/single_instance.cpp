#include "shell/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace shell {

QString SingleInstance::lock_path(const QString &name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(name + QStringLiteral(".lock"));
}

SingleInstance::SingleInstance(const QString &name) : lock_(lock_path(name))
{
    // A lock is never taken from a running instance however long it runs; the lock of a process that
    // is gone is still taken over.
    lock_.setStaleLockTime(0);
    first_ = lock_.tryLock(0);
}

} // namespace shell
