#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <optional>

class QSocketNotifier;

namespace tavrel {

// Tavrel runs once per user: the first instance holds a lock file for as long as it runs, in the
// session's runtime folder when that is the user's own, else in the user's own cache folder
// (~/.cache/tavrel), never in a folder other users may write into. The lock of an instance that
// ended without releasing it is taken over. The first instance also listens for later starts, on a
// local socket beside the lock that only the user may reach, which ask it to bring its windows
// forward or hand it the file they were started with. The socket is the system's own, not Qt Network's, so that starting Tavrel does
// not load a network stack.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &name = QStringLiteral("tavrel"));
    ~SingleInstance() override;

    // True when this process holds the lock, so no other instance is running.
    bool is_first() const { return first_; }

    // Not empty when the lock could not be taken for another reason than a running instance: what
    // went wrong, as the user is told.
    QString failure() const { return failure_; }

    // From a later start: asks the running instance to show its windows. Quietly does nothing
    // when it cannot be reached.
    void ask_first_to_show() const;

    // From a later start: hands the file to the running instance to open, with its absolute path,
    // since the two may run in different folders. False when it cannot be reached.
    bool hand_over(const QString &path) const;

    // The lock file of the instances of this name; empty when no folder of the user's own can hold
    // it, with the reason in *why.
    static QString lock_path(const QString &name, QString *why = nullptr);

signals:
    // In the first instance: a later start asked for its windows.
    void show_requested();
    // In the first instance: a later start handed over this file (an absolute path).
    void open_requested(const QString &path);

private:
    bool send(const QByteArray &path) const;
    void accept_later_starts();
    void serve_waiting_starts();
    void take_request(const QByteArray &request);

    QString server_name_;
    std::optional<QLockFile> lock_;
    int listening_ = -1;  // the channel's socket while this instance listens on it
    QSocketNotifier *incoming_ = nullptr;
    int serving_ = 0;  // later starts whose requests are being read
    bool first_ = false;
    QString failure_;
};

inline const QString already_running_message = QStringLiteral("アプリケーションは既に開かれています。");
inline const QString lock_failed_message = QStringLiteral("Tavrel が既に起動しているかどうかを確かめられませんでした。");

} // namespace tavrel
