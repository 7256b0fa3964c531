#include "tests/support/box_answer.h"

#include <QAbstractButton>
#include <QApplication>

namespace test_support {

ModalWatcher::ModalWatcher(std::function<void(QWidget *)> handle) : handle_(std::move(handle))
{
    QObject::connect(&poll_, &QTimer::timeout, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || seen_.contains(modal))
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

} // namespace test_support
