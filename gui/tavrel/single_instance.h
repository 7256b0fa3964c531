#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace shell {

// Tavrel runs once per user: the first instance holds a lock file in the user's runtime directory
// for as long as it runs. The lock of an instance that ended without releasing it is taken over.
// The first instance also listens for later starts, which ask it to bring its windows forward or
// hand it the file they were started with.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &name = QStringLiteral("tavrel"));

    // True when this process holds the lock, so no other instance is running.
    bool is_first() const { return first_; }

    // From a later start: asks the running instance to show its windows. Quietly does nothing
    // when it cannot be reached.
    void ask_first_to_show() const;

    // From a later start: hands the file to the running instance to open, with its absolute path,
    // since the two may run in different folders. False when it cannot be reached.
    bool hand_over(const QString &path) const;

    static QString lock_path(const QString &name);

signals:
    // In the first instance: a later start asked for its windows.
    void show_requested();
    // In the first instance: a later start handed over this file (an absolute path).
    void open_requested(const QString &path);

private:
    bool send(const QByteArray &request) const;

    QString name_;
    QLockFile lock_;
    QLocalServer server_;
    bool first_;
};

inline const QString already_running_message = QStringLiteral("アプリケーションは既に開かれています。");

} // namespace shell
