#include "gui/common/application_setup.h"

#include "gui/common/enter_key.h"
#include "gui/common/modal_focus.h"
#include "gui/common/screen_font.h"
#include "gui/common/screen_style.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gui::common {

namespace {

// Qt's Japanese translation (qtbase_ja.qm), whatever the user's locale, so that Qt's own dialogs
// (file dialogs, the overwrite question, page setup, the print preview) speak the language of the
// rest of the programs. Without it installed they stay in English.
void install_qt_translation(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void prepare_application(QApplication &app, const QString &program_name)
{
    QApplication::setApplicationName(program_name);
    QApplication::setStyle(new ScreenStyle(QApplication::style()->name()));
    install_screen_font(app);
    install_qt_translation(app);
    install_enter_presses_buttons(app);
    install_modal_focus(app);
}

} // namespace gui::common
