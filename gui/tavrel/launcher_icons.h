#pragma once

#include <QIcon>

class QPainter;

namespace tavrel {

// The program's own 32×32 icons, drawn in code.
QIcon reference_book_icon();  // a PDF document: the reference book
QIcon flume_icon();           // a U-shaped flume section holding water: the flume check, and the program
QIcon rc_section_icon();      // a reinforced concrete section with its bars: Morvik

// The drawings of those icons on a square of 32 units from the painter's origin; the desktop's
// icons of both programs are drawn from them at every size.
void draw_reference_book_icon(QPainter &painter);
void draw_flume_icon(QPainter &painter);
void draw_rc_section_icon(QPainter &painter);

} // namespace tavrel
