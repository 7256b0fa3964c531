#pragma once

#include "members/member_check.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace flume {
class FlumeSheet;
}

namespace members {

// What the search for a member's bars (自動配筋) found. It tries every bar of the lists at every
// pitch of the lists, each checked exactly as the member check checks typed bars, and keeps those
// that are OK on every allowable stress and every detailing rule. Of those it takes the least As
// per metre as the check shows it; of equal As the larger pitch; of those the thinner bar.
struct MemberDesign {
    bool found = false;       // an arrangement of the lists passes
    QString bar, pitch;       // the one chosen: "D13", "200" (mm, as the list gives it)
    QString governing;        // its largest ratio of a stress to its allowable, or of the least
                              // steel ratio to its own, which governs: "σs 0.87"
    QString reason;           // without an arrangement, why: the check that fails for every one,
                              // "σc：断面が不足（総厚を増やしてください）", or what the member lacks
                              // to be searched at all: "かぶり未入力", "未計算"
    QString least_thickness;  // where more 総厚 would help: the least, in cm to the next 5 mm, at
                              // which the same search finds an arrangement ("18.5"); empty when
                              // none up to largest_searched_thickness
    bool no_forces = false;   // the member has no forces shown: left as it was
};

// The rule of choice as the window, the reports and the book state it.
inline const QString design_rule =
    QStringLiteral("すべての許容応力度と構造細目を満たす組合せのうち As 最小のもの（同じ As ならピッチの大きい方、さらに細い鉄筋）");

// How a member's row names where its bars came from: "自動配筋" (the search), "手入力" (typed), or
// empty while none is chosen.
QString bars_origin(const MemberResult &member);

// The thickest section the search for the least 総厚 goes to, in mm.
inline constexpr int largest_searched_thickness = 1000;

// The lists read: the bars in their order and the pitches as written, each once; or why they
// cannot be searched ("探す鉄筋が不正（D25）").
struct SearchLists {
    QList<BarSize> bars;
    QStringList pitches;
    QString fault;
};
SearchLists search_lists(const DesignLists &lists);

// The search for every member, with the lists the inputs hold, on the forces now on the sheet.
std::array<MemberDesign, member_count> design_members(const MemberCheckInputs &inputs, const flume::FlumeSheet &sheet,
                                                      const OutdatedForces &outdated = {});
// The search for one member.
MemberDesign design_member(const MemberCheckInputs &inputs, const flume::FlumeSheet &sheet, std::size_t index,
                           const OutdatedForces &outdated = {});

// The inputs with every arrangement found put in as a pitch, marked as the search's (自動); the
// members without one as they were.
MemberCheckInputs with_designs(const MemberCheckInputs &inputs, const std::array<MemberDesign, member_count> &designs);

// A checked member's largest ratio of a stress to its allowable, or of the least steel ratio to the
// member's, with the symbol of what it is: "σs 0.87", "鉄筋比 0.94"; empty without stresses.
QString governing_ratio(const MemberCheckReport &report, std::size_t index);

// What a member's row says of the search: the governing ratio of the arrangement put in; why there
// is none, with the 総厚 that would do ("…（総厚を増やしてください）　総厚 18.5 cm で可"); or for a
// member without forces "未計算のため変更なし".
QString design_note(const MemberDesign &design);

// "D10, D13, D16, D19, D22 ／ 100, 125, 150, 175, 200, 225, 250, 275, 300 mm": the lists as a report
// prints them for the checker to repeat the search.
QString lists_text(const DesignLists &lists);

} // namespace members
