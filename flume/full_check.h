#pragma once

#include "common/messages.h"
#include "flume/calculations.h"
#include "flume/field.h"
#include "flume/flume_sheet.h"

#include <QList>
#include <QStringList>
#include <memory>
#include <optional>

namespace flume {

// A "計算" button of a page.
using Calculation = void (*)(FlumeSheet &, common::MessageSink &);

// The "計算" buttons of a page, in the order a user presses them; none for shape input.
QList<Calculation> page_calculations(Page page);

// How far the walk through the pages got.
struct FullCheckOutcome {
    QList<Page> pages_opened;   // in the order they were opened
    bool reached_case3 = false; // the Case 3 page was opened and its "計算" pressed
    // The uplift and bearing checks as page 2's buttons decided them; none where a button got to no
    // value or the page was not opened.
    std::optional<LimitCheck> uplift, bearing;
};

// Does on a flume sheet what a user does to check a whole section: types the 25 inputs (missing
// ones stay empty), opens page 1 and presses "計算"; opens page 2 and presses the uplift "計算",
// then the bearing "計算"; opens Case 1 and presses a) then b); opens Case 2 and presses "計算";
// opens Case 3 and presses "計算". A page is opened only while its button is enabled, exactly as a
// disabled button cannot be clicked; the walk stops at the first disabled one. Messages go to the
// sink in the order the calculations raise them. Expects a sheet as a new window holds it.
FullCheckOutcome run_full_check(FlumeSheet &sheet, const QStringList &inputs, common::MessageSink &messages);

// A message of the walk with the page that was in view when it was raised.
struct PageMessage {
    Page page;
    common::Message message;
};

// A flume checked from its inputs alone: the walk above on a sheet of its own, its messages kept
// rather than shown. What --check, --pdf, --document and the window's 構造計算書 are made from, so that
// every result belongs to the inputs beside it; a window's own sheet is neither read nor changed.
struct WalkedFlume {
    std::unique_ptr<FlumeSheet> sheet;
    FullCheckOutcome outcome;
    QList<PageMessage> messages;  // in the order they were raised

    // The chain ran to Case 3 without a message.
    bool passed() const { return outcome.reached_case3 && messages.isEmpty(); }
};
WalkedFlume walk_flume(const QStringList &inputs);

} // namespace flume
