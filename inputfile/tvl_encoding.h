#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

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

// The text of a table a spreadsheet saved: UTF-8 when the bytes start with a byte-order mark (the
// mark is dropped) or are UTF-8 throughout, as a modern spreadsheet saves; otherwise CP932, as a
// Japanese spreadsheet saves "CSV", with replacement characters where even that fails. UTF-8 comes
// first here, unlike in a .tvl file, because Japanese text in UTF-8 often also reads as CP932
// (garbled), while CP932 text is hardly ever valid UTF-8.
QString decode_table(const QByteArray &bytes);

// The CP932 bytes of a text, for tools that read nothing else; none when some character has no
// CP932 form.
std::optional<QByteArray> encode_cp932(const QString &text);

} // namespace inputfile
