#include "inputfile/tvl_file.h"

#include "inputfile/file_commands.h"
#include "inputfile/tvl_encoding.h"
#include "inputfile/tvl_format.h"

#include "flume/flume_sheet.h"
#include "flume/sheet_inputs.h"
#include "tests/support/flume_file_state.h"
#include "tests/support/worked_example.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using flume::Field;
using flume::FlumeSheet;

namespace {

QByteArray file_bytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(unreadable)";
    return file.readAll();
}

void put_file_bytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

using test_support::worked_inputs;

class TvlFile : public testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(TvlFile, SavesAKnownSheetByteForByte)
{
    test_support::FlumeFileWindow sheet;
    QStringList texts = worked_inputs;
    texts[3] = QString();        // T4 left empty
    texts[7] = QStringLiteral("1,5");
    texts[8] = QStringLiteral("30度");
    flume::put_input_texts(sheet, texts);
    ASSERT_TRUE(inputfile::save_inputs(sheet, path(QStringLiteral("known.tvl"))));
    EXPECT_EQ(file_bytes(path(QStringLiteral("known.tvl"))),
              QByteArray("\"0.1\",\"0.15\",\"0.15\",\"\",\"1.0\",\"0.5\",\"1.0\"\r\n"
                         "\"1,5\",\"30\x93\x78\",\"18\",\"0\",\"10\",\"20\"\r\n"
                         "\"9.8\",\"24.0\"\r\n"
                         "\"100\"\r\n"
                         "\"1.0\",\"1.15\",\"0.5\",\"18\",\"9\",\"20\"\r\n"
                         "\"1.3\",\"0.3\"\r\n"
                         "\"1.1\"\r\n"));
}

TEST_F(TvlFile, SavesOnlyTheInputs)
{
    test_support::FlumeFileWindow sheet;
    sheet.show_result(Field::ka, QStringLiteral("0.30"));
    sheet.set_text(Field::carried_1, QStringLiteral("5.746"));
    ASSERT_TRUE(inputfile::save_inputs(sheet, path(QStringLiteral("empty.tvl"))));
    EXPECT_EQ(file_bytes(path(QStringLiteral("empty.tvl"))),
              QByteArray("\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n\"\",\"\",\"\",\"\",\"\",\"\"\r\n\"\",\"\"\r\n\"\"\r\n"
                         "\"\",\"\",\"\",\"\",\"\",\"\"\r\n\"\",\"\"\r\n\"\"\r\n"));
}

TEST_F(TvlFile, AllTwentyFiveTextsComeBackAsTyped)
{
    QStringList texts = worked_inputs;
    texts[0] = QStringLiteral("1,5");
    texts[1] = QStringLiteral("0.50");
    texts[2] = QString();
    texts[3] = QStringLiteral(" 0.1 ");
    texts[7] = QStringLiteral("90度");
    texts[12] = QStringLiteral("２０");
    texts[16] = QStringLiteral("h=\"1.0\"");
    texts[24] = QStringLiteral("1.1😀"); // no CP932 form: the file becomes UTF-8
    for (const bool utf8 : {false, true}) {
        SCOPED_TRACE(utf8 ? "UTF-8 file" : "CP932 file");
        QStringList saved = texts;
        if (!utf8)
            saved[24] = QStringLiteral("1.1");
        test_support::FlumeFileWindow sheet;
        flume::put_input_texts(sheet, saved);
        ASSERT_TRUE(inputfile::save_inputs(sheet, path(QStringLiteral("round.tvl"))));
        test_support::FlumeFileWindow reopened;
        ASSERT_TRUE(inputfile::open_inputs(reopened, path(QStringLiteral("round.tvl"))));
        EXPECT_EQ(flume::input_texts(reopened), saved);
    }
}

TEST_F(TvlFile, SavingAgainReplacesTheFile)
{
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, worked_inputs);
    const QString file = path(QStringLiteral("again.tvl"));
    put_file_bytes(file, QByteArray(4096, 'x'));
    ASSERT_TRUE(inputfile::save_inputs(sheet, file));
    test_support::FlumeFileWindow reopened;
    ASSERT_TRUE(inputfile::open_inputs(reopened, file));
    EXPECT_EQ(flume::input_texts(reopened), worked_inputs);
    EXPECT_FALSE(file_bytes(file).contains('x'));
}

