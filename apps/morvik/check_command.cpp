#include "apps/morvik/check_command.h"

#include "apps/morvik/section_command.h"
#include "common/command_line.h"
#include "common/command_output.h"
#include "common/messages.h"
#include "rcstress/quantities.h"
#include "rcstress/section_sheet.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdio>

namespace {

const char help_text[] =
    "使い方: morvik --check [--json] As b d M S U\n"
    "\n"
    "6 つの値を画面の入力欄に打ったとおりの文字列として受け取り、「計算」と同じ計算をして\n"
    "鉄筋比 Ｐ、ｋ、ｊ と応力度 σｃ、σｓ、τ、τo を画面と同じ文字で出力します。画面は使いません。\n"
    "  As 鉄筋量（c㎡）  b 単位巾（ｃm）  d 総厚－鉄筋かぶり（ｃm）\n"
    "  M 曲げモーメント（N・ｃm）  S せん断力（N）  U 鉄筋全周長（ｃm）\n"
    "  --json  結果を 1 行の JSON で出力します。\n"
    "終了コード: 0 計算できた / 1 メッセージが出た / 2 引数の誤り。\n"
    "\n"
    "Usage: morvik --check [--json] As b d M S U\n"
    "\n"
    "Takes the six values as texts typed into the window's input fields (steel area As cm², unit\n"
    "width b cm, effective depth d cm, bending moment M N·cm, shear force S N, bar perimeter U cm),\n"
    "runs the same calculation as the window's \"計算\" button and prints P, k, j and the stresses\n"
    "σc, σs, τ, τo exactly as the window shows them. Needs no display.\n"
    "  --json  print one JSON object on one line:\n"
    "          {\"inputs\": {member: text}, \"results\": {member: text}, \"messages\": [{\"text\", \"title\"}]}\n"
    "Exit status: 0 calculated, 1 a message was raised, 2 wrong arguments.\n"
    "A value beginning with \"-\" (a negative number) is a value; after \"--\" every argument is one.\n";

int wrong_arguments(const QString &reason)
{
    return common::command_failure(QStringLiteral("morvik --check"), reason + QStringLiteral(" (--help)"), 2);
}

QString plain_report(const rcstress::SectionSheet &sheet, const QList<common::Message> &messages)
{
    QString out = QStringLiteral("入力データ\n");
    for (const rcstress::FieldInfo &field : rcstress::field_table) {
        if (field.field == rcstress::Field::steel_ratio)
            out += QStringLiteral("計算結果\n");
        out += QStringLiteral("  ") + rcstress::quantity(field.field).caption + QStringLiteral(" = ")
            + sheet.text(field.field);
        if (field.input)
            out += u' ' + rcstress::quantity(field.field).unit;
        out += u'\n';
    }
    for (const common::Message &message : messages)
        out += common::message_line(message) + u'\n';
    return out;
}

QString json_report(const rcstress::SectionSheet &sheet, const QList<common::Message> &messages)
{
    QJsonObject inputs, results;
    for (const rcstress::FieldInfo &field : rcstress::field_table)
        (field.input ? inputs : results).insert(rcstress::quantity(field.field).json_key, sheet.text(field.field));
    QJsonArray raised;
    for (const common::Message &message : messages)
        raised.append(QJsonObject{{QStringLiteral("text"), message.text}, {QStringLiteral("title"), message.title}});
    const QJsonObject report{{QStringLiteral("inputs"), inputs},
                             {QStringLiteral("results"), results},
                             {QStringLiteral("messages"), raised}};
    return QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Compact)) + u'\n';
}


int run(int argc, char *argv[], const common::CommandLine &line)
{
    const QStringList &values = line.operands;
    if (values.size() != rcstress::input_count)
        return wrong_arguments(
            QStringLiteral("As b d M S U の 6 つの値が必要です / six values As b d M S U expected, %1 given").arg(values.size()));

    QCoreApplication app(argc, argv);
    rcstress::SectionSheet sheet;
    common::MessageRecorder messages;
    compute_typed_section(sheet, values, messages);

    const bool json = line.has(QStringLiteral("--json"));
    common::write_utf8(stdout, json ? json_report(sheet, messages.messages) : plain_report(sheet, messages.messages));
    std::fflush(stdout);
    return messages.messages.isEmpty() ? 0 : 1;
}

} // namespace

common::ProgramCommand check_command()
{
    return {QStringLiteral("--check"), help_text, run};
}
