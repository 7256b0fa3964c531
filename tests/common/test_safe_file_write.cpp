#include "common/safe_file_write.h"

#include "common/file_names.h"
#include "common/recovery_copy.h"

#include "tests/support/failing_calls.h"
#include "tests/support/small_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <tuple>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

enum class Target { New, Existing, LinkToExisting, DanglingLink, HardLinked, LinkLoop, Pipe, PipeWithoutReader };
enum class Disk { Plenty, Full, OneShort, ReadOnly };
// Whose folder the file is in and who writes it: this process into a folder of its own; or the
// user nobody into a folder of root's where he may write the file only (Closed, the file his own),
// into a sticky folder for everyone (the file another user's, open to all), or into a setgid folder
// of a group he belongs to (the file another member's).
enum class Folder { Own, Closed, Sticky, SharedGroup };

const qsizetype small = 183;
const qsizetype three_pages = 3 * test_support::SmallFileSystem::page_bytes;

struct WriteRow {
    const char *name;
    Target target;
    Disk disk = Disk::Plenty;
    Folder folder = Folder::Own;
    mode_t mode = 0666;       // of the earlier file
    bool attributes = false;  // the earlier file has a user attribute and an ACL entry
    int kanji = 0;            // the file is named with this many kanji and ".tvl"
    bool killed = false;      // the writer is killed (file size limit) halfway through the new content
    qsizetype size = small;   // of the new content
    QString reason = {};      // empty: written
    bool force = false;       // a read-only file is to be replaced
    bool copy_kept = false;   // written in place and failed: a recovery copy holds the earlier content
    bool leftover = false;    // a save killed before its rename left its temporary file: it goes
};

const QByteArray earlier = "\"0.1\",\"0.15\"\r\n";
const uid_t nobody = 65534;
const uid_t other_user = 12345;
const gid_t shared_group = 12345;
const QString killed = QStringLiteral("(killed)");

QByteArray file_bytes(const QString &path)
{
    QFile file;
    const int fd = ::open(common::native_name(path).constData(), O_RDONLY | O_CLOEXEC);
    return fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? file.readAll()
                                                                                       : QByteArray("(unreadable)");
}

bool put_file_bytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What a user of the file sees of it besides its content: type, permissions, owner and group.
std::tuple<mode_t, uid_t, gid_t> file_identity(const QString &path)
{
    struct stat status {};
    if (::lstat(common::native_name(path).constData(), &status) != 0)
        return {};
    return {status.st_mode, status.st_uid, status.st_gid};
}

