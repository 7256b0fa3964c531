#include "apps/tavrel/version_command.h"

#include "common/command_output.h"
#include "common/program_title.h"
#include "shell/companion_files.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The path the launcher would open, or the places it would look in.
QString located(const QString &relative_path)
{
    const QString found = shell::find_companion(relative_path);
    if (!found.isEmpty())
        return QDir::toNativeSeparators(found);
    QStringList tried;
    for (const QString &candidate : shell::companion_candidates(relative_path))
        tried.append(QDir::toNativeSeparators(candidate));
    return QStringLiteral("見つかりません / not found (") + tried.join(QStringLiteral(", ")) + u')';
}

} // namespace

int run_version_command(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    common::write_utf8(stdout, common::program_title + u' ' + common::program_version + u'\n'
                                   + QStringLiteral("参考図書 / reference book: ") + located(shell::reference_pdf_path)
                                   + u'\n' + QStringLiteral("Morvik: ") + located(shell::morvik_path) + u'\n');
    return 0;
}
