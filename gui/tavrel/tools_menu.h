#pragma once

#include <functional>

class QMenuBar;
class QWidget;

namespace flume {
class FlumeSheet;
}

namespace tavrel {

// The flume window's menu "ツール(&T)": "鉄筋コンクリート応力度の検討" starts Morvik as the
// launcher's button does; below it "部材の応力度照査" shows the member check, and one entry per
// Case and member starts Morvik with that member's moment, shear and unit width filled in. A
// member's entry is usable exactly while both its results are shown, whichever page is shown.
void add_tools_menu(QMenuBar *menu_bar, flume::FlumeSheet &sheet, QWidget *owner,
                    std::function<void()> show_member_check);

} // namespace tavrel