// The extended attributes, each name with its value, as getfattr shows them.
QByteArray attributes(const QString &path)
{
    QProcess getfattr;
    getfattr.start(QStringLiteral("getfattr"), {QStringLiteral("-hdm-"), QStringLiteral("--absolute-names"), path});
    return getfattr.waitForFinished() ? getfattr.readAllStandardOutput() : QByteArray("(getfattr failed)");
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs the writer in a child process: as nobody (with the shared group) when the row's folder is
// not the test's own, with a file size limit that kills it halfway when the row says so.
common::FileResult run_writer(const QString &path, const QByteArray &bytes, const WriteRow &row)
{
    const common::ReadOnlyFile read_only = row.force ? common::ReadOnlyFile::Replace : common::ReadOnlyFile::Refuse;
    if (row.folder == Folder::Own && !row.killed)
        return common::write_file_safely(path, bytes, read_only);
    int channel[2];
    if (::pipe(channel) != 0)
        return {false, QStringLiteral("no pipe")};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const gid_t groups[] = {shared_group};
        if (row.folder != Folder::Own
            && (::setgroups(row.folder == Folder::SharedGroup ? 1 : 0, groups) != 0 || ::setgid(nobody) != 0
                || ::setuid(nobody) != 0))
            ::_exit(3);
        const rlimit half{rlim_t(bytes.size() / 2), rlim_t(bytes.size() / 2)};
        if (row.killed && ::setrlimit(RLIMIT_FSIZE, &half) != 0)
            ::_exit(3);
        const common::FileResult result = common::write_file_safely(path, bytes, read_only);
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
    if (WIFSIGNALED(status))
        return {false, killed};
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
    if (row.folder != Folder::Own && ::geteuid() != 0)
        GTEST_SKIP() << "acting as other users needs root";
    QTemporaryDir scratch;
    std::unique_ptr<test_support::SmallFileSystem> disk;
    QString folder = scratch.path();
    const QByteArray native_folder = QFile::encodeName(folder);
    if (row.disk != Disk::Plenty) {
        disk = std::make_unique<test_support::SmallFileSystem>(1024 * 1024);
        if (!disk->mounted())
            GTEST_SKIP() << disk->why_not().toStdString();
        folder = disk->path(QStringLiteral("."));
    } else {
        // Inside a folder that everyone may enter: the test's own; root's, open to everyone to read;
        // sticky and open to all; the shared group's, setgid.
        const mode_t modes[] = {0700, 0705, 01777, 02775};
        ASSERT_EQ(::chown(native_folder.constData(), 0, row.folder == Folder::SharedGroup ? shared_group : 0), 0);
        ASSERT_EQ(::chmod(native_folder.constData(), modes[int(row.folder)]), 0);
    }

    const QString path = row.kanji ? folder + u'/' + QString(row.kanji, u'漢') + QStringLiteral(".tvl")
                                   : folder + QStringLiteral("/report.tvl");
    const QString linked = folder + QStringLiteral("/linked.tvl");
    const QByteArray native = common::native_name(path);
    int reader = -1;
    switch (row.target) {
    case Target::New:
        break;
    case Target::Existing:
    case Target::HardLinked: {
        ASSERT_TRUE(put_file_bytes(path, earlier));
        const uid_t owner = row.folder == Folder::Closed ? nobody : row.folder == Folder::Own ? 0 : other_user;
        ASSERT_EQ(::chown(native.constData(), owner, row.folder == Folder::SharedGroup ? shared_group : owner), 0);
        ASSERT_EQ(::chmod(native.constData(), row.mode), 0);
        if (row.target == Target::HardLinked) {
            ASSERT_EQ(::link(native.constData(), QFile::encodeName(linked).constData()), 0);
        }
        break;
    }
    case Target::LinkToExisting:
        ASSERT_TRUE(put_file_bytes(linked, earlier));
        ASSERT_TRUE(QFile::link(QStringLiteral("linked.tvl"), path));
        break;
    case Target::DanglingLink:
        ASSERT_TRUE(QFile::link(QStringLiteral("linked.tvl"), path));
        break;
    case Target::LinkLoop:
        ASSERT_TRUE(QFile::link(QStringLiteral("report.tvl"), path));
        break;
    case Target::Pipe:
    case Target::PipeWithoutReader:
        ASSERT_EQ(::mkfifo(native.constData(), 0666), 0);
        if (row.target == Target::Pipe)
            reader = ::open(native.constData(), O_RDONLY | O_NONBLOCK);
        break;
    }
    if (row.attributes) {
        if (::setxattr(native.constData(), "user.checked-by", "T.K.", 4, 0) != 0
            || std::system(("setfacl -m u:12345:rw " + native).constData()) != 0)
            GTEST_SKIP() << "the file system here keeps no user attributes or ACLs";
    }
    if (row.disk == Disk::Full) {
        ASSERT_TRUE(disk->leave_free(0));
    } else if (row.disk == Disk::OneShort) {
        ASSERT_TRUE(disk->leave_free(row.size - test_support::SmallFileSystem::page_bytes));
    } else if (row.disk == Disk::ReadOnly) {
        ASSERT_TRUE(disk->make_read_only());
    }
    // The user's cache folder, where a file written in place keeps its earlier content.
    QTemporaryDir cache;
    const QByteArray cache_before = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    const auto restore_cache = qScopeGuard([&cache_before] { qputenv("XDG_CACHE_HOME", cache_before); });
    if (row.folder != Folder::Own) {
        ASSERT_EQ(::chown(QFile::encodeName(cache.path()).constData(), nobody, nobody), 0);
    }
    const QString copies = cache.filePath(QStringLiteral("tavrel"));
    if (row.leftover) {
        const QString left = folder + QStringLiteral("/.tavrel-0killed0");
        ASSERT_TRUE(put_file_bytes(left, "half"));
        const timespec two_minutes_ago[] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(left).constData(), two_minutes_ago, 0), 0);
    }
    const QStringList entries_before = entries(folder);
    const auto identity_before = file_identity(path);
    const auto attributes_before = attributes(path);

    QByteArray bytes(row.size, 'x');
    bytes.replace(0, 7, "written");
    const common::FileResult result = run_writer(path, bytes, row);

    // Once written, or refused before the first byte, no copy is left; a failure in place names the
    // copy, and one killed halfway leaves it for the next start.
    const QStringList kept = entries(copies);
    const QString copy = kept.isEmpty() ? QString() : copies + u'/' + kept.last();
    if (row.copy_kept) {
        ASSERT_FALSE(copy.isEmpty());
        EXPECT_EQ(file_bytes(copy), earlier);
    } else {
        EXPECT_EQ(kept, QStringList());
    }
    if (row.copy_kept && row.killed) {
        const QList<common::LeftRecoveryCopy> left = common::take_left_recovery_copies();
        ASSERT_EQ(left.size(), 1);
        EXPECT_EQ(left[0].copy, copy);
        EXPECT_EQ(left[0].original, path);
        EXPECT_TRUE(common::take_left_recovery_copies().isEmpty());
    }
    EXPECT_EQ(result.reason, row.copy_kept && !row.killed
                                 ? row.reason + QStringLiteral("元の内容を書き戻しました。次のファイルにも残してあります：") + copy
                                 : row.reason);
    EXPECT_EQ(result.ok, row.reason.isEmpty());
    if (row.target == Target::Pipe) {
        QByteArray received(bytes.size() + 1, '\0');
        const ssize_t got = ::read(reader, received.data(), std::size_t(received.size()));
        ::close(reader);
        EXPECT_EQ(received.left(got), bytes);
    } else if (row.target != Target::PipeWithoutReader && row.target != Target::LinkLoop) {
        const bool through_link = row.target == Target::LinkToExisting || row.target == Target::DanglingLink;
        const QString file = through_link ? linked : path;
        const bool had_file = row.target != Target::New && row.target != Target::DanglingLink;
        if (result.ok) {
            EXPECT_EQ(file_bytes(file), bytes);
        } else if (row.killed && row.copy_kept) {
            // Killed halfway in place, the file is half written: the recovery copy holds what it was.
        } else if (had_file) {
            EXPECT_EQ(file_bytes(file), earlier);
        } else {
            EXPECT_FALSE(QFileInfo::exists(file));
        }
        // Both names of a file with two links show the same, new or earlier, content.
        if (row.target == Target::HardLinked) {
            EXPECT_EQ(file_bytes(linked), file_bytes(path));
        }
    }
    // No temporary file is left behind, and a link, a pipe or the earlier file's permissions, owner,
    // group and attributes stay.
    const bool made_a_file = result.ok && (row.target == Target::New || row.target == Target::DanglingLink);
    EXPECT_EQ(entries(folder).size(), entries_before.size() + (made_a_file ? 1 : 0) - (row.leftover ? 1 : 0))
        << entries(folder).join(u' ').toStdString();
    if (row.target != Target::New) {
        EXPECT_EQ(file_identity(path), identity_before);
        EXPECT_EQ(attributes(path), attributes_before);
    }
}

