#pragma once

#include "members/reinforcement_tables.h"

#include <QString>
#include <QStringList>
#include <array>

namespace members {

// The four allowable stresses a member's stresses are judged against: σca, σsa, τa, τoa (N/cm²).
enum class Allowable { Compression, Tension, Shear, Bond };
inline constexpr std::array allowables = {Allowable::Compression, Allowable::Tension, Allowable::Shear,
                                          Allowable::Bond};

// The materials of the whole flume: the concrete's design strength, the steel, the rows of the
// allowable-stress tables that apply, and any allowable stress typed over the tables' value.
struct Materials {
    QString concrete_strength = QStringLiteral("24");  // σck, N/mm²: 18, 21, 24, or typed
    SteelGrade grade = SteelGrade::SD345;
    TensionRow tension_row = TensionRow::General;
    BarSurface bar_surface = BarSurface::Deformed;
    std::array<QString, allowables.size()> typed;       // empty: the tables' value

    bool operator==(const Materials &) const = default;
};

// The design strengths the tables have columns for, as a choice offers them.
inline const QStringList table_strengths = {QStringLiteral("18"), QStringLiteral("21"), QStringLiteral("24")};

// The tables' value for the materials; empty where the tables give none (σca for 18, τa and τoa for
// 21, every concrete value for a strength the tables have no column for).
QString table_allowable(const Materials &materials, Allowable allowable);

// The allowable stress in force: the typed one, else the tables'.
QString allowable_text(const Materials &materials, Allowable allowable);
inline bool allowable_typed(const Materials &materials, Allowable allowable)
{
    return !materials.typed[std::size_t(allowable)].isEmpty();
}

// Types an allowable stress: a text equal to the tables' value, or an empty one, returns to the
// tables.
void type_allowable(Materials &materials, Allowable allowable, const QString &text);

// What the screen and the report call them.
QString allowable_symbol(Allowable allowable);  // "σca"
QString allowable_name(Allowable allowable);    // "許容圧縮応力度"
QString stress_symbol(Allowable allowable);     // the stress judged against it: "σc"
QString grade_name(SteelGrade grade);           // "SD345"
QString tension_row_name(TensionRow row);       // "一般"
QString bar_surface_name(BarSurface surface);   // "異形鉄筋"
// The table row an allowable is taken from, for the report: "一般", "梁", "異形鉄筋"; none for σca.
QString allowable_row(const Materials &materials, Allowable allowable);

} // namespace members
