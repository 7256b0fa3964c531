#pragma once

#include "printing/report_page.h"

#include <functional>

class QWidget;

namespace printing {

// Opens the print dialog ("印刷") for one report, modeless, owner disabled while it exists.
// print_button is the dialog's print button of that report: 1..5 for Tavrel's five reports
// (Command1..Command5), 1 for Morvik's. make_report builds the page from the current field texts
// at the moment a print, preview or PDF button is pressed.
void open_print_dialog(QWidget *owner, int print_button, std::function<ReportPage()> make_report);

} // namespace printing
