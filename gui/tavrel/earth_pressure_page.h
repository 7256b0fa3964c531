#pragma once

#include "gui/tavrel/panel.h"

namespace common {
class MessageSink;
}

namespace tavrel {

// Page 1, "主働土圧": the six earth-pressure inputs, "計算", and KA, PA, PAV, PV.
class EarthPressurePage : public Panel
{
    Q_OBJECT

public:
    EarthPressurePage(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent);
};

} // namespace tavrel
