#include "rcstress/window/picture_slot.h"

#include "rcstress/window/twips.h"

#include <QLabel>

namespace rcstress {

QSizeF picture_size(printing::Picture picture)
{
    // PLACEHOLDER sizes until the drawn pictures give their natural size.
    using P = printing::Picture;
    switch (picture) {
    case P::MorvikNeutralAxis: return {2280, 420};
    case P::MorvikConcreteStress: return {1920, 720};
    case P::MorvikSteelStress:
    case P::MorvikShearStress:
    case P::MorvikBondStress: return {1500, 720};
    case P::AllowableStress1: return {2100, 900};
    case P::AllowableStress2: return {2100, 1320};
    case P::AllowableStress3: return {2100, 1020};
    case P::AllowableStress4: return {2100, 1020};
    case P::BarTable: return {8010, 3015};
    case P::BarTableSmall: return {5655, 2010};
    case P::Schematic: return {7875, 4950};
    default: return {1500, 720};
    }
}

QWidget *make_picture(printing::Picture picture, QWidget *parent)
{
    // PLACEHOLDER: a dashed box with the picture's name.
    auto *box = new QLabel(parent);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setAlignment(Qt::AlignCenter);
    box->setText(QStringLiteral("[%1]").arg(int(picture)));
    const QSizeF size = picture_size(picture);
    box->setFixedSize(twips_size(size.width(), size.height()));
    return box;
}

} // namespace rcstress
