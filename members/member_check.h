#pragma once

#include "members/member_inputs.h"
#include "rcstress/section_stress.h"

#include <QString>
#include <QStringList>
#include <array>

namespace flume {
class FlumeSheet;
}

namespace members {

enum class Verdict { None, Ok, Ng };

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
    rcstress::SectionResults stresses;  // Morvik's texts; empty while the row has none
    QString status;            // why the row has no stresses: "未計算", "かぶり未入力", …
    Verdict verdict = Verdict::None;
    std::array<bool, allowables.size()> exceeded{};  // by allowable: the stress exceeds it
    QString judgement;         // "OK", "NG（σs、τ）", "許容値未入力（τa）", "σckが不正", or the row's status

    bool has_stresses() const { return status.isEmpty(); }
    // The stress judged against an allowable, as shown without its unit: "175"; empty without one.
    QString stress(Allowable allowable) const;
    // The failing stresses: "σs、τ".
    QString failing() const;
};

// The whole check: the materials' allowable stresses and the six members.
struct MemberCheckReport {
    Materials materials;
    std::array<QString, allowables.size()> allowable_texts;  // the allowable stresses in force
    std::array<bool, allowables.size()> allowable_usable{};  // by allowable: a number above 0
    std::array<MemberResult, member_count> members;

    bool any_stresses() const;
    // A member's stress beside the allowable one: "175 ≦ 800", "912 ＞ 800"; the stress alone
    // while that allowable is missing or not a number; empty without stresses.
    QString comparison(std::size_t member, Allowable allowable) const;
};

// Members whose shown forces no longer belong to the inputs on the sheet: an input they were
// computed from has changed since (typed, or a file opened), and the Case has not been computed again.
using OutdatedForces = std::array<bool, member_count>;

// The status of a member whose forces are outdated.
inline const QString forces_outdated = QStringLiteral("未計算（入力変更）");

// The check of every member from the Cases' results now on the sheet: a member whose moment or
// shear is not shown is 未計算, one whose forces are outdated 未計算（入力変更）. The stresses are
// Morvik's for As, b = 100, d, |M|, |S| and U, with a force of zero giving zero stresses.
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
