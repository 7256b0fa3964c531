#pragma once

#include "batch/cells.h"
#include "batch/table_columns.h"
#include "batch/table_text.h"
#include "common/file_error.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace inputfile {
struct TvlContents;
}

namespace batch {

// A row of flumes' values as the table gives them.
struct TableRow {
    int line = 0;
    Cells values;          // one per column, trimmed; empty where the row takes the base file's value
    TableProblem problem;  // why the row cannot be computed; no text when it can

    bool usable() const { return problem.text.isEmpty(); }
};

// A table of flumes: the first record names the columns, every further one is a flume.
struct BatchTable {
    QList<InputColumn> columns;
    QList<TableRow> rows;
    // What makes the whole table unusable: no header, a header that names no input or names one
    // twice, a quoted field left open.
    QList<TableProblem> problems;

    bool usable() const { return problems.isEmpty(); }
    // The name column's value of a row; empty without that column.
    QString name(const TableRow &row) const;
    // Whether some column is an input of the member check.
    bool has_member_columns() const;
};

// Reads the table: the header's columns (column_for_header; blank headers at the end of the line
// are dropped), then each row checked as the inputs would take its values. A value of a flume
// input must be wholly a number by the programs' numeric reading, a member check input one its
// input takes (members::put_member_value); a row may not give both 本数 and ピッチ for the same
// members, nor more fields than the header (blank ones aside). A row that breaks a rule keeps the
// first problem with its line and column and is skipped; the other rows go on.
// The split table is used up as its rows are made.
BatchTable read_table(SplitTable split);

// A table far larger than any list of flumes is a file chosen by mistake; it is refused whole.
inline constexpr qint64 max_table_bytes = 32 * 1024 * 1024;
inline const QString table_too_large = QStringLiteral("ファイルが大きすぎます（表は 32 MiB まで）。");

// Reads a table file (split_table, read_table); a file that cannot be read gives the reason.
common::FileResult read_table_file(const QString &path, BatchTable &table);

// A row's flume: the base file's inputs and member data with the row's values put in, the values
// for all members first and then those for one member.
inputfile::TvlContents row_contents(const BatchTable &table, const TableRow &row, const inputfile::TvlContents &base);

// The value a row's flume has for a column (the row's own, else the base's): the flume input's text,
// the member check input's text where every member the column names has the same one.
QString value_used(const InputColumn &column, const inputfile::TvlContents &contents);

} // namespace batch
