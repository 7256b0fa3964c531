#include "gui/common/dialog_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QMimeDatabase>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTreeView>

namespace gui::common {

namespace {

const QString folder_key = QStringLiteral("dialogs/folder");
// One settings file per program, both under "Tavrel" in the user's configuration folder.
const QString settings_folder = QStringLiteral("Tavrel");

// The kernel's views of processes, devices and the system: their entries are not files a user
// keeps reports in, and some of them block whoever reads them.
bool in_pseudo_file_system(const QString &folder)
{
    const QString path = QFileInfo(folder).canonicalFilePath();
    for (const QString &root : {QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev")}) {
        if (path == root || path.startsWith(root + QLatin1Char('/')))
            return true;
    }
    return false;
}

// Icons and types by name alone: a folder icon for a folder, a file icon for anything else, and
// the type its extension names. Qt's own provider reads a file whose name says nothing of its
// type, and a read of /proc/kmsg never returns.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo &info) const override
    {
        return icon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
    }

    QString type(const QFileInfo &info) const override
    {
        // Qt's translation has the words under its file dialog's name.
        if (info.isDir())
            return QCoreApplication::translate("QFileDialog", info.isRoot() ? "Drive" : "Folder");
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType type = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        return type.comment().isEmpty() ? type.name() : type.comment();
    }
};

} // namespace

QString dialog_folder()
{
    const QSettings settings(QSettings::UserScope, settings_folder, QCoreApplication::applicationName());
    const QString kept = settings.value(folder_key).toString();
    if (!kept.isEmpty() && QFileInfo(kept).isDir() && !in_pseudo_file_system(kept))
        return kept;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void remember_dialog_folder(const QString &file)
{
    if (file.isEmpty())
        return;
    QSettings settings(QSettings::UserScope, settings_folder, QCoreApplication::applicationName());
    settings.setValue(folder_key, QFileInfo(file).absolutePath());
}

QString remembered_file(const QString &key)
{
    const QSettings settings(QSettings::UserScope, settings_folder, QCoreApplication::applicationName());
    const QString kept = settings.value(key).toString();
    return !kept.isEmpty() && QFileInfo(kept).isFile() ? kept : QString();
}

void remember_file(const QString &key, const QString &path)
{
    QSettings settings(QSettings::UserScope, settings_folder, QCoreApplication::applicationName());
    if (path.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, QFileInfo(path).absoluteFilePath());
}

void prepare_file_dialog(QFileDialog &dialog)
{
    static NameOnlyIconProvider names_only;
    dialog.setOptions(dialog.options() | QFileDialog::DontUseNativeDialog | QFileDialog::DontUseCustomDirectoryIcons);
    dialog.setIconProvider(&names_only);
    dialog.setDirectory(dialog_folder());

    // Large enough that the columns of the detail view show a size ("93.5 KiB"), a type and a date
    // and time whole beside a name of some length, and a score of files at once; within the screen.
    QSize size(900, 580);
    if (const QScreen *screen = dialog.screen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    dialog.resize(size);
    if (auto *view = dialog.findChild<QTreeView *>()) {
        const QFontMetrics metrics(view->font());
        const int padding = metrics.averageCharWidth() * 3;
        const QDateTime latest(QDate(2088, 12, 28), QTime(20, 28));
        const QString widest_date = QLocale::system().toString(latest, QLocale::ShortFormat);
        QHeaderView *header = view->header();
        header->resizeSection(0, metrics.averageCharWidth() * 60);
        header->resizeSection(1, metrics.horizontalAdvance(QLocale::system().formattedDataSize(999 * 1023)) + padding);
        header->resizeSection(2, metrics.horizontalAdvance(QStringLiteral("Tavrelファイル")) + padding);
        header->resizeSection(3, metrics.horizontalAdvance(widest_date) + padding);
    }
}

QString ask_for_file(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace gui::common
