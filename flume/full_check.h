#pragma once

#include "flume/field.h"

#include <QList>
#include <QStringList>

namespace common {
class MessageSink;
}

namespace flume {

class FlumeSheet;

// A "計算" button of a page.
using Calculation = void (*)(FlumeSheet &, common::MessageSink &);

// The "計算" buttons of a page, in the order a user presses them; none for shape input.
QList<Calculation> page_calculations(Page page);

// How far the walk through the pages got.
struct FullCheckOutcome {
    QList<Page> pages_opened;   // in the order they were opened
    bool reached_case3 = false; // the Case 3 page was opened and its "計算" pressed
};

// Does on a flume sheet what a user does to check a whole section: types the 25 inputs (missing
// ones stay empty), opens page 1 and presses "計算"; opens page 2 and presses the uplift "計算",
// then the bearing "計算"; opens Case 1 and presses a) then b); opens Case 2 and presses "計算";
// opens Case 3 and presses "計算". A page is opened only while its button is enabled, exactly as a
// disabled button cannot be clicked; the walk stops at the first disabled one. Messages go to the
// sink in the order the calculations raise them. Expects a sheet as a new window holds it.
FullCheckOutcome run_full_check(FlumeSheet &sheet, const QStringList &inputs, common::MessageSink &messages);

} // namespace flume
