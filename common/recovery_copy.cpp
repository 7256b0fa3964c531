#include "common/recovery_copy.h"

#include "common/file_calls.h"
#include "common/file_error.h"
#include "common/file_names.h"
#include "common/user_folders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace common {

namespace {

const QByteArray note_prefix = ".writing-";

// A process as it stands in this boot of the system: the boot's id and the process's start time,
// so that a number taken again by a later process, or after a restart, is not taken for it. Empty
// when no such process runs.
QByteArray process_identity(qint64 pid)
{
    QFile boot(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!boot.open(QIODevice::ReadOnly) || !stat.open(QIODevice::ReadOnly))
        return {};
    // The fields after the program's name, which ends at the last ')': the start time is the 20th.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return {};
    return boot.readAll().trimmed() + ':' + fields[19];
}

// Writes the bytes as a new file of that name, readable by the user only and on the disk when it
// returns. The file has no name until it is whole (O_TMPFILE, where the file system has it), so
// that a process killed halfway leaves no part of one.
int write_private_file(const QByteArray &path, const QByteArray &bytes)
{
    int fd = ::open(folder_of(path).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    const bool nameless = fd >= 0;
    if (!nameless)
        fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int error = write_all(fd, bytes);
    if (error == 0)
        error = sync_to_disk(fd);
    if (error == 0 && nameless) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) != 0)
            error = errno;
    }
    error = close_checked(fd, error);
    if (error != 0 && !nameless)
        ::unlink(path.constData());
    return error;
}

} // namespace

RecoveryCopy::RecoveryCopy(const QByteArray &target, const QByteArray &earlier)
{
    QString why;
    const QString folder = own_cache_folder(&why);
    if (folder.isEmpty()) {
        failure_ = why;
        return;
    }
    const QByteArray native_folder = native_name(folder);
    const QByteArray stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")).toLatin1();
    const qint64 pid = ::getpid();
    int error = EEXIST;
    for (int attempt = 1; attempt <= 100 && error == EEXIST; ++attempt) {
        const QByteArray name = stamp + '-' + QByteArray::number(attempt) + '-' + last_part(target).left(200);
        copy_ = native_folder + '/' + name;
        error = write_private_file(copy_, earlier);
        if (error == 0) {
            note_ = native_folder + '/' + note_prefix + name;
            const QByteArray note = QByteArray::number(pid) + '\0' + process_identity(pid) + '\0' + copy_ + '\0'
                                    + native_name(absolute_name(name_from_native(target)));
            error = write_private_file(note_, note);
            if (error == 0)
                error = sync_folder(native_folder);
            if (error != 0) {
                ::unlink(note_.constData());
                ::unlink(copy_.constData());
            }
        }
    }
    if (error != 0) {
        copy_.clear();
        note_.clear();
        failure_ = describe_file_error(error) + QStringLiteral("（") + folder + QStringLiteral("）");
    }
}

QString RecoveryCopy::path() const
{
    return name_from_native(copy_);
}

void RecoveryCopy::discard()
{
    ::unlink(copy_.constData());
    keep();
}

void RecoveryCopy::keep()
{
    ::unlink(note_.constData());
}

QList<LeftRecoveryCopy> take_left_recovery_copies()
{
    QList<LeftRecoveryCopy> left;
    const QString folder = own_cache_folder();
    if (folder.isEmpty())
        return left;
    const QByteArray native_folder = native_name(folder);
    const QStringList notes = QDir(folder).entryList({QString::fromLatin1(note_prefix) + u'*'}, QDir::Files | QDir::Hidden,
                                                     QDir::Name);
    for (const QString &name : notes) {
        const QByteArray note_path = native_folder + '/' + native_name(name);
        QFile note;
        const int fd = ::open(note_path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 || !note.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            continue;
        const QList<QByteArray> fields = note.read(1024 * 1024).split('\0');
        note.close();
        // A note of a writer still at work is its own; one that cannot be read is nobody's.
        if (fields.size() == 4 && !fields[1].isEmpty() && process_identity(fields[0].toLongLong()) == fields[1])
            continue;
        if (fields.size() == 4 && QFile::exists(name_from_native(fields[2])))
            left.append({name_from_native(fields[2]), name_from_native(fields[3])});
        ::unlink(note_path.constData());
    }
    return left;
}

QString left_recovery_text(const QList<LeftRecoveryCopy> &copies)
{
    QString text = left_recovery_message;
    for (const LeftRecoveryCopy &copy : copies)
        text += u'\n' + copy.copy + QStringLiteral("（元のファイル：") + copy.original + QStringLiteral("）");
    return text;
}

} // namespace common
