#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

namespace printing {

// The distance of the report origin from the paper's top-left corner, in twips.
inline constexpr int pdf_origin_twips = 200;

// A bookmark of a PDF's outline: a chapter (level 0), or a section (level 1) of the chapter
// bookmarked before it. The view opens on its page at its top.
struct PdfBookmark {
    QString title;
    int page = 0;   // 0-based page of the document
    int top = 0;    // twips from the report origin
    int level = 0;
};

// A link inside the document: clicking the area on its page opens the target page at its top.
struct PdfLink {
    int page = 0;     // 0-based page the area lies on
    QRect area;       // twips from the report origin
    int target_page = 0;
    int target_top = 0;
};

// What a PDF says of itself beyond its pages.
struct PdfDescription {
    QString title;
    QString author;
    QString subject;
    QString language = QStringLiteral("ja");
    QList<PdfBookmark> bookmarks;  // in the order of the document
    QList<PdfLink> links;
};

// Finishes a PDF that QPdfWriter made, in memory: the document information /Title, /Author and
// /Subject as exact text strings (any character), the catalog's /Lang, the outline of the bookmarks
// (opened with the document) and the link annotations. QPdfWriter writes none of these but the
// title, and that one unescaped. Positions are report twips, as the pages were drawn with the
// report origin pdf_origin_twips from the paper's top-left corner. Returns nothing when the PDF
// cannot be read or a bookmark or link names a page it does not have, with the reason in *error.
// The finishing is done by a module of its own (printing/pdf_finishing_entry.h), loaded by the
// first call; without it nothing is returned either, and *error says where it was looked for.
std::optional<QByteArray> finish_pdf(const QByteArray &pdf, const PdfDescription &description,
                                     QString *error = nullptr);

} // namespace printing
