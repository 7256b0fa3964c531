#pragma once

#include "batch/cells.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace batch {

// A place in a table as its user finds it in a text editor and a spreadsheet: the line of the file
// and the field's column, both counted from 1.
struct TablePlace {
    int line = 0;
    int column = 0;
};

// Something wrong with a table, at its place ("4:3: 「T1」の値「abc」は数値ではありません").
struct TableProblem {
    TablePlace place;
    QString text;

    // "line:column: text", or "line: text" without a column.
    QString line_text() const;
};

// One record of the table: the line it begins on and its fields, unquoted.
struct TableRecord {
    int line = 0;
    Cells fields;
};

// The records of a table's text. A record whose quoted field has no closing quote ends the table:
// the problem says where that field began.
struct SplitTable {
    QList<TableRecord> records;
    QList<TableProblem> problems;
    QChar separator;
};

// Splits a table saved as CSV by a spreadsheet: fields separated by commas, or by tabs when the first
// line holds more tabs than commas; records ended by CR LF, LF or CR; a field in quotation marks may
// hold separators, line ends and doubled quotation marks (RFC 4180). Blanks around an unquoted field
// stay; records whose every field is blank (a spreadsheet's empty rows) are left out.
SplitTable split_table(const QString &text);

// The text of a table file as a spreadsheet saves it, UTF-8 with or without its byte-order mark,
// or CP932; split as above.
SplitTable split_table(const QByteArray &bytes);

// A field for a CSV file: in quotation marks, with its own doubled, when it holds the separator, a
// quotation mark, a line end or blanks at an end.
QString csv_field(const QString &text, QChar separator = u',');

} // namespace batch
