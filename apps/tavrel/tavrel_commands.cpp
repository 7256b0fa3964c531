#include "apps/tavrel/tavrel_commands.h"

#include "apps/tavrel/batch_command.h"
#include "apps/tavrel/check_command.h"
#include "apps/tavrel/companion_paths.h"
#include "apps/tavrel/design_command.h"
#include "apps/tavrel/document_command.h"
#include "apps/tavrel/pdf_command.h"
#include "apps/tavrel/reference_book_command.h"
#include "apps/tavrel/window_pictures_command.h"
#include "common/command_output.h"
#include "common/program_title.h"

namespace {

const char help_text[] =
    "使い方: tavrel [ファイル.tvl]\n"
    "        tavrel --check [--json] ファイル.tvl...\n"
    "        tavrel --design [--json] ファイル.tvl [--write OUT.tvl [--in-place] [--force]]\n"
    "        tavrel --pdf [--force] OUT.pdf ファイル.tvl\n"
    "        tavrel --document [--force] OUT.pdf ファイル.tvl\n"
    "        tavrel --batch 表.csv --base 基本.tvl [--design] [--force] --out 結果.csv|.xlsx|.pdf...\n"
    "        tavrel --reference-book [--force] OUT.pdf --pictures DIR\n"
    "        tavrel --window-pictures DIR\n"
    "\n"
    "プレキャストＵ型フルームの構造計算（主働土圧、浮上り・支持力、ケース.1～3）を行います。\n"
    "引数なしでランチャーの画面を開きます。ファイルを指定するとその入力値でフルームの画面も開き、\n"
    "Tavrel が既に起動しているときはそのファイルを起動中の Tavrel で開きます。\n"
    "  --check     画面を開かずに .tvl ファイルを計算します（tavrel --check --help）。\n"
    "  --design    画面を開かずに部材ごとの鉄筋を選びます（自動配筋、tavrel --design --help）。\n"
    "  --pdf       画面を開かずに報告書を PDF に書きます（tavrel --pdf --help）。\n"
    "  --document  画面を開かずに構造計算書を PDF に書きます（tavrel --document --help）。\n"
    "  --batch     表のフルームをまとめて検討し、結果を CSV、.xlsx、PDF に書きます\n"
    "              （tavrel --batch --help）。\n"
    "  --reference-book  参考図書を PDF に書きます（tavrel --reference-book --help）。\n"
    "  --window-pictures  参考図書に載せる画面の図を描きます（tavrel --window-pictures --help）。\n"
    "  --help      この説明を表示します。\n"
    "  --version   バージョンと、参考図書と Morvik の場所を表示します。\n"
    "\n"
    "Usage: tavrel [FILE.tvl]\n"
    "       tavrel --check [--json] FILE.tvl...\n"
    "       tavrel --design [--json] FILE.tvl [--write OUT.tvl [--in-place] [--force]]\n"
    "       tavrel --pdf [--force] OUT.pdf FILE.tvl\n"
    "       tavrel --document [--force] OUT.pdf FILE.tvl\n"
    "       tavrel --batch TABLE.csv --base BASE.tvl [--design] [--force] --out RESULT.csv|.xlsx|.pdf...\n"
    "       tavrel --reference-book [--force] OUT.pdf --pictures DIR\n"
    "       tavrel --window-pictures DIR\n"
    "\n"
    "Checks a precast U-shaped concrete flume (active earth pressure, uplift and bearing, Cases 1 to 3).\n"
    "Without arguments the launcher window opens. With a file, the flume window also opens with its\n"
    "inputs; when Tavrel is already running, the file is opened there instead.\n"
    "  --check     computes .tvl files without a display (tavrel --check --help).\n"
    "  --design    chooses each member's bars without a display (自動配筋, tavrel --design --help).\n"
    "  --pdf       writes the reports as PDF without a display (tavrel --pdf --help).\n"
    "  --document  writes the structural calculation document as PDF without a display\n"
    "              (tavrel --document --help).\n"
    "  --batch     checks the flumes of a table at once and writes the results as CSV, .xlsx or PDF\n"
    "              (tavrel --batch --help).\n"
    "  --reference-book  writes the reference book as PDF (tavrel --reference-book --help).\n"
    "  --window-pictures  draws the pictures of the windows for the book (tavrel --window-pictures --help).\n"
    "  --help      shows this text.\n"
    "  --version   shows the version, and where the reference book and Morvik are found.\n";

} // namespace

common::ProgramCommands tavrel_commands()
{
    return {
        QStringLiteral("tavrel"),
        QStringLiteral("Tavrel"),
        common::version_number,
        help_text,
        {{QStringLiteral("--json"), false, {QStringLiteral("--check"), QStringLiteral("--design")}},
         {QStringLiteral("--write"), true, {QStringLiteral("--design")}},
         {QStringLiteral("--in-place"), false, {QStringLiteral("--design")}},
         {QStringLiteral("--pictures"), true, {QStringLiteral("--reference-book")}},
         {QStringLiteral("--base"), true, {QStringLiteral("--batch")}},
         {QStringLiteral("--out"), true, {QStringLiteral("--batch")}},
         {QStringLiteral("--encoding"), true, {QStringLiteral("--batch")}},
         {QStringLiteral("--design"), false, {QStringLiteral("--batch")}},
         {common::force_option, false,
          {QStringLiteral("--pdf"), QStringLiteral("--document"), QStringLiteral("--reference-book"), QStringLiteral("--design"),
           QStringLiteral("--batch")}}},
        {check_command(), design_command(), pdf_command(), document_command(), batch_command(), reference_book_command(),
         window_pictures_command()},
        companion_paths,
    };
}
