#pragma once

#include <QString>

class QApplication;

namespace gui::common {

// What both programs set up before their first window: the program's name (which names its
// settings), the platform's style with a drawn menu-bar overflow button, the report face
// "ＭＳ ゴシック" resolving to IPA Gothic and serving every window's text (menus and message boxes
// included, so that a window loads one face), Qt's Japanese translation, Enter pressing the
// focused button, and the keyboard staying with a modal dialog.
void prepare_application(QApplication &app, const QString &program_name);

} // namespace gui::common
