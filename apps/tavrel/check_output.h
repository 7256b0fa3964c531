#pragma once

#include "flume/field.h"
#include "flume/full_check.h"
#include "common/messages.h"
#include "members/member_check.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace flume {
class FlumeSheet;
}
namespace inputfile {
struct TvlContents;
struct ExtensionNotes;
}

// One .tvl file after the walk through the pages.
struct CheckedFile {
    QString path;
    const flume::FlumeSheet &sheet;
    const flume::FullCheckOutcome &outcome;
    const QList<flume::PageMessage> &messages;
    const members::MemberCheckReport &member_check;
    bool member_data;     // the file carries member check data
    QStringList damaged;  // what of the file's extension could not be read ("使用材料のデータ")
};

// The file's path and what of it could not be read; then for every page that was opened its
// caption and the results as the window shows them (caption, text, unit), with the messages raised
// on that page; then, for a file with member check data, each member's bars, 総厚, d, stresses
// beside the allowable ones, detailing rules and judgement.
QString plain_report(const CheckedFile &file);

// A file's contents walked through the pages as `tavrel --check` walks them: its report as text and
// as a line of JSON, and whether it was read whole and ran through Case 3 without a message.
struct CheckRun {
    QString plain;
    QByteArray json;
    bool passed = false;
};
CheckRun check_contents(const QString &path, const inputfile::TvlContents &contents,
                        const inputfile::ExtensionNotes &notes);

// One line of JSON: file, what could not be read, inputs, results (with the converted N and N·cm
// texts), messages, the page buttons' states, the Case 1 formula set, the materials, the detailing
// rules and the six members of the member check (their inputs, sections, Morvik's texts where they
// have stresses, the detailing rules and the judgement).
QByteArray json_report(const CheckedFile &file);

// A member of the check as --check prints it: "  ケース.1 側壁  D13 @200mm  総厚 15.0  ｄ 11.3  OK",
// and below a member with stresses "    σc 122 ≦ 800  σs 3617 ≦ 18000  τ 5.77 ≦ 45.9  τo 28.87 ≦ 160"
// and "    あき 187.3 ≧ 26.7  ピッチ 200 ≦ 300  鉄筋比 0.56 ≧ 0.15".
QStringList member_lines(const members::MemberCheckReport &check, std::size_t index);

// A member of the check as --check --json gives it.
QJsonObject json_member(const members::MemberCheckReport &check, std::size_t index);
