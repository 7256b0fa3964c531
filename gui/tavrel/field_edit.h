#pragma once

#include "flume/field.h"

#include <QLineEdit>

namespace flume {
class FlumeSheet;
}

namespace tavrel {

// One field of the flume window bound to its text in the sheet. Typing writes the sheet; whatever
// changes the sheet's text shows here. Inputs are editable (the shape dimensions only while the
// sheet leaves them unlocked), results and carried slots are locked; a locked field takes no Tab
// stop. Results take the background of their display state. Clicking into an input or a carried
// slot selects its whole text so that typing replaces the value.
class FieldEdit : public QLineEdit
{
    Q_OBJECT

public:
    FieldEdit(flume::FlumeSheet &sheet, flume::Field field, QWidget *parent);

    flume::Field field() const { return field_; }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void show_text(flume::Field field, const QString &text);
    void show_display_state(bool shown);
    void follow_shape_lock(bool locked);
    void set_locked(bool locked);
    void set_background(const QColor &colour);

    flume::FlumeSheet &sheet_;
    flume::Field field_;
};

// True for the seven shape dimensions T1..B.
bool is_shape_field(flume::Field field);

} // namespace tavrel
