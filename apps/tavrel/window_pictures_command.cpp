#include "apps/tavrel/window_pictures_command.h"

#include "book/worked_example.h"
#include "common/command_output.h"
#include "flume/flume_sheet.h"
#include "flume/full_check.h"
#include "flume/page_chain.h"
#include "flume/sheet_inputs.h"
#include "flume/captions.h"
#include "gui/common/application_setup.h"
#include "gui/print_dialog/print_dialog.h"
#include "gui/tavrel/about_box.h"
#include "gui/tavrel/batch_window.h"
#include "gui/tavrel/companion_files.h"
#include "gui/tavrel/flume_window.h"
#include "gui/tavrel/launcher.h"
#include "gui/tavrel/member_check_window.h"
#include "members/member_sheet.h"
#include "printing/flume_reports.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QScrollBar>

namespace {

const char help_text[] =
    "使い方: tavrel --window-pictures DIR\n"
    "\n"
    "参考図書に載せる画面の図を、参考図書の計算例を入力した Tavrel の画面から描き、DIR に PNG ファイルで\n"
    "書きます（ランチャー、計算画面の各ページ、部材の応力度照査、印刷の画面、バージョン情報、一括計算）。\n"
    "Morvik の画面は Morvik が描きます（morvik --window-pictures）。画面は表示しません。\n"
    "終了コード: 0 書けた / 2 引数の誤り、書けない、Morvik が描けなかった。\n"
    "\n"
    "Usage: tavrel --window-pictures DIR\n"
    "\n"
    "Draws the windows of Tavrel, holding the reference book's worked example, offscreen into PNG files\n"
    "in DIR for the book (the launcher, each page of the flume window, the member check, the print\n"
    "dialog, the About box, 一括計算); Morvik draws its own (morvik --window-pictures). Needs no display.\n"
    "Exit status: 0 written; 2 wrong arguments, a file that could not be written, or Morvik failed.\n";

// The pictures are drawn at twice the size of a screen of 96 dots per inch, and say so.
constexpr int scale = 2;

int fail(const QString &reason)
{
    return common::command_failure(QStringLiteral("tavrel --window-pictures"), reason, 2);
}

bool save(QWidget *window, const QDir &dir, const QString &name)
{
    QApplication::processEvents();
    QImage image = window->grab().toImage();
    const int dots_per_metre = qRound(96 * scale / 0.0254);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    return image.save(dir.filePath(name + QStringLiteral(".png")));
}

int run(int argc, char *argv[], const common::CommandLine &line)
{
    if (line.operands.size() != 1)
        return fail(QStringLiteral("DIR が必要です / DIR expected (--help)"));
    const QDir dir(line.operands[0]);
    if (!QDir().mkpath(dir.path()))
        return fail(dir.path() + QStringLiteral(": フォルダーを作れません / cannot make the folder"));

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    // The windows' own set-up, face included, as they show on the screen: their captions are
    // padded with blanks to its widths.
    gui::common::prepare_application(app, QStringLiteral("Tavrel"));

    bool saved = true;
    tavrel::Launcher launcher;
    launcher.show();
    saved = saved && save(&launcher, dir, QStringLiteral("launcher"));

    // The flume window as a user leaves it on each page of the worked example.
    auto *window = launcher.show_flume_window();
    flume::FlumeSheet &sheet = window->sheet();
    flume::put_input_texts(sheet, book::example_input_texts());
    saved = saved && save(window, dir, QStringLiteral("flume-shape-input"));
    common::MessageRecorder messages;
    const struct {
        flume::Page page;
        const char *name;
    } pages[] = {
        {flume::Page::EarthPressure, "flume-earth-pressure"}, {flume::Page::UpliftBearing, "flume-uplift-bearing"},
        {flume::Page::Case1, "flume-case1"},                  {flume::Page::Case2, "flume-case2"},
        {flume::Page::Case3, "flume-case3"},
    };
    for (const auto &page : pages) {
        flume::open_page(sheet, page.page);
        for (flume::Calculation press : flume::page_calculations(page.page))
            press(sheet, messages);
        if (page.page == flume::Page::Case1) {
            saved = saved && save(window, dir, QString::fromLatin1(page.name));
            auto *scroll = window->findChild<QScrollBar *>(QStringLiteral("VScroll1"));
            scroll->setValue(scroll->maximum());
            saved = saved && save(window, dir, QStringLiteral("flume-case1-lower"));
            scroll->setValue(0);
            continue;
        }
        saved = saved && save(window, dir, QString::fromLatin1(page.name));
    }
    // The member check of the worked example, with the Cases computed.
    window->member_sheet().set_inputs(book::example_member_inputs());
    auto *member_check = new tavrel::MemberCheckWindow(window->member_sheet(), window);
    member_check->resize(member_check->whole_size());
    member_check->show();
    saved = saved && save(member_check, dir, QStringLiteral("member-check"));
    member_check->close();

    if (!messages.messages.isEmpty())
        return fail(QStringLiteral("計算例でメッセージが出ました / the worked example raised: ") + messages.messages.first().text);

    flume::open_page(sheet, flume::Page::EarthPressure);
    QWidget *dialog = print_dialog::open_print_dialog(window, 1, flume::report_title(flume::Page::EarthPressure), [window] {
        return printing::flume_report(flume::Page::EarthPressure, printing::snapshot(window->sheet()));
    });
    saved = saved && save(dialog, dir, QStringLiteral("print-dialog"));
    dialog->close();

    tavrel::AboutBox about(window);
    about.show();
    saved = saved && save(&about, dir, QStringLiteral("about-box"));

    // 一括計算 with the book's product range over the worked example, its member check included.
    tavrel::BatchWindow batch(window);
    batch.put_table(book::batch_example_table());
    batch.show();
    QEventLoop computing;
    QObject::connect(&batch, &tavrel::BatchWindow::computed, &computing, &QEventLoop::quit);
    batch.compute();
    computing.exec();
    saved = saved && save(&batch, dir, QStringLiteral("batch-window"));
    if (!saved)
        return fail(dir.path() + QStringLiteral(": 図を書けません / cannot write the pictures"));

    // Morvik draws its own window, with the side wall of Case 1 as the book's example has it.
    const QString morvik = tavrel::find_companion(tavrel::morvik_path);
    if (morvik.isEmpty())
        return fail(QStringLiteral("Morvik が見つかりません / Morvik not found"));
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(morvik, QStringList{QStringLiteral("--window-pictures"), dir.path()} + book::morvik_example().inputs);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return fail(QStringLiteral("Morvik が画面の図を描けませんでした / Morvik could not draw its window"));
    return 0;
}

} // namespace

common::ProgramCommand window_pictures_command()
{
    return {QStringLiteral("--window-pictures"), help_text, run};
}
