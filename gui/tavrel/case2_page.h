#pragma once

#include "gui/tavrel/panel.h"

namespace common {
class MessageSink;
}

namespace tavrel {

// Case 2, "ケース . ２": the forces on the inside of the side wall and of the bottom slab under
// the water that fills the flume; h' is its only input.
class Case2Page : public Panel
{
    Q_OBJECT

public:
    Case2Page(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent);
};

} // namespace tavrel
