#include "common/safe_file_write.h"

#include "tests/support/failing_calls.h"
#include "tests/support/small_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Target { New, Existing, LinkToExisting, DanglingLink, Pipe, PipeWithoutReader };
enum class Disk { Plenty, Full, OneShort, ReadOnly };

struct WriteRow {
    const char *name;
    Target target;
    Disk disk;
    bool folder_closed;  // the writer may write the file but not make new ones beside it
    qsizetype size;      // of the new content
    QString reason;      // empty: written
};

const QByteArray earlier = "\"0.1\",\"0.15\"\r\n";
const qsizetype small = 183;
const qsizetype three_pages = 3 * test_support::SmallFileSystem::page_bytes;
const uid_t nobody = 65534;

QByteArray file_bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool put_file_bytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

mode_t file_type_and_mode(const QString &path, bool follow = false)
{
    struct stat status {};
    const QByteArray native = QFile::encodeName(path);
    if ((follow ? ::stat(native.constData(), &status) : ::lstat(native.constData(), &status)) != 0)
        return 0;
    return status.st_mode;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs the writer as a user who may not write into a folder of root's; as anyone else, directly.
common::FileResult write_as_other_user(const QString &path, const QByteArray &bytes)
{
    if (::geteuid() != 0)
        return common::write_file_safely(path, bytes);
    int channel[2];
    if (::pipe(channel) != 0)
        return {false, QStringLiteral("no pipe")};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(3);
        const common::FileResult result = common::write_file_safely(path, bytes);
        const QByteArray reason = result.reason.toUtf8();
        (void)!::write(channel[1], reason.constData(), std::size_t(reason.size()));
        ::_exit(result.ok ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray reason;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return {false, QStringLiteral("the writer could not run as another user")};
    return {WEXITSTATUS(status) == 0, QString::fromUtf8(reason)};
}

class WriteFileSafely : public testing::TestWithParam<WriteRow>
{
};

} // namespace

TEST_P(WriteFileSafely, WritesOrKeepsTheEarlierFile)
{
    const WriteRow &row = GetParam();
    QTemporaryDir scratch;
    std::unique_ptr<test_support::SmallFileSystem> disk;
    QString folder = scratch.path();
    if (row.disk != Disk::Plenty) {
        disk = std::make_unique<test_support::SmallFileSystem>(1024 * 1024);
        if (!disk->mounted())
            GTEST_SKIP() << disk->why_not().toStdString();
        folder = disk->path(QStringLiteral("."));
    } else if (row.folder_closed) {
        // A folder of root's, open to everyone to read, inside one that everyone may enter.
        ASSERT_TRUE(QFile::setPermissions(scratch.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                              | QFile::ReadOther | QFile::ExeOther));
    }

    const QString path = folder + QStringLiteral("/report.tvl");
    const QString linked = folder + QStringLiteral("/linked.tvl");
    int reader = -1;
    switch (row.target) {
    case Target::New:
        break;
    case Target::Existing:
        ASSERT_TRUE(put_file_bytes(path, earlier));
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
        break;
    case Target::LinkToExisting:
        ASSERT_TRUE(put_file_bytes(linked, earlier));
        ASSERT_TRUE(QFile::link(QStringLiteral("linked.tvl"), path));
        break;
    case Target::DanglingLink:
        ASSERT_TRUE(QFile::link(QStringLiteral("linked.tvl"), path));
        break;
    case Target::Pipe:
    case Target::PipeWithoutReader:
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0666), 0);
        if (row.target == Target::Pipe)
            reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        break;
    }
    if (row.disk == Disk::Full) {
        ASSERT_TRUE(disk->leave_free(0));
    } else if (row.disk == Disk::OneShort) {
        ASSERT_TRUE(disk->leave_free(row.size - test_support::SmallFileSystem::page_bytes));
    } else if (row.disk == Disk::ReadOnly) {
        ASSERT_TRUE(disk->make_read_only());
    }
    if (row.folder_closed && ::geteuid() != 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    }
    const QStringList entries_before = entries(folder);
    const mode_t before = file_type_and_mode(path);

    QByteArray bytes(row.size, 'x');
    bytes.replace(0, 7, "written");
    const common::FileResult result =
        row.folder_closed ? write_as_other_user(path, bytes) : common::write_file_safely(path, bytes);

    EXPECT_EQ(result.reason, row.reason);
    EXPECT_EQ(result.ok, row.reason.isEmpty());
    if (row.target == Target::Pipe) {
        QByteArray received(bytes.size() + 1, '\0');
        const ssize_t got = ::read(reader, received.data(), std::size_t(received.size()));
        ::close(reader);
        EXPECT_EQ(received.left(got), bytes);
    } else if (row.target != Target::PipeWithoutReader) {
        const QString file = row.target == Target::New || row.target == Target::Existing ? path : linked;
        const bool had_file = row.target == Target::Existing || row.target == Target::LinkToExisting;
        if (result.ok) {
            EXPECT_EQ(file_bytes(file), bytes);
        } else if (had_file) {
            EXPECT_EQ(file_bytes(file), earlier);
        } else {
            EXPECT_FALSE(QFileInfo::exists(file));
        }
    }
    // No temporary file is left behind, and a link, a pipe or the earlier file's permissions stay.
    const bool made_a_file = result.ok && (row.target == Target::New || row.target == Target::DanglingLink);
    EXPECT_EQ(entries(folder).size(), entries_before.size() + (made_a_file ? 1 : 0));
    if (row.target != Target::New) {
        EXPECT_EQ(file_type_and_mode(path), before);
    }
    if (row.folder_closed && ::geteuid() != 0)
        ::chmod(QFile::encodeName(folder).constData(), 0755);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WriteFileSafely,
    testing::Values(
        WriteRow{"NewFile", Target::New, Disk::Plenty, false, small, {}},
        WriteRow{"ExistingFileKeepsItsPermissions", Target::Existing, Disk::Plenty, false, small, {}},
        WriteRow{"LinkStaysALinkToTheNewContent", Target::LinkToExisting, Disk::Plenty, false, small, {}},
        WriteRow{"DanglingLinkMakesTheFileItNames", Target::DanglingLink, Disk::Plenty, false, small, {}},
        WriteRow{"PipeIsWrittenNotReplaced", Target::Pipe, Disk::Plenty, false, small, {}},
        WriteRow{"PipeWithoutReaderFailsAtOnce", Target::PipeWithoutReader, Disk::Plenty, false, small,
                 QString::fromLocal8Bit(std::strerror(ENXIO))},
        // A small file sits in one write; the full disk refuses it.
        WriteRow{"FullDiskKeepsTheEarlierFile", Target::Existing, Disk::Full, false, small,
                 QStringLiteral("ディスクの空き領域が足りません。")},
        WriteRow{"FullDiskMakesNoNewFile", Target::New, Disk::Full, false, small,
                 QStringLiteral("ディスクの空き領域が足りません。")},
        // All but the last page fits: the earlier writes succeed and only the last one fails.
        WriteRow{"OnlyTheLastWriteFails", Target::Existing, Disk::OneShort, false, three_pages,
                 QStringLiteral("ディスクの空き領域が足りません。")},
        WriteRow{"OnlyTheLastWriteFailsThroughALink", Target::LinkToExisting, Disk::OneShort, false, three_pages,
                 QStringLiteral("ディスクの空き領域が足りません。")},
        WriteRow{"ReadOnlyFileSystem", Target::Existing, Disk::ReadOnly, false, small,
                 QStringLiteral("読み取り専用のファイルシステムです。")},
        WriteRow{"ClosedFolderWritableFileIsWrittenInPlace", Target::Existing, Disk::Plenty, true, small, {}},
        WriteRow{"ClosedFolderAndFullDiskGiveTheEarlierContentBack", Target::Existing, Disk::Full, true, three_pages,
                 QStringLiteral("ディスクの空き領域が足りません。")},
        WriteRow{"ClosedFolderNewFile", Target::New, Disk::Plenty, true, small,
                 QStringLiteral("アクセスが拒否されました。")}),
    [](const testing::TestParamInfo<WriteRow> &info) { return std::string(info.param.name); });

