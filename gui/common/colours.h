#pragma once

#include <QColor>

namespace gui::common {

// The grey of both programs' windows: Morvik's window, Tavrel's left panel and every page panel.
inline const QColor panel_colour(224, 224, 224);
// The page button of the page being shown.
inline const QColor shown_page_colour(255, 224, 192);
// A result in the shown state has the colour of title-bar text behind it: white.
inline const QColor shown_result_colour(255, 255, 255);
// Input fields and carried slots.
inline const QColor field_colour(255, 255, 255);

} // namespace gui::common
