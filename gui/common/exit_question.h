#pragma once

#include <QString>

class QWidget;

namespace gui::common {

inline const QString exit_question_text = QStringLiteral("終了しますか？");
inline const QString exit_question_title = QStringLiteral("終了確認");

// The question both programs ask before a main window closes: "終了しますか？", titled "終了確認",
// with はい(&Y) and いいえ(&N) and no icon. True when the user answers はい.
bool confirm_exit(QWidget *window);

// Closes the dialogs the window owns (the print dialog, the About box), so that none is left on
// screen, or can still print, once the window is gone.
void close_owned_dialogs(QWidget *window);

} // namespace gui::common
