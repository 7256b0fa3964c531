#pragma once

#include "rcstress/section_sheet.h"

#include <QLineEdit>

namespace morvik {

// One field of Morvik's window bound to its text in the sheet: typing writes the sheet, and
// whatever changes the sheet's text (the calculation) shows here. A click into one of the six
// inputs selects its whole text, so that typing replaces the value; entering with Tab keeps the
// platform's own selection.
class SectionFieldEdit : public QLineEdit
{
    Q_OBJECT

public:
    SectionFieldEdit(rcstress::SectionSheet &sheet, rcstress::Field field, QWidget *parent);

    rcstress::Field field() const { return field_; }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    rcstress::Field field_;
};

} // namespace morvik
