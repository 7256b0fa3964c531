#include "gui/common/exit_question.h"

#include "common/window_words.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>

namespace gui::common {

bool confirm_exit(QWidget *window)
{
    QMessageBox question(QMessageBox::NoIcon, exit_question_title, exit_question_text,
                         QMessageBox::Yes | QMessageBox::No, window);
    question.setObjectName(QStringLiteral("exit_question"));
    question.button(QMessageBox::Yes)->setText(::common::words::yes);
    question.button(QMessageBox::No)->setText(::common::words::no);
    question.setDefaultButton(QMessageBox::Yes);
    return question.exec() == QMessageBox::Yes;
}

void close_owned_dialogs(QWidget *window)
{
    for (QDialog *dialog : window->findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) {
        if (dialog->isVisible())
            dialog->reject();
    }
}

} // namespace gui::common
