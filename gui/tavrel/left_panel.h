#pragma once

#include "flume/field.h"
#include "gui/tavrel/panel.h"

#include <QList>

class QPushButton;

namespace tavrel {

// The left panel of the flume window: the shape dimensions and the eight carried-value slots,
// arranged for the page being shown, and the button that returns to shape input.
class LeftPanel : public Panel
{
    Q_OBJECT

public:
    LeftPanel(flume::FlumeSheet &sheet, QWidget *parent);

    // Shows, hides and moves the shape fields and carried slots for the page, with the slots'
    // captions and notes.
    void arrange(flume::Page page);

private:
    struct Labelled {
        FieldEdit *field;
        QLabel *caption;
        QLabel *note;  // carried slots only
    };
    Labelled *find(flume::Field field);

    flume::FlumeSheet &sheet_;
    QPushButton *shape_input_button_;
    QLabel *heading_;
    QList<Labelled> shape_;
    QList<Labelled> carried_;
};

} // namespace tavrel
