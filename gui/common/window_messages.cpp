#include "gui/common/window_messages.h"

#include "common/recovery_copy.h"
#include "common/window_words.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace gui::common {

void WindowMessages::warn(const QString &text, const QString &title)
{
    warning_box(owner_, text, title);
}

void warning_box(QWidget *owner, const QString &text, const QString &title)
{
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, owner);
    box.button(QMessageBox::Ok)->setText(::common::words::ok);
    box.exec();
}

void report_left_recovery_copies(QWidget *owner, const QString &title)
{
    if (const QList<::common::LeftRecoveryCopy> left = ::common::take_left_recovery_copies(); !left.isEmpty())
        warning_box(owner, ::common::left_recovery_text(left), title);
}

std::optional<::common::ReadOnlyFile> read_only_choice(QWidget *owner, const QString &path, const QString &title)
{
    if (!::common::is_read_only_file(path))
        return ::common::ReadOnlyFile::Refuse;
    QMessageBox box(QMessageBox::Warning, title, replace_read_only_question + u'\n' + path,
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return std::nullopt;
    return ::common::ReadOnlyFile::Replace;
}

} // namespace gui::common
