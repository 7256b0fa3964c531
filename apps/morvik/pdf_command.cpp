#include "apps/morvik/pdf_command.h"

#include "apps/morvik/section_command.h"
#include "common/command_line.h"
#include "common/command_output.h"
#include "common/messages.h"
#include "printing/pdf_output.h"
#include "printing/print_document.h"
#include "printing/rc_stress_report.h"
#include "printing/report_application.h"
#include "rcstress/field_captions.h"
#include "rcstress/section_sheet.h"

#include <QStringList>
#include <cstdio>

namespace {

const char help_text[] =
    "使い方: morvik --pdf [--force] OUT.pdf As b d M S U\n"
    "\n"
    "6 つの値を画面の入力欄に打ったとおりの文字列として受け取り、「計算」を押したあとの報告書を\n"
    "A4 縦 1 ページの PDF にして OUT.pdf に書きます。画面は使いません。\n"
    "計算がメッセージで拒まれたとき（印刷できる結果がないとき）はファイルを書きません。\n"
    "OUT.pdf が - のときは標準出力に書き、メッセージなどは標準エラー出力に出します。\n"
    "読み取り専用の OUT.pdf は、--force を付けたときだけ置き換えます。\n"
    "終了コード: 0 書けた / 1 メッセージが出た / 2 引数の誤り、PDF が書けない。\n"
    "\n"
    "Usage: morvik --pdf [--force] OUT.pdf As b d M S U\n"
    "\n"
    "Takes the six values as texts typed into the window's input fields, runs the window's \"計算\" and\n"
    "writes the report to OUT.pdf as one A4 portrait page. Needs no display. When the calculation\n"
    "raises a message there is nothing to print and no file is written. OUT.pdf \"-\" is the standard\n"
    "output; the messages then go to standard error. A read-only OUT.pdf is replaced only with --force.\n"
    "Exit status: 0 written, 1 a message was raised, 2 wrong arguments or a PDF that could not be written.\n"
    "A value beginning with \"-\" (a negative number) is a value; after \"--\" every argument is one.\n";

int fail(int status, const QString &reason)
{
    return common::command_failure(QStringLiteral("morvik --pdf"), reason, status);
}


int run(int argc, char *argv[], const common::CommandLine &line)
{
    QStringList values = line.operands;
    if (values.size() != 1 + rcstress::input_count)
        return fail(2, QStringLiteral("OUT.pdf と As b d M S U の 6 つの値が必要です / OUT.pdf and six values "
                                      "As b d M S U expected (--help)"));
    const QString out_path = common::output_file(values.takeFirst());

    const auto app = printing::start_report_application(argc, argv);
    common::write_left_recovery_copies(QStringLiteral("morvik --pdf"));

    rcstress::SectionSheet sheet;
    common::MessageRecorder messages;
    compute_typed_section(sheet, values, messages);
    std::FILE *lines = common::line_stream({out_path});
    for (const common::Message &message : messages.messages)
        common::write_utf8(lines, common::message_line(message) + u'\n');

    // The print entry is usable only while τo holds text; the command prints exactly then.
    if (!sheet.printable())
        return fail(1, QStringLiteral("印刷できる結果がないため、ファイルを書きませんでした / nothing printable, no file written"));
    QString error;
    if (!printing::write_report_pdf(out_path, {printing::rc_stress_report(printing::snapshot(sheet))},
                                    printing::reports_description({rcstress::report_title}, rcstress::report_title),
                                    &error, common::read_only_output(line)))
        return fail(2, out_path + QStringLiteral(": ") + common::output_failure_reason(error));
    common::write_utf8(lines, out_path + QStringLiteral(": 1 ページ / page\n"));
    return messages.messages.isEmpty() ? 0 : 1;
}

} // namespace

common::ProgramCommand pdf_command()
{
    return {QStringLiteral("--pdf"), help_text, run};
}
