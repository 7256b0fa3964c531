#pragma once

#include "common/messages.h"
#include "common/safe_file_write.h"

#include <optional>

class QWidget;

namespace gui::common {

// The calculations' messages as the windows of both programs give them: the system beep, then a modal
// warning box with an OK button over the window.
class WindowMessages : public ::common::MessageSink
{
public:
    explicit WindowMessages(QWidget *owner) : owner_(owner) {}
    void warn(const QString &text, const QString &title) override;

private:
    QWidget *owner_;
};

// The beep and a modal warning box with an OK button.
void warning_box(QWidget *owner, const QString &text, const QString &title);

// At a program's start: when a write of an earlier run ended halfway, names the copies of the
// files' earlier content (common::take_left_recovery_copies) in a warning box.
void report_left_recovery_copies(QWidget *owner, const QString &title);

// Before a file chosen in a save dialog is written: when it is read-only, asks "読み取り専用のファイル
// です。置き換えますか？" with the file, はい and いいえ. How the write is to treat it, or nothing when
// the user keeps it.
inline const QString replace_read_only_question = QStringLiteral("読み取り専用のファイルです。置き換えますか？");
std::optional<::common::ReadOnlyFile> read_only_choice(QWidget *owner, const QString &path, const QString &title);

} // namespace gui::common
