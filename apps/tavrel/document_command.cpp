#include "apps/tavrel/document_command.h"

#include "apps/tavrel/walked_file.h"

#include "common/command_output.h"
#include "printing/calculation_document.h"
#include "printing/pdf_output.h"

#include <QDate>

namespace {

const char help_text[] =
    "使い方: tavrel --document [--force] OUT.pdf FILE.tvl\n"
    "\n"
    "FILE.tvl の入力を画面に入れ、tavrel --check と同じ順にページを開いて「計算」を押し、\n"
    "構造計算書（表紙、目次、結果一覧、設計条件、結果の出たページの報告書、部材の応力度照査）\n"
    "を A4 縦の PDF にして OUT.pdf に書きます。表紙の工事名などは FILE.tvl の「計算書の設定」\n"
    "から、材料と部材は FILE.tvl の部材の応力度照査のデータから取り、作成日が決められていなければ\n"
    "今日の日付にします。計算できなかった章は目次に「未計算」とその理由が載ります。\n"
    "画面は使いません。OUT.pdf が - のときは標準出力に書き、ほかの行は標準エラー出力に出します。\n"
    "読み取り専用の OUT.pdf は、--force を付けたときだけ置き換えます。\n"
    "終了コード: 0 ケース.3まで計算できた / 1 メッセージで止まった、またはファイルの続きが壊れていた\n"
    "            （計算書は書きます。壊れた使用材料などでは部材を判定しません）/\n"
    "            2 引数の誤り、ファイルが読めない、PDF が書けない、OUT.pdf が FILE.tvl と同じ。\n"
    "\n"
    "Usage: tavrel --document [--force] OUT.pdf FILE.tvl\n"
    "\n"
    "Puts the inputs of FILE.tvl into the flume window's fields, walks the pages as tavrel --check\n"
    "does, and writes the structural calculation document (cover, contents, summary of the\n"
    "judgements, design conditions, the report of every page whose results are shown and the member\n"
    "check) as an A4 portrait PDF to OUT.pdf. The cover's works name and the rest come from the\n"
    "file's document settings, the materials and members from its member check data; without a\n"
    "fixed date the document bears today's. A chapter not reached is listed in the contents as\n"
    "未計算 with the reason. Needs no display.\n"
    "\"-\" for OUT.pdf is the standard output; the command's lines then go to standard error.\n"
    "A read-only OUT.pdf is replaced only with --force.\n"
    "Exit status: 0 the chain ran to Case 3 without a message; 1 a message stopped it, or a section of\n"
    "the file's extension was damaged (the document is written all the same; damaged materials or\n"
    "members judge nothing); 2 wrong arguments, an unreadable input file, a PDF that could not be\n"
    "written, or OUT.pdf naming FILE.tvl.\n";

int fail(int status, const QString &reason)
{
    return common::command_failure(QStringLiteral("tavrel --document"), reason, status);
}

int run(int argc, char *argv[], const common::CommandLine &line)
{
    const std::unique_ptr<WalkedFile> walked = walk_file(QStringLiteral("tavrel --document"), argc, argv, line);
    if (!walked)
        return 2;
    const printing::PrintDocument document = printing::calculation_document(walked->walk, walked->contents.members,
                                                                                walked->contents.document, QDate::currentDate());
    QString error;
    if (!printing::write_report_pdf(walked->out_path, document.pages, document.description, &error,
                                    common::read_only_output(line)))
        return fail(2, walked->out_path + QStringLiteral(": ") + common::output_failure_reason(error));
    common::write_utf8(walked->lines, walked->out_path + QStringLiteral(": %1 ページ / pages\n").arg(document.pages.size()));
    return walked->status();
}

} // namespace

common::ProgramCommand document_command()
{
    return {QStringLiteral("--document"), help_text, run};
}
