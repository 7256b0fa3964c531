#pragma once

#include <QString>

namespace print_dialog {

// What only the print spooler itself can tell about a printer or a job. Where the spooler is CUPS
// it is asked directly; elsewhere Qt's printer support says all there is, and these give nothing.

// The printer's device URI ("cups-pdf:/", "ipp://..."); empty when the spooler gives none.
QString spooler_device_uri(const QString &printer_name);

// True when the spooler turned the last submitted job away (a printer that accepts no jobs, a
// scheduler that is gone). The printer object does not say so itself; the spooler's answer to
// its last request, the submission of the job, does.
bool spooler_refused_last_job();

} // namespace print_dialog
