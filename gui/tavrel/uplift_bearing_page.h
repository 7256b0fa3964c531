#pragma once

#include "gui/tavrel/panel.h"

namespace common {
class MessageSink;
}

namespace tavrel {

// Page 2, "浮上り・支持力": the uplift check (γw, γsc, "計算", Fs) above the bearing check
// (qa, "計算", qmax).
class UpliftBearingPage : public Panel
{
    Q_OBJECT

public:
    UpliftBearingPage(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent);
};

} // namespace tavrel
