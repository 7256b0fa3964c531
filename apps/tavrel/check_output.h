#pragma once

#include "flume/field.h"
#include "flume/full_check.h"
#include "common/messages.h"
#include "members/member_check.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace flume {
class FlumeSheet;
}
namespace inputfile {
struct TvlContents;
}

// One .tvl file after the walk through the pages.
struct CheckedFile {
    QString path;
    const flume::FlumeSheet &sheet;
    const flume::FullCheckOutcome &outcome;
    const QList<flume::PageMessage> &messages;
    const members::MemberCheckReport &member_check;
    bool member_data;  // the file carries member check data
};

// The file's path, then for every page that was opened its caption and the results as the window
// shows them (caption, text, unit), with the messages raised on that page; then, for a file with
// member check data, each member's stresses beside the allowable ones and its judgement.
QString plain_report(const CheckedFile &file);

// A file's contents walked through the pages as `tavrel --check` walks them: its report as text and
// as a line of JSON, and whether it ran through Case 3 without a message.
struct CheckRun {
    QString plain;
    QByteArray json;
    bool passed = false;
};
CheckRun check_contents(const QString &path, const inputfile::TvlContents &contents);

// One line of JSON: file, inputs, results (with the converted N and N·cm texts), messages, the
// page buttons' states, the Case 1 formula set, the materials and the six members of the member
// check (their inputs, sections, Morvik's texts where they have stresses, and the judgement).
QByteArray json_report(const CheckedFile &file);
