#include "gui/common/window_messages.h"

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

} // namespace gui::common
