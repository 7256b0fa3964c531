#pragma once

#include <QString>
#include <array>
#include <optional>

namespace members {

// The detailing rules (構造細目) the bars of every member are held to, each limit a text as entered.
// The defaults are the usual rules for slabs and walls: a clear spacing of bars at least 20 mm, the
// bar's nominal diameter and 4/3 of the coarse aggregate's maximum size, so that the concrete
// passes between the bars; main bars at most 300 mm apart; at least 0.15 % of steel, As / (b·d).
struct DetailingRules {
    QString aggregate_size = QStringLiteral("20");       // 粗骨材の最大寸法 Gmax, mm
    QString least_spacing = QStringLiteral("20");        // 鉄筋のあきの最小値, mm
    QString largest_pitch = QStringLiteral("300");       // 主鉄筋の最大ピッチ, mm
    QString least_steel_ratio = QStringLiteral("0.15");  // 最小鉄筋比, %

    bool operator==(const DetailingRules &) const = default;
};

// The entries of the rules as the window, 設計条件 and the book name them, in the window's order.
struct DetailingEntry {
    QString DetailingRules::*text;
    const char *name;        // the window's control
    const char16_t *caption; // "鉄筋のあきの最小値"
    const char16_t *symbol;  // "Gmax", or empty
    const char16_t *unit;    // "mm"
    const char16_t *note;    // what else bounds it, or empty
};
inline constexpr DetailingEntry detailing_entries[] = {
    {&DetailingRules::aggregate_size, "aggregate_size", u"粗骨材の最大寸法", u"Gmax", u"mm", u""},
    {&DetailingRules::least_spacing, "least_spacing", u"鉄筋のあきの最小値", u"", u"mm", u"鉄筋径、4/3 Gmax 以上"},
    {&DetailingRules::largest_pitch, "largest_pitch", u"主鉄筋のピッチの最大値", u"", u"mm", u""},
    {&DetailingRules::least_steel_ratio, "least_steel_ratio", u"鉄筋比 As/(b·d) の最小値", u"", u"%", u""},
};

// The rules a member is judged by, in the order a judgement names them.
enum class Detail { ClearSpacing, Pitch, SteelRatio };
inline constexpr std::array details = {Detail::ClearSpacing, Detail::Pitch, Detail::SteelRatio};

// The short name a judgement gives the rule: "あき", "ピッチ", "鉄筋比".
QString detail_name(Detail detail);
// The rule's unit: "mm", "mm", "%".
QString detail_unit(Detail detail);
// True for a least value (あき, 鉄筋比), false for a largest one (ピッチ).
bool detail_is_least(Detail detail);
// The caption of a member's row: "あき／最小（mm）".
QString detail_caption(Detail detail);

// The limit of a rule in its unit, for bars of a nominal diameter in mm (あき: the largest of the
// least spacing, the diameter and 4/3 Gmax). None while an entry it needs is not a number: below 0
// for a least value or Gmax, 0 or below for the largest pitch.
std::optional<double> detail_limit(const DetailingRules &rules, Detail detail, double bar_diameter);

// Whether an entry the rule needs is left empty.
bool detail_entry_blank(const DetailingRules &rules, Detail detail);

} // namespace members
