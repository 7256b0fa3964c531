#pragma once

#include <QList>
#include <QMap>
#include <QRectF>
#include <QString>

namespace test_support {

// A bookmark of a PDF's outline as qpdf reads it: its title, the page it leads to (from 1) and its
// level (0 for the outline's own items), and whether its items below show when the outline opens.
struct PdfBookmark {
    QString title;
    int page = 0;
    int level = 0;
    bool open = true;
};

// What qpdf reads of a PDF beyond its pages: the bookmarks in the order of the outline, the text
// entries of the document information ("/Title" …) and those of the catalog ("/Lang" …), each as
// its text. Empty when qpdf cannot read the file.
struct PdfOutline {
    QList<PdfBookmark> bookmarks;
    QMap<QString, QString> information;
    QMap<QString, QString> catalog;
    QList<QRectF> links;  // the link annotations of all pages, each in points from the paper's bottom left
};

PdfOutline pdf_outline(const QString &pdf);

} // namespace test_support
