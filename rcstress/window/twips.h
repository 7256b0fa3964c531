#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

namespace rcstress {

// Morvik's windows are laid out in twips (1/1440 inch), at 15 twips to the logical pixel (96 dpi).
inline constexpr double twips_per_pixel = 15;

inline int pixels(double twips)
{
    return int(std::lround(twips / twips_per_pixel));
}

inline QSize twips_size(double width, double height)
{
    return {pixels(width), pixels(height)};
}

// Moves and sizes a control to a rectangle given in twips inside its parent.
inline void place(QWidget *widget, double x, double y, double width, double height)
{
    widget->setGeometry(pixels(x), pixels(y), pixels(width), pixels(height));
}

} // namespace rcstress
