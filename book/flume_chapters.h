#pragma once

#include "flume/field.h"
#include "flume/full_check.h"
#include "printing/flume_reports.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace common {
class MessageSink;
}

namespace flume {
class FlumeSheet;
}

namespace book {

// A quantity of a page as the book lists it: the field the calculation reads or writes, its
// symbol, what it is, and the unit the window shows beside it.
struct Quantity {
    flume::Field field;
    QString symbol;
    QString meaning;
    QString unit;
};

using flume::Calculation;

// A part of the flume window with a chapter of its own in the book: the page, the "計算" buttons
// that belong to it in the order a user presses them, what they read and what they write.
struct FlumeChapter {
    QString title;
    flume::Page page;
    QList<Calculation> buttons;
    QList<Quantity> inputs;
    QList<Quantity> results;
};

// The seven shape dimensions of the shape-input page.
const QList<Quantity> &shape_dimensions();

// 主働土圧, 浮上りに対する検討, 基礎地盤支持力の検討, ケース.1, ケース.2, ケース.3.
const QList<FlumeChapter> &flume_chapters();

using Typed = QList<std::pair<flume::Field, QString>>;

// A worked example computed: the fields after the chapter's buttons were pressed, its page open,
// and the messages they raised.
struct ExampleRun {
    printing::FlumeSnapshot sheet;
    QStringList messages;  // each text once, in the order raised
};

// The worked example of a chapter, with some fields typed differently before the buttons are
// pressed. The earth pressure is worked on its own; from the uplift page on, one flume is carried
// through the pages as a user would, starting from a computed earth pressure KA = 0.30, PV = 2.000.
// The snapshot's member check is that of the given member inputs.
ExampleRun run_example(const FlumeChapter &chapter, const Typed &changes = {},
                       const members::MemberCheckInputs &member_inputs = {});

// What the chapter's buttons do when one input of the worked example is left empty, is 0, or is
// negative: the message shown, a result left empty without a message, or a normal calculation.
// One line per outcome, the values that lead to it first ("空欄・0：「数値が入力されていません。」").
QString rejected_values(const FlumeChapter &chapter, flume::Field input);

// Groups the outcomes of an input left empty, 0 and -1 into the lines of rejected_values.
struct ProbeOutcome {
    QStringList messages;       // in the order raised, each once
    QStringList empty_results;  // symbols of results left empty without a message
};
QString describe_outcomes(const ProbeOutcome &empty, const ProbeOutcome &zero, const ProbeOutcome &negative);

} // namespace book
