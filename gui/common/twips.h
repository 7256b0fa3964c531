#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace gui::common {

// The windows of both programs are laid out in twips (1/1440 inch), at 15 twips to the logical pixel (96 dpi);
// Qt's high-DPI scaling takes the logical pixels on to the screen.
inline constexpr int twips_per_pixel = 15;

int pixels(double twips);
QPoint twips_point(double x, double y);
QSize twips_size(double width, double height);
QRect twips_rect(double x, double y, double width, double height);

// Moves a control, or moves and sizes it, to a position given in twips inside its parent.
void place(QWidget *widget, double x, double y);
void place(QWidget *widget, double x, double y, double width, double height);

} // namespace gui::common
