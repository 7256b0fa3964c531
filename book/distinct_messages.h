#pragma once

#include "common/messages.h"

#include <QStringList>

namespace book {

// Keeps the text of each message the calculations raise once, in the order raised.
class DistinctMessages : public common::MessageSink
{
public:
    void warn(const QString &text, const QString &) override
    {
        if (!texts.contains(text))
            texts.append(text);
    }
    QStringList texts;
};

} // namespace book
