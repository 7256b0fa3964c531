#include "members/materials.h"

#include "common/numeric_reading.h"

namespace members {

namespace {

// The tables' column for a design strength: 18, 21 or 24 when the text is wholly that number,
// otherwise 0, which no table has.
int table_column(const QString &concrete_strength)
{
    double value = 0;
    if (!common::read_whole_number(concrete_strength, &value))
        return 0;
    for (int column : {18, 21, 24}) {
        if (value == column)
            return column;
    }
    return 0;
}

} // namespace

QString table_allowable(const Materials &materials, Allowable allowable)
{
    const int column = table_column(materials.concrete_strength);
    switch (allowable) {
    case Allowable::Compression: return table_compression(column);
    case Allowable::Tension: return table_tension(materials.tension_row, materials.grade);
    case Allowable::Shear: return table_shear(column);
    case Allowable::Bond: return table_bond(materials.bar_surface, column);
    }
    return {};
}

QString allowable_text(const Materials &materials, Allowable allowable)
{
    return allowable_typed(materials, allowable) ? materials.typed[std::size_t(allowable)]
                                                 : table_allowable(materials, allowable);
}

void type_allowable(Materials &materials, Allowable allowable, const QString &text)
{
    materials.typed[std::size_t(allowable)] = text == table_allowable(materials, allowable) ? QString() : text;
}

QString allowable_symbol(Allowable allowable)
{
    switch (allowable) {
    case Allowable::Compression: return QStringLiteral("σca");
    case Allowable::Tension: return QStringLiteral("σsa");
    case Allowable::Shear: return QStringLiteral("τa");
    case Allowable::Bond: return QStringLiteral("τoa");
    }
    return {};
}

QString allowable_name(Allowable allowable)
{
    switch (allowable) {
    case Allowable::Compression: return QStringLiteral("許容圧縮応力度");
    case Allowable::Tension: return QStringLiteral("許容引張応力度");
    case Allowable::Shear: return QStringLiteral("許容せん断応力度");
    case Allowable::Bond: return QStringLiteral("許容付着応力度");
    }
    return {};
}

QString stress_symbol(Allowable allowable)
{
    switch (allowable) {
    case Allowable::Compression: return QStringLiteral("σc");
    case Allowable::Tension: return QStringLiteral("σs");
    case Allowable::Shear: return QStringLiteral("τ");
    case Allowable::Bond: return QStringLiteral("τo");
    }
    return {};
}

QString grade_name(SteelGrade grade)
{
    return grade == SteelGrade::SD295 ? QStringLiteral("SD295") : QStringLiteral("SD345");
}

QString tension_row_name(TensionRow row)
{
    return row == TensionRow::General ? QStringLiteral("一般") : QStringLiteral("床版橋");
}

QString bar_surface_name(BarSurface surface)
{
    return surface == BarSurface::Deformed ? QStringLiteral("異形鉄筋") : QStringLiteral("普通丸鋼");
}

QString allowable_row(const Materials &materials, Allowable allowable)
{
    switch (allowable) {
    case Allowable::Compression: return {};
    case Allowable::Tension: return tension_row_name(materials.tension_row);
    case Allowable::Shear: return QStringLiteral("梁");
    case Allowable::Bond: return bar_surface_name(materials.bar_surface);
    }
    return {};
}

} // namespace members
