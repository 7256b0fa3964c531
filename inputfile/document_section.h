#pragma once

#include "document/document_data.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace inputfile {

// 計算書の設定 as a section of a .tvl file's extension: one line of its entries as typed, in the
// order of document::document_entries (工事名 … 備考); 作成日 empty while the document bears the day
// of printing.
inline const QString document_section = QStringLiteral("document");
inline const QString document_section_version = QStringLiteral("1");

QList<QStringList> document_lines(const document::DocumentData &data);

// The entries read back; none when the lines are not what the writer writes.
std::optional<document::DocumentData> read_document_lines(const QList<QStringList> &lines);

} // namespace inputfile
