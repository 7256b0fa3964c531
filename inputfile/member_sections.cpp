#include "inputfile/member_sections.h"

namespace inputfile {

namespace {

using members::Spacing;

const QString count_word = QStringLiteral("本数");
const QString pitch_word = QStringLiteral("ピッチ");

// The value whose name is text among the given ones; none for any other text.
template <typename Value, std::size_t N>
std::optional<Value> named(const QString &text, const Value (&values)[N], QString (*name)(Value))
{
    for (Value value : values) {
        if (name(value) == text)
            return value;
    }
    return std::nullopt;
}

bool known_bar(const QString &bar)
{
    return bar.isEmpty() || bar == members::typed_bars || members::bar_size(bar).has_value();
}

QString spacing_word(Spacing spacing)
{
    return spacing == Spacing::Count ? count_word : pitch_word;
}

// The member a line names by its title; member_count for none.
std::size_t member_index(const QString &title)
{
    std::size_t index = 0;
    while (index < members::member_count && flume::member_title(flume::member_forces[index]) != title)
        ++index;
    return index;
}

} // namespace

QList<QStringList> materials_lines(const members::Materials &materials)
{
    QStringList line{materials.concrete_strength, members::grade_name(materials.grade),
                     members::tension_row_name(materials.tension_row), members::bar_surface_name(materials.bar_surface)};
    for (const QString &typed : materials.typed)
        line << typed;
    return {line};
}

QList<QStringList> detailing_lines(const members::DetailingRules &rules)
{
    return {{rules.aggregate_size, rules.least_spacing, rules.largest_pitch, rules.least_steel_ratio}};
}

QList<QStringList> members_lines(const members::MemberCheckInputs &inputs)
{
    QList<QStringList> lines;
    for (std::size_t i = 0; i < members::member_count; ++i) {
        const members::MemberInputs &m = inputs.members[i];
        lines.append({flume::member_title(flume::member_forces[i]), m.bar, spacing_word(m.spacing), m.spacing_text,
                      m.rebar_area, m.rebar_perimeter, m.effective_depth, m.thickness, m.cover});
    }
    return lines;
}

QList<QStringList> design_lists_lines(const members::DesignLists &lists)
{
    return {{lists.bars, lists.pitches}};
}

QList<QStringList> designed_members_lines(const members::MemberCheckInputs &inputs)
{
    QList<QStringList> lines;
    for (std::size_t i = 0; i < members::member_count; ++i) {
        const members::MemberInputs &m = inputs.members[i];
        if (m.designed)
            lines.append({flume::member_title(flume::member_forces[i]), m.bar, spacing_word(m.spacing), m.spacing_text});
    }
    return lines;
}

std::optional<members::Materials> read_materials_lines(const QList<QStringList> &lines)
{
    if (lines.size() != 1 || lines[0].size() != 4 + int(members::allowables.size()))
        return std::nullopt;
    const QStringList &line = lines[0];
    const members::SteelGrade grades[] = {members::SteelGrade::SD295, members::SteelGrade::SD345};
    const members::TensionRow rows[] = {members::TensionRow::General, members::TensionRow::SlabBridge};
    const members::BarSurface surfaces[] = {members::BarSurface::Deformed, members::BarSurface::Plain};
    const auto grade = named(line[1], grades, members::grade_name);
    const auto row = named(line[2], rows, members::tension_row_name);
    const auto surface = named(line[3], surfaces, members::bar_surface_name);
    if (!grade || !row || !surface)
        return std::nullopt;
    members::Materials materials;
    materials.concrete_strength = line[0];
    materials.grade = *grade;
    materials.tension_row = *row;
    materials.bar_surface = *surface;
    for (std::size_t a = 0; a < members::allowables.size(); ++a)
        materials.typed[a] = line[4 + int(a)];
    return materials;
}

std::optional<members::DetailingRules> read_detailing_lines(const QList<QStringList> &lines)
{
    if (lines.size() != 1 || lines[0].size() != 4)
        return std::nullopt;
    const QStringList &line = lines[0];
    return members::DetailingRules{line[0], line[1], line[2], line[3]};
}

std::optional<std::array<members::MemberInputs, members::member_count>> read_members_lines(
    const QList<QStringList> &lines)
{
    std::array<members::MemberInputs, members::member_count> read;
    std::array<bool, members::member_count> seen{};
    for (const QStringList &line : lines) {
        if (line.size() != 9 || !known_bar(line[1]) || (line[2] != count_word && line[2] != pitch_word))
            return std::nullopt;
        const std::size_t index = member_index(line[0]);
        if (index == members::member_count || seen[index])
            return std::nullopt;
        seen[index] = true;
        read[index] = {line[1], line[2] == count_word ? Spacing::Count : Spacing::Pitch, line[3], line[4],
                       line[5], line[6], line[7], line[8]};
    }
    return read;
}

std::optional<members::DesignLists> read_design_lists_lines(const QList<QStringList> &lines)
{
    if (lines.size() != 1 || lines[0].size() != 2)
        return std::nullopt;
    return members::DesignLists{lines[0][0], lines[0][1]};
}

bool read_designed_members_lines(const QList<QStringList> &lines,
                                 std::array<members::MemberInputs, members::member_count> &members)
{
    std::array<members::MemberInputs, members::member_count> marked = members;
    for (const QStringList &line : lines) {
        if (line.size() != 4 || (line[2] != count_word && line[2] != pitch_word))
            return false;
        const std::size_t index = member_index(line[0]);
        if (index == members::member_count)
            return false;
        members::MemberInputs &m = marked[index];
        m.designed = m.bar == line[1] && spacing_word(m.spacing) == line[2] && m.spacing_text == line[3];
    }
    members = marked;
    return true;
}

} // namespace inputfile
