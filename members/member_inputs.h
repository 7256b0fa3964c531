#pragma once

#include "flume/member_forces.h"
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

    bool operator==(const MemberInputs &) const = default;
};

// Everything the member check keeps: the materials and the six members' inputs.
struct MemberCheckInputs {
    Materials materials;
    std::array<MemberInputs, member_count> members;

    bool operator==(const MemberCheckInputs &) const = default;
    // False while everything is as a new window has it.
    bool entered() const { return !(*this == MemberCheckInputs{}); }
};

// The value of a typed input that must be wholly a number at or above the least allowed (and
// finite); none for any other text.
std::optional<double> typed_value(const QString &text, double least, bool least_allowed);

} // namespace members
