#include "rcstress/window/message_box_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace rcstress {

void MessageBoxSink::warn(const QString &text, const QString &title)
{
    QApplication::beep();
    QMessageBox::warning(owner_, title, text, QMessageBox::Ok);
}

} // namespace rcstress
