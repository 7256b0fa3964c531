#include "gui/common/exit_question.h"

#include "common/window_words.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>

namespace gui::common {

namespace {

// A question without an icon whose buttons say はい(&Y), いいえ(&N) and キャンセル, はい the default.
void caption_buttons(QMessageBox &question)
{
    question.button(QMessageBox::Yes)->setText(::common::words::yes);
    question.button(QMessageBox::No)->setText(::common::words::no);
    if (QAbstractButton *cancel = question.button(QMessageBox::Cancel))
        cancel->setText(::common::words::cancel);
    question.setDefaultButton(QMessageBox::Yes);
}

} // namespace

bool confirm_exit(QWidget *window)
{
    QMessageBox question(QMessageBox::NoIcon, exit_question_title, exit_question_text,
                         QMessageBox::Yes | QMessageBox::No, window);
    question.setObjectName(QStringLiteral("exit_question"));
    caption_buttons(question);
    return question.exec() == QMessageBox::Yes;
}

SaveAnswer ask_to_save(QWidget *window)
{
    QMessageBox question(QMessageBox::NoIcon, save_question_title, save_question_text,
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window);
    question.setObjectName(QStringLiteral("save_question"));
    caption_buttons(question);
    question.setEscapeButton(QMessageBox::Cancel);
    switch (question.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Save;
    case QMessageBox::No:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Stay;
    }
}

void close_owned_dialogs(QWidget *window)
{
    for (QDialog *dialog : window->findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) {
        if (dialog->isVisible())
            dialog->reject();
    }
}

} // namespace gui::common
