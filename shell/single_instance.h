#pragma once

#include <QLockFile>
#include <QString>

namespace shell {

// Tavrel runs once per user: the first instance holds a lock file in the user's runtime directory
// for as long as it runs. The lock of an instance that ended without releasing it is taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &name = QStringLiteral("tavrel"));

    // True when this process holds the lock, so no other instance is running.
    bool is_first() const { return first_; }

    static QString lock_path(const QString &name);

private:
    QLockFile lock_;
    bool first_;
};

inline const QString already_running_message = QStringLiteral("アプリケーションは既に開かれています。");

} // namespace shell
