#include "inputfile/tvl_encoding.h"

#include <gtest/gtest.h>

using inputfile::decode_tvl;
using inputfile::encode_tvl;

struct EncodeRow {
    const char *name;
    QString text;
    QByteArray bytes;
};

class EncodeTvl : public testing::TestWithParam<EncodeRow>
{
};

TEST_P(EncodeTvl, WritesTheExpectedBytes)
{
    EXPECT_EQ(encode_tvl(GetParam().text).toHex(' '), GetParam().bytes.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, EncodeTvl,
    testing::Values(
        EncodeRow{"AsciiStaysAscii", QStringLiteral("\"1.5\",\"\"\r\n"), QByteArray("\"1.5\",\"\"\r\n")},
        EncodeRow{"JapaneseInCp932", QStringLiteral("\"30度\"\r\n"), QByteArray("\"\x33\x30\x93\x78\"\r\n")},
        EncodeRow{"FullWidthFormsInCp932", QStringLiteral("ｍ～１"), QByteArray("\x82\x8d\x81\x60\x82\x50")},
        // No CP932 form: the whole text goes to UTF-8, the Japanese with it.
        EncodeRow{"EmojiMakesTheWholeFileUtf8", QStringLiteral("度😀"), QByteArray("\xe5\xba\xa6\xf0\x9f\x98\x80")},
        EncodeRow{"MinusSignMakesTheWholeFileUtf8", QStringLiteral("度−1"), QByteArray("\xe5\xba\xa6\xe2\x88\x92" "1")},
        EncodeRow{"HangulMakesTheWholeFileUtf8", QStringLiteral("한"), QByteArray("\xed\x95\x9c")}),
    [](const testing::TestParamInfo<EncodeRow> &info) { return std::string(info.param.name); });

struct DecodeRow {
    const char *name;
    QByteArray bytes;
    bool cut_short;
    QString text;
};

class DecodeTvl : public testing::TestWithParam<DecodeRow>
{
};

TEST_P(DecodeTvl, ReadsTheExpectedText)
{
    EXPECT_EQ(decode_tvl(GetParam().bytes, GetParam().cut_short), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, DecodeTvl,
    testing::Values(
        DecodeRow{"Ascii", QByteArray("\"1\",\"2\"\r\n"), false, QStringLiteral("\"1\",\"2\"\r\n")},
        DecodeRow{"Cp932", QByteArray("\"\x33\x30\x93\x78\""), false, QStringLiteral("\"30度\"")},
        DecodeRow{"Utf8", QByteArray("\"30\xe5\xba\xa6\""), false, QStringLiteral("\"30度\"")},
        DecodeRow{"Utf8ByteOrderMarkDropped", QByteArray("\xef\xbb\xbf\"1\""), false, QStringLiteral("\"1\"")},
        // 93 78 is not UTF-8, so the whole file is CP932 even where a part would pass as UTF-8.
        DecodeRow{"OneInvalidSequenceMeansCp932", QByteArray("\x82\xa0\x93\x78"), false, QStringLiteral("あ度")},
        DecodeRow{"Utf8CutInsideACharacter", QByteArray("\"\xe5\xba\xa6\",\"\xe5\xba"), true,
                  QStringLiteral("\"度\",\"")},
        DecodeRow{"Utf8CutAfterACharacter", QByteArray("\"\xe5\xba\xa6"), true, QStringLiteral("\"度")},
        // Read to its end, a file ending inside a UTF-8 character is not UTF-8.
        DecodeRow{"IncompleteEndOfAWholeFileIsNotUtf8", QByteArray("1\xe5\xba"), false, QStringLiteral("1蠎")}),
    [](const testing::TestParamInfo<DecodeRow> &info) { return std::string(info.param.name); });

TEST(EncodeTvl, EveryCp932TextReadsBackAsWritten)
{
    const QString text = QStringLiteral("T1 =\"0.1\" 鉄筋量（c㎡） ①～③ ｱｲｳ ＡＢＣ γｗ δ’ 髙");
    const QByteArray bytes = encode_tvl(text);
    EXPECT_FALSE(bytes.startsWith("\xef\xbb\xbf"));
    EXPECT_NE(bytes, text.toUtf8()) << "expected the code page, got UTF-8";
    EXPECT_EQ(decode_tvl(bytes), text);
}
