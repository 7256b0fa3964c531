// `tavrel --check` as a user runs it, on .tvl files the tests write: the worked examples page by
// page, the one-line JSON, the messages, and the exit statuses, with no display at all.
#include "batch/table_text.h"
#include "inputfile/member_sections.h"
#include "inputfile/tvl_encoding.h"
#include "inputfile/tvl_format.h"
#include "inputfile/tvl_file.h"
#include "members/member_inputs.h"
#include "tests/support/pdf_words.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include "tests/support/process_run.h"
#include "tests/support/worked_example.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>

namespace {

using flume::Field;
using test_support::worked_with;

// H = 1.0 and δ = 20.54 make PV 2.000 with KA 0.30, the values every later worked example takes,
// so one file reproduces the worked examples of page 2 and Cases 1 to 3.
const QStringList &worked = test_support::worked_inputs_pv_2;

// The earth-pressure example: θ 90, φ 30, γ 18, i 0, q 10, δ 20, H 2.0.
const QStringList earth_pressure = worked_with({{Field::wall_height, QStringLiteral("2.0")}});

using TavrelRun = test_support::ProcessRun;

class CheckCommand : public testing::Test
{
protected:
    QString write(const QString &name, const QStringList &inputs)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(inputfile::write_tvl_file(path, inputs).ok);
        return path;
    }

