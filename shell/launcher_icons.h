#pragma once

#include <QIcon>

namespace shell {

// The program's own 32×32 icons, drawn in code.
QIcon reference_book_icon();  // a PDF document: the reference book
QIcon flume_icon();           // a U-shaped flume section holding water: the flume check, and the program
QIcon rc_section_icon();      // a reinforced concrete section with its bars: Morvik

} // namespace shell
