#pragma once

#include <QIcon>

class QPainter;

namespace gui::common {

// An icon drawn in code on a square of 32 units from the painter's origin, at the size it is asked
// for, when it is first shown: sharp at any size, and no image file or image plugin to read. The
// disabled look is the style's, made from the drawing.
QIcon drawn_icon(void (*draw)(QPainter &));

} // namespace gui::common
