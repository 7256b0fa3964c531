#pragma once

#include <QByteArray>
#include <QString>

namespace inputfile {

// The bytes of a file's text: in the Japanese Windows code page (CP932), the format's own code
// page, unless some character of the text has no CP932 form; then the
// whole file is UTF-8 behind a byte-order mark, so that nothing typed is lost and the file reads
// back as UTF-8.
QByteArray encode_tvl(const QString &text);

// Whether the text has a CP932 form that reads back as the same text.
bool has_cp932_form(const QString &text);

// The text of a file's bytes: UTF-8 when they start with a byte-order mark (the mark is dropped);
// otherwise as tvl_encoding_of tells.
QString decode_tvl(const QByteArray &bytes);

// How bytes without a byte-order mark are read: as CP932 when they are CP932 throughout, as every
// file written in the code page is; otherwise as UTF-8 when they are valid UTF-8; otherwise as
// CP932, with replacement characters where they are not.
enum class TvlEncoding { Cp932, Utf8 };
TvlEncoding tvl_encoding_of(const QByteArray &bytes);
QString decode_as(const QByteArray &bytes, TvlEncoding encoding);

// The mark that opens a file written in UTF-8.
inline const QByteArray utf8_byte_order_mark("\xef\xbb\xbf");

} // namespace inputfile
