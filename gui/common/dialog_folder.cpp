#include "gui/common/dialog_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace widgets {

namespace {

const QString folder_key = QStringLiteral("dialogs/folder");
// One settings file per program, both under "Tavrel" in the user's configuration folder.
const QString settings_folder = QStringLiteral("Tavrel");

} // namespace

QString dialog_folder()
{
    const QSettings settings(QSettings::UserScope, settings_folder, QCoreApplication::applicationName());
    const QString kept = settings.value(folder_key).toString();
    if (!kept.isEmpty() && QFileInfo(kept).isDir())
        return kept;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void remember_dialog_folder(const QString &chosen_file)
{
    if (chosen_file.isEmpty())
        return;
    QSettings settings(QSettings::UserScope, settings_folder, QCoreApplication::applicationName());
    settings.setValue(folder_key, QFileInfo(chosen_file).absolutePath());
}

} // namespace widgets
