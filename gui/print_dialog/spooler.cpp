#include "gui/print_dialog/spooler.h"

#ifdef TAVREL_HAVE_CUPS
#include <QLibrary>

#include <cups/cups.h>
#endif

namespace print_dialog {

#ifdef TAVREL_HAVE_CUPS

namespace {

// The CUPS library is opened when a printer is first asked about, not when the program starts:
// the windows' first frame needs nothing of printing. It is the same library Qt's printer support
// loads, so its last error is that of the last job submitted.
struct Cups {
    decltype(&cupsGetNamedDest) get_named_dest = nullptr;
    decltype(&cupsGetOption) get_option = nullptr;
    decltype(&cupsFreeDests) free_dests = nullptr;
    decltype(&cupsLastError) last_error = nullptr;

    bool loaded() const { return get_named_dest && get_option && free_dests && last_error; }
};

const Cups &cups()
{
    static const Cups functions = [] {
        Cups found;
        QLibrary library(QStringLiteral("cups"), 2);
        found.get_named_dest = reinterpret_cast<decltype(&cupsGetNamedDest)>(library.resolve("cupsGetNamedDest"));
        found.get_option = reinterpret_cast<decltype(&cupsGetOption)>(library.resolve("cupsGetOption"));
        found.free_dests = reinterpret_cast<decltype(&cupsFreeDests)>(library.resolve("cupsFreeDests"));
        found.last_error = reinterpret_cast<decltype(&cupsLastError)>(library.resolve("cupsLastError"));
        return found;
    }();
    return functions;
}

} // namespace

QString spooler_device_uri(const QString &printer_name)
{
    const Cups &spooler = cups();
    if (!spooler.loaded())
        return {};
    const QByteArray utf8 = printer_name.toUtf8();
    cups_dest_t *dest = spooler.get_named_dest(CUPS_HTTP_DEFAULT, utf8.constData(), nullptr);
    if (!dest)
        return {};
    const char *uri = spooler.get_option("device-uri", dest->num_options, dest->options);
    QString port = uri ? QString::fromUtf8(uri) : QString();
    spooler.free_dests(1, dest);
    return port;
}

bool spooler_refused_last_job()
{
    const Cups &spooler = cups();
    return spooler.loaded() && spooler.last_error() >= IPP_STATUS_ERROR_BAD_REQUEST;
}

#else

QString spooler_device_uri(const QString &)
{
    return {};
}

bool spooler_refused_last_job()
{
    return false;
}

#endif

} // namespace print_dialog
