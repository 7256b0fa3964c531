#include "gui/tavrel/companion_files.h"

#include "common/file_names.h"
#include "gui/common/window_messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace shell {

QString companion_directory()
{
    const QString curdir = qEnvironmentVariable("curdir");
    return curdir.isEmpty() ? QDir::currentPath() : curdir;
}

namespace {

// Belongs to the user or to root, and nobody else may change it.
bool is_trusted(const QString &path)
{
    struct stat status {};
    return ::stat(common::native_name(path).constData(), &status) == 0
           && (status.st_uid == ::geteuid() || status.st_uid == 0) && (status.st_mode & 022) == 0;
}

// "curdir" decides which program Tavrel runs only where nobody but the user or root could have put
// it: the folder, each folder below it on the way and the file itself.
bool is_trusted_below(const QString &folder, const QString &relative_path)
{
    QString path = folder;
    if (!is_trusted(path))
        return false;
    for (const QString &part : relative_path.split(u'/')) {
        path += u'/' + part;
        if (!is_trusted(path))
            return false;
    }
    return true;
}

QString below(const QString &folder, const QString &relative_path)
{
    return QDir::cleanPath(QDir(folder).absoluteFilePath(relative_path));
}

} // namespace

QStringList companion_candidates(const QString &relative_path)
{
    QStringList candidates{below(QCoreApplication::applicationDirPath(), relative_path)};
    const QString curdir = qEnvironmentVariable("curdir");
    if (!curdir.isEmpty() && !candidates.contains(below(curdir, relative_path)))
        candidates.append(below(curdir, relative_path));
    return candidates;
}

QString find_companion(const QString &relative_path)
{
    const QStringList candidates = companion_candidates(relative_path);
    if (QFileInfo(candidates[0]).isFile())
        return candidates[0];
    if (candidates.size() > 1 && QFileInfo(candidates[1]).isFile()
        && is_trusted_below(qEnvironmentVariable("curdir"), relative_path))
        return candidates[1];
    return {};
}

namespace {

void report(QWidget *owner, const QString &text, const QStringList &paths)
{
    widgets::warning_box(owner, text + QLatin1Char('\n') + paths.join(QLatin1Char('\n')), message::companion_title);
}

} // namespace

void open_reference_pdf(QWidget *owner)
{
    const QString path = find_companion(reference_pdf_path);
    if (path.isEmpty()) {
        report(owner, message::file_not_found, companion_candidates(reference_pdf_path));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        report(owner, message::pdf_not_opened, {path});
}

void start_morvik(QWidget *owner, const QStringList &arguments)
{
    // Morvik runs in the companion directory; a "curdir" naming a folder that is not there is
    // reported as such, not as a program that failed to start.
    if (const QString directory = companion_directory(); !QFileInfo(directory).isDir()) {
        report(owner, message::folder_not_found, {directory});
        return;
    }
    const QString path = find_companion(morvik_path);
    if (path.isEmpty()) {
        report(owner, message::file_not_found, companion_candidates(morvik_path));
        return;
    }
    if (!QProcess::startDetached(path, arguments, companion_directory()))
        report(owner, message::program_not_started, {path});
}

} // namespace shell
