// Morvik: stresses of a singly reinforced concrete section. "--check" and "--pdf" run without a
// display, as do "--help" and "--version"; otherwise the window opens, with the forces handed over
// by "--moment", "--shear", "--width" and "--member" filled in.
#include "apps/morvik/check_command.h"
#include "apps/morvik/pdf_command.h"
#include "apps/morvik/window_pictures_command.h"
#include "common/command_output.h"
#include "common/program_commands.h"
#include "common/program_title.h"
#include "common/section_forces.h"
#include "gui/morvik/section_window.h"
#include "gui/common/application_setup.h"
#include "gui/common/font_configuration.h"
#include "gui/common/window_messages.h"

#include <QApplication>

namespace {

const char help_text[] =
    "使い方: morvik [--moment M] [--shear S] [--width b] [--member 部材]\n"
    "        morvik --check [--json] As b d M S U\n"
    "        morvik --pdf [--force] OUT.pdf As b d M S U\n"
    "        morvik --window-pictures DIR As b d M S U\n"
    "\n"
    "単鉄筋コンクリート断面（単位幅）の応力度（P, k, j, σc, σs, τ, τo）を計算します。\n"
    "引数なしで画面を開きます。\n"
    "  --moment M  曲げモーメント Ｍ（N・ｃm）、\n"
    "  --shear S   せん断力 Ｓ（N）、\n"
    "  --width b   単位巾 ｂ（ｃm）を入力欄に入れて画面を開きます。「計算」を押すまで計算しません。\n"
    "  --member 部材  値を取り出した部材（例: \"ケース.1 側壁\"）をタイトルバーに添えます。\n"
    "  --check     画面を開かずに計算します（morvik --check --help）。\n"
    "  --pdf       画面を開かずに報告書を PDF に書きます（morvik --pdf --help）。\n"
    "  --window-pictures  参考図書に載せる画面の図を描きます（morvik --window-pictures --help）。\n"
    "  --help      この説明を表示します。\n"
    "  --version   バージョンを表示します。\n"
    "\n"
    "Usage: morvik [--moment M] [--shear S] [--width b] [--member MEMBER]\n"
    "       morvik --check [--json] As b d M S U\n"
    "       morvik --pdf [--force] OUT.pdf As b d M S U\n"
    "       morvik --window-pictures DIR As b d M S U\n"
    "\n"
    "Checks the stresses of a singly reinforced concrete section of unit width (P, k, j, σc, σs, τ, τo).\n"
    "Without arguments the window opens.\n"
    "  --moment M  the bending moment M (N·cm),\n"
    "  --shear S   the shear force S (N) and\n"
    "  --width b   the unit width b (cm) are typed into their fields when the window opens; nothing is\n"
    "              calculated until \"計算\" is pressed.\n"
    "  --member MEMBER  names the member the values come from (e.g. \"ケース.1 側壁\") in the title bar.\n"
    "  --check     computes without a display (morvik --check --help).\n"
    "  --pdf       writes the report as PDF without a display (morvik --pdf --help).\n"
    "  --window-pictures  draws the window for the reference book (morvik --window-pictures --help).\n"
    "  --help      shows this text.\n"
    "  --version   shows the version.\n";

} // namespace

int main(int argc, char *argv[])
{
    const common::ProgramCommands commands{
        QStringLiteral("morvik"),
        QStringLiteral("Morvik"),
        common::version_number,
        help_text,
        QList<common::OptionRule>{{QStringLiteral("--json"), false, {QStringLiteral("--check")}},
                                  {common::force_option, false, {QStringLiteral("--pdf")}}}
            + common::section_force_options(),
        {check_command(), pdf_command(), window_pictures_command()},
    };
    const common::CommandLineOutcome outcome = common::run_command_line(argc, argv, commands);
    if (outcome.status)
        return *outcome.status;
    const gui::common::FontConfigurationLoader fonts;
    QApplication app(argc, argv);
    gui::common::prepare_application(app, QStringLiteral("Morvik"));
    morvik::SectionWindow window;
    window.fill_forces(common::read_section_forces(outcome.line));
    window.show();
    gui::common::report_left_recovery_copies(&window, QApplication::applicationName());
    return app.exec();
}
