#pragma once

class QApplication;

namespace gui::common {

// Keeps the keyboard with the dialog on top: when a window that a modal dialog blocks becomes the
// active window (a click on it), the dialog is raised and made active again, as users know it from
// other desktops, so that Return and Escape keep answering it.
void install_modal_focus(QApplication &app);

} // namespace gui::common
