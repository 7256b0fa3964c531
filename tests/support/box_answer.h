#pragma once

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class QAbstractButton;

namespace test_support {

// Calls handle once for every modal window that becomes the active modal widget while the
// watcher lives, so that a test can answer a dialog that its own action opens and waits on. A
// modal window already up when the watcher starts is not handled.
class ModalWatcher
{
public:
    explicit ModalWatcher(std::function<void(QWidget *)> handle);
    bool opened() const { return !seen_.isEmpty(); }

private:
    std::function<void(QWidget *)> handle_;
    QTimer poll_;
    QList<QPointer<QWidget>> seen_;
};

// Answers the next message box with the given button and keeps what it showed.
class BoxAnswer
{
public:
    explicit BoxAnswer(QMessageBox::StandardButton answer = QMessageBox::Ok);

    int seen = 0;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

private:
    ModalWatcher watcher_;
};

// Clicks the button the way the window system delivers a click, through its window, so that a
// modal dialog blocking the window stops it as it stops the user. True when the button was pressed.
bool click_gets_through(QAbstractButton *button);

} // namespace test_support
