#include "inputfile/tvl_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace inputfile {

namespace {

const char *const code_page = "CP932";

// The converter behind "CP932" places three control characters as IBM's version of the code page
// does (U+001A at byte 7F, U+001C at 1A, U+007F at 1C); the Windows code page keeps every control
// character at its own byte. None of these bytes can be part of a double-byte character, so
// exchanging them byte by byte is exact.
QByteArray windows_controls(QByteArray bytes)
{
    for (char &c : bytes)
        c = c == '\x7f' ? '\x1a' : c == '\x1a' ? '\x1c' : c == '\x1c' ? '\x7f' : c;
    return bytes;
}

QByteArray converter_controls(QByteArray bytes)
{
    for (char &c : bytes)
        c = c == '\x1a' ? '\x7f' : c == '\x1c' ? '\x1a' : c == '\x7f' ? '\x1c' : c;
    return bytes;
}

bool is_lead_byte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc);
}

// Whether the last character is the first byte of a double-byte character without its second:
// the decoder keeps such a byte back for more input instead of calling it an error.
bool ends_inside_a_character(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size())
        i += is_lead_byte(static_cast<unsigned char>(bytes.at(i))) ? 2 : 1;
    return i > bytes.size();
}

std::optional<QString> strict_cp932(const QByteArray &bytes)
{
    QStringDecoder cp932(code_page);
    if (!cp932.isValid())
        return std::nullopt;
    const QString text = cp932.decode(converter_controls(bytes));
    if (cp932.hasError() || ends_inside_a_character(bytes))
        return std::nullopt;
    return text;
}

// The CP932 bytes of the text, or none when some character has no CP932 form.
std::optional<QByteArray> cp932_bytes(const QString &text)
{
    QStringEncoder cp932(code_page);
    if (!cp932.isValid())
        return std::nullopt;
    const QByteArray bytes = windows_controls(cp932.encode(text));
    // An unmappable character is replaced by a substitute byte and flagged; reading the bytes
    // back also catches a mapping that would not return the text as typed.
    if (cp932.hasError() || strict_cp932(bytes) != text)
        return std::nullopt;
    return bytes;
}

} // namespace

bool has_cp932_form(const QString &text)
{
    return cp932_bytes(text).has_value();
}

QByteArray encode_tvl(const QString &text)
{
    if (const std::optional<QByteArray> bytes = cp932_bytes(text))
        return *bytes;
    return utf8_byte_order_mark + text.toUtf8();
}

QString decode_tvl(const QByteArray &bytes)
{
    if (bytes.startsWith(utf8_byte_order_mark))
        return decode_as(bytes.mid(utf8_byte_order_mark.size()), TvlEncoding::Utf8);
    return decode_as(bytes, tvl_encoding_of(bytes));
}

TvlEncoding tvl_encoding_of(const QByteArray &bytes)
{
    if (strict_cp932(bytes))
        return TvlEncoding::Cp932;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? TvlEncoding::Cp932 : TvlEncoding::Utf8;
}

QString decode_as(const QByteArray &bytes, TvlEncoding encoding)
{
    QStringDecoder cp932(code_page);
    // Without code page support, the UTF-8 reading with replacement characters. A text may begin
    // with U+FEFF: only the mark before the whole file is no text.
    if (encoding == TvlEncoding::Utf8 || !cp932.isValid())
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom).decode(bytes);
    return cp932.decode(converter_controls(bytes));
}

QString decode_table(const QByteArray &bytes)
{
    if (bytes.startsWith(utf8_byte_order_mark))
        return decode_as(bytes.mid(utf8_byte_order_mark.size()), TvlEncoding::Utf8);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? decode_as(bytes, TvlEncoding::Cp932) : text;
}

std::optional<QByteArray> encode_cp932(const QString &text)
{
    return cp932_bytes(text);
}

} // namespace inputfile
