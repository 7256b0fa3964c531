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
// otherwise CP932 when they are CP932 throughout, as every file written in the code page is;
// otherwise UTF-8 when they are valid UTF-8; otherwise CP932 with replacement characters.
QString decode_tvl(const QByteArray &bytes);

} // namespace inputfile