TEST_F(TvlFile, FewerItemsFillWhatTheyHaveAndEmptyTheRest)
{
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, worked_inputs);
    put_file_bytes(path(QStringLiteral("ten.tvl")),
                   "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\"\r\n\"8\",\"9\",\"10\"\r\n");
    ASSERT_TRUE(inputfile::open_inputs(sheet, path(QStringLiteral("ten.tvl"))));
    QStringList expected;
    for (int i = 1; i <= 10; ++i)
        expected.append(QString::number(i));
    while (expected.size() < 25)
        expected.append(QString());
    EXPECT_EQ(flume::input_texts(sheet), expected);
}

TEST_F(TvlFile, OpeningChangesNeitherResultsNorCarriedValues)
{
    test_support::FlumeFileWindow sheet;
    sheet.show_result(Field::pv, QStringLiteral("5.746"));
    sheet.set_text(Field::carried_1, QStringLiteral("5.746"));
    put_file_bytes(path(QStringLiteral("one.tvl")), "\"0.2\"\r\n");
    ASSERT_TRUE(inputfile::open_inputs(sheet, path(QStringLiteral("one.tvl"))));
    EXPECT_EQ(sheet.text(Field::t1), QStringLiteral("0.2"));
    EXPECT_EQ(sheet.text(Field::pv), QStringLiteral("5.746"));
    EXPECT_TRUE(sheet.is_shown(Field::pv));
    EXPECT_EQ(sheet.text(Field::carried_1), QStringLiteral("5.746"));
}

TEST_F(TvlFile, ReadsUtf8AndCp932Files)
{
    const QList<std::pair<const char *, QByteArray>> files = {
        {"cp932.tvl", QByteArray("\"30\x93\x78\",\"\x82\x50\"\r\n")},
        {"utf8.tvl", QByteArray("\"30\xe5\xba\xa6\",\"\xef\xbc\x91\"\r\n")},
        {"utf8-bom.tvl", QByteArray("\xef\xbb\xbf\"30\xe5\xba\xa6\",\"\xef\xbc\x91\"\r\n")},
    };
    for (const auto &[name, bytes] : files) {
        SCOPED_TRACE(name);
        put_file_bytes(path(QString::fromLatin1(name)), bytes);
        test_support::FlumeFileWindow sheet;
        ASSERT_TRUE(inputfile::open_inputs(sheet, path(QString::fromLatin1(name))));
        EXPECT_EQ(sheet.text(Field::t1), QStringLiteral("30度"));
        EXPECT_EQ(sheet.text(Field::t2), QStringLiteral("１"));
    }
}

TEST_F(TvlFile, AFileThatCannotBeReadLeavesEveryField)
{
    QDir(dir.path()).mkdir(QStringLiteral("folder.tvl"));
    // A pipe nobody writes to is refused at once instead of holding the program.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.tvl"))).constData(), 0600), 0);
    const QList<std::pair<QString, QString>> rows = {
        {QStringLiteral("missing.tvl"), QStringLiteral("ファイルまたはフォルダーが見つかりません。")},
        {QStringLiteral("folder.tvl"), QStringLiteral("通常のファイルではありません。")},
        {QStringLiteral("pipe.tvl"), QStringLiteral("通常のファイルではありません。")},
    };
    for (const auto &[name, reason] : rows) {
        SCOPED_TRACE(name.toStdString());
        test_support::FlumeFileWindow sheet;
        flume::put_input_texts(sheet, worked_inputs);
        const common::FileResult result = inputfile::open_inputs(sheet, path(name));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.reason, reason);
        EXPECT_EQ(flume::input_texts(sheet), worked_inputs);
    }
}

