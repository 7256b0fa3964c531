#include "gui/tavrel/companion_files.h"

#include "common/trusted_path.h"
#include "gui/common/window_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>
#include <QProcess>


namespace tavrel {

QString companion_directory()
{
    const QString curdir = qEnvironmentVariable("curdir");
    return curdir.isEmpty() ? QDir::currentPath() : curdir;
}

namespace {

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
    // "curdir" decides which program Tavrel runs only where nobody but the user or root could have
    // put it: the file and every folder above it.
    if (candidates.size() > 1 && QFileInfo(candidates[1]).isFile() && common::check_trusted(candidates[1]))
        return candidates[1];
    return {};
}

namespace {

void report(QWidget *owner, const QString &text, const QStringList &paths)
{
    gui::common::warning_box(owner, text + QLatin1Char('\n') + paths.join(QLatin1Char('\n')), message::companion_title);
}

// Whether the desktop has a program for PDF files, as xdg-open would choose it. Unknown (true) when
// xdg-mime cannot be asked: xdg-open then says itself whether it could open the file.
bool pdf_viewer_registered()
{
    QProcess query;
    query.setStandardErrorFile(QProcess::nullDevice());
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/pdf")});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished();
        return true;
    }
    return query.exitStatus() != QProcess::NormalExit || !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

void open_reference_pdf(QWidget *owner)
{
    const QString path = find_companion(reference_pdf_path);
    if (path.isEmpty()) {
        report(owner, message::file_not_found, companion_candidates(reference_pdf_path));
        return;
    }
    if (!pdf_viewer_registered()) {
        report(owner, message::pdf_not_opened + u'\n' + message::no_pdf_viewer, {path});
        return;
    }
    // xdg-open, unlike a desktop service call that reports success once it has started, ends with a
    // failure status when the viewer cannot be started; it may also run as long as the viewer does,
    // so it is watched without waiting. It has no parent, so that Tavrel's end does not kill it.
    auto *opener = new QProcess;
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    const QPointer<QWidget> window = owner;
    const auto failed = [opener, window, path] {
        report(window, message::pdf_not_opened, {path});
        opener->deleteLater();
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failed();
    });
    QObject::connect(opener, &QProcess::finished, opener, [opener, failed](int status, QProcess::ExitStatus how) {
        if (how != QProcess::NormalExit || status != 0)
            failed();
        else
            opener->deleteLater();
    });
    opener->start(QStringLiteral("xdg-open"), {path});
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

} // namespace tavrel
