#pragma once

#include "flume/messages.h"

class QWidget;

namespace rcstress {

// Morvik's messages on screen: the system beep, then a modal warning box with an OK button over
// the window that raised it.
class MessageBoxSink : public flume::MessageSink
{
public:
    explicit MessageBoxSink(QWidget *owner) : owner_(owner) {}
    void warn(const QString &text, const QString &title) override;

private:
    QWidget *owner_;
};

} // namespace rcstress
