#pragma once

#include "printing/pictures/picture.h"

#include <QSizeF>

class QWidget;

namespace rcstress {

// PLACEHOLDER until printing/dialog/picture_widget.h exists: a framed box of the picture's size
// with its name in it, so the window's layout can be seen and tested. Replace the body of
// make_picture with printing::PictureWidget and picture_size with printing::natural_size.
QWidget *make_picture(printing::Picture picture, QWidget *parent);

// The picture's size in twips, as the window lays it out.
QSizeF picture_size(printing::Picture picture);

} // namespace rcstress
