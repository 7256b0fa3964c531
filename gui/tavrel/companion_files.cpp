#include "gui/tavrel/companion_files.h"

#include "gui/common/window_messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace shell {

QString companion_directory()
{
    const QString curdir = qEnvironmentVariable("curdir");
    return curdir.isEmpty() ? QDir::currentPath() : curdir;
}

QStringList companion_candidates(const QString &relative_path)
{
    QStringList candidates;
    for (const QString &dir : {companion_directory(), QCoreApplication::applicationDirPath()}) {
        const QString path = QDir::cleanPath(QDir(dir).absoluteFilePath(relative_path));
        if (!candidates.contains(path))
            candidates.append(path);
    }
    return candidates;
}

QString find_companion(const QString &relative_path)
{
    for (const QString &path : companion_candidates(relative_path)) {
        if (QFileInfo(path).isFile())
            return path;
    }
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
