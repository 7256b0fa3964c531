#pragma once

#include "common/messages.h"

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

} // namespace gui::common
