#pragma once

class QApplication;

namespace gui::common {

// Gives every window the face "ＭＳ ゴシック" at 9 pt, served by IPA Gothic. The one place where the
// windows take their font, so the substitution can follow the reports' own.
void install_screen_font(QApplication &app);

} // namespace gui::common
