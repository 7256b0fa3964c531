#pragma once

#include <QString>

namespace common {

// The blanks of a typed number: half-width and full-width blanks, tabs and line ends.
bool is_blank(QChar c);
// True when text is empty or holds only blanks.
bool is_blank(const QString &text);

// Reads the leading number of a field's text; never fails. Blanks, tabs and line ends anywhere are
// removed first; then an optional sign, digits with at most one ".", and an optional exponent
// (E or D) are read, or a hexadecimal "&H" / octal "&O" integer. Whatever follows is ignored;
// no digits read as 0. Full-width digits and "．", "－", "＋", "，" read as their ASCII forms.
// A text that is, blanks around it aside, a number with its thousands grouped by commas
// ("1,000,000", "-2,307,000.5") reads as the whole number; any other comma ends the number.
double read_number(const QString &text);

// The same grammar, but the whole text (surrounding blanks allowed) must be the number.
// Returns false when anything but blanks is left over or no digits were read.
bool read_whole_number(const QString &text, double *value);

} // namespace common
