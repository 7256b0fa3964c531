#include "inputfile/file_commands.h"

#include "flume/flume_sheet.h"
#include "flume/sheet_inputs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

class FileCommands : public testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(FileCommands, SaveAsKeepsThePathAndWritesTheInputs)
{
    FlumeSheet sheet;
    flume::put_input_texts(sheet, texts_from(1));
    const QString chosen = path(QStringLiteral("section")); // typed without an extension
    EXPECT_FALSE(inputfile::save_as(sheet, chosen).has_value());
    EXPECT_EQ(sheet.text(Field::save_path), chosen);
    EXPECT_TRUE(sheet.text(Field::open_path).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(chosen));
    EXPECT_FALSE(QFileInfo::exists(chosen + QStringLiteral(".tvl")));

    FlumeSheet other;
    EXPECT_FALSE(inputfile::open_file(other, chosen).has_value());
    EXPECT_EQ(other.text(Field::open_path), chosen);
    EXPECT_EQ(flume::input_texts(other), texts_from(1));
}

TEST_F(FileCommands, ACancelledDialogChangesNothing)
{
    FlumeSheet sheet;
    flume::put_input_texts(sheet, texts_from(1));
    sheet.set_text(Field::save_path, QStringLiteral("/earlier/save.tvl"));
    sheet.set_text(Field::open_path, QStringLiteral("/earlier/open.tvl"));
    EXPECT_FALSE(inputfile::save_as(sheet, QString()).has_value());
    EXPECT_FALSE(inputfile::open_file(sheet, QString()).has_value());
    EXPECT_EQ(sheet.text(Field::save_path), QStringLiteral("/earlier/save.tvl"));
    EXPECT_EQ(sheet.text(Field::open_path), QStringLiteral("/earlier/open.tvl"));
    EXPECT_EQ(flume::input_texts(sheet), texts_from(1));
}

TEST_F(FileCommands, AFailedSaveIsReportedWithPathAndReason)
{
    QFile blocker(path(QStringLiteral("plain")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    FlumeSheet sheet;
    flume::put_input_texts(sheet, texts_from(1));
    const QString chosen = path(QStringLiteral("plain/section.tvl"));

    const std::optional<inputfile::FileMessage> message = inputfile::save_as(sheet, chosen);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, QStringLiteral("ファイル保存"));
    const QStringList lines = message->text.split(u'\n');
    ASSERT_EQ(lines.size(), 2) << message->text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("ファイルを保存できませんでした。"));
    EXPECT_TRUE(lines[1].startsWith(QDir::toNativeSeparators(chosen) + QStringLiteral(" ("))) << lines[1].toStdString();
    EXPECT_GT(lines[1].size(), chosen.size() + 3) << "no reason given";
    EXPECT_EQ(flume::input_texts(sheet), texts_from(1));
}

TEST_F(FileCommands, AFileThatCannotBeOpenedIsReportedAndLeavesTheInputs)
{
    FlumeSheet sheet;
    flume::put_input_texts(sheet, texts_from(1));
    sheet.show_result(Field::ka, QStringLiteral("0.30"));
    const QString chosen = path(QStringLiteral("missing.tvl"));

    const std::optional<inputfile::FileMessage> message = inputfile::open_file(sheet, chosen);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, QStringLiteral("ファイルを開く"));
    const QStringList lines = message->text.split(u'\n');
    ASSERT_EQ(lines.size(), 2) << message->text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("ファイルを開けませんでした。"));
    EXPECT_TRUE(lines[1].startsWith(QDir::toNativeSeparators(chosen) + QStringLiteral(" (")));
    EXPECT_EQ(sheet.text(Field::open_path), chosen);
    EXPECT_EQ(flume::input_texts(sheet), texts_from(1));
    EXPECT_EQ(sheet.text(Field::ka), QStringLiteral("0.30"));
}

TEST_F(FileCommands, OpeningReplacesTheInputsOfAnEarlierFile)
{
    FlumeSheet sheet;
    flume::put_input_texts(sheet, texts_from(100));
    EXPECT_FALSE(inputfile::save_as(sheet, path(QStringLiteral("first.tvl"))).has_value());
    flume::put_input_texts(sheet, texts_from(200));
    EXPECT_FALSE(inputfile::save_as(sheet, path(QStringLiteral("second.tvl"))).has_value());

    EXPECT_FALSE(inputfile::open_file(sheet, path(QStringLiteral("first.tvl"))).has_value());
    EXPECT_EQ(flume::input_texts(sheet), texts_from(100));
    EXPECT_EQ(sheet.text(Field::save_path), path(QStringLiteral("second.tvl")));
    EXPECT_EQ(sheet.text(Field::open_path), path(QStringLiteral("first.tvl")));
}