    QString write_bytes(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // Runs tavrel with no display.
    static TavrelRun tavrel(const QStringList &arguments)
    {
        return test_support::run_process(QStringLiteral(TAVREL_PATH), arguments, test_support::Display::None);
    }

    static QJsonObject json_line(const QString &line)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        return document.object();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(CheckCommand, PlainOutputShowsEveryPageAsTheWindowDoes)
{
    const QString file = write(QStringLiteral("worked.tvl"), worked);
    const TavrelRun run = tavrel({QStringLiteral("--check"), file});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), (file + QStringLiteral("\n"
                                                           "主働土圧\n"
                                                           "  KA = 0.30\n"
                                                           "  PA = 5.70 KN/m\n"
                                                           "  PAV = 2.000 KN/m\n"
                                                           "  PV = 2.000 KN/m\n"
                                                           "浮上り・支持力\n"
                                                           "  Fs≦ 2.03\n"
                                                           "  qmax= 19.0 KN/m2\n"
                                                           "ケース.1\n"
                                                           "  Sso= 5.801 KN\n"
                                                           "  Mso= 2.307 KN・m\n"
                                                           "  底版反力 8.385 KN/m2\n"
                                                           "  Sto= 2.935 KN\n"
                                                           "  Mto= 1.049 KN・m\n"
                                                           "ケース.2\n"
                                                           "  Ss1= 5.929 KN\n"
                                                           "  Ms1= 2.174 KN・m\n"
                                                           "  St1= 2.935 KN\n"
                                                           "  Mt1= 3.432 KN・m\n"
                                                           "ケース.3\n"
                                                           "  Ss1= 2.859 KN\n"
                                                           "  Ms1= 1.048 KN・m\n"
                                                           "  St1= 2.935 KN\n"
                                                           "  Mt1= 2.306 KN・m\n"))
                                         .toStdString());
    EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(CheckCommand, PlainOutputStopsWhereTheMessageStoppedTheUser)
{
    const QString file = write(QStringLiteral("over.tvl"), worked_with({{Field::allowable_bearing, QStringLiteral("10")}}, earth_pressure));
    const TavrelRun run = tavrel({QStringLiteral("--check"), file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.toStdString(), (file + QStringLiteral("\n"
                                                           "主働土圧\n"
                                                           "  KA = 0.30\n"
                                                           "  PA = 16.80 KN/m\n"
                                                           "  PAV = 5.746 KN/m\n"
                                                           "  PV = 5.746 KN/m\n"
                                                           "浮上り・支持力\n"
                                                           "  Fs≦ 3.56\n"
                                                           "  qmax=  KN/m2\n"
                                                           "  メッセージ [qmax ≦ qa] 許容値をオーバーしました。\n"))
                                         .toStdString());
}

TEST_F(CheckCommand, JsonHoldsInputsResultsConvertedValuesAndButtons)
{
    const QString file = write(QStringLiteral("worked.tvl"), worked);
    const TavrelRun run = tavrel({QStringLiteral("--check"), QStringLiteral("--json"), file});
    EXPECT_EQ(run.status, 0);
    ASSERT_TRUE(run.out.endsWith(u'\n'));
    ASSERT_EQ(run.out.count(u'\n'), 1) << "one line per file";
    const QJsonObject object = json_line(run.out);

    EXPECT_EQ(object.value("file").toString(), file);
    const QJsonObject inputs = object.value("inputs").toObject();
    EXPECT_EQ(inputs.size(), 25);
    EXPECT_EQ(inputs.value("wall_friction_angle").toString(), QStringLiteral("20.54"));
    EXPECT_EQ(inputs.value("case2_depth").toString(), QStringLiteral("1.1"));

    const QJsonObject results = object.value("results").toObject();
    EXPECT_EQ(results.size(), 19 + 12);
    const QList<std::pair<const char *, const char *>> expected = {
        {"ka", "0.30"}, {"pa", "5.70"}, {"pav", "2.000"}, {"pv", "2.000"},
        {"uplift_safety_factor", "2.03"}, {"max_bearing", "19.0"},
        {"case1_wall_shear", "5.801"}, {"case1_wall_moment", "2.307"}, {"slab_reaction", "8.385"},
        {"case1_slab_shear", "2.935"}, {"case1_slab_moment", "1.049"},
        {"case2_wall_shear", "5.929"}, {"case2_wall_moment", "2.174"}, {"case2_slab_shear", "2.935"},
        {"case2_slab_moment", "3.432"},
        {"case3_wall_shear", "2.859"}, {"case3_wall_moment", "1.048"}, {"case3_slab_shear", "2.935"},
        {"case3_slab_moment", "2.306"},
        {"case1_wall_shear_n", "5801"}, {"case1_wall_moment_ncm", "230700"},
        {"case1_slab_shear_n", "2935"}, {"case1_slab_moment_ncm", "104900"},
        {"case2_wall_shear_n", "5929"}, {"case2_wall_moment_ncm", "217400"},
        {"case2_slab_shear_n", "2935"}, {"case2_slab_moment_ncm", "343200"},
        {"case3_wall_shear_n", "2859"}, {"case3_wall_moment_ncm", "104800"},
        {"case3_slab_shear_n", "2935"}, {"case3_slab_moment_ncm", "230600"},
    };
    for (const auto &[member, text] : expected)
        EXPECT_EQ(results.value(QLatin1String(member)).toString().toStdString(), text) << member;

    EXPECT_EQ(object.value("messages").toArray().size(), 0);
    const QJsonObject buttons = object.value("page_buttons").toObject();
    EXPECT_EQ(buttons.size(), 5);
    for (const char *button : {"Command1", "Command2", "Command3", "Command4", "Command5"})
        EXPECT_TRUE(buttons.value(QLatin1String(button)).toBool()) << button;
    EXPECT_TRUE(object.value("case1_groundwater_formula").toBool());
}

TEST_F(CheckCommand, JsonOfAStoppedChainKeepsEmptyTextsAndTheMessage)
{
    const QString file = write(QStringLiteral("over.tvl"), worked_with({{Field::allowable_bearing, QStringLiteral("10")}}, earth_pressure));
    const TavrelRun run = tavrel({QStringLiteral("--json"), QStringLiteral("--check"), file});
    EXPECT_EQ(run.status, 1);
    const QJsonObject object = json_line(run.out);
    const QJsonObject results = object.value("results").toObject();
    EXPECT_EQ(results.value("ka").toString(), QStringLiteral("0.30"));
    EXPECT_EQ(results.value("pa").toString(), QStringLiteral("16.80"));
    EXPECT_EQ(results.value("pav").toString(), QStringLiteral("5.746"));
    EXPECT_EQ(results.value("pv").toString(), QStringLiteral("5.746"));
    EXPECT_EQ(results.value("max_bearing").toString(), QString());
    EXPECT_TRUE(results.contains("case3_slab_moment_ncm"));
    EXPECT_EQ(results.value("case1_wall_shear_n").toString(), QString());
    EXPECT_EQ(object.value("messages").toArray(),
              (QJsonArray{QJsonObject{{"text", QStringLiteral("許容値をオーバーしました。")},
                                      {"title", QStringLiteral("qmax ≦ qa")}}}));
    const QJsonObject buttons = object.value("page_buttons").toObject();
    EXPECT_TRUE(buttons.value("Command2").toBool());
    EXPECT_FALSE(buttons.value("Command3").toBool());
    EXPECT_FALSE(object.value("case1_groundwater_formula").toBool());
}

TEST_F(CheckCommand, ReadsAFileInTheJapaneseCodePage)
{
    // φ typed as "30度" in a CP932 file reads as 30; only the first 7 items are in the file.
    const QString file = write_bytes(QStringLiteral("cp932.tvl"),
                                     "\"0.1\",\"0.15\",\"0.15\",\"0.1\",\"2.0\",\"0.5\",\"1.0\"\r\n"
                                     "\"90\",\"30\x93\x78\",\"18\",\"0\",\"10\",\"20\"\r\n");
    const TavrelRun run = tavrel({QStringLiteral("--check"), QStringLiteral("--json"), file});
    EXPECT_EQ(run.status, 1);
    const QJsonObject object = json_line(run.out);
    EXPECT_EQ(object.value("inputs").toObject().value("repose_angle").toString(), QStringLiteral("30度"));
    EXPECT_EQ(object.value("results").toObject().value("pav").toString(), QStringLiteral("5.746"));
    EXPECT_EQ(object.value("messages").toArray().size(), 2) << "uplift and bearing without γw, γsc, qa";
}

TEST_F(CheckCommand, JsonKeepsATextThatBeginsWithAZeroWidthNoBreakSpace)
{
    // A JSON reader may take the character at the start of a string for a byte-order mark.
    const QString file = write(QStringLiteral("feff.tvl"), worked_with({{Field::t1, QStringLiteral("\ufeff0.1")}}, worked));
    const TavrelRun run = tavrel({QStringLiteral("--check"), QStringLiteral("--json"), file});
    EXPECT_EQ(json_line(run.out).value("inputs").toObject().value("t1").toString(), QStringLiteral("\ufeff0.1"));
}

TEST_F(CheckCommand, EveryFileIsCheckedAfresh)
{
    const QString good = write(QStringLiteral("a.tvl"), worked);
    const QString stopped = write(QStringLiteral("b.tvl"), worked_with({{Field::case2_depth, QString()}}, worked));
    const QString again = write(QStringLiteral("c.tvl"), worked);
    const TavrelRun run = tavrel({QStringLiteral("--check"), QStringLiteral("--json"), good, stopped, again});
    EXPECT_EQ(run.status, 1);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(json_line(lines[0]).value("messages").toArray().size(), 0);
    EXPECT_EQ(json_line(lines[1]).value("results").toObject().value("case3_wall_shear").toString(), QString());
    EXPECT_EQ(json_line(lines[1]).value("messages").toArray().size(), 1);
    EXPECT_EQ(json_line(lines[2]).value("results").toObject().value("case3_slab_moment").toString(),
              QStringLiteral("2.306"));
    EXPECT_EQ(json_line(lines[2]).value("messages").toArray().size(), 0);
}

struct MembersRow {
    const char *name;
    QStringList inputs;
    bool member_data;                        // D13 × 5, cover 3 for every member, σca typed as 150
    int status;
    std::array<const char *, 6> judgements;  // ケース.1 側壁 … ケース.3 底版
    const char *overall;                     // the last line of 結果一覧 in --document
    bool damaged_materials = false;          // the file's materials name steel SD999
};

class CheckMembers : public CheckCommand, public testing::WithParamInterface<MembersRow>
{
};

// Six members always; a member judged NG is a result, not a failure of the check.
TEST_P(CheckMembers, JsonListsTheSixMembers)
{
    const MembersRow &row = GetParam();
    inputfile::TvlContents contents{row.inputs, {}, {}, {}};
    if (row.member_data) {
        for (members::MemberInputs &member : contents.members.members)
            member = {QStringLiteral("D13"), members::Spacing::Count, QStringLiteral("5"), {}, {}, {}, {}, QStringLiteral("3")};
        members::type_allowable(contents.members.materials, members::Allowable::Compression, QStringLiteral("150"));
    }
    // The materials left as a new window has them are not written; a damaged section follows the
    // members' instead.
    if (row.damaged_materials)
        contents.members.materials = {};
    const QString file = dir.filePath(QStringLiteral("members.tvl"));
    ASSERT_TRUE(inputfile::write_tvl_file(file, contents).ok);
    if (row.damaged_materials) {
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::Append));
        written.write(inputfile::section_text(inputfile::materials_section, QStringLiteral("1"),
                                              {{"24", "SD999", "一般", "異形鉄筋", "", "", "", ""}})
                          .toUtf8());
    }
    const TavrelRun run = tavrel({QStringLiteral("--check"), QStringLiteral("--json"), file});
    EXPECT_EQ(run.status, row.status);
    const QJsonObject object = json_line(run.out);
    EXPECT_EQ(object.value("materials").toObject().value("allowables").toObject().value(QStringLiteral("σca")).toString(),
              row.member_data && !row.damaged_materials ? QStringLiteral("150") : QStringLiteral("800"));
    EXPECT_EQ(object.value("damaged").toArray().size(), row.damaged_materials ? 1 : 0);
    const QJsonArray members = object.value("members").toArray();
    ASSERT_EQ(members.size(), 6);
    for (int i = 0; i < 6; ++i) {
        const QJsonObject member = members[i].toObject();
        EXPECT_EQ(member.value("judgement").toString().toStdString(), row.judgements[std::size_t(i)]) << i;
        // Morvik's texts only where the member has stresses.
        EXPECT_EQ(member.contains("results"), member.value("status").toString().isEmpty()) << i;
    }
    if (row.member_data && row.status == 0) {
        EXPECT_EQ(members[3].toObject().value("results").toObject().value("concrete_stress").toString(),
                  QStringLiteral("181 （N/c㎡） "));
        EXPECT_EQ(members[3].toObject().value("failing").toArray(), QJsonArray{QStringLiteral("σc")});
        const TavrelRun plain = tavrel({QStringLiteral("--check"), file});
        EXPECT_TRUE(plain.out.endsWith(QStringLiteral(
            "部材の応力度照査\n"
            "  ケース.1 側壁  D13 @200mm  総厚 15.0  ｄ 11.3  OK\n"
            "    σc 122 ≦ 150  σs 3617 ≦ 18000  τ 5.77 ≦ 45.9  τo 28.87 ≦ 160\n"
            "    あき 187.3 ≧ 26.7  ピッチ 200 ≦ 300  鉄筋比 0.56 ≧ 0.15\n"
            "  ケース.1 底版  D13 @200mm  総厚 15.0  ｄ 11.3  OK\n"
            "    σc 55 ≦ 150  σs 1644 ≦ 18000  τ 2.92 ≦ 45.9  τo 14.61 ≦ 160\n"
            "    あき 187.3 ≧ 26.7  ピッチ 200 ≦ 300  鉄筋比 0.56 ≧ 0.15\n"
            "  ケース.2 側壁  D13 @200mm  総厚 15.0  ｄ 11.3  OK\n"
            "    σc 115 ≦ 150  σs 3408 ≦ 18000  τ 5.90 ≦ 45.9  τo 29.51 ≦ 160\n"
            "    あき 187.3 ≧ 26.7  ピッチ 200 ≦ 300  鉄筋比 0.56 ≧ 0.15\n"
            "  ケース.2 底版  D13 @200mm  総厚 15.0  ｄ 11.3  NG（σc）\n"
            "    σc 181 ＞ 150  σs 5380 ≦ 18000  τ 2.92 ≦ 45.9  τo 14.61 ≦ 160\n"
            "    あき 187.3 ≧ 26.7  ピッチ 200 ≦ 300  鉄筋比 0.56 ≧ 0.15\n"
            "  ケース.3 側壁  D13 @200mm  総厚 15.0  ｄ 11.3  OK\n"
            "    σc 55 ≦ 150  σs 1643 ≦ 18000  τ 2.85 ≦ 45.9  τo 14.23 ≦ 160\n"
            "    あき 187.3 ≧ 26.7  ピッチ 200 ≦ 300  鉄筋比 0.56 ≧ 0.15\n"
            "  ケース.3 底版  D13 @200mm  総厚 15.0  ｄ 11.3  OK\n"
            "    σc 122 ≦ 150  σs 3615 ≦ 18000  τ 2.92 ≦ 45.9  τo 14.61 ≦ 160\n"
            "    あき 187.3 ≧ 26.7  ピッチ 200 ≦ 300  鉄筋比 0.56 ≧ 0.15\n")))
            << plain.out.toStdString();
    }

