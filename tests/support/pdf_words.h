#pragma once

#include <QList>
#include <QString>

namespace test_support {

// A word of a PDF page as pdftotext finds it: its text and its box, in points from the paper's
// top-left corner.
struct PdfWord {
    QString text;
    double x = 0;  // left
    double y = 0;  // top
    double right = 0;
    double bottom = 0;
};

// The words of every page of the PDF, page by page; empty when pdftotext cannot read it.
QList<QList<PdfWord>> pdf_words(const QString &pdf);

} // namespace test_support
