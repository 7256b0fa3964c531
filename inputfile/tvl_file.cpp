#include "inputfile/tvl_file.h"

#include "common/file_names.h"
#include "common/safe_file_write.h"
#include "flume/sheet_inputs.h"
#include "inputfile/document_section.h"
#include "inputfile/member_sections.h"
#include "inputfile/tvl_encoding.h"
#include "inputfile/tvl_format.h"
#include "members/member_sheet.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace inputfile {

namespace {

// The whole content of a regular file of at most max_file_bytes, into bytes.
common::FileResult read_whole_file(int fd, QByteArray &bytes)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return common::file_failure(errno);
    if (!S_ISREG(status.st_mode))
        return {false, reason::not_a_file};
    if (status.st_size > max_file_bytes)
        return {false, reason::too_large};
    // One byte more than is allowed tells a file that grew since it was looked at.
    bytes.resize(max_file_bytes + 1);
    qsizetype size = 0;
    while (size < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + size, std::size_t(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return common::file_failure(errno);
        if (got == 0)
            break;
        size += got;
    }
    if (size > max_file_bytes)
        return {false, reason::too_large};
    bytes.resize(size);
    return {};
}

// The sections this version reads and writes, with the name a note gives them and the part of the
// member check it holds. Each is written only when something of it was entered.
struct KnownSection {
    const QString &name;
    const QString &version;
    QString caption;
    std::optional<members::InputPart> part;
    // The section's lines; none when nothing was entered.
    QList<QStringList> (*write)(const TvlContents &);
    // Takes the lines into the contents; false when they cannot be read.
    bool (*read)(const QList<QStringList> &, TvlContents &);
};

const KnownSection known_sections[] = {
    {materials_section, member_sections_version, members::input_part_caption(members::InputPart::Materials),
     members::InputPart::Materials,
     [](const TvlContents &c) {
         return c.members.materials == members::Materials{} ? QList<QStringList>{} : materials_lines(c.members.materials);
     },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const std::optional<members::Materials> materials = read_materials_lines(lines);
         if (materials)
             c.members.materials = *materials;
         return materials.has_value();
     }},
    {detailing_section, member_sections_version, members::input_part_caption(members::InputPart::Detailing),
     members::InputPart::Detailing,
     [](const TvlContents &c) {
         return c.members.detailing == members::DetailingRules{} ? QList<QStringList>{} : detailing_lines(c.members.detailing);
     },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const std::optional<members::DetailingRules> rules = read_detailing_lines(lines);
         if (rules)
             c.members.detailing = *rules;
         return rules.has_value();
     }},
    {members_section, member_sections_version, members::input_part_caption(members::InputPart::Members),
     members::InputPart::Members,
     [](const TvlContents &c) {
         return c.members.members == members::MemberCheckInputs{}.members ? QList<QStringList>{} : members_lines(c.members);
     },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const auto read = read_members_lines(lines);
         if (read)
             c.members.members = *read;
         return read.has_value();
     }},
    {design_lists_section, member_sections_version, QStringLiteral("自動配筋のリストのデータ"), std::nullopt,
     [](const TvlContents &c) {
         return c.members.design_lists == members::DesignLists{} ? QList<QStringList>{}
                                                                 : design_lists_lines(c.members.design_lists);
     },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const std::optional<members::DesignLists> lists = read_design_lists_lines(lines);
         if (lists)
             c.members.design_lists = *lists;
         return lists.has_value();
     }},
    // After the members' section, whose bars the marks are compared with.
    {designed_members_section, member_sections_version, QStringLiteral("自動配筋の部材のデータ"), std::nullopt,
     [](const TvlContents &c) { return designed_members_lines(c.members); },
     [](const QList<QStringList> &lines, TvlContents &c) { return read_designed_members_lines(lines, c.members.members); }},
    {document_section, document_section_version, QStringLiteral("計算書の設定のデータ"), std::nullopt,
     [](const TvlContents &c) { return c.document.is_empty() ? QList<QStringList>{} : document_lines(c.document); },
     [](const QList<QStringList> &lines, TvlContents &c) {
         const std::optional<document::DocumentData> read = read_document_lines(lines);
         if (read)
             c.document = *read;
         return read.has_value();
     }},
};

