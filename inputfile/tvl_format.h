#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace inputfile {

// How many of the 25 inputs stand on each of the file's 7 lines: the shape dimensions; the earth
// pressure inputs; γw and γsc; qa; the Case 1 wall inputs; BL and X; h'.
inline const QList<int> items_per_line = {7, 6, 2, 1, 6, 2, 1};
inline constexpr int item_count = 25;

// The file's text for the 25 input texts (missing ones are written empty): 7 lines, each ended by
// CR LF, every item quoted, items separated by a single comma. A quotation mark inside a text is
// doubled so that the item still ends where it should.
QString format_tvl(const QStringList &texts);

// The first 25 items of a file's text. Line ends play no part: a comma and a line end both end an
// item. Blanks before an item are skipped. A quoted item runs to its closing quotation mark (a
// doubled mark inside stands for one), and anything after that mark up to the next separator is
// skipped; an unquoted item runs to the next comma or line end, without its surrounding blanks.
// Blank lines between items are skipped; a comma at the end of a line ends an empty item.
// Returns fewer than 25 items when the text has fewer.
QStringList parse_tvl(const QString &text);

// The first 25 items of a file's text, and the text after the separator that ends the 25th: what a
// file carries beyond the inputs (empty when it has 25 items or fewer and nothing after them).
struct TvlText {
    QStringList items;
    QString rest;
};
TvlText split_tvl(const QString &text);

} // namespace inputfile
