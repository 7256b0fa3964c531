#pragma once

#include "rcstress/section_sheet.h"

#include <QLineEdit>

namespace morvik {

// One field of Morvik's window bound to its text in the sheet: typing writes the sheet, and
// whatever changes the sheet's text (the calculation) shows here. A click into one of the six
// inputs selects its whole text, so that typing replaces the value; entering with Tab keeps the
// platform's own selection. A text wider than the field shows its beginning while the field is not
// being edited.
class SectionFieldEdit : public QLineEdit
{
    Q_OBJECT

public:
    SectionFieldEdit(rcstress::SectionSheet &sheet, rcstress::Field field, QWidget *parent);

    rcstress::Field field() const { return field_; }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void show_beginning();

    rcstress::Field field_;
};

} // namespace morvik
