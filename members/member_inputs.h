#pragma once

#include "flume/member_forces.h"
#include "members/detailing_rules.h"
#include "members/materials.h"

#include <QString>
#include <array>
#include <optional>

namespace members {

// How the bars of a unit width are given: as a number of bars, or as their pitch in mm.
enum class Spacing { Count, Pitch };

// The bar choice for a reinforcement given by its As and U directly (welded mesh or any other).
inline const QString typed_bars = QStringLiteral("As・U入力");

// The six members the Cases give forces for, in the order of the ツール menu.
inline constexpr std::size_t member_count = flume::member_forces.size();

// What the engineer enters for one member.
struct MemberInputs {
    QString bar;               // a name of bar_sizes, typed_bars, or empty while none is chosen
    Spacing spacing = Spacing::Count;
    QString spacing_text;      // bars per 100 cm, or the pitch in mm
    QString rebar_area;        // As, cm², with typed_bars
    QString rebar_perimeter;   // U, cm, with typed_bars
    QString effective_depth;   // d, cm, with typed_bars
    QString thickness;         // 総厚, cm, typed over the shape's; empty: the shape's
    QString cover;             // かぶり, cm: clear cover to the bar's surface
    bool designed = false;     // the bar and pitch were put in by the search (自動), not typed (手入力)

    bool operator==(const MemberInputs &) const = default;
};

// The lists the search for each member's bars (自動配筋) goes through, each a text as entered: the
// bars by name and the pitches in mm, separated by commas or blanks. The defaults are the bars of
// the table and the pitches an engineer places slab and wall bars at.
struct DesignLists {
    QString bars = QStringLiteral("D10, D13, D16, D19, D22");
    QString pitches = QStringLiteral("100, 125, 150, 175, 200, 225, 250, 275, 300");

    bool operator==(const DesignLists &) const = default;
};

// The parts of the member check's inputs that a .tvl file keeps in sections of their own.
enum class InputPart { Materials, Detailing, Members };
inline constexpr std::array input_parts = {InputPart::Materials, InputPart::Detailing, InputPart::Members};

// What a note or a row calls a part's data: "使用材料のデータ", "構造細目のデータ", "部材のデータ".
inline QString input_part_caption(InputPart part)
{
    switch (part) {
    case InputPart::Materials: return QStringLiteral("使用材料のデータ");
    case InputPart::Detailing: return QStringLiteral("構造細目のデータ");
    case InputPart::Members: return QStringLiteral("部材のデータ");
    }
    return {};
}

// Everything the member check keeps: the materials, the detailing rules and the six members' inputs.
struct MemberCheckInputs {
    Materials materials;
    DetailingRules detailing;
    std::array<MemberInputs, member_count> members;
    DesignLists design_lists;
    // By part: the file opened carried it but it could not be read, so what stands in its place
    // is not the file's and no member is judged until the part is entered again.
    std::array<bool, input_parts.size()> unreadable{};

    bool operator==(const MemberCheckInputs &) const = default;
    // False while everything is as a new window has it.
    bool entered() const { return !(*this == MemberCheckInputs{}); }
};

// The value of a typed input that must be wholly a number at or above the least allowed (and
// finite); none for any other text.
std::optional<double> typed_value(const QString &text, double least, bool least_allowed);

} // namespace members
