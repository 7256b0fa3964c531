#include "printing/pdf_finishing.h"

#include "printing/pdf_finishing_entry.h"

#include "common/trusted_path.h"

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
// below Tavrel, and the tests in tests/ below the build's programs. It runs as the user, so it is
// loaded only where nobody but the user or root could have put it (common::check_trusted); a place
// refused is named with the reason.
LoadedEntry load_entry()
{
    const QDir program_folder = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).dir();
    QStringList missing, refused;
    for (const QString &folder : {program_folder.path(), program_folder.filePath(QStringLiteral(".."))}) {
        const QString path = QDir::cleanPath(folder + QStringLiteral("/modules/") + QLatin1String(finishing_module_name));
        if (!QFileInfo::exists(path)) {
            missing << path;
            continue;
        }
        if (const common::FileResult trusted = common::check_trusted(path); !trusted) {
            refused << path + QStringLiteral(": ") + trusted.reason;
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
    if (!refused.isEmpty())
        return {nullptr, QStringLiteral("PDF を仕上げるモジュールを、ほかの利用者が置けた場所にあるため読み込みませんでした（%1）。")
                             .arg(refused.join(QStringLiteral("、")))};
    return {nullptr, QStringLiteral("PDF を仕上げるモジュールが見つかりません（%1）。").arg(missing.join(QStringLiteral("、")))};
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
        if (reason.isEmpty())
            reason = QStringLiteral("PDF を仕上げられませんでした。");
    }
    if (error)
        *error = reason;
    return std::nullopt;
}

} // namespace printing
