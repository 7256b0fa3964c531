#include "inputfile/tvl_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace inputfile {

namespace {

const char *const code_page = "CP932";

// The number of bytes at the end that begin a UTF-8 sequence but do not complete it.
qsizetype incomplete_utf8_tail(const QByteArray &bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto c = static_cast<unsigned char>(bytes.at(size - back));
        if ((c & 0xC0) == 0x80)
            continue; // continuation byte: look further back for the lead byte
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

} // namespace

QByteArray encode_tvl(const QString &text)
{
    QStringEncoder cp932(code_page);
    if (cp932.isValid()) {
        const QByteArray bytes = cp932.encode(text);
        // An unmappable character is replaced by a substitute byte and flagged; the decode check also
        // catches a mapping that would not read back as typed.
        if (!cp932.hasError() && QStringDecoder(code_page).decode(bytes) == text)
            return bytes;
    }
    return text.toUtf8();
}

QString decode_tvl(const QByteArray &bytes, bool cut_short)
{
    const QByteArray whole = cut_short ? bytes.left(bytes.size() - incomplete_utf8_tail(bytes)) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(whole);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp932(code_page);
    if (!cp932.isValid())
        return text; // no code page support: the UTF-8 reading with replacement characters
    return cp932.decode(bytes);
}

} // namespace inputfile
