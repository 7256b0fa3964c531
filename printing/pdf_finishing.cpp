#include "printing/pdf_finishing.h"

#include "printing/pdf_finishing_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace printing {

namespace {

struct LoadedEntry {
    FinishPdfEntry entry = nullptr;
    QString failure;
};

// The module lies in modules/ beside the program, or one folder up from it: Morvik lives in file/
// below Tavrel, and the tests in tests/ below the build's programs.
LoadedEntry load_entry()
{
    const QDir program_folder = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).dir();
    QStringList tried;
    for (const QString &folder : {program_folder.path(), program_folder.filePath(QStringLiteral(".."))}) {
        const QString path = QDir::cleanPath(folder + QStringLiteral("/modules/") + QLatin1String(finishing_module_name));
        if (!QFileInfo::exists(path)) {
            tried << path;
            continue;
        }
        void *module = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (module) {
            if (auto entry = reinterpret_cast<FinishPdfEntry>(::dlsym(module, finishing_entry_name)))
                return {entry, {}};
        }
        return {nullptr, QStringLiteral("PDF を仕上げるモジュールを読み込めませんでした（%1: %2）。")
                             .arg(path, QString::fromLocal8Bit(::dlerror()))};
    }
    return {nullptr, QStringLiteral("PDF を仕上げるモジュールが見つかりません（%1）。").arg(tried.join(QStringLiteral("、")))};
}

} // namespace

std::optional<QByteArray> finish_pdf(const QByteArray &pdf, const PdfDescription &description, QString *error)
{
    // Loaded on the first PDF; the module stays loaded while the program runs.
    static const LoadedEntry loaded = load_entry();
    QString reason = loaded.failure;
    if (loaded.entry) {
        QByteArray finished;
        if (loaded.entry(&pdf, &description, &finished, &reason))
            return finished;
    }
    if (error)
        *error = reason;
    return std::nullopt;
}

} // namespace printing
