#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace printing {

// Every picture of both programs: vector drawings with a natural size in twips. The same code
// draws them on screen and on paper.
enum class Picture {
    // Tavrel: the cross-section and the formulas of the reports (flume window and launcher).
    Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8, Image9, Image10, Image11,
    Image12, Image13, Image14, Image15, Image16, Image17, Image18, Image19, Image20, Image21, Image22,
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
};

// The picture's natural size in twips (1/1440 inch).
QSizeF natural_size(Picture picture);

// Draws the picture scaled to fill target (in the painter's coordinates).
void draw_picture(QPainter &painter, Picture picture, const QRectF &target);

// Every picture, in the order of the enumeration.
QList<Picture> all_pictures();

// The control name as the windows and reports know it ("Image7"); a descriptive name otherwise.
QString picture_name(Picture picture);

} // namespace printing