const QString disk_full = QStringLiteral("ディスクの空き領域が足りません。");

INSTANTIATE_TEST_SUITE_P(
    Targets, WriteFileSafely,
    testing::Values(
        WriteRow{.name = "NewFile", .target = Target::New},
        WriteRow{.name = "ExistingFileKeepsItsPermissions", .target = Target::Existing},
        WriteRow{.name = "LinkStaysALinkToTheNewContent", .target = Target::LinkToExisting},
        WriteRow{.name = "DanglingLinkMakesTheFileItNames", .target = Target::DanglingLink},
        WriteRow{.name = "PipeIsWrittenNotReplaced", .target = Target::Pipe},
        WriteRow{.name = "PipeWithoutReaderFailsAtOnce", .target = Target::PipeWithoutReader,
                 .reason = QStringLiteral("書き込み先のパイプやデバイスを読むプログラムがありません。")},
        // A small file sits in one write; the full disk refuses it.
        WriteRow{.name = "FullDiskKeepsTheEarlierFile", .target = Target::Existing, .disk = Disk::Full,
                 .reason = disk_full},
        WriteRow{.name = "FullDiskMakesNoNewFile", .target = Target::New, .disk = Disk::Full, .reason = disk_full},
        // All but the last page fits: the earlier writes succeed and only the last one fails.
        WriteRow{.name = "OnlyTheLastWriteFails", .target = Target::Existing, .disk = Disk::OneShort,
                 .size = three_pages, .reason = disk_full},
        WriteRow{.name = "OnlyTheLastWriteFailsThroughALink", .target = Target::LinkToExisting,
                 .disk = Disk::OneShort, .size = three_pages, .reason = disk_full},
        WriteRow{.name = "ReadOnlyFileSystem", .target = Target::Existing, .disk = Disk::ReadOnly,
                 .reason = QStringLiteral("読み取り専用のファイルシステムです。")},
        WriteRow{.name = "ClosedFolderWritableFileIsWrittenInPlace", .target = Target::Existing,
                 .folder = Folder::Closed},
        WriteRow{.name = "ClosedFolderAndFullDiskGiveTheEarlierContentBack", .target = Target::Existing,
                 .disk = Disk::Full, .folder = Folder::Closed, .size = three_pages, .reason = disk_full,
                 .copy_kept = true},
        WriteRow{.name = "ClosedFolderNewFile", .target = Target::New, .folder = Folder::Closed,
                 .reason = QStringLiteral("アクセスが拒否されました。")},
        // A second name of the file sees the new content: the file is written where it is.
        WriteRow{.name = "HardLinkedFileStaysOneFile", .target = Target::HardLinked},
        WriteRow{.name = "ReadOnlyFileIsRefused", .target = Target::Existing, .mode = 0444,
                 .reason = QStringLiteral("読み取り専用のファイルです。")},
        WriteRow{.name = "ReadOnlyFileIsReplacedWhenAsked", .target = Target::Existing, .mode = 0444, .force = true},
        WriteRow{.name = "AclAndUserAttributeAreKept", .target = Target::Existing, .mode = 0640, .attributes = true},
        // Another user's file: a new file could not be his, and the sticky folder refuses the rename.
        WriteRow{.name = "StickyFolderOtherUsersFileIsWrittenInPlace", .target = Target::Existing,
                 .folder = Folder::Sticky},
        WriteRow{.name = "SharedGroupFolderKeepsTheFilesOwner", .target = Target::Existing,
                 .folder = Folder::SharedGroup, .mode = 0664},
        WriteRow{.name = "LeftoverOfAKilledSaveIsRemoved", .target = Target::Existing, .leftover = true},
        WriteRow{.name = "KilledWhileWritingLeavesNothingBehind", .target = Target::Existing, .killed = true,
                 .size = three_pages, .reason = killed},
        WriteRow{.name = "KilledWhileWritingInPlaceLeavesTheEarlierContent", .target = Target::HardLinked, .killed = true,
                 .size = three_pages, .reason = killed, .copy_kept = true},
        // Writable but unreadable: the earlier content could not be given back, so it is not touched.
        WriteRow{.name = "UnreadableFileInClosedFolderIsLeftAlone", .target = Target::Existing, .disk = Disk::Full,
                 .folder = Folder::Closed, .mode = 0200, .size = three_pages,
                 .reason = QStringLiteral("元のファイルを読み取れないため、上書きしませんでした。アクセスが拒否されました。")},
        WriteRow{.name = "NameOf253BytesIsReplaced", .target = Target::Existing, .kanji = 83},
        WriteRow{.name = "NameTooLong", .target = Target::New, .kanji = 86,
                 .reason = QStringLiteral("ファイル名が長すぎます。")},
        WriteRow{.name = "LinkLoop", .target = Target::LinkLoop,
                 .reason = QStringLiteral("シンボリックリンクが多すぎるか、循環しています。")}),
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
                                          start == Start::NewFile ? std::nullopt : std::optional(earlier),
                                          start != Start::FolderTakesNoNewFile};
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
