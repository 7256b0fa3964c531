#include "apps/tavrel/reference_book_command.h"

#include "apps/tavrel/check_output.h"
#include "apps/tavrel/tavrel_commands.h"
#include "book/reference_book.h"
#include "book/worked_example.h"
#include "common/command_line.h"
#include "common/command_output.h"
#include "common/safe_file_write.h"
#include "common/same_file.h"
#include "flume/flume_sheet.h"
#include "gui/common/exit_question.h"
#include "gui/print_dialog/print_dialog.h"
#include "gui/tavrel/companion_files.h"
#include "gui/tavrel/single_instance.h"
#include "printing/pdf_output.h"
#include "printing/report_application.h"

#include <QDir>
#include <QImage>
#include <QPageSize>
#include <QProcess>

namespace {

const char help_text[] =
    "使い方: tavrel --reference-book OUT.pdf --pictures DIR [--outline OUT.txt]\n"
    "\n"
    "ランチャーの「参考図書：「Tavrel」(PDF)」とヘルプの「Tavrel(PDF)」が開く参考図書を、報告書と同じ描き方で\n"
    "A4 の PDF にして OUT.pdf に書きます。計算例の値、確かめる条件、メッセージ、式の図、コマンドの説明は\n"
    "このプログラムと Morvik 自身のものです。画面の図は DIR から読みます（tavrel --window-pictures DIR で\n"
    "描いたもの）。画面は使いません。図、メッセージの説明、参照先のどれかが欠けていると、その理由を示して\n"
    "書きません。--outline を付けると、1 行目に本の題名、続けて章ごとに「ページ<TAB>上端(pt)<TAB>章の題名」\n"
    "の行を OUT.txt に書きます（ビルドで PDF のしおりと題名を付けるのに使います）。\n"
    "OUT.pdf や OUT.txt が - のときは標準出力に書き、ページ数の行は標準エラー出力に出します。\n"
    "終了コード: 0 書けた / 2 引数の誤り、欠けているものがある、ファイルが書けない、OUT.pdf と OUT.txt が\n"
    "同じファイル。\n"
    "\n"
    "Usage: tavrel --reference-book OUT.pdf --pictures DIR [--outline OUT.txt]\n"
    "\n"
    "Writes the reference book that the launcher's first button and the help menu open, drawn by the\n"
    "report renderer, as an A4 PDF to OUT.pdf; its worked examples, stated rules, messages, formulas and\n"
    "command help are this program's and Morvik's own. The pictures of the windows are read from DIR\n"
    "(as tavrel --window-pictures DIR draws them). Needs no display. When a picture, a message's\n"
    "explanation or a reference's target is missing, says what and writes nothing. With --outline, also\n"
    "writes the book's title and then one line per chapter to OUT.txt: page (from 1), top in PDF points\n"
    "from the bottom of the page, and title, separated by tabs; the build turns them into the PDF's\n"
    "bookmarks and title. \"-\" for OUT.pdf or OUT.txt is the standard output; the line with the page\n"
    "count then goes to standard error.\n"
    "Exit status: 0 written; 2 wrong arguments, something missing, a file that could not be written, or\n"
    "OUT.pdf and OUT.txt naming the same file.\n";

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
        {shell::already_running_message, tavrel, tavrel},
        {shell::lock_failed_message, tavrel, tavrel},
        {shell::message::file_not_found, shell::message::companion_title, tavrel},
        {shell::message::pdf_not_opened, shell::message::companion_title, tavrel},
        {shell::message::no_pdf_viewer, shell::message::companion_title, tavrel},
        {shell::message::program_not_started, shell::message::companion_title, tavrel},
        {shell::message::folder_not_found, shell::message::companion_title, tavrel},
        {print_dialog::message::print_failed, print_dialog::message::title, both},
        {print_dialog::message::pdf_not_saved, print_dialog::message::title, both},
        {widgets::exit_question_text, widgets::exit_question_title, both},
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
    const QString morvik = shell::find_companion(shell::morvik_path);
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

int run(int argc, char *argv[], const common::CommandLine &line)
{
    if (line.operands.size() != 1)
        return fail(QStringLiteral("OUT.pdf が必要です / OUT.pdf expected (--help)"));
    if (!line.has(QStringLiteral("--pictures")))
        return fail(QStringLiteral("--pictures DIR が必要です / --pictures DIR expected (--help)"));
    const QString pdf_path = common::output_file(line.operands[0]);
    const QString outline_path = common::output_file(line.values.value(QStringLiteral("--outline")));
    if (!outline_path.isEmpty() && common::is_same_file(pdf_path, outline_path))
        return fail(outline_path + QStringLiteral(": OUT.pdf と同じファイルです / the outline is OUT.pdf"));

    const auto app = printing::start_report_application(argc, argv);

    book::BookMaterial material;
    material.windows = window_pictures(QDir(line.values.value(QStringLiteral("--pictures"))));
    material.window_messages = window_messages();
    QString problem;
    material.commands = command_help(problem);
    if (!problem.isEmpty())
        return fail(problem);
    // `tavrel --check` and `--check --json` on the worked example's file, as they print it.
    flume::FlumeSheet sheet;
    common::MessageRecorder recorder;
    const flume::FullCheckOutcome outcome = flume::run_full_check(sheet, book::example_input_texts(), recorder);
    QList<PageMessage> messages;
    for (const common::Message &message : recorder.messages)
        messages.append({sheet.current_page(), message});
    // The example file holds the 25 inputs only.
    const members::MemberCheckReport member_check = members::check_members({}, sheet);
    const CheckedFile example{QStringLiteral("example.tvl"), sheet, outcome, messages, member_check, false};
    material.check_output = plain_report(example);
    material.check_json = QString::fromUtf8(json_report(example));

    const book::ReferenceBook book = book::reference_book(material);
    if (!book.problems.isEmpty())
        return fail(QStringLiteral("参考図書が完全ではありません / the book is incomplete:\n  ") + book.problems.join(QStringLiteral("\n  ")));
    QString error;
    if (!printing::write_report_pdf(pdf_path, book.pages, book::reference_book_title, &error))
        return fail(pdf_path + QStringLiteral(": ") + error);

    if (!outline_path.isEmpty()) {
        // PDF places y upwards from the bottom of the page; the report origin lies pdf_origin_twips
        // from the top-left corner of the paper.
        const double page_height = QPageSize(QPageSize::A4).sizePoints().height();
        QString lines = book::reference_book_title + u'\n';
        for (const book::OutlineEntry &entry : book.outline) {
            if (entry.level != 1)
                continue;
            const double top = page_height - (printing::pdf_origin_twips + entry.top) / 20.0 + 6;
            lines += QStringLiteral("%1\t%2\t%3\n").arg(entry.page + 1).arg(qRound(top)).arg(entry.title);
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
