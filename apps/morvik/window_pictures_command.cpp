#include "apps/morvik/window_pictures_command.h"

#include "common/command_output.h"
#include "gui/common/application_setup.h"
#include "gui/morvik/section_window.h"
#include "rcstress/section_sheet.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

namespace {

const char help_text[] =
    "使い方: morvik --window-pictures DIR As b d M S U\n"
    "\n"
    "6 つの値を入力して「計算」を押した Morvik の画面を、参考図書に載せる図として DIR/morvik.png に\n"
    "描きます。画面は表示しません。Tavrel の tavrel --window-pictures が使います。\n"
    "終了コード: 0 書けた / 1 計算でメッセージが出た / 2 引数の誤り、書けない。\n"
    "\n"
    "Usage: morvik --window-pictures DIR As b d M S U\n"
    "\n"
    "Draws Morvik's window with the six values typed and \"計算\" pressed offscreen into DIR/morvik.png,\n"
    "for the reference book; tavrel --window-pictures uses it. Needs no display.\n"
    "Exit status: 0 written; 1 the calculation raised a message; 2 wrong arguments or not written.\n";

// Drawn at twice the size of a screen of 96 dots per inch, as Tavrel draws its windows.
constexpr int scale = 2;

int fail(const QString &reason, int status = 2)
{
    return common::command_failure(QStringLiteral("morvik --window-pictures"), reason, status);
}

int run(int argc, char *argv[], const common::CommandLine &line)
{
    if (line.operands.size() != 1 + rcstress::input_count)
        return fail(QStringLiteral("DIR と 6 つの値が必要です / DIR and six values expected (--help)"));
    const QDir dir(line.operands[0]);
    if (!QDir().mkpath(dir.path()))
        return fail(dir.path() + QStringLiteral(": フォルダーを作れません / cannot make the folder"));

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    gui::common::prepare_application(app, QStringLiteral("Morvik"));

    morvik::SectionWindow window;
    for (int i = 0; i < rcstress::input_count; ++i)
        window.sheet().set_text(rcstress::field_table[std::size_t(i)].field, line.operands[i + 1]);
    window.show();
    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    if (window.sheet().text(rcstress::Field::bond_stress).isEmpty())
        return fail(QStringLiteral("計算できませんでした / the section could not be calculated"), 1);
    QApplication::processEvents();
    QImage image = window.grab().toImage();
    const int dots_per_metre = qRound(96 * scale / 0.0254);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    if (!image.save(dir.filePath(QStringLiteral("morvik.png"))))
        return fail(dir.path() + QStringLiteral(": 図を書けません / cannot write the picture"));
    return 0;
}

} // namespace

common::ProgramCommand window_pictures_command()
{
    return {QStringLiteral("--window-pictures"), help_text, run};
}
