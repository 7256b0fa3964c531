#include "drawing/picture.h"

#include "drawing/allowable_stress_tables.h"
#include "drawing/bar_table.h"
#include "drawing/flume_section.h"
#include "drawing/formula_pictures.h"
#include "drawing/load_diagrams.h"
#include "drawing/section_schematic.h"
#include "drawing/slab_diagram.h"

#include <QPainter>

namespace drawing {

namespace {

// Every picture with its name and its natural size in twips: the formula pictures under the names
// of the image controls that hold them, the others under their role names.
struct PictureInfo {
    Picture picture;
    const char *name;
    QSizeF size;
};

const PictureInfo picture_table[] = {
    {Picture::FlumeSection, "Image1", {5100, 3840}},
    {Picture::EarthPressureCoefficient, "Image2", {4875, 1125}},
    {Picture::ActiveEarthPressure, "Image3", {3735, 630}},
    {Picture::EarthPressureVertical, "Image4", {2640, 315}},
    {Picture::VerticalLoad, "Image5", {1965, 255}},
    {Picture::UpliftSafetyFactor, "Image6", {4545, 690}},
    {Picture::MaximumGroundReaction, "Image7", {6405, 630}},
    {Picture::Case1WallShear, "Image8", {3450, 675}},
    {Picture::Case1WallShearGroundwater, "Image9", {6495, 675}},
    {Picture::Case1WallMoment, "Image10", {3885, 660}},
    {Picture::Case1WallMomentGroundwater, "Image11", {6855, 675}},
    {Picture::SlabReaction, "Image12", {2940, 645}},
    {Picture::Case1SlabShear, "Image13", {2565, 630}},
    {Picture::Case1SlabMoment, "Image14", {3555, 630}},
    {Picture::Case2WallShear, "Image15", {2850, 735}},
    {Picture::Case2WallMoment, "Image16", {2955, 720}},
    {Picture::Case2SlabShear, "Image17", {2850, 660}},
    {Picture::Case2SlabMoment, "Image18", {3690, 660}},
    {Picture::Case3WallShear, "Image19", {4245, 660}},
    {Picture::Case3WallMoment, "Image20", {4335, 690}},
    {Picture::Case3SlabShear, "Image21", {2850, 660}},
    {Picture::Case3SlabMoment, "Image22", {3690, 660}},
    // Beside the legend of the shape-input page, below its five lines of text.
    {Picture::ShapeInputDiagram, "ShapeInputDiagram", {3000, 3450}},
    // Under the inputs BL and X of the Case 1 page, left of the slab reaction WR.
    {Picture::Case1Diagram, "Case1Diagram", {2800, 900}},
    // The formula pictures of the section check fit between the captions and the "＝" of their
    // results, in the window and on the report alike.
    {Picture::MorvikNeutralAxis, "MorvikNeutralAxis", {2100, 420}},
    {Picture::MorvikConcreteStress, "MorvikConcreteStress", {1500, 600}},
    {Picture::MorvikSteelStress, "MorvikSteelStress", {1400, 600}},
    {Picture::MorvikShearStress, "MorvikShearStress", {1300, 600}},
    {Picture::MorvikBondStress, "MorvikBondStress", {1300, 600}},
    // The allowable-stress tables fit the window's right-hand column (from x 5760) and the
    // report's (from x 8300 to the border), each above the next.
    {Picture::AllowableStress1, "AllowableStress1", {2100, 990}},
    {Picture::AllowableStress2, "AllowableStress2", {2100, 1350}},
    {Picture::AllowableStress3, "AllowableStress3", {2100, 1020}},
    {Picture::AllowableStress4, "AllowableStress4", {2100, 1200}},
    {Picture::BarTable, "BarTable", {8010, 3015}},
    {Picture::BarTableSmall, "BarTableSmall", {5655, 2010}},
    {Picture::Schematic, "Schematic", {7875, 4950}},
    // The figures of the book that show what the inputs of a page mean.
    {Picture::EarthPressureDiagram, "EarthPressureDiagram", {4850, 3180}},
    {Picture::Case1LoadDiagram, "Case1LoadDiagram", {7200, 4050}},
    {Picture::Case2LoadDiagram, "Case2LoadDiagram", {4660, 3920}},
    {Picture::Case3LoadDiagram, "Case3LoadDiagram", {5660, 3920}},
};

const PictureInfo *info(Picture picture)
{
    for (const PictureInfo &entry : picture_table) {
        if (entry.picture == picture)
            return &entry;
    }
    return nullptr;
}

} // namespace

QSizeF natural_size(Picture picture)
{
    const PictureInfo *entry = info(picture);
    return entry ? entry->size : QSizeF();
}

void draw_picture(QPainter &painter, Picture picture, const QRectF &target, PictureTarget where,
                  std::optional<FormulaLine> value_line)
{
    using namespace pictures;
    if (target.isEmpty())
        return;
    if (is_formula(picture)) {
        draw_formula_picture(painter, picture, target, where, value_line);
        return;
    }
    switch (picture) {
    case Picture::FlumeSection: draw_flume_section(painter, target); break;
    case Picture::ShapeInputDiagram: draw_shape_input_diagram(painter, target); break;
    case Picture::Case1Diagram: draw_slab_diagram(painter, target); break;
    case Picture::AllowableStress1:
    case Picture::AllowableStress2:
    case Picture::AllowableStress3:
    case Picture::AllowableStress4: draw_allowable_stress_table(painter, picture, target, where); break;
    case Picture::BarTable:
    case Picture::BarTableSmall: draw_bar_table(painter, picture, target); break;
    case Picture::Schematic: draw_section_schematic(painter, target); break;
    case Picture::EarthPressureDiagram: draw_earth_pressure_diagram(painter, target); break;
    case Picture::Case1LoadDiagram: draw_case1_load_diagram(painter, target); break;
    case Picture::Case2LoadDiagram: draw_case2_load_diagram(painter, target); break;
    case Picture::Case3LoadDiagram: draw_case3_load_diagram(painter, target); break;
    default: break;
    }
}

QString picture_name(Picture picture)
{
    const PictureInfo *entry = info(picture);
    return entry ? QString::fromLatin1(entry->name) : QString();
}

QList<Picture> all_pictures()
{
    QList<Picture> pictures;
    for (const PictureInfo &entry : picture_table)
        pictures.append(entry.picture);
    return pictures;
}

} // namespace drawing
