#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

namespace print_dialog {

// The installed printers' device names, in the order the print system lists them.
QStringList installed_printer_names();

// True when an installed printer has exactly this device name (case and width sensitive).
bool printer_installed(const QString &name);

// The printer's port: the address the print system sends its jobs to (a device URI), or its
// location where no address can be read; empty for a name that is not installed.
QString printer_port(const QString &name);

// The process's current printer: the system's default printer until the user chooses another in
// the print dialog; the choice lasts until the process ends. Empty when there is no printer at all.
QString current_printer_name();

// Makes the installed printer of exactly this name the current printer. A name that matches no
// installed printer changes nothing and gives false.
bool choose_printer(const QString &name);

// The process's printer object for an installed printer, created on first use in high resolution.
// What the user sets in its properties is kept there for the later jobs of the process.
QPrinter &printer_for(const QString &name);

} // namespace print_dialog
