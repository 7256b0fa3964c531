#include "inputfile/file_commands.h"

#include "common/file_names.h"
#include "flume/flume_sheet.h"
#include "flume/sheet_inputs.h"
#include "inputfile/tvl_file.h"
#include "tests/support/flume_file_state.h"
#include "tests/support/small_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

using flume::Field;
using flume::FlumeSheet;

namespace {

QStringList texts_from(int first)
{
    QStringList texts;
    for (int i = 0; i < 25; ++i)
        texts.append(QString::number(first + i));
    return texts;
}

QByteArray file_bytes(const QString &path)
{
    QFile file;
    const int fd = ::open(common::native_name(path).constData(), O_RDONLY | O_CLOEXEC);
    return fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? file.readAll()
                                                                                       : QByteArray("(unreadable)");
}

class FileCommands : public testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(FileCommands, SaveAsKeepsThePathAndWritesTheInputs)
{
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, texts_from(1));
    const QString chosen = path(QStringLiteral("section")); // typed without an extension
    EXPECT_FALSE(inputfile::save_as(sheet, chosen).has_value());
    EXPECT_EQ(sheet.text(Field::save_path), chosen);
    EXPECT_TRUE(sheet.text(Field::open_path).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(chosen));
    EXPECT_FALSE(QFileInfo::exists(chosen + QStringLiteral(".tvl")));

    test_support::FlumeFileWindow other;
    EXPECT_FALSE(inputfile::open_file(other, chosen).has_value());
    EXPECT_EQ(other.text(Field::open_path), chosen);
    EXPECT_EQ(flume::input_texts(other), texts_from(1));
}

TEST_F(FileCommands, ACancelledDialogChangesNothing)
{
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, texts_from(1));
    sheet.set_text(Field::save_path, QStringLiteral("/earlier/save.tvl"));
    sheet.set_text(Field::open_path, QStringLiteral("/earlier/open.tvl"));
    EXPECT_FALSE(inputfile::save_as(sheet, QString()).has_value());
    EXPECT_FALSE(inputfile::open_file(sheet, QString()).has_value());
    EXPECT_EQ(sheet.text(Field::save_path), QStringLiteral("/earlier/save.tvl"));
    EXPECT_EQ(sheet.text(Field::open_path), QStringLiteral("/earlier/open.tvl"));
    EXPECT_EQ(flume::input_texts(sheet), texts_from(1));
}

// Where the save goes: below a regular file named as a folder, onto a full disk, or to a name the
// file dialog shows for a file whose name is not UTF-8.
enum class SaveTarget { FolderIsAFile, FullDisk, NameNotUtf8 };

struct SaveFailureRow {
    const char *name;
    SaveTarget target;
    QString reason;
};

class SaveFailure : public FileCommands, public testing::WithParamInterface<SaveFailureRow>
{
};

// A save that fails says so with the file and the reason, and leaves both the inputs and the file
// that was there before as they were.
TEST_P(SaveFailure, IsReportedWithPathAndReason)
{
    std::unique_ptr<test_support::SmallFileSystem> disk;
    QString chosen = path(QStringLiteral("plain/section.tvl"));
    QString earlier_file = path(QStringLiteral("plain"));
    if (GetParam().target == SaveTarget::NameNotUtf8) {
        earlier_file = path(common::name_from_native("\xe9.tvl"));
        chosen = path(QStringLiteral("\uFFFD.tvl"));
    } else if (GetParam().target == SaveTarget::FullDisk) {
        disk = std::make_unique<test_support::SmallFileSystem>();
        if (!disk->mounted())
            GTEST_SKIP() << disk->why_not().toStdString();
        chosen = earlier_file = disk->path(QStringLiteral("section.tvl"));
    }
    // QTemporaryDir removes only names that are UTF-8.
    const auto remove = qScopeGuard([&] { ::unlink(common::native_name(earlier_file).constData()); });
    ASSERT_TRUE(inputfile::write_tvl_file(earlier_file, texts_from(100)));
    const QByteArray earlier = file_bytes(earlier_file);
    if (disk) {
        ASSERT_TRUE(disk->leave_free(0));
    }
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, texts_from(1));

    const std::optional<inputfile::FileMessage> message = inputfile::save_as(sheet, chosen);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, QStringLiteral("ファイル保存"));
    EXPECT_EQ(message->text, QStringLiteral("ファイルを保存できませんでした。\n") + QDir::toNativeSeparators(chosen)
                                 + QStringLiteral(" (") + GetParam().reason + u')');
    EXPECT_EQ(flume::input_texts(sheet), texts_from(1));
    EXPECT_EQ(file_bytes(earlier_file), earlier);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SaveFailure,
    testing::Values(SaveFailureRow{"FolderIsAFile", SaveTarget::FolderIsAFile,
                                   QStringLiteral("ファイルまたはフォルダーが見つかりません。")},
                    SaveFailureRow{"FullDiskOverAnEarlierFile", SaveTarget::FullDisk,
                                   QStringLiteral("ディスクの空き領域が足りません。")},
                    SaveFailureRow{"NameTheDialogShowsForANameNotUtf8", SaveTarget::NameNotUtf8,
                                   QStringLiteral("名前の文字コードが UTF-8 ではないため、選ばれたファイルには書き込めません。")}),
    [](const testing::TestParamInfo<SaveFailureRow> &info) { return std::string(info.param.name); });

TEST_F(FileCommands, AFileThatCannotBeOpenedIsReportedAndLeavesTheInputs)
{
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, texts_from(1));
    sheet.show_result(Field::ka, QStringLiteral("0.30"));
    const QString chosen = path(QStringLiteral("missing.tvl"));

    const std::optional<inputfile::FileMessage> message = inputfile::open_file(sheet, chosen);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, QStringLiteral("ファイルを開く"));
    EXPECT_EQ(message->text, QStringLiteral("ファイルを開けませんでした。\n") + QDir::toNativeSeparators(chosen)
                                 + QStringLiteral(" (ファイルまたはフォルダーが見つかりません。)"));
    EXPECT_EQ(sheet.text(Field::open_path), chosen);
    EXPECT_EQ(flume::input_texts(sheet), texts_from(1));
    EXPECT_EQ(sheet.text(Field::ka), QStringLiteral("0.30"));
}

TEST_F(FileCommands, OpeningReplacesTheInputsOfAnEarlierFile)
{
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, texts_from(100));
    EXPECT_FALSE(inputfile::save_as(sheet, path(QStringLiteral("first.tvl"))).has_value());
    flume::put_input_texts(sheet, texts_from(200));
    EXPECT_FALSE(inputfile::save_as(sheet, path(QStringLiteral("second.tvl"))).has_value());

    EXPECT_FALSE(inputfile::open_file(sheet, path(QStringLiteral("first.tvl"))).has_value());
    EXPECT_EQ(flume::input_texts(sheet), texts_from(100));
    EXPECT_EQ(sheet.text(Field::save_path), path(QStringLiteral("second.tvl")));
    EXPECT_EQ(sheet.text(Field::open_path), path(QStringLiteral("first.tvl")));
}
