#include "printing/pictures/picture.h"

#include "printing/pictures/allowable_stress_tables.h"
#include "printing/pictures/bar_table.h"
#include "printing/pictures/flume_formulas.h"
#include "printing/pictures/flume_section.h"
#include "printing/pictures/formula_layout.h"
#include "printing/pictures/section_schematic.h"
#include "printing/pictures/slab_diagram.h"
#include "printing/pictures/stress_formulas.h"

#include <QPainter>

namespace printing {

QSizeF natural_size(Picture picture)
{
    switch (picture) {
    case Picture::Image1: return {5100, 3840};
    case Picture::Image2: return {4875, 1125};
    case Picture::Image3: return {3735, 630};
    case Picture::Image4: return {2640, 315};
    case Picture::Image5: return {1965, 255};
    case Picture::Image6: return {4545, 690};
    case Picture::Image7: return {6405, 630};
    case Picture::Image8: return {3450, 675};
    case Picture::Image9: return {6495, 675};
    case Picture::Image10: return {3885, 660};
    case Picture::Image11: return {6855, 675};
    case Picture::Image12: return {2940, 645};
    case Picture::Image13: return {2565, 630};
    case Picture::Image14: return {3555, 630};
    case Picture::Image15: return {2850, 735};
    case Picture::Image16: return {2955, 720};
    case Picture::Image17: return {2850, 660};
    case Picture::Image18: return {3690, 660};
    case Picture::Image19: return {4245, 660};
    case Picture::Image20: return {4335, 690};
    case Picture::Image21: return {2850, 660};
    case Picture::Image22: return {3690, 660};
    // Beside the legend of the shape-input page, below its five lines of text.
    case Picture::ShapeInputDiagram: return {3000, 3450};
    // Under the inputs BL and X of the Case 1 page, left of the slab reaction WR.
    case Picture::Case1Diagram: return {2800, 900};
    // The formula pictures of the section check fit between the captions and the "＝" of their
    // results, in the window and on the report alike.
    case Picture::MorvikNeutralAxis: return {2040, 420};
    case Picture::MorvikConcreteStress: return {1500, 600};
    case Picture::MorvikSteelStress: return {1400, 600};
    case Picture::MorvikShearStress: return {1300, 600};
    case Picture::MorvikBondStress: return {1300, 600};
    // The allowable-stress tables fit the window's right-hand column (from x 5760) and the
    // report's (from x 8300 to the border), each above the next.
    case Picture::AllowableStress1: return {2100, 990};
    case Picture::AllowableStress2: return {2100, 1350};
    case Picture::AllowableStress3: return {2100, 1020};
    case Picture::AllowableStress4: return {2100, 1200};
    case Picture::BarTable: return {8010, 3015};
    case Picture::BarTableSmall: return {5655, 2010};
    case Picture::Schematic: return {7875, 4950};
    }
    return {};
}

void draw_picture(QPainter &painter, Picture picture, const QRectF &target)
{
    using namespace pictures;
    if (target.isEmpty())
        return;
    if (const auto formula = flume_formula(picture)) {
        formula::draw_fitted(painter, *formula, target);
        return;
    }
    if (const auto formula = stress_formula(picture)) {
        formula::draw_fitted(painter, *formula, target);
        return;
    }
    switch (picture) {
    case Picture::Image1: draw_flume_section(painter, target); break;
    case Picture::ShapeInputDiagram: draw_shape_input_diagram(painter, target); break;
    case Picture::Case1Diagram: draw_slab_diagram(painter, target); break;
    case Picture::AllowableStress1:
    case Picture::AllowableStress2:
    case Picture::AllowableStress3:
    case Picture::AllowableStress4: draw_allowable_stress_table(painter, picture, target); break;
    case Picture::BarTable:
    case Picture::BarTableSmall: draw_bar_table(painter, picture, target); break;
    case Picture::Schematic: draw_section_schematic(painter, target); break;
    default: break;
    }
}

QString picture_name(Picture picture)
{
    const int index = static_cast<int>(picture);
    if (picture <= Picture::Image22)
        return QStringLiteral("Image%1").arg(index + 1);
    switch (picture) {
    case Picture::ShapeInputDiagram: return QStringLiteral("ShapeInputDiagram");
    case Picture::Case1Diagram: return QStringLiteral("Case1Diagram");
    case Picture::MorvikNeutralAxis: return QStringLiteral("MorvikNeutralAxis");
    case Picture::MorvikConcreteStress: return QStringLiteral("MorvikConcreteStress");
    case Picture::MorvikSteelStress: return QStringLiteral("MorvikSteelStress");
    case Picture::MorvikShearStress: return QStringLiteral("MorvikShearStress");
    case Picture::MorvikBondStress: return QStringLiteral("MorvikBondStress");
    case Picture::AllowableStress1: return QStringLiteral("AllowableStress1");
    case Picture::AllowableStress2: return QStringLiteral("AllowableStress2");
    case Picture::AllowableStress3: return QStringLiteral("AllowableStress3");
    case Picture::AllowableStress4: return QStringLiteral("AllowableStress4");
    case Picture::BarTable: return QStringLiteral("BarTable");
    case Picture::BarTableSmall: return QStringLiteral("BarTableSmall");
    case Picture::Schematic: return QStringLiteral("Schematic");
    default: return {};
    }
}

} // namespace printing

namespace printing {

QList<Picture> all_pictures()
{
    QList<Picture> pictures;
    for (int i = 0; i <= static_cast<int>(Picture::Schematic); ++i)
        pictures.append(static_cast<Picture>(i));
    return pictures;
}

} // namespace printing
