#pragma once

#include <QString>
#include <optional>

namespace members {

// A deformed bar by its nominal values: the area and perimeter of one bar, rounded as the bar table
// gives them, and the nominal diameter.
struct BarSize {
    const char *name;
    double area;       // cm²
    double perimeter;  // cm
    double diameter;   // mm
};

inline constexpr BarSize bar_sizes[] = {
    {"D10", 0.71, 3, 9.53}, {"D13", 1.27, 4, 12.7}, {"D16", 1.99, 5, 15.9},
    {"D19", 2.87, 6, 19.1}, {"D22", 3.87, 7, 22.2},
};

// The bar of that name; none for a name not in the table.
std::optional<BarSize> bar_size(const QString &name);

enum class SteelGrade { SD295, SD345 };
// The rows of the tensile table that apply to a bending check without seismic loads.
enum class TensionRow { General, SlabBridge };  // 一般, 床版橋
// The rows of the bond table.
enum class BarSurface { Deformed, Plain };      // 異形鉄筋, 普通丸鋼

// The allowable stresses of the four tables beside Morvik's results (N/cm²), as the tables print
// them; an empty text where a table has no column for the design strength σck (N/mm²). The shear
// table's row 梁 is the one for the shear of a one-way member.
QString table_compression(int concrete_strength);
QString table_tension(TensionRow row, SteelGrade grade);
QString table_shear(int concrete_strength);
QString table_bond(BarSurface surface, int concrete_strength);

} // namespace members
