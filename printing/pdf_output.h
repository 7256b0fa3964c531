#pragma once

#include "common/safe_file_write.h"
#include "printing/pdf_finishing.h"
#include "printing/print_document.h"
#include "printing/report_page.h"

#include <QList>
#include <QString>

namespace printing {

// Writes the pages to one PDF file, one A4 page each (portrait unless asked otherwise), with the
// report origin 200 twips (10 pt) from the paper's top-left corner on both axes. Text stays text
// (the font embedded as a TrueType subset). The PDF is finished with its description (finish_pdf)
// and written through common::write_file_safely (a read-only file is replaced only when read_only
// says so): on failure the reason is put into *error and any earlier file at path is left as it was.
bool write_report_pdf(const QString &path, const QList<ReportPage> &pages, const PdfDescription &description,
                      QString *error = nullptr, common::ReadOnlyFile read_only = common::ReadOnlyFile::Refuse,
                      PageOrientation orientation = PageOrientation::Portrait);

// A whole document so: its pages, description and orientation.
bool write_document_pdf(const QString &path, const PrintDocument &document, QString *error = nullptr,
                        common::ReadOnlyFile read_only = common::ReadOnlyFile::Refuse);

} // namespace printing
