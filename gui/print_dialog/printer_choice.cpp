#include "gui/print_dialog/printer_choice.h"

#include "gui/print_dialog/spooler.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include <map>
#include <memory>
#include <optional>

namespace print_dialog {

namespace {

std::optional<QString> &chosen_printer()
{
    static std::optional<QString> chosen;
    return chosen;
}

using PrinterMap = std::map<QString, std::unique_ptr<QPrinter>>;

PrinterMap *&printers()
{
    static PrinterMap *map = nullptr;
    return map;
}

// Printer objects hold the print system's resources; they go before the application does.
void release_printers()
{
    delete printers();
    printers() = nullptr;
}

} // namespace

QStringList installed_printer_names()
{
    return QPrinterInfo::availablePrinterNames();
}

bool printer_installed(const QString &name)
{
    // The print system matches names regardless of case; the programs match them exactly.
    return !name.isEmpty() && installed_printer_names().contains(name)
           && !QPrinterInfo::printerInfo(name).isNull();
}

QString printer_port(const QString &name)
{
    if (!printer_installed(name))
        return {};
    const QString uri = spooler_device_uri(name);
    return uri.isEmpty() ? QPrinterInfo::printerInfo(name).location() : uri;
}

QString current_printer_name()
{
    if (const auto &chosen = chosen_printer())
        return *chosen;
    return QPrinterInfo::defaultPrinterName();
}

bool choose_printer(const QString &name)
{
    if (!printer_installed(name))
        return false;
    chosen_printer() = name;
    return true;
}

QPrinter &printer_for(const QString &name)
{
    if (!printers()) {
        printers() = new PrinterMap;
        qAddPostRoutine(release_printers);
    }
    std::unique_ptr<QPrinter> &printer = (*printers())[name];
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPrinterName(name);
    }
    return *printer;
}

} // namespace print_dialog
