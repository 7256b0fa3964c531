#pragma once

#include <QString>
#include <QTemporaryDir>

namespace test_support {

// A real file system that runs out of space or turns read-only: a tmpfs mounted on a fresh folder
// (open to every user) for as long as the object lives, unmounted with it. Mounting needs root;
// where it is not permitted, mounted() is false and why_not() says why, for the test to skip with.
class SmallFileSystem
{
public:
    static constexpr qint64 page_bytes = 4096;

    explicit SmallFileSystem(qint64 size_bytes = 4 * 1024 * 1024);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return mounted_; }
    QString why_not() const { return why_not_; }
    QString path(const QString &name) const { return root_ + u'/' + name; }

    qint64 free_bytes() const;
    // Fills the file system with a hidden file until only `bytes` (whole pages) are left free.
    bool leave_free(qint64 bytes);
    bool make_read_only();

private:
    QTemporaryDir folder_;
    QString root_;
    bool mounted_ = false;
    QString why_not_;
};

} // namespace test_support
