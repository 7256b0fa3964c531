#include "inputfile/tvl_file.h"

#include "common/file_read.h"
#include "common/safe_file_write.h"
#include "flume/sheet_inputs.h"
#include "inputfile/document_section.h"
#include "inputfile/member_sections.h"
#include "inputfile/tvl_encoding.h"
#include "inputfile/tvl_format.h"
#include "members/member_sheet.h"

#include <algorithm>

namespace inputfile {

namespace {

// The sections this version reads and writes, with the name a note gives them and the part of the
// member check it holds. Each is written only when something of it was entered, or when a second
// copy of it is kept: that copy must not be the first of its name when the file is read again.
struct KnownSection {
    const QString &name;
    const QString &version;
    QString caption;
    std::optional<members::InputPart> part;
    bool (*entered)(const TvlContents &);
    QList<QStringList> (*write)(const TvlContents &);
    // Takes the lines into the contents; false when they cannot be read.
    bool (*read)(const QList<QStringList> &, TvlContents &);
};

const KnownSection known_sections[] = {
    {materials_section, member_sections_version, members::input_part_caption(members::InputPart::Materials),
     members::InputPart::Materials,
     [](const TvlContents &c) { return c.members.materials != members::Materials{}; },
     [](const TvlContents &c) { return materials_lines(c.members.materials); },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const std::optional<members::Materials> materials = read_materials_lines(lines);
         if (materials)
             c.members.materials = *materials;
         return materials.has_value();
     }},
    {detailing_section, member_sections_version, members::input_part_caption(members::InputPart::Detailing),
     members::InputPart::Detailing,
     [](const TvlContents &c) { return c.members.detailing != members::DetailingRules{}; },
     [](const TvlContents &c) { return detailing_lines(c.members.detailing); },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const std::optional<members::DetailingRules> rules = read_detailing_lines(lines);
         if (rules)
             c.members.detailing = *rules;
         return rules.has_value();
     }},
    {members_section, member_sections_version, members::input_part_caption(members::InputPart::Members),
     members::InputPart::Members,
     [](const TvlContents &c) { return c.members.members != members::MemberCheckInputs{}.members; },
     [](const TvlContents &c) { return members_lines(c.members); },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const auto read = read_members_lines(lines);
         if (read)
             c.members.members = *read;
         return read.has_value();
     }},
    {design_lists_section, member_sections_version, QStringLiteral("自動配筋のリストのデータ"), std::nullopt,
     [](const TvlContents &c) { return c.members.design_lists != members::DesignLists{}; },
     [](const TvlContents &c) { return design_lists_lines(c.members.design_lists); },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const std::optional<members::DesignLists> lists = read_design_lists_lines(lines);
         if (lists)
             c.members.design_lists = *lists;
         return lists.has_value();
     }},
    // After the members' section, whose bars the marks are compared with.
    {designed_members_section, member_sections_version, QStringLiteral("自動配筋の部材のデータ"), std::nullopt,
     [](const TvlContents &c) { return !designed_members_lines(c.members).isEmpty(); },
     [](const TvlContents &c) { return designed_members_lines(c.members); },
     [](const QList<QStringList> &lines, TvlContents &c) { return read_designed_members_lines(lines, c.members.members); }},
    {document_section, document_section_version, QStringLiteral("計算書の設定のデータ"), std::nullopt,
     [](const TvlContents &c) { return !c.document.is_empty(); },
     [](const TvlContents &c) { return document_lines(c.document); },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const std::optional<document::DocumentData> read = read_document_lines(lines);
         if (read)
             c.document = *read;
         return read.has_value();
     }},
};

// The section this version reads under that name and version; none for any other.
const KnownSection *known_section(const QString &name, const QString &version)
{
    for (const KnownSection &section : known_sections) {
        if (section.name == name && section.version == version)
            return &section;
    }
    return nullptr;
}

// The section this version reads under that name, whatever the version; none for another name.
const KnownSection *section_named(const QString &name)
{
    for (const KnownSection &section : known_sections) {
        if (section.name == name)
            return &section;
    }
    return nullptr;
}

void note_once(QStringList &list, const QString &caption)
{
    if (!list.contains(caption))
        list << caption;
}

} // namespace

QByteArray tvl_file_bytes(const TvlContents &contents)
{
    QString own;
    for (const KnownSection &known : known_sections) {
        const bool copy_kept = std::any_of(contents.kept.sections.cbegin(), contents.kept.sections.cend(),
                                           [&known](const ExtensionSection &kept) {
                                               return kept.name == known.name && kept.version == known.version;
                                           });
        if (known.entered(contents) || copy_kept)
            own += section_text(known.name, known.version, known.write(contents));
    }
    QByteArray kept;
    for (const ExtensionSection &section : contents.kept.sections)
        kept += section.bytes;
    QString text = format_tvl(contents.inputs);
    if (!own.isEmpty() || !kept.isEmpty() || (contents.kept.foreign_in_block && !contents.kept.foreign.isEmpty()))
        text += extension_marker_line() + own;
    return encode_tvl(text) + kept + contents.kept.foreign;
}

