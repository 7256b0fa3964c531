#pragma once

#include <QString>

class QWidget;

namespace gui::common {

inline const QString exit_question_text = QStringLiteral("終了しますか？");
inline const QString exit_question_title = QStringLiteral("終了確認");
inline const QString save_question_text = QStringLiteral("変更を保存しますか？");
inline const QString save_question_title = QStringLiteral("保存確認");

// The question both programs ask before a main window closes: "終了しますか？", titled "終了確認",
// with はい(&Y) and いいえ(&N) and no icon. True when the user answers はい.
bool confirm_exit(QWidget *window);

enum class SaveAnswer { Save, Discard, Stay };

// The question asked before inputs changed since they were last opened or saved are replaced or
// closed: "変更を保存しますか？", titled "保存確認", with はい(&Y) (save, then go on), いいえ(&N) (go on
// without saving) and キャンセル (stay, which Esc and the close box also answer).
SaveAnswer ask_to_save(QWidget *window);

// Closes the dialogs the window owns (the print dialog, the About box), so that none is left on
// screen, or can still print, once the window is gone.
void close_owned_dialogs(QWidget *window);

} // namespace gui::common
