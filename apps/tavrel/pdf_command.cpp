#include "apps/tavrel/pdf_command.h"

#include "apps/tavrel/walked_file.h"

#include "common/command_output.h"
#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "printing/flume_reports.h"
#include "printing/pdf_output.h"
#include "printing/print_document.h"

#include <QFileInfo>
#include <QStringList>

namespace {

const char help_text[] =
    "使い方: tavrel --pdf [--force] OUT.pdf FILE.tvl\n"
    "\n"
    "FILE.tvl の 25 の入力を画面に入れ、tavrel --check と同じ順にページを開いて「計算」を押し、\n"
    "最後に印刷できる報告書（そのページの最後の結果が空でないもの）をページ順に 1 ページずつ\n"
    "A4 縦の PDF にして OUT.pdf に書きます。ファイルに部材の応力度照査のデータがあり、応力度の求まった\n"
    "部材があれば、ケース.3 の後にその報告書も書きます。画面は使いません。OUT.pdf が - のときは\n"
    "標準出力に書き、メッセージなどは標準エラー出力に出します。\n"
    "印刷できる報告書が一つもないときはファイルを書きません。読み取り専用の OUT.pdf は、--force を\n"
    "付けたときだけ置き換えます。\n"
    "終了コード: 0 ケース.3まで計算できた / 1 メッセージで止まった（または印刷できる報告書がない、\n"
    "            ファイルの続きが壊れていた）/\n"
    "            2 引数の誤り、ファイルが読めない、PDF が書けない、OUT.pdf が FILE.tvl と同じ。\n"
    "\n"
    "Usage: tavrel --pdf [--force] OUT.pdf FILE.tvl\n"
    "\n"
    "Puts the 25 inputs of FILE.tvl into the flume window's fields, walks the pages as tavrel --check\n"
    "does, and writes every report whose print entry is enabled at the end (its page's last result is\n"
    "not empty), in page order, one A4 portrait page each, to OUT.pdf; when the file carries member\n"
    "check data and some member has stresses, the member check's report follows Case 3. Needs no\n"
    "display. When no report can be printed, no file is written. A read-only OUT.pdf is replaced\n"
    "only with --force. OUT.pdf \"-\" is the standard output; the messages then go to standard error.\n"
    "Exit status: 0 the chain ran to Case 3 without a message; 1 a message stopped it (or nothing was\n"
    "printable, or a section of the file's extension was damaged); 2 wrong arguments, an unreadable\n"
    "input file, a PDF that could not be written, or OUT.pdf naming FILE.tvl.\n";

int fail(int status, const QString &reason)
{
    return common::command_failure(QStringLiteral("tavrel --pdf"), reason, status);
}


int run(int argc, char *argv[], const common::CommandLine &line)
{
    const std::unique_ptr<WalkedFile> walked = walk_file(QStringLiteral("tavrel --pdf"), argc, argv, line);
    if (!walked)
        return 2;
    const flume::FlumeSheet &sheet = *walked->walk.sheet;
    const inputfile::TvlContents &contents = walked->contents;

    // Each report as its print entry would print it: with its own page open, so that the carried
    // slots hold what that page copies. The member check comes only from a file that carries its
    // data, once some member has stresses.
    QList<printing::ReportPage> pages;
    QStringList titles;
    for (flume::Page page : printing::report_pages()) {
        if (page == flume::Page::MemberCheck) {
            const printing::FlumeSnapshot snapshot = printing::snapshot(sheet, contents.members);
            if (contents.members.entered() && snapshot.member_check.any_stresses()) {
                pages.append(printing::flume_report(page, snapshot));
                titles.append(flume::report_title(page));
            }
            continue;
        }
        if (sheet.text(flume::last_result(page)).isEmpty())
            continue;
        pages.append(printing::flume_report(page, printing::page_snapshot(sheet, page)));
        titles.append(flume::report_title(page));
    }
    if (pages.isEmpty())
        return fail(1, QStringLiteral("印刷できる報告書がないため、ファイルを書きませんでした / nothing printable, no file written"));

    QString error;
    const printing::PdfDescription description =
        printing::reports_description(titles, QFileInfo(walked->tvl_path).completeBaseName());
    if (!printing::write_report_pdf(walked->out_path, pages, description, &error, common::read_only_output(line)))
        return fail(2, walked->out_path + QStringLiteral(": ") + common::output_failure_reason(error));
    common::write_utf8(walked->lines, walked->out_path + QStringLiteral(": %1 ページ / pages\n").arg(pages.size()));
    return walked->status();
}

} // namespace

common::ProgramCommand pdf_command()
{
    return {QStringLiteral("--pdf"), help_text, run};
}
