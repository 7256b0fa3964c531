#pragma once

#include "book/book_layout.h"

#include <QList>
#include <QString>

namespace book {

inline const QString reference_book_title = QStringLiteral("参考図書「Tavrel」");

// The reference book that Tavrel's launcher and help menu open: a title page, the contents, and one
// chapter for the overview, each part of the flume window, the handling of numbers, the messages,
// the input file, printing and Morvik. Its worked examples, messages and formula pictures come from
// the calculations and the report pictures themselves.
struct ReferenceBook {
    QList<ReportPage> pages;
    QList<Chapter> chapters;  // in the order of the book, with their pages
};

ReferenceBook reference_book();

} // namespace book
