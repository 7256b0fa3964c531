#pragma once

#include "members/member_inputs.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace inputfile {

// The member check's inputs as three sections of a .tvl file's extension, every value the text
// entered: "materials", one line (σck, steel, the tensile row, the bond row, then σca, σsa, τa and
// τoa as typed, empty for the tables' value); "detailing", one line (Gmax, the least clear spacing,
// the largest pitch, the least steel ratio); and "members", one line per member (the member, bar,
// 本数 or ピッチ, its value, As, U, d, 総厚 as typed, かぶり). A reader that knows no "detailing"
// keeps it unread and writes it back.
inline const QString materials_section = QStringLiteral("materials");
inline const QString detailing_section = QStringLiteral("detailing");
inline const QString members_section = QStringLiteral("members");
inline const QString member_sections_version = QStringLiteral("1");

QList<QStringList> materials_lines(const members::Materials &materials);
QList<QStringList> detailing_lines(const members::DetailingRules &rules);
QList<QStringList> members_lines(const members::MemberCheckInputs &inputs);

// The inputs read back; none when the lines are not what the writer writes.
std::optional<members::Materials> read_materials_lines(const QList<QStringList> &lines);
std::optional<members::DetailingRules> read_detailing_lines(const QList<QStringList> &lines);
std::optional<std::array<members::MemberInputs, members::member_count>> read_members_lines(
    const QList<QStringList> &lines);

} // namespace inputfile
