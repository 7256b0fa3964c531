#pragma once

#include "members/member_inputs.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace members {

// What an input of the member check sets.
enum class MemberInputKind {
    Bar,               // the bar's name, of bar_sizes
    BarsPerWidth,      // bars on the unit width of 100 cm
    Pitch,             // the bars' pitch, mm
    Cover,             // かぶり, cm
    Thickness,         // 総厚 typed over the shape's, cm
    ConcreteStrength,  // σck, N/mm²
    Grade,             // SD295 or SD345
    AllowableStress,   // an allowable stress typed over the tables' value, N/cm²
};

// An input of the member check as a table of flumes and the reference book name it, beside the
// flume's own inputs (flume::quantities()).
struct MemberQuantity {
    MemberInputKind kind;
    Allowable allowable = Allowable::Compression;  // the one an AllowableStress sets
    QString symbol;     // unique and typeable: "かぶり", "σck", "σsa"
    QString term;       // what the member check calls it: "かぶり（鉄筋表面まで）"
    QString si_unit;    // "cm", "mm", "N/mm²"; empty for a name
    QString json_key;   // its key in tavrel --check --json: "cover", "concrete_strength"
    bool per_member;    // set for each of the six members; otherwise for the whole flume
};

// The inputs in the order of the member check window: the members' bars, spacing, かぶり and 総厚,
// then the materials.
const QList<MemberQuantity> &member_quantities();

// The quantity of that symbol, or nullptr.
const MemberQuantity *member_quantity_by_symbol(QStringView symbol);

// The name of a member's own column: the symbol with the member's title, "かぶり(ケース.1 側壁)".
QString member_symbol(const MemberQuantity &quantity, std::size_t member);

// Puts a typed value into one member (or into every member when none is named) or into the
// materials, as the member check window takes it. Returns why the value is refused ("正の数では
// ありません"), or an empty text once it is taken.
QString put_member_value(MemberCheckInputs &inputs, const MemberQuantity &quantity, std::optional<std::size_t> member,
                         const QString &text);

// The value a member, or the materials, has for the quantity, as entered: "D13", "3", "24", the
// allowable stress in force; empty where none is (本数 of bars given by their pitch).
QString member_value(const MemberCheckInputs &inputs, const MemberQuantity &quantity, std::size_t member);

} // namespace members