const KnownSection *known_section(const QString &name)
{
    for (const KnownSection &section : known_sections) {
        if (section.name == name)
            return &section;
    }
    return nullptr;
}

} // namespace

QString format_tvl_contents(const TvlContents &contents)
{
    QStringList sections;
    QStringList written;
    for (const KnownSection &known : known_sections) {
        const QList<QStringList> lines = known.write(contents);
        if (lines.isEmpty())
            continue;
        sections << section_text(known.name, known.version, lines);
        written << known.name;
    }
    for (const ExtensionSection &kept : contents.kept.sections) {
        if (!written.contains(kept.name))
            sections << kept.text;
    }
    return format_tvl(contents.inputs) + extension_text(sections) + contents.kept.foreign;
}

TvlContents parse_tvl_contents(const QString &text, ExtensionNotes *notes)
{
    ExtensionNotes ignored;
    if (!notes)
        notes = &ignored;
    const TvlText split = split_tvl(text);
    TvlContents contents;
    contents.inputs = split.items;
    const ExtensionRead read = read_extension(split.rest);
    contents.kept.foreign = read.foreign;
    // A damaged part of the member check judges nothing until it is entered again.
    const auto damaged = [&contents, notes](const KnownSection *known) {
        notes->damaged << (known ? known->caption : QStringLiteral("追加のデータ"));
        if (known && known->part)
            contents.members.unreadable[std::size_t(*known->part)] = true;
    };
    for (const ExtensionSection &section : read.sections) {
        const KnownSection *known = known_section(section.name);
        if (!known || known->version != section.version) {
            contents.kept.sections.append(section);
            continue;
        }
        TvlContents taken = contents;
        if (known->read(section.lines, taken))
            contents = taken;
        else
            damaged(known);
    }
    if (read.damaged)
        damaged(known_section(read.damaged_section));
    notes->kept = !contents.kept.empty();
    return contents;
}

common::FileResult write_tvl_file(const QString &path, const TvlContents &contents)
{
    return common::write_file_safely(path, encode_tvl(format_tvl_contents(contents)));
}

common::FileResult write_tvl_file(const QString &path, const QStringList &inputs)
{
    return write_tvl_file(path, TvlContents{inputs, {}, {}, {}});
}

common::FileResult read_tvl_file(const QString &path, TvlContents &contents, ExtensionNotes *notes)
{
    // Opened without waiting, so that a pipe nobody writes to cannot hold the program; it is then
    // refused as not a regular file.
    const int fd = ::open(common::native_name(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return common::file_failure(errno);
    QByteArray bytes;
    const common::FileResult result = read_whole_file(fd, bytes);
    ::close(fd);
    if (result)
        contents = parse_tvl_contents(decode_tvl(bytes), notes);
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
    return common::file_failure_reasons() + QStringList{reason::not_a_file, reason::too_large};
}

TvlContents file_contents(const FlumeFileState &state)
{
    return TvlContents{flume::input_texts(state.sheet), state.members.inputs(), state.kept, state.document};
}

common::FileResult save_inputs(const FlumeFileState &state, const QString &path)
{
    return write_tvl_file(path, file_contents(state));
}

common::FileResult open_inputs(const FlumeFileState &state, const QString &path, ExtensionNotes *notes)
{
    TvlContents contents;
    const common::FileResult result = read_tvl_file(path, contents, notes);
    if (result) {
        flume::put_input_texts(state.sheet, contents.inputs);
        state.members.set_inputs(contents.members);
        state.kept = contents.kept;
        state.document = contents.document;
    }
    return result;
}

} // namespace inputfile
