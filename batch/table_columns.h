#pragma once

#include "flume/field.h"
#include "members/member_quantities.h"

#include <QList>
#include <QString>
#include <optional>

namespace batch {

// The header of the column that names each flume.
inline const QString name_header = QStringLiteral("名称");

// What a column of a table of flumes gives.
enum class ColumnKind { Name, FlumeInput, MemberInput };

// A column of the table as its header names it: the flume's name, one of the 25 inputs, or an
// input of the member check for one member or for all six.
struct InputColumn {
    ColumnKind kind = ColumnKind::Name;
    QString symbol;   // the catalogue's name: "T1", "かぶり", "かぶり(ケース.1 側壁)"
    QString unit;     // the catalogue's SI unit: "m", "kN/m²"; empty for none
    flume::Field field = flume::Field::t1;                      // FlumeInput
    const members::MemberQuantity *member_quantity = nullptr;   // MemberInput
    std::optional<std::size_t> member;                          // MemberInput: one member, or all six
};

// The column a header names: a symbol of the catalogue of the flume's inputs or of the member check's
// (alone for every member, or with a member's title in parentheses), or 名称. Full-width letters,
// digits and brackets, blanks and the points in "ケース.1" play no part, nor "’" for "'"; a unit in
// parentheses after the symbol ("B (m)", "q（kN/m²）") must be the catalogue's. None, with the
// reason in *reason, for any other header.
std::optional<InputColumn> column_for_header(const QString &header, QString *reason);

// Every header a table may use, as the book lists them: 名称, the flume's 25 inputs, the member
// check's inputs for all members, then each per-member input with each member's title.
QList<InputColumn> all_columns();

// The header of a column as the results write it: the symbol, and the unit in parentheses: "B (m)".
QString header_with_unit(const QString &symbol, const QString &unit);

} // namespace batch
