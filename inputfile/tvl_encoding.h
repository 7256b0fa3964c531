#pragma once

#include <QByteArray>
#include <QString>

namespace inputfile {

// The bytes of a file's text: in the Japanese Windows code page (CP932), in which the files of the
// established program are written, unless some character of the text has no CP932 form; then the
// whole file is UTF-8 (no byte-order mark), so that nothing typed is lost.
QByteArray encode_tvl(const QString &text);

// The text of a file's bytes: UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped),
// CP932 otherwise. cut_short says the bytes are only the start of the file, so that a character
// cut in two at the end does not make valid UTF-8 look invalid.
QString decode_tvl(const QByteArray &bytes, bool cut_short = false);

} // namespace inputfile
