#include "gui/print_dialog/spooler.h"

#ifdef TAVREL_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace print_dialog {

#ifdef TAVREL_HAVE_CUPS

QString spooler_device_uri(const QString &printer_name)
{
    const QByteArray utf8 = printer_name.toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, utf8.constData(), nullptr);
    if (!dest)
        return {};
    const char *uri = cupsGetOption("device-uri", dest->num_options, dest->options);
    QString port = uri ? QString::fromUtf8(uri) : QString();
    cupsFreeDests(1, dest);
    return port;
}

bool spooler_refused_last_job()
{
    return cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST;
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
