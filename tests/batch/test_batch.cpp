// A table of flumes as a spreadsheet saves it: its header names, its encodings and separators, the
// values a row may give, each row's flume from the base file, and a run that is cancelled.
#include "batch/batch_run.h"
#include "tests/support/worked_example.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

struct HeaderRow {
    const char *name;
    const char *header;
    const char *symbol;  // the column found; empty: none, for the reason
    int member;          // the one member of a member check input, or -1
    const char *reason;
};

void PrintTo(const HeaderRow &row, std::ostream *os) { *os << row.name; }

class Headers : public testing::TestWithParam<HeaderRow>
{
};

TEST_P(Headers, NameTheirColumn)
{
    QString reason;
    const std::optional<batch::InputColumn> column = batch::column_for_header(QString::fromUtf8(GetParam().header), &reason);
    EXPECT_EQ(column ? column->symbol : QString(), QString::fromUtf8(GetParam().symbol));
    EXPECT_EQ(column && column->member ? int(*column->member) : -1, GetParam().member);
    EXPECT_EQ(reason, QString::fromUtf8(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, Headers,
    testing::Values(
        HeaderRow{"FlumeSymbol", "T1", "T1", -1, ""},
        HeaderRow{"LowerCaseIsAnotherInput", "h", "h", -1, ""},
        HeaderRow{"UnitAfterTheSymbol", "B (m)", "B", -1, ""},
        HeaderRow{"FullWidthWithTheScreensUnit", "Ｈ’１　（ｍ）", "H'1", -1, ""},
        HeaderRow{"SiUnitWithSuperscript", "q（kN/m²）", "q", -1, ""},
        HeaderRow{"MemberInputForAll", "かぶり", "かぶり", -1, ""},
        HeaderRow{"MemberInputForOne", "ピッチ(ケース.2 底版)", "ピッチ(ケース.2 底版)", 3, ""},
        HeaderRow{"MemberWrittenLoosely", "鉄筋（ケース3側壁）", "鉄筋(ケース.3 側壁)", 4, ""},
        HeaderRow{"Materials", "σck", "σck", -1, ""},
        HeaderRow{"Name", "名称", "名称", -1, ""},
        HeaderRow{"AnotherUnit", "B (mm)", "", -1, "「B」の単位は m です（見出しは mm）"},
        HeaderRow{"AResult", "KA", "", -1, "「KA」は計算の結果で、入力ではありません"},
        HeaderRow{"UnknownName", "幅", "", -1, "「幅」という入力はありません"},
        HeaderRow{"UpperCaseOfAnInputIsNone", "T1 ", "T1", -1, ""},
        HeaderRow{"Blank", " ", "", -1, "見出しが空です"}),
    [](const testing::TestParamInfo<HeaderRow> &info) { return std::string(info.param.name); });

struct TableRow {
    const char *name;
    QByteArray bytes;
    QStringList problems;  // of the rows, in order: "" for a row that is computed
    QStringList first_row;  // the values of the first row, where they are to be looked at
};

void PrintTo(const TableRow &row, std::ostream *os) { *os << row.name; }

class Tables : public testing::TestWithParam<TableRow>
{
};

TEST_P(Tables, ReadRowsWithTheirProblems)
{
    const batch::BatchTable table = batch::read_table(batch::split_table(GetParam().bytes));
    ASSERT_TRUE(table.usable()) << table.problems.value(0).line_text().toStdString();
    QStringList problems;
    for (const batch::TableRow &row : table.rows)
        problems << (row.usable() ? QString::number(row.line) : row.problem.line_text());
    EXPECT_EQ(problems.join(u'|').toStdString(), GetParam().problems.join(u'|').toStdString());
    if (!GetParam().first_row.isEmpty()) {
        EXPECT_EQ(table.rows.value(0).values.list().join(u'|').toStdString(), GetParam().first_row.join(u'|').toStdString());
    }
}

const QByteArray bom = "\xef\xbb\xbf";

INSTANTIATE_TEST_SUITE_P(
    Spreadsheets, Tables,
    testing::Values(
        TableRow{"Utf8WithByteOrderMark", bom + "名称,B,H\r\n一,1.0,0.8\r\n二,1.2,1.0\r\n", {"2", "3"}, {"一", "1.0", "0.8"}},
        TableRow{"Cp932WithTabs", "\x96\xbc\x8f\xcc\tB\tH\r\n\x88\xea\t1.0\t0.8\r\n\x93\xf1\t1.2\t1.0\r\n", {"2", "3"},
                 {"一", "1.0", "0.8"}},
        TableRow{"Utf8WithoutMarkAndLf", "名称,B\n一,1.0\n,\n二,1.2\n", {"2", "4"}, {"一", "1.0"}},
        TableRow{"QuotedFieldsAcrossLines", "名称,B\n\"一,\"\"U\"\"\n300\",1.0\n二,1.2\n", {"2", "4"}, {"一,\"U\"\n300", "1.0"}},
        TableRow{"RefusedValueSkipsItsRowOnly", "名称,B,H\n一,abc,0.8\n二,1.2,1.0\n",
                 {"2:2: 「B」の値「abc」は数値ではありません", "3"}, {}},
        TableRow{"TooManyFields", "B,H\n1.0,0.8,9\n1.0,0.8,,\n", {"2:3: 欄が多すぎます（見出しは 2 列）", "3"}, {}},
        TableRow{"UnknownBar", "鉄筋\nD12\n", {"2:1: 「鉄筋」の値「D12」は鉄筋の呼び名（D10、D13、D16、D19、D22）ではありません"}, {}},
        TableRow{"CountAndPitchTogether", "本数,ピッチ,ピッチ(ケース.1 側壁)\n5,,200\n5,200,\n",
                 {"2", "3:2: 「本数」と「ピッチ」の両方があります（一方だけにします）"}, {}},
        TableRow{"NegativeCover", "かぶり\n-1\n", {"2:1: 「かぶり」の値「-1」は0 以上の数ではありません"}, {}}),
    [](const testing::TestParamInfo<TableRow> &info) { return std::string(info.param.name); });

TEST(TableProblems, AnUnknownOrRepeatedHeaderOrAnOpenQuoteMakesTheTableUnusable)
{
    for (const auto &[bytes, problem] : {std::pair{QByteArray("B,幅,H\n1,2,3\n"), "1:2: 「幅」という入力はありません"},
                                         {QByteArray("B,B (m)\n1,2\n"), "1:2: 「B」の列が二つあります"},
                                         {QByteArray("B\n1\n\"2\n3\n"), "3:1: 「\"」で始まる欄に閉じる「\"」がありません"},
                                         {QByteArray(""), "1: 見出しの行がありません"}}) {
        const batch::BatchTable table = batch::read_table(batch::split_table(bytes));
        ASSERT_FALSE(table.usable()) << problem;
        EXPECT_EQ(table.problems.first().line_text(), QString::fromUtf8(problem));
    }
}

TEST(RowContents, TheRowsValuesOverTheBaseAndOneMembersOverAll)
{
    const batch::BatchTable table = batch::read_table(
        batch::split_table(QByteArray("H1,かぶり(ケース.1 底版),かぶり,ピッチ,σck\n0.3,4,5,200,21\n,,,,\n0.2,,,,\n")));
    inputfile::TvlContents base{test_support::worked_inputs, test_support::worked_members(), {}, {}};
    const inputfile::TvlContents contents = batch::row_contents(table, table.rows[0], base);
    EXPECT_EQ(contents.inputs, test_support::worked_with({{flume::Field::outer_water_height, QStringLiteral("0.3")}}));
    EXPECT_EQ(contents.members.materials.concrete_strength, QStringLiteral("21"));
    for (std::size_t m = 0; m < members::member_count; ++m) {
        EXPECT_EQ(contents.members.members[m].cover, m == 1 ? QStringLiteral("4") : QStringLiteral("5"));
        EXPECT_EQ(contents.members.members[m].spacing, members::Spacing::Pitch);
        EXPECT_EQ(contents.members.members[m].bar, QStringLiteral("D13"));
    }
    EXPECT_EQ(batch::value_used(table.columns[1], contents), QStringLiteral("4"));
    EXPECT_EQ(batch::value_used(table.columns[2], contents), QString()) << "the members differ";
    EXPECT_EQ(table.rows.size(), 2) << "a row of blank fields is no row";
}

// With 自動配筋, a member is NG without bars only where every arrangement failed; one the search
// cannot take up (no cover) has no verdict and says why.
TEST(BatchRun, AMemberWithoutBarsIsNgOnlyWhenEveryArrangementFailed)
{
    batch::BatchJob job;
    job.table = batch::read_table(batch::split_table(QByteArray("名称,q,かぶり(ケース.1 側壁)\n重い,500,3\n元,,\n")));
    job.base = {test_support::worked_inputs, test_support::worked_members(), {}, {}};
    job.base.members.members[0].cover.clear();
    job.design = true;
    const batch::BatchResults results{batch::result_columns(job), {}};
    const auto cell = [&results](const batch::RowResult &row, batch::ColumnRole role) { return row.cells.value(results.column(role, 0)); };
    const batch::RowResult heavy = batch::run_row(job, 0), plain = batch::run_row(job, 1);
    EXPECT_TRUE(cell(heavy, batch::ColumnRole::MemberJudgement).startsWith(QStringLiteral("NG（配筋なし）σc、τ：断面が不足")))
        << cell(heavy, batch::ColumnRole::MemberJudgement).toStdString();
    EXPECT_EQ(heavy.overall, batch::Overall::Ng);
    EXPECT_EQ(cell(plain, batch::ColumnRole::MemberJudgement), QStringLiteral("かぶり未入力"));
    EXPECT_EQ(plain.overall, batch::Overall::None);
}

TEST(BatchRun, ACancelledRunStopsWithTheFinishedRowsInOrder)
{
    int argc = 1;
    char name[] = "test_batch";
    char *argv[] = {name};
    QCoreApplication app(argc, argv);
    QByteArray text = "名称,H1\n";
    for (int i = 0; i < 20000; ++i)
        text += QByteArray::number(i) + ",0." + QByteArray::number(1 + i % 9) + "\n";
    auto job = std::make_shared<batch::BatchJob>();
    job->table = batch::read_table(batch::split_table(text));
    job->base = {test_support::worked_inputs, {}, {}, {}};
    auto rows = std::make_shared<QList<batch::RowResult>>();
    QFuture<void> future = batch::start_batch(job, rows);
    while (future.progressValue() < 10 && !future.isFinished())
        QCoreApplication::processEvents();
    future.cancel();
    future.waitForFinished();
    EXPECT_TRUE(future.isCanceled());
    int ready = 0;
    for (int i = 0; i < rows->size(); ++i) {
        const batch::RowResult &row = rows->at(i);
        if (row.line == 0)
            continue;
        ++ready;
        EXPECT_EQ(row.line, i + 2);
        EXPECT_EQ(row.cells[1], QString::number(i));
    }
    EXPECT_GE(ready, 10);
    EXPECT_LT(ready, job->table.rows.size()) << "the rows not started were not computed";
}

} // namespace
