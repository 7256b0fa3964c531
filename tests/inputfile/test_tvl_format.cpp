#include "inputfile/tvl_format.h"

#include <gtest/gtest.h>

using inputfile::format_tvl;
using inputfile::parse_tvl;

namespace {

QStringList numbered_items(int count)
{
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items.append(QString::number(i));
    return items;
}

QString quoted_join(const QStringList &items, const QString &separator)
{
    QStringList quoted;
    for (const QString &item : items)
        quoted.append(u'"' + item + u'"');
    return quoted.join(separator);
}

} // namespace

TEST(FormatTvl, EmptyInputsGiveSevenLinesOfEmptyItems)
{
    EXPECT_EQ(format_tvl(QStringList(25, QString())),
              QStringLiteral("\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "\"\",\"\"\r\n"
                             "\"\"\r\n"
                             "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                             "\"\",\"\"\r\n"
                             "\"\"\r\n"));
}

TEST(FormatTvl, TextsStandCharacterForCharacterInTheirLines)
{
    QStringList texts = numbered_items(25);
    texts[0] = QStringLiteral("1,5");
    texts[1] = QStringLiteral(" 0.50 ");
    texts[7] = QStringLiteral("30度");
    texts[15] = QString();
    EXPECT_EQ(format_tvl(texts),
              QStringLiteral("\"1,5\",\" 0.50 \",\"3\",\"4\",\"5\",\"6\",\"7\"\r\n"
                             "\"30度\",\"9\",\"10\",\"11\",\"12\",\"13\"\r\n"
                             "\"14\",\"15\"\r\n"
                             "\"\"\r\n"
                             "\"17\",\"18\",\"19\",\"20\",\"21\",\"22\"\r\n"
                             "\"23\",\"24\"\r\n"
                             "\"25\"\r\n"));
}

TEST(FormatTvl, QuotationMarkIsWrittenDoubled)
{
    QStringList texts(25, QString());
    texts[24] = QStringLiteral("a\"b");
    EXPECT_TRUE(format_tvl(texts).endsWith(QStringLiteral("\r\n\"a\"\"b\"\r\n")));
}

struct ParseRow {
    const char *name;
    QString text;
    QStringList items;
};

class ParseTvl : public testing::TestWithParam<ParseRow>
{
};

TEST_P(ParseTvl, ReadsTheItems)
{
    EXPECT_EQ(parse_tvl(GetParam().text), GetParam().items);
}

const QStringList twenty_five = numbered_items(25);

INSTANTIATE_TEST_SUITE_P(
    ReadingRules, ParseTvl,
    testing::Values(
        ParseRow{"SevenLinesAsWritten", format_tvl(twenty_five), twenty_five},
        ParseRow{"AllOnOneLine", quoted_join(twenty_five, QStringLiteral(",")) + QStringLiteral("\r\n"), twenty_five},
        ParseRow{"OneItemALine", quoted_join(twenty_five, QStringLiteral("\r\n")), twenty_five},
        ParseRow{"LineFeedsOnly", quoted_join(twenty_five, QStringLiteral("\n")), twenty_five},
        ParseRow{"CarriageReturnsOnly", quoted_join(twenty_five, QStringLiteral("\r")), twenty_five},
        ParseRow{"BlankLinesBetweenItemsAreSkipped", QStringLiteral("\r\n\"1\"\r\n\r\n  \r\n\"2\"\r\n\r\n"),
                 {QStringLiteral("1"), QStringLiteral("2")}},
        ParseRow{"BlanksBeforeItemsAreSkipped", QStringLiteral(" \t\"1\",  \"2\""),
                 {QStringLiteral("1"), QStringLiteral("2")}},
        ParseRow{"BlanksInsideQuotesAreKept", QStringLiteral("\" 1 \",\"\t\""), {QStringLiteral(" 1 "), QStringLiteral("\t")}},
        ParseRow{"CommaInsideQuotesIsText", QStringLiteral("\"1,5\",\"2\""), {QStringLiteral("1,5"), QStringLiteral("2")}},
        ParseRow{"TextAfterClosingMarkIsSkipped", QStringLiteral("\"12\"ab c,\"3\"x\r\n\"4\""),
                 {QStringLiteral("12"), QStringLiteral("3"), QStringLiteral("4")}},
        ParseRow{"UnquotedItemsLoseTheirBlanks", QStringLiteral(" 1.5 , 30度 \r\n\t2\t"),
                 {QStringLiteral("1.5"), QStringLiteral("30度"), QStringLiteral("2")}},
        ParseRow{"UnquotedEmptyItems", QStringLiteral(",,3"), {QString(), QString(), QStringLiteral("3")}},
        ParseRow{"CommaAtLineEndEndsAnEmptyItem", QStringLiteral("\"1\",\r\n\"3\""),
                 {QStringLiteral("1"), QString(), QStringLiteral("3")}},
        ParseRow{"DoubledMarkReadsAsOne", QStringLiteral("\"a\"\"b\",\"\"\"\",\"\""),
                 {QStringLiteral("a\"b"), QStringLiteral("\""), QString()}},
        ParseRow{"SingleMarkInsideEndsTheItem", QStringLiteral("\"a\"b\",\"c\""), {QStringLiteral("a"), QStringLiteral("c")}},
        ParseRow{"LineEndInsideQuotesIsText", QStringLiteral("\"a\r\nb\",\"c\""),
                 {QStringLiteral("a\r\nb"), QStringLiteral("c")}},
        ParseRow{"UnclosedQuoteRunsToTheEnd", QStringLiteral("\"1\",\"abc"), {QStringLiteral("1"), QStringLiteral("abc")}},
        ParseRow{"FewerItems", QStringLiteral("\"1\",\"2\",\"3\"\r\n"),
                 {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}},
        ParseRow{"NothingAtAll", QString(), {}},
        ParseRow{"OnlyLineEnds", QStringLiteral("\r\n\r\n"), {}},
        ParseRow{"OnlyTheFirst25Count", quoted_join(numbered_items(30), QStringLiteral(",")), twenty_five}),
    [](const testing::TestParamInfo<ParseRow> &info) { return std::string(info.param.name); });

TEST(ParseTvl, EveryKindOfTextReadsBackAsWritten)
{
    QStringList texts = numbered_items(25);
    texts[0] = QStringLiteral("1,5");
    texts[1] = QStringLiteral("0.50");
    texts[2] = QString();
    texts[3] = QStringLiteral("  ");
    texts[4] = QStringLiteral(" 2 ");
    texts[5] = QStringLiteral("30度");
    texts[6] = QStringLiteral("ｈ＝１．２");
    texts[7] = QStringLiteral("a\"b");
    texts[8] = QStringLiteral("\"");
    texts[9] = QStringLiteral("\"\"");
    texts[10] = QStringLiteral("x,\"y\",z");
    texts[11] = QStringLiteral("line\r\nbreak");
    texts[24] = QStringLiteral("最後");
    EXPECT_EQ(parse_tvl(format_tvl(texts)), texts);
}
