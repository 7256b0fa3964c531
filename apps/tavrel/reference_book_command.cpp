#include "apps/tavrel/reference_book_command.h"

#include "common/command_line.h"
#include "common/command_output.h"
#include "book/reference_book.h"
#include "printing/pdf_output.h"
#include "printing/report_application.h"

namespace {

const char help_text[] =
    "使い方: tavrel --reference-book OUT.pdf\n"
    "\n"
    "ランチャーの「参考図書：「Tavrel」(PDF)」とヘルプの「Tavrel(PDF)」が開く参考図書を、報告書と同じ描き方で\n"
    "A4 の PDF にして OUT.pdf に書きます。計算例の値、メッセージ、式の図はこのプログラム自身のものです。\n"
    "章と節はしおりになります。画面は使いません。\n"
    "OUT.pdf が - のときは標準出力に書き、ページ数の行は標準エラー出力に出します。\n"
    "終了コード: 0 書けた / 2 引数の誤り、ファイルが書けない。\n"
    "\n"
    "Usage: tavrel --reference-book OUT.pdf\n"
    "\n"
    "Writes the reference book that the launcher's first button and the help menu open, drawn by the\n"
    "report renderer, as an A4 PDF to OUT.pdf; its worked examples, messages and formula pictures are\n"
    "this program's own. Its chapters and their sections are the PDF's bookmarks. Needs no display.\n"
    "\"-\" for OUT.pdf is the standard output; the line with the page count then goes to standard error.\n"
    "Exit status: 0 written; 2 wrong arguments or a file that could not be written.\n";

int fail(const QString &reason)
{
    return common::command_failure(QStringLiteral("tavrel --reference-book"), reason, 2);
}


// The book's title and its bookmarks: each chapter, and below it its sections, each opening a
// little above its title.
printing::PdfDescription outline(const book::ReferenceBook &book)
{
    constexpr int above = 120;
    printing::PdfDescription description;
    description.title = book::reference_book_title;
    for (const book::Chapter &chapter : book.chapters) {
        description.bookmarks.append({chapter.title, chapter.page, chapter.top - above, 0});
        for (const book::Section &section : chapter.sections)
            description.bookmarks.append({section.title, section.page, section.top - above, 1});
    }
    return description;
}

int run(int argc, char *argv[], const common::CommandLine &line)
{
    if (line.operands.size() != 1)
        return fail(QStringLiteral("OUT.pdf が必要です / OUT.pdf expected (--help)"));
    const QString pdf_path = common::output_file(line.operands[0]);

    const auto app = printing::start_report_application(argc, argv);

    const book::ReferenceBook book = book::reference_book();
    QString error;
    if (!printing::write_report_pdf(pdf_path, book.pages, outline(book), &error))
        return fail(pdf_path + QStringLiteral(": ") + error);
    common::write_utf8(common::line_stream({pdf_path}),
                       pdf_path + QStringLiteral(": %1 ページ / pages\n").arg(book.pages.size()));
    return 0;
}

} // namespace

common::ProgramCommand reference_book_command()
{
    return {QStringLiteral("--reference-book"), help_text, run};
}
