#pragma once

#include "rcstress/section_sheet.h"

#include <QGroupBox>

namespace morvik {

class SectionFieldEdit;

// The frame "入力データ": As, b and d in its left column, M, S and U in its right one, each with
// its caption before and its unit after.
class InputFrame : public QGroupBox
{
    Q_OBJECT

public:
    InputFrame(rcstress::SectionSheet &sheet, QWidget *parent);

    // The six inputs in the tab order As, b, d, M, S, U.
    const QList<SectionFieldEdit *> &inputs() const { return inputs_; }

private:
    QList<SectionFieldEdit *> inputs_;
};

} // namespace morvik