TEST_F(TvlFile, AFailedSaveIsReportedAndCreatesNothing)
{
    // The folder the file should go into is a regular file: no user, root included, can create it.
    put_file_bytes(path(QStringLiteral("plain")), "not a folder");
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, worked_inputs);
    const QString target = path(QStringLiteral("plain/section.tvl"));
    const common::FileResult result = inputfile::save_inputs(sheet, target);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, QStringLiteral("ファイルまたはフォルダーが見つかりません。"));
    EXPECT_EQ(file_bytes(path(QStringLiteral("plain"))), QByteArray("not a folder"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plain")});
}

TEST_F(TvlFile, SavingOntoAFolderFailsAndKeepsIt)
{
    QDir(dir.path()).mkpath(QStringLiteral("folder.tvl/inner"));
    test_support::FlumeFileWindow sheet;
    const common::FileResult result = inputfile::save_inputs(sheet, path(QStringLiteral("folder.tvl")));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, QStringLiteral("同じ名前のフォルダーがあります。"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder.tvl/inner"))).isDir());
}

struct SizeRow {
    const char *name;
    qint64 size;   // the file is the worked inputs, after blank lines up to this size
    bool random;   // random bytes instead
    bool opened;
    bool kept = false;  // the padding is another tool's lines after the items; a member row is then
                        // typed and the file saved again, which would pass the limit
};

class TvlFileSize : public TvlFile, public testing::WithParamInterface<SizeRow>
{
};

// A file larger than 1 MiB is not a .tvl file: it is refused whole, never read in part, and every
// field stays as it was.
TEST_P(TvlFileSize, OpensUpToOneMebibyte)
{
    const SizeRow &row = GetParam();
    QByteArray bytes;
    if (row.random) {
        bytes.resize(row.size);
        QRandomGenerator random(20240611);
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    } else {
        const QString last = path(QStringLiteral("worked.tvl"));
        ASSERT_TRUE(inputfile::write_tvl_file(last, worked_inputs));
        const QByteArray items = file_bytes(last);
        const qint64 padding = row.size - items.size();
        bytes = row.kept ? items + QByteArray(padding - 2, 'x') + "\r\n"
                         : QByteArray(padding % 2, ' ') + QByteArray("\r\n").repeated(padding / 2) + items;
    }
    ASSERT_EQ(bytes.size(), row.size);
    put_file_bytes(path(QStringLiteral("large.tvl")), bytes);
    bytes.clear();

    test_support::FlumeFileWindow sheet;
    const QStringList before(25, QStringLiteral("1"));
    flume::put_input_texts(sheet, before);
    const common::FileResult result = inputfile::open_inputs(sheet, path(QStringLiteral("large.tvl")));
    EXPECT_EQ(result.ok, row.opened);
    if (row.opened) {
        EXPECT_EQ(flume::input_texts(sheet), worked_inputs);
    }
    if (row.kept) {
        members::MemberCheckInputs typed;
        typed.members[0].bar = QStringLiteral("D13");
        sheet.members.set_inputs(typed);
        const common::FileResult saved = inputfile::save_inputs(sheet, path(QStringLiteral("large.tvl")));
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.reason, QStringLiteral("ファイルが大きすぎます（.tvl ファイルは 1\u00a0MiB まで）。"));
        EXPECT_EQ(QFileInfo(path(QStringLiteral("large.tvl"))).size(), row.size);
    } else if (!row.opened) {
        EXPECT_EQ(result.reason, QStringLiteral("ファイルが大きすぎます（.tvl ファイルは 1\u00a0MiB まで）。"));
        EXPECT_EQ(flume::input_texts(sheet), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TvlFileSize,
    testing::Values(SizeRow{"ExactlyOneMebibyte", inputfile::max_file_bytes, false, true},
                    SizeRow{"KeptDataAndATypedRowWouldPassTheLimit", inputfile::max_file_bytes, false, true, true},
                    SizeRow{"OneByteMore", inputfile::max_file_bytes + 1, false, false},
                    SizeRow{"AMillionBlankLinesBeforeTheItems", 2 * inputfile::max_file_bytes + 200, false, false},
                    SizeRow{"FiftyMebibytesOfRandomBytes", 50 * inputfile::max_file_bytes, true, false}),
    [](const testing::TestParamInfo<SizeRow> &info) { return std::string(info.param.name); });

struct RoundTripRow {
    const char *name;
    QString text;
};

class TvlRoundTrip : public TvlFile, public testing::WithParamInterface<RoundTripRow>
{
};

// Texts whose file bytes could be taken for another encoding or another item: saved in all 25
// fields and opened again, each comes back character for character.
TEST_P(TvlRoundTrip, TheTextComesBackInEveryField)
{
    const QStringList texts(25, GetParam().text);
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, texts);
    ASSERT_TRUE(inputfile::save_inputs(sheet, path(QStringLiteral("round.tvl"))));
    test_support::FlumeFileWindow reopened;
    ASSERT_TRUE(inputfile::open_inputs(reopened, path(QStringLiteral("round.tvl"))));
    EXPECT_EQ(flume::input_texts(reopened), texts);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TvlRoundTrip,
    testing::Values(RoundTripRow{"HalfWidthKatakanaPair", QStringLiteral("0.164ﾃｰ")},
                    RoundTripRow{"DoubleByteAndFullWidthBlank", QStringLiteral("陟　")},
                    RoundTripRow{"ControlCharacters", QStringLiteral("\x01\x1a\x1c\x7f\t1")},
                    RoundTripRow{"LineEndsInsideAText", QStringLiteral("1\r\n2\n")},
                    RoundTripRow{"Quotes", QStringLiteral("h=\"1.0\"")},
                    RoundTripRow{"Commas", QStringLiteral("1,5,")},
                    RoundTripRow{"OutsideCp932", QStringLiteral("ﾃｰ陟　😀")},
                    RoundTripRow{"OutsideCp932FromTheStart", QStringLiteral("−1")}),
    [](const testing::TestParamInfo<RoundTripRow> &info) { return std::string(info.param.name); });

// Every text of two half-width katakana, 25 to a file.
TEST_F(TvlFile, EveryPairOfHalfWidthKatakanaComesBack)
{
    QStringList pairs;
    for (char16_t first = u'｡'; first <= u'ﾟ'; ++first) {
        for (char16_t second = u'｡'; second <= u'ﾟ'; ++second)
            pairs.append(QString(QChar(first)) + QChar(second));
    }
    ASSERT_EQ(pairs.size(), 3969);
    for (qsizetype start = 0; start < pairs.size(); start += 25) {
        QStringList texts = pairs.mid(start, 25);
        while (texts.size() < 25)
            texts.append(QString());
        ASSERT_TRUE(inputfile::write_tvl_file(path(QStringLiteral("pairs.tvl")), texts));
        QStringList items;
        ASSERT_TRUE(inputfile::read_tvl_file(path(QStringLiteral("pairs.tvl")), items));
        ASSERT_EQ(items, texts) << "from pair " << start;
    }
}

// The worked inputs' seven lines, as a file without member data holds them.
QByteArray seven_lines()
{
    return inputfile::encode_tvl(inputfile::format_tvl(worked_inputs));
}

// A member check extension as the writer writes it: σck 21, the first member D13 × 5, cover 3.
const QByteArray materials_21 = "\"section\",\"materials\",\"1\",\"1\"\r\n"
                                "\"21\",\"SD345\",\"\x88\xea\x94\xca\",\"\x88\xd9\x8c\x60\x93\x53\x8b\xd8\",\"\",\"\",\"\",\"\"\r\n";
QByteArray member_line(const char *bar = "D13")
{
    return QByteArray("\"\x83\x50\x81\x5b\x83\x58.1 \x91\xa4\x95\xc7\",\"") + bar
        + "\",\"\x96\x7b\x90\x94\",\"5\",\"\",\"\",\"\",\"\",\"3\"\r\n";
}
QByteArray members_d13(const char *version = "1", const char *bar = "D13")
{
    return QByteArray("\"section\",\"members\",\"") + version + "\",\"1\"\r\n" + member_line(bar);
}
const QByteArray marker = "\"TavrelExtension\",\"1\"\r\n";

struct ExtensionRow {
    const char *name;
    QByteArray tail;        // what follows the seven lines
    const char *strength;   // σck after opening
    const char *first_bar;  // ケース.1 側壁's bar after opening
    const char *message;    // what opening tells the user, UTF-8; empty for nothing
    QByteArray saved;       // what the file saved without a change holds after its seven lines
    bool exact;             // that and nothing else
    bool typed = false;     // a member row is typed before saving
};

void PrintTo(const ExtensionRow &row, std::ostream *os) { *os << row.name; }

class TvlExtension : public TvlFile, public testing::WithParamInterface<ExtensionRow>
{
};

const char *const kept_note = "このファイルには、この版のTavrelでは読めないデータがあります。保存するときは、そのまま書き戻します。";
const char *const damaged_block = "このファイルの追加のデータは壊れているため、読み込みませんでした。";
const QByteArray unknown_section = "\"section\",\"drawing\",\"1\",\"1\"\r\n\"x\"\r\n";
// 計算書の設定: its eight entries, a character outside CP932 escaped.
const QByteArray document_section = "\"section\",\"document\",\"1\",\"1\"\r\n"
                                    "\"A\\u{2212}B\",\"\",\"\",\"\",\"\",\"R8.12.8\",\"\",\"\"\r\n";

// The detailing rules: Gmax 25 mm, the other limits as usual.
const QByteArray detailing_section = "\"section\",\"detailing\",\"1\",\"1\"\r\n\"25\",\"20\",\"300\",\"0.15\"\r\n";

// Whatever follows the 25 items, the inputs are read; the member check is read where it can be,
// what this version cannot read is kept and written back, and a damaged section is left out.
TEST_P(TvlExtension, OpensTheInputsAndWhatFollowsThem)
{
    const ExtensionRow &row = GetParam();
    const QString file = path(QStringLiteral("extended.tvl"));
    put_file_bytes(file, seven_lines() + row.tail);
    test_support::FlumeFileWindow sheet;
    // Member data and 計算書の設定 of an earlier file never carry over.
    members::MemberCheckInputs earlier;
    earlier.members[0].bar = QStringLiteral("D19");
    sheet.members.set_inputs(earlier);
    sheet.document.works_name = QStringLiteral("earlier works");

    const std::optional<inputfile::FileMessage> message = inputfile::open_file(sheet, file);
    EXPECT_EQ(flume::input_texts(sheet), worked_inputs);
    EXPECT_EQ(sheet.members.inputs().materials.concrete_strength.toStdString(), row.strength);
    EXPECT_EQ(sheet.members.inputs().members[0].bar.toStdString(), row.first_bar);
    EXPECT_EQ(message ? message->text.toStdString() : std::string(), row.message);

    if (row.typed) {
        members::MemberCheckInputs typed = sheet.members.inputs();
        typed.members[1].bar = QStringLiteral("D16");
        sheet.members.set_inputs(typed);
    }
    ASSERT_TRUE(inputfile::save_inputs(sheet, path(QStringLiteral("saved.tvl"))));
    const QByteArray saved = file_bytes(path(QStringLiteral("saved.tvl")));
    EXPECT_TRUE(saved.startsWith(seven_lines()));
    if (row.exact)
        EXPECT_EQ(saved.mid(seven_lines().size()).toHex(' '), row.saved.toHex(' '));
    else
        EXPECT_TRUE(saved.contains(row.saved)) << saved.toStdString();
    // What was saved once is saved again as it is.
    test_support::FlumeFileWindow reopened;
    inputfile::open_file(reopened, path(QStringLiteral("saved.tvl")));
    ASSERT_TRUE(inputfile::save_inputs(reopened, path(QStringLiteral("again.tvl"))));
    EXPECT_EQ(file_bytes(path(QStringLiteral("again.tvl"))).toHex(' '), saved.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Tails, TvlExtension,
    testing::Values(
        ExtensionRow{"NothingAfterTheItems", "", "24", "", "", "", true},
        ExtensionRow{"BlankLinesAfterTheItems", "\r\n\r\n", "24", "", "", "", true},
        ExtensionRow{"MaterialsAndMembers", marker + materials_21 + members_d13(), "21", "D13", "", member_line(), false},
        ExtensionRow{"UnknownSectionKept", marker + materials_21 + members_d13() + unknown_section, "21", "D13",
                     kept_note, unknown_section, false},
        ExtensionRow{"DocumentSettings", marker + document_section, "24", "", "", marker + document_section, true},
        ExtensionRow{"DetailingRules", marker + detailing_section, "24", "", "", marker + detailing_section, true},
        ExtensionRow{"DamagedDetailingRules", marker + "\"section\",\"detailing\",\"1\",\"1\"\r\n\"25\",\"20\"\r\n", "24", "",
                     "このファイルの構造細目のデータは壊れているため、読み込みませんでした。", "", true},
        ExtensionRow{"DamagedDocumentSettings", marker + "\"section\",\"document\",\"1\",\"1\"\r\n\"x\"\r\n", "24", "",
                     "このファイルの計算書の設定のデータは壊れているため、読み込みませんでした。", "", true},
        ExtensionRow{"NewerMembersSectionKept", marker + materials_21 + members_d13("2"), "21", "", kept_note,
                     marker + materials_21 + members_d13("2"), true},
        ExtensionRow{"NewerMembersSectionKeptBesideATypedRow", marker + members_d13("2"), "24", "", kept_note,
                     "\"\x83\x50\x81\x5b\x83\x58.3 \x92\xea\x94\xc5\",\"\",\"\x96\x7b\x90\x94\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                         + members_d13("2"),
                     false, true},
        ExtensionRow{"ForeignLinesAfterTheBlockKept", marker + materials_21 + "OtherTool,1\r\n", "21", "", kept_note,
                     marker + materials_21 + "OtherTool,1\r\n", true},
        // A raw backslash leaves out its own section only.
        ExtensionRow{"RawBackslashInOneSection",
                     marker + "\"section\",\"document\",\"1\",\"1\"\r\n\"C:\\\x90\x7d\x96\xca\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                         + materials_21 + "OtherTool,1\r\n",
                     "21", "", "このファイルの計算書の設定のデータは壊れているため、読み込みませんでした。\n"
                     "このファイルには、この版のTavrelでは読めないデータがあります。保存するときは、そのまま書き戻します。",
                     marker + materials_21 + "OtherTool,1\r\n", true},
        // Another tool's UTF-8 line and the NEC rows of CP932 stay the bytes they were.
        ExtensionRow{"Cp932AndUtf8KeptByteForByte",
                     marker + materials_21 + "\"section\",\"drawing\",\"1\",\"1\"\r\n\"\x87\x90\xed\x40\"\r\n" + "OtherTool,\xe3\x81\x82\r\n",
                     "21", "", kept_note,
                     marker + materials_21 + "\"section\",\"drawing\",\"1\",\"1\"\r\n\"\x87\x90\xed\x40\"\r\n" + "OtherTool,\xe3\x81\x82\r\n", true},
        ExtensionRow{"DuplicateSectionFirstReadOtherKept", marker + members_d13("1", "D16") + members_d13(), "24", "D16",
                     "このファイルには部材のデータが二つ以上あります。最初のものを読み込み、ほかは保存するときにそのまま書き戻します。",
                     members_d13(), false},
        ExtensionRow{"SecondMarkerAfterADamagedSection", marker + members_d13("1", "D99") + marker + materials_21, "24", "",
                     "このファイルの部材のデータは壊れているため、読み込みませんでした。\n"
                     "このファイルには、この版のTavrelでは読めないデータがあります。保存するときは、そのまま書き戻します。",
                     marker + marker + materials_21, true},
        ExtensionRow{"SectionOneLineShort", marker + "\"section\",\"materials\",\"1\",\"2\"\r\n" + materials_21.mid(31), "24", "",
                     "このファイルの使用材料のデータは壊れているため、読み込みませんでした。", "", true},
        ExtensionRow{"NewerExtensionKept", "\"TavrelExtension\",\"2\"\r\n" + materials_21, "24", "", kept_note,
                     "\"TavrelExtension\",\"2\"\r\n" + materials_21, true},
        ExtensionRow{"ForeignItemsKept", "\"26\",\"27\"\r\n", "24", "", kept_note, "\"26\",\"27\"\r\n", true},
        ExtensionRow{"DamagedMembersLine", marker + materials_21 + members_d13("1", "D99"), "21", "",
                     "このファイルの部材のデータは壊れているため、読み込みませんでした。", marker + materials_21, true},
        ExtensionRow{"SectionLongerThanTheFile", marker + materials_21 + "\"section\",\"members\",\"1\",\"9\"\r\n", "21",
                     "", "このファイルの部材のデータは壊れているため、読み込みませんでした。", marker + materials_21, true},
        ExtensionRow{"BrokenEscape", marker + "\"section\",\"materials\",\"1\",\"1\"\r\n\"\\u{ZZ}\"\r\n", "24", "",
                     "このファイルの使用材料のデータは壊れているため、読み込みませんでした。", "", true},
        // A quote left open after the marker is damage in the block, not data to keep.
        ExtensionRow{"UnclosedQuoteInTheBlock", marker + "\"section\",\"members\r\n", "24", "", damaged_block, "", true}),
    [](const testing::TestParamInfo<ExtensionRow> &info) { return std::string(info.param.name); });

// Member data goes after the seven lines and comes back; a character without a CP932 form is
// escaped, so the file stays CP932; a file without member data keeps only its seven lines.
TEST_F(TvlFile, MemberDataComesBackAfterTheInputs)
{
    test_support::FlumeFileWindow sheet;
    flume::put_input_texts(sheet, worked_inputs);
    members::MemberCheckInputs inputs;
    inputs.materials.concrete_strength = QStringLiteral("３０");
    members::type_allowable(inputs.materials, members::Allowable::Compression, QStringLiteral("950"));
    inputs.detailing.largest_pitch = QStringLiteral("250");
    inputs.members[2] = {QStringLiteral("D16"), members::Spacing::Pitch, QStringLiteral("125"), {}, {}, {}, QStringLiteral("16"),
                         QStringLiteral("3 😀 \"\\ \r\n")};
    inputs.members[2].designed = true;
    inputs.members[5] = {members::typed_bars, members::Spacing::Count, {}, QStringLiteral("3.5"), QStringLiteral("14"),
                         QStringLiteral("12"), {}, {}};
    inputs.design_lists.pitches = QStringLiteral("100, 150, 200");
    sheet.members.set_inputs(inputs);
    ASSERT_TRUE(inputfile::save_inputs(sheet, path(QStringLiteral("members.tvl"))));
    const QByteArray bytes = file_bytes(path(QStringLiteral("members.tvl")));
    EXPECT_TRUE(bytes.startsWith(seven_lines() + marker));
    EXPECT_TRUE(bytes.contains("3 \\u{1F600} \\u{22}\\u{5C} \\u{D}\\u{A}")) << bytes.toStdString();
    EXPECT_FALSE(bytes.startsWith("\xef\xbb\xbf"));

    test_support::FlumeFileWindow reopened;
    ASSERT_FALSE(inputfile::open_file(reopened, path(QStringLiteral("members.tvl"))).has_value());
    EXPECT_EQ(flume::input_texts(reopened), worked_inputs);
    EXPECT_TRUE(reopened.members.inputs() == inputs);

    sheet.members.set_inputs({});
    ASSERT_TRUE(inputfile::save_inputs(sheet, path(QStringLiteral("members.tvl"))));
    EXPECT_EQ(file_bytes(path(QStringLiteral("members.tvl"))), seven_lines());
}

// The search's mark on bars is kept only while the bars are still the ones it put in: a reader that
// knows no marks writes them back although its user typed the bars over.
TEST_F(TvlFile, AMarkOnBarsTypedOverIsDropped)
{
    const QByteArray mark = "\"section\",\"designed_members\",\"1\",\"1\"\r\n"
                            "\"\x83\x50\x81\x5b\x83\x58.1 \x91\xa4\x95\xc7\",\"D13\",\"\x96\x7b\x90\x94\",\"";
    for (const auto &[count, designed] : {std::pair{"5", true}, {"6", false}}) {
        put_file_bytes(path(QStringLiteral("marked.tvl")), seven_lines() + marker + members_d13() + mark + count + "\"\r\n");
        test_support::FlumeFileWindow sheet;
        ASSERT_FALSE(inputfile::open_file(sheet, path(QStringLiteral("marked.tvl"))).has_value());
        EXPECT_EQ(sheet.members.inputs().members[0].designed, designed) << count;
        ASSERT_TRUE(inputfile::save_inputs(sheet, path(QStringLiteral("saved.tvl"))));
        EXPECT_EQ(file_bytes(path(QStringLiteral("saved.tvl"))).contains("designed_members"), designed) << count;
    }
}
