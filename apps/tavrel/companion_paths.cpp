#include "apps/tavrel/companion_paths.h"

#include "gui/tavrel/companion_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace {

// The path the launcher would open, or the places it would look in.
QString located(const QString &relative_path)
{
    const QString found = tavrel::find_companion(relative_path);
    if (!found.isEmpty())
        return QDir::toNativeSeparators(found);
    QStringList tried;
    for (const QString &candidate : tavrel::companion_candidates(relative_path))
        tried.append(QDir::toNativeSeparators(candidate));
    return QStringLiteral("見つかりません / not found (") + tried.join(QStringLiteral(", ")) + u')';
}

} // namespace

QString companion_paths(int argc, char *argv[])
{
    // The folder of the program, its links resolved, comes from the application object.
    QCoreApplication app(argc, argv);
    return QStringLiteral("参考図書 / reference book: ") + located(tavrel::reference_pdf_path) + u'\n'
           + QStringLiteral("Morvik: ") + located(tavrel::morvik_path) + u'\n';
}
