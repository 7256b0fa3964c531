#pragma once

#include "flume/field.h"
#include "flume/full_check.h"
#include "inputfile/tvl_file.h"
#include "members/member_inputs.h"
#include "printing/flume_reports.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace book {

using Typed = QList<std::pair<flume::Field, QString>>;

// The book's worked example: one flume, its 25 inputs as the file chapter shows them saved, carried
// through every page as a user does it. Every value the book gives for it is computed from these.
const Typed &example_inputs();

// The 25 input texts in the order of the input file.
QStringList example_input_texts();

// A run of the worked example: the fields once the buttons were pressed, and the messages raised.
struct ExampleRun {
    printing::FlumeSnapshot sheet;
    QStringList messages;  // each text once, in the order raised
};

// The whole chain: the inputs typed, then every page opened and its buttons pressed in order, as
// `tavrel --check` does; the snapshot carries the member check of the given member inputs.
ExampleRun run_chain(const members::MemberCheckInputs &member_inputs = {});

// The member check of the worked example: every member with D13 bars at 5 to the unit width and
// 3 cm of cover, σck 24 and SD295 with the tables' allowable stresses.
members::MemberCheckInputs example_member_inputs();

// 計算書の設定 of the worked example: the works named with placeholders, 作成日 the day of printing.
document::DocumentData example_document();

// The worked example's file as the file chapter shows it saved: the 25 inputs, the member check and
// 計算書の設定.
inputfile::TvlContents example_file();

// The book's example of 一括計算: a product range of five flumes from 300 × 300 to 1500 × 1500, each
// row giving the shape and the inputs that follow from it (the water level at half the height) and
// the cover, its first row the header. Every other input comes from the worked example's file.
QList<QStringList> batch_example_table();

// The worked example up to one page: the inputs typed, the pages before it opened and computed, the
// page opened; then `changes` typed (into an input, or into a value the page was given) and the
// given buttons of the page pressed.
ExampleRun run_page(flume::Page page, const QList<flume::Calculation> &buttons, const Typed &changes = {});

// Morvik's worked example: the side wall of Case 1 as the chain leaves it, with D13 bars at 5 to the
// unit width of 100 cm (As and U read from the bar table) and 3 cm of cover.
struct MorvikExample {
    double wall_thickness;  // cm, at the depth h of Case 1, between T1 at the top and T2 at the foot
    double cover;           // cm, to the bar's surface
    double bar_diameter;    // cm, D13
    QStringList inputs;     // As, b, d, M, S, U as typed into Morvik's window
};
MorvikExample morvik_example();

} // namespace book
