#include "apps/tavrel/reference_book_command.h"

#include "apps/tavrel/check_output.h"
#include "apps/tavrel/tavrel_commands.h"
#include "book/reference_book.h"
#include "book/worked_example.h"
#include "common/command_line.h"
#include "common/command_output.h"
#include "common/same_file.h"
#include "common/recovery_copy.h"
#include "gui/common/exit_question.h"
#include "gui/common/window_messages.h"
#include "inputfile/file_commands.h"
#include "gui/print_dialog/print_dialog.h"
#include "gui/tavrel/batch_window.h"
#include "gui/tavrel/companion_files.h"
#include "gui/tavrel/single_instance.h"
#include "inputfile/tvl_file.h"
#include "printing/pdf_output.h"
#include "printing/report_application.h"

#include <QDir>
#include <QImage>
#include <QProcess>

namespace {

const char help_text[] =
    "使い方: tavrel --reference-book [--force] OUT.pdf --pictures DIR\n"
    "\n"
    "ランチャーの「参考図書：「Tavrel」(PDF)」とヘルプの「Tavrel(PDF)」が開く参考図書を、報告書と同じ描き方で\n"
    "A4 の PDF にして OUT.pdf に書きます。計算例の値、確かめる条件、メッセージ、式の図、コマンドの説明は\n"
    "このプログラムと Morvik 自身のものです。画面の図は DIR から読みます（tavrel --window-pictures DIR で\n"
    "描いたもの）。画面は使いません。図、メッセージの説明、参照先のどれかが欠けていると、その理由を示して\n"
    "書きません。章と節は PDF のしおりに、目次と参照はリンクになります。\n"
    "OUT.pdf が - のときは標準出力に書き、ページ数の行は標準エラー出力に出します。読み取り専用の\n"
    "OUT.pdf は、--force を付けたときだけ置き換えます。\n"
    "終了コード: 0 書けた / 2 引数の誤り、欠けているものがある、ファイルが書けない。\n"
    "\n"
    "Usage: tavrel --reference-book [--force] OUT.pdf --pictures DIR\n"
    "\n"
    "Writes the reference book that the launcher's first button and the help menu open, drawn by the\n"
    "report renderer, as an A4 PDF to OUT.pdf; its worked examples, stated rules, messages, formulas and\n"
    "command help are this program's and Morvik's own. The pictures of the windows are read from DIR\n"
    "(as tavrel --window-pictures DIR draws them). Needs no display. When a picture, a message's\n"
    "explanation or a reference's target is missing, says what and writes nothing. The chapters and\n"
    "their sections are the PDF's bookmarks, the contents and the references its links. \"-\" for\n"
    "OUT.pdf is the standard output; the line with the page count then goes to standard error. A\n"
    "read-only OUT.pdf is replaced only with --force.\n"
    "Exit status: 0 written; 2 wrong arguments, something missing or a file that could not be written.\n";

int fail(const QString &reason)
{
    return common::command_failure(QStringLiteral("tavrel --reference-book"), reason, 2);
}

// The pictures `tavrel --window-pictures` drew, by their names.
QHash<QString, QImage> window_pictures(const QDir &dir)
{
    QHash<QString, QImage> pictures;
    for (const QString &file : dir.entryList({QStringLiteral("*.png")}, QDir::Files))
        pictures.insert(QFileInfo(file).completeBaseName(), QImage(dir.filePath(file)));
    return pictures;
}

// The message boxes of the windows, as the windows' own code has them.
QList<book::WindowMessage> window_messages()
{
    const QString tavrel = QStringLiteral("Tavrel");
    const QString both = QStringLiteral("Tavrel・Morvik");
    return {
        {tavrel::already_running_message, tavrel, tavrel},
        {tavrel::lock_failed_message, tavrel, tavrel},
        {tavrel::message::file_not_found, tavrel::message::companion_title, tavrel},
        {tavrel::message::pdf_not_opened, tavrel::message::companion_title, tavrel},
        {tavrel::message::no_pdf_viewer, tavrel::message::companion_title, tavrel},
        {tavrel::message::program_not_started, tavrel::message::companion_title, tavrel},
        {tavrel::message::folder_not_found, tavrel::message::companion_title, tavrel},
        {print_dialog::message::print_failed, print_dialog::message::title, both},
        {print_dialog::message::pdf_not_saved, print_dialog::message::title, both},
        {gui::common::replace_read_only_question, inputfile::message::save_title, tavrel},
        {common::left_recovery_message, tavrel, tavrel},
        {common::left_recovery_message, QStringLiteral("Morvik"), QStringLiteral("Morvik")},
        {gui::common::replace_read_only_question, print_dialog::message::title, both},
        {gui::common::exit_question_text, gui::common::exit_question_title, both},
        {gui::common::save_question_text, gui::common::save_question_title, tavrel},
        {tavrel::batch_message::table_not_read, tavrel::batch_message::title, tavrel},
        {tavrel::batch_message::table_faults, tavrel::batch_message::title, tavrel},
        {tavrel::batch_message::no_rows, tavrel::batch_message::title, tavrel},
        {tavrel::batch_message::base_not_read, tavrel::batch_message::title, tavrel},
        {tavrel::batch_message::no_screen, tavrel::batch_message::title, tavrel},
        {tavrel::batch_message::not_saved, tavrel::batch_message::title, tavrel},
        {gui::common::replace_read_only_question, tavrel::batch_message::title, tavrel},
    };
}

// The help of Tavrel's commands from its own table, and Morvik's as Morvik prints it.
QList<book::CommandHelp> command_help(QString &problem)
{
    QList<book::CommandHelp> help;
    const common::ProgramCommands tavrel = tavrel_commands();
    help.append({QStringLiteral("tavrel"), QString::fromUtf8(tavrel.help_text)});
    for (const common::ProgramCommand &command : tavrel.commands)
        help.append({QStringLiteral("tavrel ") + command.option, QString::fromUtf8(command.help_text)});
    const QString morvik = tavrel::find_companion(tavrel::morvik_path);
    for (const QStringList &arguments : {QStringList{}, QStringList{QStringLiteral("--check")},
                                         QStringList{QStringLiteral("--pdf")}}) {
        QProcess process;
        process.start(morvik, arguments + QStringList{QStringLiteral("--help")});
        if (morvik.isEmpty() || !process.waitForFinished(30000) || process.exitCode() != 0) {
            problem = QStringLiteral("Morvik の説明を読めません / cannot read Morvik's help");
            continue;
        }
        help.append({(QStringList{QStringLiteral("morvik")} + arguments).join(u' '),
                     QString::fromUtf8(process.readAllStandardOutput())});
    }
    return help;
}

// The book's title, its chapters and sections as two levels of bookmarks, and its contents lines
// and references as links, each opening a little above the title of the part it leads to.
printing::PdfDescription pdf_description(const book::ReferenceBook &book)
{
    constexpr int above = 120;
    printing::PdfDescription description;
    description.title = book::reference_book_title;
    QHash<QString, book::OutlineEntry> parts;
    for (const book::OutlineEntry &entry : book.outline) {
        description.bookmarks.append({entry.title, entry.page, entry.top - above, entry.level - 1});
        parts.insert(entry.anchor, entry);
    }
    for (const book::PageLink &link : book.links) {
        if (link.to_page >= 0)
            description.links.append({link.page, link.rect, link.to_page, 0});
        else if (const auto part = parts.constFind(link.anchor); part != parts.cend())
            description.links.append({link.page, link.rect, part->page, part->top - above});
    }
    return description;
}

int run(int argc, char *argv[], const common::CommandLine &line)
{
    if (line.operands.size() != 1)
        return fail(QStringLiteral("OUT.pdf が必要です / OUT.pdf expected (--help)"));
    if (!line.has(QStringLiteral("--pictures")))
        return fail(QStringLiteral("--pictures DIR が必要です / --pictures DIR expected (--help)"));
    const QString pdf_path = common::output_file(line.operands[0]);
    const QDir pictures(line.values.value(QStringLiteral("--pictures")));
    for (const QString &picture : pictures.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        if (common::is_same_file(pdf_path, pictures.filePath(picture)))
            return fail(pdf_path + QStringLiteral(": 入力の図と同じファイルです / the output is one of the pictures"));
    }

    const auto app = printing::start_report_application(argc, argv);

    book::BookMaterial material;
    material.windows = window_pictures(pictures);
    material.window_messages = window_messages();
    QString problem;
    material.commands = command_help(problem);
    if (!problem.isEmpty())
        return fail(problem);
    // `tavrel --check` and `--check --json` on the worked example's file as it is saved and read back.
    inputfile::ExtensionNotes notes;
    const inputfile::TvlContents example = inputfile::parse_tvl_file_bytes(inputfile::tvl_file_bytes(book::example_file()), &notes);
    const CheckRun check = check_contents(QStringLiteral("example.tvl"), example, notes);
    material.check_output = check.plain;
    material.check_json = QString::fromUtf8(check.json);
    material.check_passed = check.passed;

    const book::ReferenceBook book = book::reference_book(material);
    if (!book.problems.isEmpty())
        return fail(QStringLiteral("参考図書が完全ではありません / the book is incomplete:\n  ") + book.problems.join(QStringLiteral("\n  ")));
    QString error;
    if (!printing::write_report_pdf(pdf_path, book.pages, pdf_description(book), &error, common::read_only_output(line)))
        return fail(pdf_path + QStringLiteral(": ") + common::output_failure_reason(error));
    common::write_utf8(common::line_stream({pdf_path}),
                       pdf_path + QStringLiteral(": %1 ページ / pages\n").arg(book.pages.size()));
    return 0;
}

} // namespace

common::ProgramCommand reference_book_command()
{
    return {QStringLiteral("--reference-book"), help_text, run};
}
