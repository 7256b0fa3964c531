#pragma once

#include "members/member_inputs.h"
#include "rcstress/section_stress.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace flume {
class FlumeSheet;
}

namespace members {

enum class Verdict { None, Ok, Ng };

// One detailing rule applied to a member, every value a text in the rule's unit.
struct DetailCheck {
    QString value;  // the member's value, shown to the side on which the rule could fail (あき and
                    // 鉄筋比 cut down, ピッチ up): "187.3"; empty where the member has none to check
                    // (no pitch for typed As and U) or no section
    QString limit;  // the limit, shown to its safe side: "26.7"; empty while an entry is not usable
    Verdict verdict = Verdict::None;  // from the texts shown, once both are there

    // "187.3 ≧ 26.7", "8.5 ＜ 26.7", "200 ≦ 300", "400 ＞ 300"; the value alone without a limit;
    // empty without a value.
    QString comparison(Detail detail) const;
};

// One member as the check shows it, every value a text.
struct MemberResult {
    QString member;            // "ケース.1 側壁"
    QString moment, shear;     // M in N·cm and S in N as the Case's converted fields hold them
    QString tension_face;      // "外側" or "内側", from the sign of M
    QString bar;               // the bar's name, or typed_bars
    QString bars_per_width;    // as typed, or worked out from the pitch ("6.67")
    QString pitch;             // mm, as typed, or worked out from the count ("200")
    QString rebar_area, rebar_perimeter, unit_width, thickness, cover, effective_depth;
    bool thickness_typed = false;  // 総厚 typed over the shape's
    bool designed = false;     // the bars were put in by the search (自動配筋)
    rcstress::SectionResults stresses;  // Morvik's texts; empty while the row has none
    QString status;            // why the row has no stresses: "未計算", "かぶり未入力", …
    Verdict verdict = Verdict::None;
    std::array<bool, allowables.size()> exceeded{};  // by allowable: the stress exceeds it
    // By rule (details): the detailing rules, worked out wherever the row has its section, whether
    // or not it has stresses. A results table prints detailing[i].comparison(details[i]) and the
    // verdict beside it; the row's verdict and judgement count them only where it has stresses.
    std::array<DetailCheck, details.size()> detailing;
    QString judgement;         // "OK", "NG（σs、ピッチ）", "許容値未入力（τa）", "σckが不正",
                               // "使用材料のデータが不正", or the row's status

    bool has_stresses() const { return status.isEmpty(); }
    // The stress judged against an allowable, as shown without its unit: "175"; empty without one.
    QString stress(Allowable allowable) const;
    // The failing stresses and detailing rules: "σs、τ、ピッチ".
    QString failing() const;
};

// A stress against its allowable: σs / σsa.
struct StressRatio {
    Allowable allowable;
    double ratio;

    // Two decimals, or as many more as it takes to show a stress past its allowable above 1:
    // "0.87", "1.0004".
    QString text() const;
};

// The whole check: the materials' allowable stresses, the detailing rules and the six members.
struct MemberCheckReport {
    Materials materials;
    DetailingRules detailing;
    std::array<QString, allowables.size()> allowable_texts;  // the allowable stresses in force
    std::array<bool, allowables.size()> allowable_usable{};  // by allowable: a number above 0
    std::array<bool, input_parts.size()> unreadable{};       // as MemberCheckInputs::unreadable
    DesignLists design_lists;                                // the lists 自動配筋 searches
    std::array<MemberResult, member_count> members;

    bool any_stresses() const;
    // What a part that could not be read leaves in place of its values: "使用材料のデータが不正";
    // empty while it was read.
    QString unreadable_status(InputPart part) const;
    // A member's stress beside the allowable one: "175 ≦ 800", "912 ＞ 800"; the stress alone
    // while that allowable is missing or not a number; empty without stresses.
    QString comparison(std::size_t member, Allowable allowable) const;
    // The stress that governs a member: the largest ratio of a shown stress to its allowable, among
    // the allowables in force; none without stresses or allowables.
    std::optional<StressRatio> governing_ratio(std::size_t member) const;
};

// Members whose shown forces no longer belong to the inputs on the sheet: an input they were
// computed from has changed since (typed, or a file opened), and the Case has not been computed again.
using OutdatedForces = std::array<bool, member_count>;

// The status of a member whose forces are outdated.
inline const QString forces_outdated = QStringLiteral("未計算（入力変更）");

// What the check of a member takes from the sheet and the materials whatever its bars: worked out
// once for all the arrangements a search tries.
struct MemberBasis {
    QString member;                      // "ケース.1 側壁"
    QString moment, shear, tension_face;  // empty without forces
    QString forces_status;               // "未計算", forces_outdated; empty while the forces are shown
    QString shape_thickness;             // shape_thickness()
};
struct CheckBasis {
    std::array<QString, allowables.size()> allowable_texts;      // allowable_text()
    std::array<std::optional<double>, allowables.size()> allowed;  // each a number above 0, or none
    QString strength_status;                                     // why σck judges nothing; empty when it does
    std::array<MemberBasis, member_count> members;
};
CheckBasis check_basis(const MemberCheckInputs &inputs, const flume::FlumeSheet &sheet, const OutdatedForces &outdated = {});

// One member's row of the check, for the member inputs given (its own or an arrangement tried in
// their place) and the rest of the inputs; the parts that could not be read are not looked at here.
MemberResult check_member(const MemberInputs &member, std::size_t index, const CheckBasis &basis,
                          const MemberCheckInputs &inputs);

// What the first part of the inputs that could not be read leaves in the rows: "使用材料のデータが不正";
// empty while every part was read.
QString unreadable_status(const MemberCheckInputs &inputs);

// The check of every member from the Cases' results now on the sheet: a member whose moment or
// shear is not shown is 未計算, one whose forces are outdated 未計算（入力変更）. The stresses are
// Morvik's for As, b = 100, d, |M|, |S| and U, with a force of zero giving zero stresses. A row is
// NG for a stress over its allowable or a broken detailing rule; OK needs every allowable and
// every rule. While a part of the inputs could not be read, no row is judged: the rows say so.
MemberCheckReport check_members(const MemberCheckInputs &inputs, const flume::FlumeSheet &sheet,
                                const OutdatedForces &outdated = {});

// The texts of the inputs a member's forces are computed from (flume::inputs_behind).
QStringList inputs_behind(const flume::FlumeSheet &sheet, const flume::MemberForces &member);

// The other way of giving the bars, from the one typed: a count of bars on the unit width gives
// the pitch in mm and a pitch the count, each as shown beside it; empty when the text is not a
// usable count or pitch.
QString other_spacing(const MemberInputs &member);

// The total thickness the shape gives a member, in cm to the millimetre with the part below it cut
// off: the wall's between T1 at its top and T2 at its bottom at the depth where the Case takes its
// forces, the slab's T3. Empty when the shape gives none.
QString shape_thickness(const flume::FlumeSheet &sheet, const flume::MemberForces &member);

} // namespace members