    // 結果一覧 (page 3) of --document on the same file: every judgement of the JSON, in its order.
    const QString pdf = dir.filePath(QStringLiteral("members.pdf"));
    tavrel({QStringLiteral("--document"), pdf, file});
    const QString summary =
        test_support::run_process(QStringLiteral("pdftotext"), {"-f", "3", "-l", "3", "-layout", pdf, "-"}).out;
    const QJsonObject results = object.value("results").toObject();
    QStringList expected{results.value("uplift_safety_factor").toString() + QStringLiteral(" ＞ 1.2 OK"),
                         results.value("max_bearing").toString() + QStringLiteral(" ≦ 100 OK")};
    const QJsonObject allowables = object.value("materials").toObject().value("allowables").toObject();
    const std::array<std::array<const char *, 3>, 4> stresses = {{{"concrete_stress", "σc", "σca"}, {"steel_stress", "σs", "σsa"},
                                                                   {"shear_stress", "τ", "τa"}, {"bond_stress", "τo", "τoa"}}};
    // The detailing rules: at least (あき, 鉄筋比) or at most (ピッチ) their limit.
    const std::array<std::pair<const char *, bool>, 3> rules = {{{"clear_spacing", true}, {"pitch", false}, {"steel_ratio", true}}};
    for (const QJsonValue &value : members) {
        const QJsonObject member = value.toObject();
        // Damaged materials leave the stresses without allowables to be judged by.
        for (const auto &[key, symbol, allowable] : stresses) {
            if (!member.contains("results") || row.damaged_materials)
                continue;
            const bool failing = member.value("failing").toArray().contains(QString::fromUtf8(symbol));
            expected.append(member.value("results").toObject().value(key).toString().section(u' ', 0, 0)
                            + (failing ? QStringLiteral(" ＞ ") : QStringLiteral(" ≦ "))
                            + allowables.value(QString::fromUtf8(allowable)).toString() + (failing ? " NG" : " OK"));
        }
        for (const auto &[key, least] : rules) {
            const QJsonObject rule = member.value("detailing").toObject().value(key).toObject();
            const QString verdict = rule.value("judgement").toString();
            if (!member.contains("results") || verdict.isEmpty())
                continue;
            const bool ok = verdict == QStringLiteral("OK");
            const QString sign = least ? (ok ? QStringLiteral(" ≧ ") : QStringLiteral(" ＜ "))
                                       : (ok ? QStringLiteral(" ≦ ") : QStringLiteral(" ＞ "));
            expected.append(rule.value("value").toString() + sign + rule.value("limit").toString() + u' ' + verdict);
        }
    }
    QStringList shown;
    static const QRegularExpression judged(QStringLiteral("([0-9.]+ [≦＞≧＜] [0-9.]+) +(OK|NG)"));
    for (const QRegularExpressionMatch &m : judged.globalMatch(summary))
        shown.append(m.captured(1) + u' ' + m.captured(2));
    EXPECT_EQ(shown.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    EXPECT_TRUE(summary.contains(QString::fromUtf8(row.overall))) << summary.toStdString();
    // A damaged section is named on standard output, second line, as well as on standard error.
    if (row.damaged_materials) {
        const TavrelRun plain = tavrel({QStringLiteral("--check"), file});
        EXPECT_EQ(plain.status, 1);
        const QString note = QStringLiteral("このファイルの使用材料のデータは壊れているため、読み込みませんでした。");
        EXPECT_EQ(plain.out.split(u'\n').value(1), QStringLiteral("  ") + note);
        EXPECT_TRUE(plain.err.contains(note)) << plain.err.toStdString();
        EXPECT_FALSE(plain.out.contains(QStringLiteral("OK"))) << plain.out.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Members, CheckMembers,
    testing::Values(MembersRow{"WorkedExampleWithOneNg", worked, true, 0, {"OK", "OK", "OK", "NG（σc）", "OK", "OK"},
                               "NG の照査があります。"},
                    MembersRow{"NoMemberData", worked, false, 0,
                               {"鉄筋未入力", "鉄筋未入力", "鉄筋未入力", "鉄筋未入力", "鉄筋未入力", "鉄筋未入力"},
                               "判定の出ていない照査があります。"},
                    MembersRow{"StoppedBeforeCase2", worked_with({{Field::case2_depth, QString()}}, worked), true, 1,
                               {"OK", "OK", "未計算", "未計算", "未計算", "未計算"}, "判定の出ていない照査があります。"},
                    MembersRow{"DamagedMaterialsJudgeNothing", worked, true, 1,
                               {"使用材料のデータが不正", "使用材料のデータが不正", "使用材料のデータが不正",
                                "使用材料のデータが不正", "使用材料のデータが不正", "使用材料のデータが不正"},
                               "判定の出ていない照査があります。", true}),
    [](const testing::TestParamInfo<MembersRow> &info) { return std::string(info.param.name); });

struct StatusRow {
    const char *name;
    QStringList arguments; // "GOOD", "STOPPED", "MISSING", "LARGE" stand for files
    int status;
    int files_reported;    // file paths written to standard output
    int error_lines;       // lines on standard error
};

class CheckStatus : public CheckCommand, public testing::WithParamInterface<StatusRow>
{
};

TEST_P(CheckStatus, ExitsAsDocumented)
{
    const QString good = write(QStringLiteral("good.tvl"), worked);
    const QString stopped = write(QStringLiteral("stopped.tvl"), worked_with({{Field::wall_inclination, QStringLiteral("0")}}, worked));
    const QString missing = dir.filePath(QStringLiteral("missing.tvl"));
    // A valid file after a million blank lines is larger than any .tvl file.
    const QString large = write_bytes(QStringLiteral("large.tvl"), QByteArray("\r\n").repeated(1024 * 1024) + "\"1\"\r\n");
    // Tables for --batch: every row OK; a row refused; a header naming no input.
    const QString table = write_bytes(QStringLiteral("table.csv"), "名称,q\nA,10\nB,5\n");
    const QString refused = write_bytes(QStringLiteral("refused.csv"), "名称,q\nA,10\nB,abc\n");
    const QString unknown = write_bytes(QStringLiteral("unknown.csv"), "名称,幅\nA,10\n");
    const QString read_only = write_bytes(QStringLiteral("read-only.csv"), "");
    QFile::setPermissions(read_only, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QMap<QString, QString> files = {{"GOOD", good},       {"STOPPED", stopped},   {"MISSING", missing},
                                          {"LARGE", large},     {"TABLE", table},       {"REFUSED", refused},
                                          {"UNKNOWN", unknown}, {"OUT", dir.filePath(QStringLiteral("out.csv"))},
                                          {"READONLY", read_only}};
    QStringList arguments;
    for (const QString &argument : GetParam().arguments)
        arguments.append(files.value(argument, argument));

    const TavrelRun run = tavrel(arguments);
    EXPECT_EQ(run.status, GetParam().status);
    int reported = 0;
    for (const QString &path : {good, stopped, missing, large})
        reported += run.out.count(path);
    EXPECT_EQ(reported, GetParam().files_reported) << run.out.toStdString();
    EXPECT_EQ(run.err.count(u'\n'), GetParam().error_lines) << run.err.toStdString();
    if (GetParam().arguments.contains("MISSING")) {
        EXPECT_TRUE(run.err.contains(missing));
    }
    if (GetParam().arguments.contains("LARGE")) {
        EXPECT_TRUE(run.err.contains(large + QStringLiteral(": ファイルが大きすぎます（.tvl ファイルは 1\u00a0MiB まで）。")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    ExitStatus, CheckStatus,
    testing::Values(
        StatusRow{"AllPassed", {"--check", "GOOD", "GOOD"}, 0, 2, 0},
        StatusRow{"OneStopped", {"--check", "GOOD", "STOPPED"}, 1, 2, 0},
        StatusRow{"OneStoppedJson", {"--check", "--json", "STOPPED", "GOOD"}, 1, 2, 0},
        StatusRow{"UnreadableFileOutranksAStop", {"--check", "STOPPED", "MISSING", "GOOD"}, 2, 2, 1},
        StatusRow{"FileOverOneMebibyte", {"--check", "GOOD", "LARGE"}, 2, 1, 1},
        StatusRow{"NoFile", {"--check"}, 2, 0, 1},
        StatusRow{"NoFileJson", {"--check", "--json"}, 2, 0, 1},
        StatusRow{"UnknownOption", {"--check", "--verbose", "GOOD"}, 2, 0, 1},
        StatusRow{"FileAfterDoubleDash", {"--check", "--", "GOOD"}, 0, 1, 0},
        StatusRow{"HelpNeedsNoDisplay", {"--help"}, 0, 0, 0},
        StatusRow{"VersionNeedsNoDisplay", {"--version"}, 0, 0, 0},
        StatusRow{"UnknownOptionWithoutCommand", {"--verbose", "GOOD"}, 2, 0, 1},
        StatusRow{"JsonWithoutCommand", {"--json", "GOOD"}, 2, 0, 1},
        StatusRow{"TwoCommands", {"--check", "--pdf", "GOOD"}, 2, 0, 1},
        StatusRow{"BatchEveryRowOk", {"--batch", "TABLE", "--base", "GOOD", "--out", "OUT"}, 0, 0, 0},
        StatusRow{"BatchRowRefused", {"--batch", "REFUSED", "--base", "GOOD", "--out", "OUT"}, 1, 0, 1},
        StatusRow{"BatchRowStopped", {"--batch", "TABLE", "--base", "STOPPED", "--out", "OUT"}, 1, 0, 2},
        StatusRow{"BatchUnknownHeader", {"--batch", "UNKNOWN", "--base", "GOOD", "--out", "OUT"}, 2, 0, 1},
        StatusRow{"BatchUnreadableBase", {"--batch", "TABLE", "--base", "MISSING", "--out", "OUT"}, 2, 0, 1},
        StatusRow{"BatchWithoutBase", {"--batch", "TABLE", "--out", "OUT"}, 2, 0, 1},
        StatusRow{"BatchUnknownKindOfOutput", {"--batch", "TABLE", "--base", "GOOD", "--out", "out.txt"}, 2, 0, 1},
        StatusRow{"BatchOutputOverTheTable", {"--batch", "TABLE", "--base", "GOOD", "--out", "TABLE"}, 2, 0, 1},
        // --design is a command of its own and an option of --batch.
        StatusRow{"BatchDesignedWithoutCover", {"--design", "--batch", "TABLE", "--base", "GOOD", "--out", "OUT"}, 1, 0, 0},
        StatusRow{"BatchOverAReadOnlyFile", {"--batch", "TABLE", "--base", "GOOD", "--out", "READONLY"}, 2, 0, 1},
        StatusRow{"BatchForcedOverAReadOnlyFile", {"--batch", "TABLE", "--base", "GOOD", "--out", "READONLY", "--force"}, 0, 0, 0},
        StatusRow{"EncodingWithoutBatch", {"--check", "--encoding", "cp932", "GOOD"}, 2, 0, 1},
        // Without member data no member has a cover to design with.
        StatusRow{"DesignWithoutCover", {"--design", "GOOD"}, 1, 1, 0},
        StatusRow{"DesignOfTwoFiles", {"--design", "GOOD", "GOOD"}, 2, 0, 1},
        StatusRow{"DesignWrittenOverItself", {"--design", "GOOD", "--write", "GOOD"}, 2, 0, 1},
        StatusRow{"DesignOfAMissingFile", {"--design", "--json", "MISSING"}, 2, 0, 1},
        StatusRow{"WriteWithoutDesign", {"--check", "GOOD", "--write", "x.tvl"}, 2, 0, 1}),
    [](const testing::TestParamInfo<StatusRow> &info) { return std::string(info.param.name); });

TEST_F(CheckCommand, HelpInJapaneseAndEnglish)
{
    const TavrelRun run = tavrel({QStringLiteral("--check"), QStringLiteral("--help")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains(QStringLiteral("使い方: tavrel --check [--json] ファイル.tvl...")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Usage: tavrel --check [--json] FILE.tvl...")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("終了コード")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Exit status")));
}

// --batch: each row of a table as a .tvl file written by hand and checked alone would give it.
class BatchCommand : public CheckCommand
{
protected:
    // The worked example with D13 × 5 and a cover of 3 cm on every member, σca typed as 150.
    static inputfile::TvlContents worked_with_members()
    {
        inputfile::TvlContents contents{worked, {}, {}, {}};
        for (members::MemberInputs &member : contents.members.members)
            member = {QStringLiteral("D13"), members::Spacing::Count, QStringLiteral("5"), {}, {}, {}, {}, QStringLiteral("3")};
        members::type_allowable(contents.members.materials, members::Allowable::Compression, QStringLiteral("150"));
        return contents;
    }

    // Runs tavrel --batch on the table with the worked example as its base, writing out.
    TavrelRun batch(const QByteArray &table, const QString &out, const QStringList &more = {})
    {
        const QString base = dir.filePath(QStringLiteral("base.tvl"));
        EXPECT_TRUE(inputfile::write_tvl_file(base, worked_with_members()).ok);
        return tavrel(QStringList{QStringLiteral("--batch"), write_bytes(QStringLiteral("table.csv"), table), QStringLiteral("--base"),
                                  base, QStringLiteral("--out"), out} + more);
    }
};

// With --design (true), the members as tavrel --design gives them for that file.
class BatchRows : public BatchCommand, public testing::WithParamInterface<bool> {};

TEST_P(BatchRows, EveryRowAsCheckingItsOwnFile)
{
    const bool design = GetParam();
    const QString out = dir.filePath(QStringLiteral("results.csv"));
    const TavrelRun run = batch("名称,H1,q,かぶり(ケース.1 側壁)\n一,0.4,10,3\n二,0.6,5,4\n三,0.9,20,\n", out,
                                design ? QStringList{QStringLiteral("--design")} : QStringList{});
    // Checked, ケース.2 底版 is NG in every row; designed, every member has its bars.
    EXPECT_EQ(run.status, design ? 0 : 1) << run.err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xef\xbb\xbf")) << "UTF-8 behind a byte-order mark";
    const batch::SplitTable results = batch::split_table(bytes);
    ASSERT_EQ(results.records.size(), 4);
    const QStringList headers = results.records[0].fields.list();

    const std::array<std::array<const char *, 3>, 3> rows = {{{"0.4", "10", "3"}, {"0.6", "5", "4"}, {"0.9", "20", "3"}}};
    const std::array<std::array<const char *, 3>, 4> stresses = {{{"concrete_stress", "σc", "σca"}, {"steel_stress", "σs", "σsa"},
                                                                   {"shear_stress", "τ", "τa"}, {"bond_stress", "τo", "τoa"}}};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        inputfile::TvlContents contents = worked_with_members();
        contents.inputs[int(Field::outer_water_height)] = QString::fromLatin1(rows[r][0]);
        contents.inputs[int(Field::surcharge)] = QString::fromLatin1(rows[r][1]);
        contents.members.members[0].cover = QString::fromLatin1(rows[r][2]);
        const QString file = dir.filePath(QStringLiteral("row%1.tvl").arg(r));
        ASSERT_TRUE(inputfile::write_tvl_file(file, contents).ok);
        const QJsonObject json = json_line(tavrel({QStringLiteral("--check"), QStringLiteral("--json"), file}).out);
        const QJsonObject values = json.value("results").toObject();
        const QStringList cells = results.records[qsizetype(r) + 1].fields.list();
        const auto cell = [&](const QString &header) { return cells.value(headers.indexOf(header)).toStdString(); };
        EXPECT_EQ(cell(QStringLiteral("KA")), values.value("ka").toString().toStdString()) << r;
        EXPECT_EQ(cell(QStringLiteral("PA (kN/m)")), values.value("pa").toString().toStdString()) << r;
        EXPECT_EQ(cell(QStringLiteral("Fs")), values.value("uplift_safety_factor").toString().toStdString()) << r;
        EXPECT_EQ(cell(QStringLiteral("qmax (kN/m²)")), values.value("max_bearing").toString().toStdString()) << r;
        const QJsonObject allowables = json.value("materials").toObject().value("allowables").toObject();
        const QJsonArray members =
            design ? json_line(tavrel({QStringLiteral("--design"), QStringLiteral("--json"), file}).out).value("members").toArray()
                   : json.value("members").toArray();
        for (int m = 0; m < 6; ++m) {
            const QJsonObject member = members[m].toObject();
            const QString title = member.value("member").toString() + u' ';
            const QJsonObject chosen = member.value("design").toObject();
            EXPECT_EQ(cell(title + QStringLiteral("鉄筋")), chosen.value("bar").toString().toStdString()) << r << m;
            EXPECT_EQ(cell(title + QStringLiteral("ピッチ (mm)")), chosen.value("pitch").toString().toStdString()) << r << m;
            EXPECT_EQ(cell(title + QStringLiteral("判定")), member.value("judgement").toString().toStdString()) << r << m;
            // The governing stress: the largest of the four against its allowable.
            double ratio = 0;
            QString governing;
            for (const auto &[key, symbol, allowable] : stresses) {
                const double stress =
                    member.value("results").toObject().value(key).toString().section(u' ', 0, 0).toDouble() /
                    allowables.value(QString::fromUtf8(allowable)).toString().toDouble();
                if (stress > ratio)
                    ratio = stress, governing = QString::fromUtf8(symbol);
            }
            EXPECT_EQ(cell(title + QStringLiteral("応力度比")), QString::number(ratio, 'f', 2).toStdString()) << r << m;
            EXPECT_EQ(cell(title + QStringLiteral("決定")), governing.toStdString()) << r << m;
        }
        EXPECT_EQ(cell(QStringLiteral("総合判定")), design ? "OK" : "NG") << r;
    }
}

INSTANTIATE_TEST_SUITE_P(CheckedAndDesigned, BatchRows, testing::Bool());

TEST_F(BatchCommand, SpreadsheetHoldsNumbersFrozenHeadAndRedNg)
{
    const QString out = dir.filePath(QStringLiteral("results.xlsx"));
    const TavrelRun run = batch("名称,qa\n一,100\n二,10\n", out);
    EXPECT_EQ(run.status, 1);
    const auto part = [&out](const char *name) {
        return test_support::run_process(QStringLiteral("unzip"), {QStringLiteral("-p"), out, QString::fromLatin1(name)}).out;
    };
    const QString sheet = part("xl/worksheets/sheet1.xml");
    const QString styles = part("xl/styles.xml");
    const QStringList strings = [&] {
        QStringList texts;
        static const QRegularExpression text(QStringLiteral("<t[^>]*>([^<]*)</t>"));
        for (const QRegularExpressionMatch &m : text.globalMatch(part("xl/sharedStrings.xml")))
            texts << m.captured(1);
        return texts;
    }();
    EXPECT_TRUE(sheet.contains(QStringLiteral("<pane xSplit=\"2\" ySplit=\"1\" topLeftCell=\"C2\" activePane=\"bottomRight\" state=\"frozen\"/>")));

    // Each cell's style leads to its number format and its font.
    QList<QPair<QString, QString>> cell_styles;  // number format id, font id
    static const QRegularExpression xf(QStringLiteral("<xf numFmtId=\"(\\d+)\" fontId=\"(\\d+)\""));
    const QString cell_xfs = styles.section(QStringLiteral("<cellXfs"), 1).section(QStringLiteral("</cellXfs>"), 0, 0);
    for (const QRegularExpressionMatch &m : xf.globalMatch(cell_xfs))
        cell_styles.append({m.captured(1), m.captured(2)});
    const QStringList fonts = styles.section(QStringLiteral("<fonts"), 1).section(QStringLiteral("</fonts>"), 0, 0)
                                  .split(QStringLiteral("</font>"));
    const auto cell = [&](const QString &reference) {
        static const QRegularExpression found(QStringLiteral("<c r=\"([A-Z]+\\d+)\"(?: s=\"(\\d+)\")?( t=\"s\")?><v>([^<]*)</v>"));
        for (const QRegularExpressionMatch &m : found.globalMatch(sheet)) {
            if (m.captured(1) == reference)
                return std::pair{m.captured(3).isEmpty() ? m.captured(4) : strings.value(m.captured(4).toInt()),
                                 cell_styles.value(m.captured(2).toInt())};
        }
        return std::pair{QString(), QPair<QString, QString>()};
    };
    // A: 行, B: 名称, C: qa, D: KA, E: PA, F: Fs, G: its verdict, H: qmax, I: its verdict.
    EXPECT_EQ(cell(QStringLiteral("B1")).first, QStringLiteral("名称"));
    EXPECT_EQ(cell(QStringLiteral("H1")).first, QStringLiteral("qmax (kN/m²)"));
    EXPECT_EQ(cell(QStringLiteral("D2")).first, QStringLiteral("0.3")) << "KA 0.30 is a number";
    EXPECT_TRUE(styles.contains(QStringLiteral("<numFmt numFmtId=\"%1\" formatCode=\"0.00\"/>").arg(cell(QStringLiteral("D2")).second.first)));
    EXPECT_EQ(cell(QStringLiteral("H3")).first, QStringLiteral("19"));  // 19.0 ＞ 10
    EXPECT_TRUE(styles.contains(QStringLiteral("<numFmt numFmtId=\"%1\" formatCode=\"0.0\"/>").arg(cell(QStringLiteral("H3")).second.first)));
    EXPECT_EQ(cell(QStringLiteral("I3")).first, QStringLiteral("NG"));
    EXPECT_TRUE(fonts.value(cell(QStringLiteral("I3")).second.second.toInt()).contains(QStringLiteral("FFFF0000"))) << "NG in red";
    EXPECT_EQ(cell(QStringLiteral("I2")).first, QStringLiteral("OK"));
    EXPECT_FALSE(fonts.value(cell(QStringLiteral("I2")).second.second.toInt()).contains(QStringLiteral("FFFF0000")));
}

TEST_F(BatchCommand, PrintedListRepeatsItsHeadOnEveryPage)
{
    QByteArray table = "名称,H1\n";
    for (int i = 1; i <= 45; ++i)
        table += "U" + QByteArray::number(i) + ",0." + QByteArray::number(1 + i % 5) + "\n";
    const QString out = dir.filePath(QStringLiteral("results.pdf"));
    const TavrelRun run = batch(table, out);
    EXPECT_EQ(run.status, 1);
    const QList<QList<test_support::PdfWord>> pages = test_support::pdf_words(out);
    ASSERT_EQ(pages.size(), 3);
    QStringList names;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QStringList words;
        for (const test_support::PdfWord &word : pages[p]) {
            words << word.text;
            if (word.text.startsWith(u'U') && word.text.size() <= 3)
                names << word.text;
        }
        EXPECT_TRUE(words.contains(QStringLiteral("総合判定")) && words.contains(QStringLiteral("名称"))) << p;
        EXPECT_TRUE(words.join(u' ').contains(QStringLiteral("- %1 -").arg(p + 1))) << p;
    }
    EXPECT_EQ(names.size(), 45) << "every row once";
    EXPECT_EQ(names.first(), QStringLiteral("U1"));
    EXPECT_EQ(names.last(), QStringLiteral("U45"));
}

// The bars chosen go into the member data of the file written; its 25 items stay byte for byte,
// and the file is written over itself only when asked.
TEST_F(CheckCommand, DesignWritesTheBarsChosenAndKeepsTheItems)
{
    const QString file = dir.filePath(QStringLiteral("members.tvl"));
    ASSERT_TRUE(inputfile::write_tvl_file(file, {worked, test_support::worked_members(), {}, {}}));
    const auto bytes = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray before = bytes(file);
    const qsizetype items = inputfile::encode_tvl(inputfile::format_tvl(worked)).size();
    const QString out = dir.filePath(QStringLiteral("designed.tvl"));

    const TavrelRun run = tavrel({QStringLiteral("--design"), file, QStringLiteral("--write"), out});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.count(QStringLiteral("OK  自動配筋 ")), 6) << run.out.toStdString();
    EXPECT_EQ(bytes(out).left(items), before.left(items));
    EXPECT_EQ(bytes(file), before);
    inputfile::TvlContents designed;
    ASSERT_TRUE(inputfile::read_tvl_file(out, designed));
    for (const members::MemberInputs &m : designed.members.members) {
        EXPECT_TRUE(m.designed);
        EXPECT_EQ(m.bar + u' ' + m.spacing_text, QStringLiteral("D10 300"));
        EXPECT_EQ(m.cover, QStringLiteral("3"));
    }
    // Designed again in place, the file stays as it is.
    const QByteArray written = bytes(out);
    EXPECT_EQ(tavrel({QStringLiteral("--design"), out, QStringLiteral("--in-place")}).status, 0);
    EXPECT_EQ(bytes(out), written);
}
