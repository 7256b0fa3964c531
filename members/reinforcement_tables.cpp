#include "members/reinforcement_tables.h"

namespace members {

std::optional<BarSize> bar_size(const QString &name)
{
    for (const BarSize &bar : bar_sizes) {
        if (name == QLatin1String(bar.name))
            return bar;
    }
    return std::nullopt;
}

QString table_compression(int concrete_strength)
{
    switch (concrete_strength) {
    case 21: return QStringLiteral("700");
    case 24: return QStringLiteral("800");
    default: return {};
    }
}

QString table_tension(TensionRow row, SteelGrade grade)
{
    // SD295 and SD345 differ only in the row for seismic loads and anchorage.
    switch (grade) {
    case SteelGrade::SD295:
    case SteelGrade::SD345: return row == TensionRow::SlabBridge ? QStringLiteral("14000") : QStringLiteral("18000");
    }
    return {};
}

QString table_shear(int concrete_strength)
{
    switch (concrete_strength) {
    case 18: return QStringLiteral("40.8");
    case 24: return QStringLiteral("45.9");
    default: return {};
    }
}

QString table_bond(BarSurface surface, int concrete_strength)
{
    const bool plain = surface == BarSurface::Plain;
    switch (concrete_strength) {
    case 18: return plain ? QStringLiteral("70") : QStringLiteral("140");
    case 24: return plain ? QStringLiteral("80") : QStringLiteral("160");
    default: return {};
    }
}

} // namespace members
