#include "apps/tavrel/check_command.h"

#include "apps/tavrel/check_output.h"
#include "common/command_line.h"
#include "common/command_output.h"
#include "inputfile/file_commands.h"
#include "inputfile/tvl_file.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

const char help_text[] =
    "使い方: tavrel --check [--json] ファイル.tvl...\n"
    "\n"
    "画面を開かずに、.tvl ファイルごとに利用者と同じ手順でフルームを検討します。\n"
    "25 の入力を入れ、主働土圧のページを開いて「計算」、浮上り・支持力のページを開いて\n"
    "浮上りの「計算」と支持力の「計算」、続いてボタンが使える間だけケース.1（a、b）、\n"
    "ケース.2、ケース.3 のページを開いて「計算」します。使えないボタンで止まります。\n"
    "\n"
    "出力: ファイルごとにそのパス、開いたページごとの結果（見出し、値、単位）と、\n"
    "出たメッセージ（メッセージ [題名] 本文）を出た順に示します。\n"
    "ファイルに部材の応力度照査のデータがあれば、続けて部材ごとの応力度と判定を示します。\n"
    "  --json   ファイルごとに JSON を 1 行で出力します（file, damaged, inputs, results,\n"
    "           messages, page_buttons, case1_groundwater_formula, materials, detailing,\n"
    "           members）。\n"
    "  --help   この説明を表示します。\n"
    "\n"
    "部材の判定 NG は結果の一つで、終了コードには影響しません。\n"
    "ファイルの続き（使用材料など）が壊れていて読めないときは、出力の 2 行目に\n"
    "そのことを示し、部材を判定しません。\n"
    "終了コード: 0 すべてのファイルでケース.3 までメッセージなしに計算できた\n"
    "            1 どれかのファイルでメッセージが出た、途中で止まった、\n"
    "              または続きが壊れていた\n"
    "            2 ファイルを読めなかった、または引数が正しくない\n"
    "\n"
    "Usage: tavrel --check [--json] FILE.tvl...\n"
    "\n"
    "Checks each .tvl file without a display, doing what a user would do: puts the 25\n"
    "inputs into the fields, opens the earth-pressure page and presses its button, opens\n"
    "the uplift and bearing page and presses the uplift and then the bearing button, then,\n"
    "each only while its page button is enabled, opens Case 1 (parts a and b), Case 2 and\n"
    "Case 3 and presses their buttons. The walk stops at the first disabled page button.\n"
    "\n"
    "Output: for each file its path, then for each page opened the results as the window\n"
    "shows them (caption, text, unit) and the messages raised, in order; when the file carries\n"
    "member check data, each member's stresses and judgement.\n"
    "  --json   one JSON object per file on one line (file, damaged, inputs, results, messages,\n"
    "           page_buttons, case1_groundwater_formula, materials, detailing, members: always\n"
    "           six, the members of the Cases in the order of the ツール menu).\n"
    "  --help   shows this text.\n"
    "\n"
    "A member judged NG is a result; it does not change the exit status. When a section of the\n"
    "file's extension (the materials, say) is damaged, the second line of the output says so and no\n"
    "member is judged.\n"
    "Exit status: 0 every file was computed through Case 3 without a message\n"
    "             1 a message was raised, the walk stopped early, or a section was\n"
    "               damaged, for some file\n"
    "             2 a file could not be read, or the arguments are wrong\n";

enum Status { AllPassed = 0, Stopped = 1, Unusable = 2 };

void report_error(const QString &reason)
{
    common::command_failure(QStringLiteral("tavrel --check"), reason, Unusable);
}

Status check_file(const QString &path, bool json, bool &printed)
{
    inputfile::TvlContents contents;
    inputfile::ExtensionNotes notes;
    const common::FileResult read = inputfile::read_tvl_file(path, contents, &notes);
    if (!read) {
        report_error(path + QStringLiteral(": ") + read.reason);
        return Unusable;
    }
    for (const QString &note : inputfile::extension_note_lines(notes))
        common::write_utf8(stderr, QStringLiteral("tavrel --check: ") + path + QStringLiteral(": ") + note + u'\n');
    const CheckRun run = check_contents(path, contents, notes);
    if (printed && !json)
        common::write_utf8(stdout, QStringLiteral("\n"));
    printed = true;
    common::write_utf8(stdout, json ? QString::fromUtf8(run.json) : run.plain);
    return run.passed ? AllPassed : Stopped;
}


int run(int argc, char *argv[], const common::CommandLine &line)
{
    if (line.operands.isEmpty()) {
        report_error(QStringLiteral(".tvl ファイルが必要です / no .tvl file given (--help)"));
        return Unusable;
    }
    QCoreApplication app(argc, argv);
    Status status = AllPassed;
    bool printed = false;
    for (const QString &path : line.operands)
        status = std::max(status, check_file(path, line.has(QStringLiteral("--json")), printed));
    std::fflush(stdout);
    return status;
}

} // namespace

common::ProgramCommand check_command()
{
    return {QStringLiteral("--check"), help_text, run};
}
