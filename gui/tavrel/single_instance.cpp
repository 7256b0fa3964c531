#include "gui/tavrel/single_instance.h"

#include "common/file_error.h"
#include "common/file_names.h"
#include "common/user_folders.h"

#include <QSocketNotifier>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>

namespace tavrel {

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

// The socket's address; nothing when its name is too long for one.
std::optional<sockaddr_un> socket_address(const QString &name)
{
    const QByteArray path = common::native_name(name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return address;
}

// One later start's connection: its bytes are gathered until it closes, then they are the request.
class Connection : public QObject
{
public:
    Connection(int socket, SingleInstance *instance, std::function<void(const QByteArray &)> take)
        : QObject(instance), socket_(socket), notifier_(socket, QSocketNotifier::Read), take_(std::move(take))
    {
        connect(&notifier_, &QSocketNotifier::activated, this, &Connection::read_available);
    }
    ~Connection() override { ::close(socket_); }

private:
    void read_available()
    {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(socket_, buffer, sizeof buffer);
            if (got > 0) {
                request_.append(buffer, got);
                if (request_.size() <= length_bytes + max_path_bytes)
                    continue;
            } else if (got < 0 && errno == EINTR) {
                continue;
            } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            } else if (got == 0) {
                take_(request_);
            }
            // Closed, failed or longer than any request: done with this connection.
            notifier_.setEnabled(false);
            deleteLater();
            return;
        }
    }

    int socket_;
    QSocketNotifier notifier_;
    std::function<void(const QByteArray &)> take_;
    QByteArray request_;
};

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
    accept_later_starts();
}

SingleInstance::~SingleInstance()
{
    if (listening_ >= 0) {
        ::close(listening_);
        ::unlink(common::native_name(server_name_).constData());
    }
}

void SingleInstance::accept_later_starts()
{
    const std::optional<sockaddr_un> address = socket_address(server_name_);
    if (!address)
        return;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return;
    // Holding the lock, any socket left by an instance that is gone is stale.
    ::unlink(address->sun_path);
    if (::bind(socket, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) != 0 || ::listen(socket, 16) != 0) {
        ::close(socket);
        return;
    }
    listening_ = socket;
    auto *incoming = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(incoming, &QSocketNotifier::activated, this, [this] {
        int connection;
        while ((connection = ::accept4(listening_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0)
            new Connection(connection, this, [this](const QByteArray &request) { take_request(request); });
    });
}

// The later start writes its request and closes the connection.
void SingleInstance::take_request(const QByteArray &request)
{
    if (request.size() < length_bytes)
        return;
    const qsizetype length = qFromBigEndian<quint32>(request.constData());
    // A request cut short or with more than it announced is no request.
    if (length > max_path_bytes || request.size() != length_bytes + length)
        return;
    if (length == 0)
        emit show_requested();
    else
        emit open_requested(common::name_from_native(request.mid(length_bytes)));
}

bool SingleInstance::send(const QByteArray &path) const
{
    const std::optional<sockaddr_un> address = socket_address(server_name_);
    if (!address)
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    // Neither connecting nor writing waits longer than this for a running instance that is stuck.
    const timeval wait{wait_ms / 1000, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    bool sent = ::connect(socket, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) == 0;
    const QByteArray request = framed(path);
    for (qsizetype done = 0; sent && done < request.size();) {
        // Written into the running instance's socket, the request is delivered; a running instance
        // that went away is no reason to end this one (no SIGPIPE).
        const ssize_t wrote = ::send(socket, request.constData() + done, std::size_t(request.size() - done), MSG_NOSIGNAL);
        if (wrote > 0)
            done += wrote;
        else if (wrote < 0 && errno != EINTR)
            sent = false;
    }
    ::close(socket);
    return sent;
}

void SingleInstance::ask_first_to_show() const
{
    send({});
}

bool SingleInstance::hand_over(const QString &path) const
{
    return send(common::native_name(common::absolute_name(path)));
}

} // namespace tavrel
