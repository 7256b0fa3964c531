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
// 本数 or ピッチ, its value, As, U, d, 総厚 as typed, かぶり). The search for bars (自動配筋) adds
// "design_lists", one line (the bars and the pitches searched, each list as entered), written only
// when the lists differ from the defaults, and "designed_members", one line per member whose bars
// the search put in (the member, bar, 本数 or ピッチ, its value), written only when there is one.
// A reader that knows no "detailing" or no "design_lists" keeps it unread and writes it back.
inline const QString materials_section = QStringLiteral("materials");
inline const QString detailing_section = QStringLiteral("detailing");
inline const QString members_section = QStringLiteral("members");
inline const QString design_lists_section = QStringLiteral("design_lists");
inline const QString designed_members_section = QStringLiteral("designed_members");
inline const QString member_sections_version = QStringLiteral("1");

QList<QStringList> materials_lines(const members::Materials &materials);
QList<QStringList> detailing_lines(const members::DetailingRules &rules);
QList<QStringList> members_lines(const members::MemberCheckInputs &inputs);
QList<QStringList> design_lists_lines(const members::DesignLists &lists);
QList<QStringList> designed_members_lines(const members::MemberCheckInputs &inputs);

// The inputs read back; none when the lines are not what the writer writes.
std::optional<members::Materials> read_materials_lines(const QList<QStringList> &lines);
std::optional<members::DetailingRules> read_detailing_lines(const QList<QStringList> &lines);
std::optional<std::array<members::MemberInputs, members::member_count>> read_members_lines(
    const QList<QStringList> &lines);
std::optional<members::DesignLists> read_design_lists_lines(const QList<QStringList> &lines);
// Marks the members the lines name as the search's, each only while its bars are still those the
// search put in (a reader that knows no marks may have kept them while the bars were typed over);
// false when the lines are not what the writer writes.
bool read_designed_members_lines(const QList<QStringList> &lines,
                                 std::array<members::MemberInputs, members::member_count> &members);

} // namespace inputfile
