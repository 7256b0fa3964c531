#include "inputfile/tvl_encoding.h"

#include <QStringDecoder>
#include <QStringList>
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
        EncodeRow{"LastLeadByteOfTheFirstRangeInCp932", QStringLiteral("氈"), QByteArray("\x9f\x81")},
        EncodeRow{"HalfWidthKatakanaInCp932", QStringLiteral("0.164ﾃｰ"), QByteArray("0.164\xc3\xb0")},
        // The Windows code page keeps control characters at their own bytes.
        EncodeRow{"ControlCharactersAtTheirOwnBytes", QStringLiteral("\x1a\x1c\x7f\t"), QByteArray("\x1a\x1c\x7f\t")},
        // No CP932 form: the whole text goes to UTF-8 behind a byte-order mark, the Japanese with it.
        EncodeRow{"EmojiMakesTheWholeFileUtf8", QStringLiteral("度😀"),
                  QByteArray("\xef\xbb\xbf\xe5\xba\xa6\xf0\x9f\x98\x80")},
        EncodeRow{"MinusSignMakesTheWholeFileUtf8", QStringLiteral("度−1"),
                  QByteArray("\xef\xbb\xbf\xe5\xba\xa6\xe2\x88\x92" "1")},
        EncodeRow{"HangulMakesTheWholeFileUtf8", QStringLiteral("한"), QByteArray("\xef\xbb\xbf\xed\x95\x9c")}),
    [](const testing::TestParamInfo<EncodeRow> &info) { return std::string(info.param.name); });

struct DecodeRow {
    const char *name;
    QByteArray bytes;
    QString text;
};

class DecodeTvl : public testing::TestWithParam<DecodeRow>
{
};

TEST_P(DecodeTvl, ReadsTheExpectedText)
{
    EXPECT_EQ(decode_tvl(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, DecodeTvl,
    testing::Values(
        DecodeRow{"Ascii", QByteArray("\"1\",\"2\"\r\n"), QStringLiteral("\"1\",\"2\"\r\n")},
        DecodeRow{"Cp932", QByteArray("\"\x33\x30\x93\x78\""), QStringLiteral("\"30度\"")},
        // CP932 that happens to be valid UTF-8 too ("ð", "蠁@") is CP932.
        DecodeRow{"HalfWidthKatakanaThatLooksLikeUtf8", QByteArray("0.164\xc3\xb0"), QStringLiteral("0.164ﾃｰ")},
        DecodeRow{"DoubleByteAndFullWidthBlankThatLookLikeUtf8", QByteArray("\xe8\xa0\x81\x40"), QStringLiteral("陟　")},
        DecodeRow{"ControlCharactersAtTheirOwnBytes", QByteArray("\x1a\x1c\x7f"), QStringLiteral("\x1a\x1c\x7f")},
        // EF BC is no CP932 character.
        DecodeRow{"Utf8", QByteArray("\"30\xe5\xba\xa6\xef\xbc\x91\""), QStringLiteral("\"30度１\"")},
        DecodeRow{"Utf8ByteOrderMarkDropped", QByteArray("\xef\xbb\xbf\"1\""), QStringLiteral("\"1\"")},
        DecodeRow{"ByteOrderMarkMeansUtf8EvenWhereCp932Fits", QByteArray("\xef\xbb\xbf" "0.164\xc3\xb0"),
                  QStringLiteral("0.164ð")},
        // 93 78 is not UTF-8, so the whole file is CP932 even where a part would pass as UTF-8.
        DecodeRow{"OneInvalidSequenceMeansCp932", QByteArray("\x82\xa0\x93\x78"), QStringLiteral("あ度")},
        // A lead byte without its second byte at the end is not CP932; the bytes are valid UTF-8.
        DecodeRow{"Cp932CutInsideACharacterIsNotCp932", QByteArray("\xc3\x81"), QStringLiteral("Á")},
        // 9F is a lead byte: C2 9F ends inside a character and is UTF-8.
        DecodeRow{"Cp932EndingInLeadByte9FIsNotCp932", QByteArray("\xc2\x9f"), QStringLiteral("\u009f")},
        DecodeRow{"NeitherIsCp932WithReplacement", QByteArray("\x82\xa0\x85\x40\x93\x78"), QStringLiteral("あ\ufffd度")}),
    [](const testing::TestParamInfo<DecodeRow> &info) { return std::string(info.param.name); });

TEST(EncodeTvl, EveryCp932TextReadsBackAsWritten)
{
    const QString text = QStringLiteral("T1 =\"0.1\" 鉄筋量（c㎡） ①～③ ｱｲｳ ＡＢＣ γｗ δ’ 髙");
    const QByteArray bytes = encode_tvl(text);
    EXPECT_FALSE(bytes.startsWith("\xef\xbb\xbf"));
    EXPECT_NE(bytes, text.toUtf8()) << "expected the code page, got UTF-8";
    EXPECT_EQ(decode_tvl(bytes), text);
}

// Every double-byte character of the code page followed by a full-width blank: the bytes of many
// of them are valid UTF-8 as well, and each must still read back as written.
TEST(EncodeTvl, EveryDoubleByteCharacterWithAFullWidthBlankReadsBack)
{
    QStringList changed;
    int tried = 0;
    for (int lead = 0x81; lead <= 0xfc; ++lead) {
        if (lead > 0x9f && lead < 0xe0)
            continue;
        for (int trail = 0x40; trail <= 0xfc; ++trail) {
            QStringDecoder cp932("CP932");
            const char bytes[] = {char(lead), char(trail)};
            const QString character = cp932.decode(QByteArray(bytes, 2));
            if (cp932.hasError() || character.size() != 1)
                continue;
            const QString text = character + u'　';
            ++tried;
            if (decode_tvl(encode_tvl(text)) != text)
                changed.append(text);
        }
    }
    EXPECT_GT(tried, 9000); // the sweep reached the whole code page
    EXPECT_EQ(changed.join(u' ').toStdString(), "");
}
