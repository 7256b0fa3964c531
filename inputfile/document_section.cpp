#include "inputfile/document_section.h"

namespace inputfile {

QList<QStringList> document_lines(const document::DocumentData &data)
{
    QStringList line;
    for (const document::DocumentEntry &entry : document::document_entries)
        line << data.*entry.member;
    return {line};
}

std::optional<document::DocumentData> read_document_lines(const QList<QStringList> &lines)
{
    if (lines.size() != 1 || lines[0].size() != qsizetype(document::document_entries.size()))
        return std::nullopt;
    document::DocumentData data;
    for (std::size_t i = 0; i < document::document_entries.size(); ++i)
        data.*document::document_entries[i].member = lines[0][qsizetype(i)];
    return data;
}

} // namespace inputfile
