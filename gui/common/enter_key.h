#pragma once

class QApplication;

namespace gui::common {

// Makes Return and keypad Enter press the focused push button or tool button, as Space does and
// as users know from other desktops. Buttons that already take Enter themselves (the default and
// auto-default buttons of dialogs and message boxes) are left to Qt, so a message box still
// presses its default button.
void install_enter_presses_buttons(QApplication &app);

} // namespace gui::common
