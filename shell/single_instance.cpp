#include "shell/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace shell {

namespace {

QString server_name(const QString &name)
{
    // Beside the lock, so each user's instance has its own.
    return SingleInstance::lock_path(name) + QStringLiteral(".socket");
}

} // namespace

QString SingleInstance::lock_path(const QString &name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(name + QStringLiteral(".lock"));
}

SingleInstance::SingleInstance(const QString &name) : name_(name), lock_(lock_path(name))
{
    // A lock is never taken from a running instance however long it runs; the lock of a process that
    // is gone is still taken over.
    lock_.setStaleLockTime(0);
    first_ = lock_.tryLock(0);
    if (!first_)
        return;
    // Holding the lock, any socket left by an instance that is gone is stale.
    QLocalServer::removeServer(server_name(name_));
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            emit show_requested();
        }
    });
    server_.listen(server_name(name_));
}

void SingleInstance::ask_first_to_show() const
{
    QLocalSocket socket;
    socket.connectToServer(server_name(name_));
    if (socket.waitForConnected(1000))
        socket.disconnectFromServer();
}

} // namespace shell
