#include "gui/tavrel/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

#include <memory>

namespace shell {

namespace {

QString server_name(const QString &name)
{
    // Beside the lock, so each user's instance has its own.
    return SingleInstance::lock_path(name) + QStringLiteral(".socket");
}

// A request is empty (show the windows) or one path ended by a line end; anything longer than a
// path can be is not a request.
constexpr qsizetype max_request_bytes = 64 * 1024;
constexpr int wait_ms = 1000;

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
            // The later start writes its request and closes the connection; the request is
            // complete when the connection is closed.
            auto request = std::make_shared<QByteArray>();
            connect(socket, &QLocalSocket::readyRead, socket, [socket, request] {
                request->append(socket->readAll());
                if (request->size() > max_request_bytes)
                    socket->abort();
            });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, request] {
                request->append(socket->readAll());
                socket->deleteLater();
                const qsizetype end = request->indexOf('\n');
                if (request->isEmpty())
                    emit show_requested();
                else if (end > 0 && request->size() <= max_request_bytes)
                    emit open_requested(QString::fromUtf8(request->left(end)));
            });
        }
    });
    server_.listen(server_name(name_));
}

bool SingleInstance::send(const QByteArray &request) const
{
    QLocalSocket socket;
    socket.connectToServer(server_name(name_));
    if (!socket.waitForConnected(wait_ms))
        return false;
    socket.write(request);
    // Closing waits for the request to be written.
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(wait_ms);
}

void SingleInstance::ask_first_to_show() const
{
    send({});
}

bool SingleInstance::hand_over(const QString &path) const
{
    return send(QFileInfo(path).absoluteFilePath().toUtf8() + '\n');
}

} // namespace shell