// The 25 items and the block are found in the bytes themselves (their marks, commas and line ends
// are the same single bytes in CP932 and UTF-8, never part of a character); the items and this
// version's sections are then read in the file's encoding, and everything else is kept as bytes.
TvlContents parse_tvl_file_bytes(const QByteArray &file, ExtensionNotes *notes)
{
    ExtensionNotes ignored;
    if (!notes)
        notes = &ignored;
    const bool marked_utf8 = file.startsWith(utf8_byte_order_mark);
    const QByteArray bytes = marked_utf8 ? file.mid(utf8_byte_order_mark.size()) : file;
    const TvlText split = split_tvl(QString::fromLatin1(bytes));
    const qsizetype rest_start = bytes.size() - split.rest.size();
    const ExtensionRead read = read_extension(bytes.mid(rest_start));

    // The encoding is that of the bytes this version reads: the inputs and the first of each of
    // its own sections.
    QByteArray own_bytes = bytes.left(rest_start);
    QList<const KnownSection *> first_copies;
    for (const ExtensionSection &section : read.sections) {
        const KnownSection *known = known_section(section.name, section.version);
        if (known && !first_copies.contains(known)) {
            first_copies << known;
            own_bytes += section.lines.join('\n') + '\n';
        }
    }
    const TvlEncoding encoding = marked_utf8 ? TvlEncoding::Utf8 : tvl_encoding_of(own_bytes);

    TvlContents contents;
    for (const QString &item : split.items)
        contents.inputs << decode_as(item.toLatin1(), encoding);
    contents.kept.foreign = read.foreign;
    contents.kept.foreign_in_block = read.foreign_in_block;
    // A damaged part of the member check judges nothing until it is entered again.
    const auto damaged = [&contents, notes](const QString &name) {
        const KnownSection *known = section_named(name);
        note_once(notes->damaged, known ? known->caption : QStringLiteral("追加のデータ"));
        if (known && known->part)
            contents.members.unreadable[std::size_t(*known->part)] = true;
    };
    for (const QString &name : read.damaged)
        damaged(name);
    QList<const KnownSection *> taken;
    for (const ExtensionSection &section : read.sections) {
        const KnownSection *known = known_section(section.name, section.version);
        if (!known || taken.contains(known)) {
            contents.kept.sections.append(section);
            if (known)
                note_once(notes->duplicated, known->caption);
            else
                notes->kept = true;
            continue;
        }
        QList<QStringList> lines;
        for (const QByteArray &line : section.lines) {
            if (const std::optional<QStringList> items = section_line_items(decode_as(line, encoding)))
                lines << *items;
        }
        TvlContents taken_into = contents;
        if (lines.size() == section.lines.size() && known->read(lines, taken_into)) {
            contents = taken_into;
            taken << known;
        } else {
            damaged(known->name);
        }
    }
    notes->kept = notes->kept || !contents.kept.foreign.isEmpty();
    return contents;
}

common::FileResult write_tvl_file(const QString &path, const TvlContents &contents, common::ReadOnlyFile read_only)
{
    const QByteArray bytes = tvl_file_bytes(contents);
    if (bytes.size() > max_file_bytes)
        return {false, reason::too_large};
    return common::write_file_safely(path, bytes, read_only);
}

common::FileResult write_tvl_file(const QString &path, const QStringList &inputs)
{
    return write_tvl_file(path, TvlContents{inputs, {}, {}, {}});
}

common::FileResult read_tvl_file(const QString &path, TvlContents &contents, ExtensionNotes *notes)
{
    QByteArray bytes;
    const common::FileResult result = common::read_regular_file(path, max_file_bytes, reason::too_large, bytes);
    if (result)
        contents = parse_tvl_file_bytes(bytes, notes);
    return result;
}

common::FileResult read_tvl_file(const QString &path, QStringList &items)
{
    TvlContents contents;
    const common::FileResult result = read_tvl_file(path, contents);
    if (result)
        items = contents.inputs;
    return result;
}

QStringList file_message_reasons()
{
    return common::file_failure_reasons() + QStringList{reason::not_a_file, reason::too_large, common::read_only_reason};
}

TvlContents file_contents(const FlumeFileState &state)
{
    return TvlContents{flume::input_texts(state.sheet), state.members.inputs(), state.kept, state.document};
}

common::FileResult save_inputs(const FlumeFileState &state, const QString &path, common::ReadOnlyFile read_only)
{
    return write_tvl_file(path, file_contents(state), read_only);
}

void put_contents(const FlumeFileState &state, const TvlContents &contents)
{
    flume::put_input_texts(state.sheet, contents.inputs);
    state.members.set_inputs(contents.members);
    state.kept = contents.kept;
    state.document = contents.document;
}

common::FileResult open_inputs(const FlumeFileState &state, const QString &path, ExtensionNotes *notes)
{
    TvlContents contents;
    const common::FileResult result = read_tvl_file(path, contents, notes);
    if (result)
        put_contents(state, contents);
    return result;
}

} // namespace inputfile
