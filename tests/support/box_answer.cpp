#include "tests/support/box_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace test_support {

ModalWatcher::ModalWatcher(std::function<void(QWidget *)> handle) : handle_(std::move(handle))
{
    QObject::connect(&poll_, &QTimer::timeout, [this, already = QPointer<QWidget>(QApplication::activeModalWidget())] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == already || seen_.contains(modal))
            return;
        seen_.append(modal);
        handle_(modal);
    });
    poll_.start(10);
}

BoxAnswer::BoxAnswer(QMessageBox::StandardButton answer)
    : watcher_([this, answer](QWidget *modal) {
          auto *box = qobject_cast<QMessageBox *>(modal);
          if (!box || seen > 0)
              return;
          ++seen;
          text = box->text();
          title = box->windowTitle();
          icon = box->icon();
          buttons = box->standardButtons();
          box->button(answer)->click();
      })
{
}

bool click_gets_through(QAbstractButton *button)
{
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QWidget *window = button->window();
    const QPoint at = button->mapTo(window, button->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    return !clicked.isEmpty();
}

} // namespace test_support
