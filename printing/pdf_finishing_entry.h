#pragma once

#include "printing/pdf_finishing.h"

// The entry of the PDF finishing module (modules/tavrel-pdf-finishing.so beside the programs). The module
// holds the qpdf library, which takes longer to load than a window takes to appear, so it is loaded
// only when a PDF is first finished. The module and the programs are built together; the entry's
// name carries a version so that a module of another build is not called.
namespace printing {

using FinishPdfEntry = bool (*)(const QByteArray *pdf, const PdfDescription *description, QByteArray *finished,
                                QString *error);

inline constexpr char finishing_module_name[] = "tavrel-pdf-finishing.so";
inline constexpr char finishing_entry_name[] = "tavrel_finish_pdf_1";

} // namespace printing
