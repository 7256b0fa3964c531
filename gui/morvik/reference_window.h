#pragma once

#include "drawing/picture.h"

#include <QWidget>

namespace morvik {

// A reference window ("参考資料"): one picture filling its client area, nothing else. Modeless,
// without owner; its close box closes it without a question and unloads it.
class ReferenceWindow : public QWidget
{
    Q_OBJECT

public:
    ReferenceWindow(drawing::Picture picture, QSize client_twips);
};

// Form2: the table of deformed-bar areas and perimeters.
ReferenceWindow *make_bar_table_window();
// Form3: the schematic of the unit-width section and its symbols.
ReferenceWindow *make_schematic_window();

} // namespace morvik