namespace {

enum class Start { NewFile, EarlierFile, FolderTakesNoNewFile };

class EveryCallFails : public testing::TestWithParam<std::tuple<test_support::CallFailure, Start>>
{
};

std::string every_call_row_name(const testing::TestParamInfo<EveryCallFails::ParamType> &info)
{
    const char *const starts[] = {"NewFile", "EarlierFile", "FolderTakesNoNewFile"};
    return test_support::row_name(std::get<0>(info.param)) + '_' + starts[int(std::get<1>(info.param))];
}

} // namespace

// Each system call of a save fails in turn; the earlier file survives every failure, or the save
// works round it and writes the whole file.
TEST_P(EveryCallFails, KeepsTheEarlierFileOrWritesTheWholeNewOne)
{
    const auto &[failure, start] = GetParam();
    QTemporaryDir scratch;
    const test_support::SaveTarget target{scratch.filePath(QStringLiteral("folder")), QStringLiteral("report.tvl"),
                                          start == Start::NewFile ? std::nullopt : std::optional(earlier)};
    const QString path = target.folder + QStringLiteral("/report.tvl");
    const QByteArray bytes = "\"0.2\",\"0.15\"\r\n";
    // The temporary file is refused, as in a folder where the user may write the file but make none.
    const QString prefix = start == Start::FolderTakesNoNewFile ? QStringLiteral("open:1:%1").arg(EACCES) : QString();
    const QStringList problems = test_support::walk_call_failures(
        failure, target,
        [&] {
            const common::FileResult result = common::write_file_safely(path, bytes);
            return test_support::SaveOutcome{result.ok, result.reason};
        },
        [&](const QByteArray &now) { return now == bytes; }, prefix);
    EXPECT_EQ(problems.join(u'\n').toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Calls, EveryCallFails,
                         testing::Combine(testing::ValuesIn(test_support::call_failures()),
                                          testing::Values(Start::NewFile, Start::EarlierFile,
                                                          Start::FolderTakesNoNewFile)),
                         every_call_row_name);
