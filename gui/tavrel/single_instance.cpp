#include "gui/tavrel/single_instance.h"

#include "common/file_error.h"
#include "common/file_names.h"
#include "common/user_folders.h"

#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/stat.h>
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
// How long the running instance waits for a later start's whole request, and how many later starts
// it serves at once; the others wait on the channel.
constexpr int request_wait_ms = 3000;
constexpr int max_connections = 16;

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
// A connection that brings no whole request within request_wait_ms is closed, so that a program
// that connects and sends nothing holds the channel for no longer.
class Connection : public QObject
{
public:
    // done gets the whole request, or nothing for a connection that brought none.
    using Done = std::function<void(const std::optional<QByteArray> &)>;

    Connection(int socket, QObject *instance, Done done)
        : QObject(instance), socket_(socket), notifier_(socket, QSocketNotifier::Read), done_(std::move(done))
    {
        connect(&notifier_, &QSocketNotifier::activated, this, &Connection::read_available);
        QTimer::singleShot(request_wait_ms, this, [this] { finish(std::nullopt); });
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
            }
            // Closed by the later start (the request is whole), failed, or longer than any request.
            finish(got == 0 ? std::optional(request_) : std::nullopt);
            return;
        }
    }

    // Done with this connection, once. The request is taken only after this handler has returned:
    // opening the file may show a message box, whose own event loop must not run inside it.
    void finish(const std::optional<QByteArray> &request)
    {
        if (finished_)
            return;
        finished_ = true;
        notifier_.setEnabled(false);
        QMetaObject::invokeMethod(parent(), [done = done_, request] { done(request); }, Qt::QueuedConnection);
        deleteLater();
    }

    int socket_;
    QSocketNotifier notifier_;
    Done done_;
    QByteArray request_;
    bool finished_ = false;
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
    // Only the user may reach the channel: the socket is the user's alone, in a folder that is too.
    if (::bind(socket, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) != 0
        || ::chmod(address->sun_path, 0600) != 0 || ::listen(socket, 16) != 0) {
        ::close(socket);
        return;
    }
    listening_ = socket;
    incoming_ = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(incoming_, &QSocketNotifier::activated, this, &SingleInstance::serve_waiting_starts);
}

// Takes the later starts waiting on the channel, up to max_connections at a time; the others wait
// until one of those is done. Out of descriptors, the channel is looked at again a little later
// rather than over and over at once.
void SingleInstance::serve_waiting_starts()
{
    while (serving_ < max_connections) {
        const int connection = ::accept4(listening_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection < 0) {
            const bool out_of_descriptors = errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM;
            incoming_->setEnabled(!out_of_descriptors);
            if (out_of_descriptors)
                QTimer::singleShot(request_wait_ms, incoming_, [this] { serve_waiting_starts(); });
            return;
        }
        ++serving_;
        new Connection(connection, this, [this](const std::optional<QByteArray> &request) {
            --serving_;
            if (request)
                take_request(*request);
            serve_waiting_starts();
        });
    }
    incoming_->setEnabled(false);
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
