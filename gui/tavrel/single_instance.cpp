#include "gui/tavrel/single_instance.h"

#include "common/file_error.h"
#include "common/file_names.h"
#include "common/user_folders.h"

#include <QLocalSocket>
#include <QtEndian>

#include <cerrno>
#include <memory>

namespace shell {

namespace {

// A request is the length of a path in four bytes, most significant first, and then the path's
// bytes; a length of 0 asks for the windows. The length, not a line end, ends the path, so that any
// name a file can have comes through whole. Anything longer than a path can be is not a request.
constexpr qsizetype length_bytes = 4;
constexpr qsizetype max_path_bytes = 64 * 1024;
constexpr int wait_ms = 1000;

QByteArray framed(const QByteArray &path)
{
    QByteArray request(length_bytes, '\0');
    qToBigEndian(quint32(path.size()), request.data());
    return request + path;
}

} // namespace

QString SingleInstance::lock_path(const QString &name, QString *why)
{
    QString folder = common::own_runtime_folder();
    if (folder.isEmpty())
        folder = common::own_cache_folder(why);
    return folder.isEmpty() ? QString() : folder + u'/' + name + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString &name)
{
    QString why;
    const QString path = lock_path(name, &why);
    if (path.isEmpty()) {
        failure_ = lock_failed_message + u'\n' + why;
        return;
    }
    lock_.emplace(path);
    // A lock is never taken from a running instance however long it runs; the lock of a process that
    // is gone is still taken over.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
    // Beside the lock, so each user's instance has its own.
    server_name_ = path + QStringLiteral(".socket");
    if (!first_) {
        if (lock_->error() != QLockFile::LockFailedError) {
            const QString reason = lock_->error() == QLockFile::PermissionError
                                       ? common::describe_file_error(EACCES)
                                       : QStringLiteral("ロックファイルを作れませんでした。");
            failure_ = common::file_failure_text(lock_failed_message, path, reason);
        }
        return;
    }
    // Holding the lock, any socket left by an instance that is gone is stale.
    QLocalServer::removeServer(server_name_);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_.nextPendingConnection()) {
            // The later start writes its request and closes the connection.
            auto request = std::make_shared<QByteArray>();
            connect(socket, &QLocalSocket::readyRead, socket, [socket, request] {
                request->append(socket->readAll());
                if (request->size() > length_bytes + max_path_bytes)
                    socket->abort();
            });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, request] {
                request->append(socket->readAll());
                socket->deleteLater();
                if (request->size() < length_bytes)
                    return;
                const qsizetype length = qFromBigEndian<quint32>(request->constData());
                // A request cut short or with more than it announced is no request.
                if (length > max_path_bytes || request->size() != length_bytes + length)
                    return;
                if (length == 0)
                    emit show_requested();
                else
                    emit open_requested(common::name_from_native(request->mid(length_bytes)));
            });
        }
    });
    server_.listen(server_name_);
}

bool SingleInstance::send(const QByteArray &path) const
{
    if (server_name_.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(server_name_);
    if (!socket.waitForConnected(wait_ms))
        return false;
    socket.write(framed(path));
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
    return send(common::native_name(common::absolute_name(path)));
}

} // namespace shell
