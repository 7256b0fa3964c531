#pragma once

#include "gui/tavrel/panel.h"

namespace common {
class MessageSink;
}

namespace tavrel {

// Case 3, "ケース . ３": the water pressure of Case 2 less the active earth pressure on the inside
// of the side wall, then the bottom slab. Every value it reads is carried from earlier pages.
class Case3Page : public Panel
{
    Q_OBJECT

public:
    Case3Page(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent);
};

} // namespace tavrel
