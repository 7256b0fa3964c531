#pragma once

#include "gui/tavrel/panel.h"

namespace tavrel {

// The shape-input page: the program's heading, the request to enter the shape dimensions in the
// left panel, and the section diagram with its legend.
class ShapeInputPage : public Panel
{
    Q_OBJECT

public:
    explicit ShapeInputPage(QWidget *parent);
};

} // namespace tavrel
