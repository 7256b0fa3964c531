#include "apps/tavrel/reference_book_command.h"

#include "common/command_line.h"
#include "common/command_output.h"
#include "common/safe_file_write.h"
#include "common/same_file.h"
#include "book/reference_book.h"
#include "printing/pdf_output.h"
#include "printing/report_application.h"

#include <QPageSize>

namespace {

const char help_text[] =
    "使い方: tavrel --reference-book OUT.pdf [--outline OUT.txt]\n"
    "\n"
    "ランチャーの「参考図書：「Tavrel」(PDF)」とヘルプの「Tavrel(PDF)」が開く参考図書を、報告書と同じ描き方で\n"
    "A4 の PDF にして OUT.pdf に書きます。計算例の値、メッセージ、式の図はこのプログラム自身のものです。\n"
    "画面は使いません。--outline を付けると、1 行目に本の題名、続けて章ごとに「ページ<TAB>上端(pt)<TAB>\n"
    "章の題名」の行を OUT.txt に書きます（ビルドで PDF のしおりと題名を付けるのに使います）。\n"
    "OUT.pdf や OUT.txt が - のときは標準出力に書き、ページ数の行は標準エラー出力に出します。\n"
    "終了コード: 0 書けた / 2 引数の誤り、ファイルが書けない、OUT.pdf と OUT.txt が同じファイル。\n"
    "\n"
    "Usage: tavrel --reference-book OUT.pdf [--outline OUT.txt]\n"
    "\n"
    "Writes the reference book that the launcher's first button and the help menu open, drawn by the\n"
    "report renderer, as an A4 PDF to OUT.pdf; its worked examples, messages and formula pictures are\n"
    "this program's own. Needs no display. With --outline, also writes the book's title and then one\n"
    "line per chapter to OUT.txt: page (from 1), top in PDF points from the bottom of the page, and\n"
    "title, separated by tabs; the build turns them into the PDF's bookmarks and title.\n"
    "\"-\" for OUT.pdf or OUT.txt is the standard output; the line with the page count then goes to\n"
    "standard error.\n"
    "Exit status: 0 written; 2 wrong arguments, a file that could not be written, or OUT.pdf and\n"
    "OUT.txt naming the same file.\n";

int fail(const QString &reason)
{
    return common::command_failure(QStringLiteral("tavrel --reference-book"), reason, 2);
}


int run(int argc, char *argv[], const common::CommandLine &line)
{
    if (line.operands.size() != 1)
        return fail(QStringLiteral("OUT.pdf が必要です / OUT.pdf expected (--help)"));
    const QString pdf_path = common::output_file(line.operands[0]);
    const QString outline_path = common::output_file(line.values.value(QStringLiteral("--outline")));
    if (!outline_path.isEmpty() && common::is_same_file(pdf_path, outline_path))
        return fail(outline_path + QStringLiteral(": OUT.pdf と同じファイルです / the outline is OUT.pdf"));

    const auto app = printing::start_report_application(argc, argv);

    const book::ReferenceBook book = book::reference_book();
    QString error;
    if (!printing::write_report_pdf(pdf_path, book.pages, book::reference_book_title, &error))
        return fail(pdf_path + QStringLiteral(": ") + error);

    if (!outline_path.isEmpty()) {
        // PDF places y upwards from the bottom of the page; the report origin lies pdf_origin_twips
        // from the top-left corner of the paper.
        const double page_height = QPageSize(QPageSize::A4).sizePoints().height();
        QString lines = book::reference_book_title + u'\n';
        for (const book::Chapter &chapter : book.chapters) {
            const double top = page_height - (printing::pdf_origin_twips + chapter.top) / 20.0 + 6;
            lines += QStringLiteral("%1\t%2\t%3\n").arg(chapter.page + 1).arg(qRound(top)).arg(chapter.title);
        }
        if (const common::FileResult written = common::write_file_safely(outline_path, lines.toUtf8()); !written)
            return fail(outline_path + QStringLiteral(": ") + written.reason);
    }
    common::write_utf8(common::line_stream({pdf_path, outline_path}),
                       pdf_path + QStringLiteral(": %1 ページ / pages\n").arg(book.pages.size()));
    return 0;
}

} // namespace

common::ProgramCommand reference_book_command()
{
    return {QStringLiteral("--reference-book"), help_text, run};
}
