#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QPainter;

namespace drawing {

// Every picture of both programs: vector drawings with a natural size in twips. The same code
// draws them on screen and on paper.
enum class Picture {
    // Tavrel: the cross-section and the formulas of the reports (flume window and launcher).
    FlumeSection,                 // the flume cross-section with its dimension labels
    EarthPressureCoefficient,     // KA, Coulomb
    ActiveEarthPressure,          // PA
    EarthPressureVertical,        // PAV
    VerticalLoad,                 // PV
    UpliftSafetyFactor,           // Fs
    MaximumGroundReaction,        // qmax
    Case1WallShear,               // Sso
    Case1WallShearGroundwater,    // Sso with groundwater behind the wall
    Case1WallMoment,              // Mso
    Case1WallMomentGroundwater,   // Mso with groundwater behind the wall
    SlabReaction,                 // WR
    Case1SlabShear,               // Sto
    Case1SlabMoment,              // Mto
    Case2WallShear,               // Ss1 = Pw
    Case2WallMoment,              // Ms1 = Mw
    Case2SlabShear,               // St1
    Case2SlabMoment,              // Mt1
    Case3WallShear,               // Ss1
    Case3WallMoment,              // Ms1
    Case3SlabShear,               // St1
    Case3SlabMoment,              // Mt1
    ShapeInputDiagram,  // the section diagram of the shape-input page
    Case1Diagram,       // the diagram of the Case 1 page
    // Morvik: the stress formulas, the allowable-stress tables, the bar table and the schematic.
    MorvikNeutralAxis, MorvikConcreteStress, MorvikSteelStress, MorvikShearStress, MorvikBondStress,
    AllowableStress1,  // allowable compressive stress of the concrete
    AllowableStress2,  // allowable tensile stress of the bars
    AllowableStress3,  // allowable shear stress
    AllowableStress4,  // allowable bond stress
    BarTable,       // the deformed-bar table as its reference window shows it
    BarTableSmall,  // the same table at its printed size, 5655 × 2010
    Schematic,      // the schematic of the reference window
    // The reference book: what the inputs of a page mean.
    EarthPressureDiagram,  // θ, i, δ, q, PA and H
    Case1LoadDiagram,      // Case 1's loads with h, H', H'1, WR, X and BL
    Case2LoadDiagram,      // Case 2's water pressure with h'
    Case3LoadDiagram,      // Case 3's water and earth pressure with h'
};

// The picture's natural size in twips (1/1440 inch).
QSizeF natural_size(Picture picture);

// What pictures are drawn for: paper (reports, their preview and PDF), or a window, whose formulas
// are set in whole pixels of twips_per_pixel twips. The formulas' type size is chosen per target.
struct PictureTarget {
    double twips_per_pixel = 0;  // 0 on paper
};
inline constexpr PictureTarget paper{};

// Where a formula stands beside the value it leads to, y in the painter's coordinates: its main
// line on the value's baseline; or, for a fraction alone beside the sign its value begins with
// (the reports' full-width "＝", whose middle stands higher than a formula's axis), its bar on the
// middle of that sign.
struct FormulaLine {
    double y;
    bool bar = false;  // y is the sign's middle, for the fraction bar
};

// Draws the picture into target (in the painter's coordinates), which stands for its natural
// size: drawings and tables are scaled to fill it; formulas are set at the target's one formula
// type size, on the line of the value they lead to when one is given.
void draw_picture(QPainter &painter, Picture picture, const QRectF &target, PictureTarget where,
                  std::optional<FormulaLine> value_line = {});

// Every picture, in the order of the enumeration.
QList<Picture> all_pictures();

// The control name of a formula picture as the windows and reports know it ("Image7", for
// MaximumGroundReaction); the role name of every other picture.
QString picture_name(Picture picture);

} // namespace drawing
