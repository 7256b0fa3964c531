#pragma once

// Answers the next modal message box from the test: records what it said and presses a button.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};

// Polls until a message box is the active modal widget, then records it and presses the button.
inline void answer_next_box(SeenBox *seen, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, seen, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        seen->text = box->text();
        seen->title = box->windowTitle();
        seen->icon = box->icon();
        seen->seen = true;
        box->button(button)->click();
    });
    poll->start();
}
