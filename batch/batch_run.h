#pragma once

#include "batch/batch_table.h"
#include "inputfile/tvl_file.h"

#include <QFuture>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace batch {

// A table of flumes to check: the table, the base file whose inputs and member data every row
// starts from, and what the base is called in the results.
struct BatchJob {
    BatchTable table;
    inputfile::TvlContents base;
    QString base_name;  // the base file's path, or what stands in for it ("画面の入力")
    bool design = false;  // 自動配筋: each member's bars chosen by the search, then checked

    // The members are judged when the base or the table gives member data, or their bars are sought.
    bool judges_members() const { return design || base.members.entered() || table.has_member_columns(); }
};

// How a spreadsheet shows a column of the results.
enum class CellKind {
    Text,     // as written
    Number,   // a number, with the decimals the text shows
    Verdict,  // OK, NG or －; NG stands out
};

// What a column of the results holds.
enum class ColumnRole {
    Line, Name, Input,
    Ka, Pa, Fs, FsVerdict, Qmax, QmaxVerdict,
    MemberBar, MemberPitch, MemberRatio, MemberGoverning, MemberJudgement,
    Overall, Reason,
};

struct ResultColumn {
    QString symbol;  // "B", "Fs", "Fs 判定", "ケース.1 側壁 応力度比"
    QString unit;    // "m", "kN/m²"; empty for none
    CellKind kind = CellKind::Text;
    ColumnRole role = ColumnRole::Input;
    int member = -1;  // the member of a member's column, 0..5

    QString header() const { return header_with_unit(symbol, unit); }
};

// The columns of the results: 行 (the table's line) and 名称; the table's inputs in its order, with
// the values each flume used; KA, PA, Fs and qmax each with its 判定 (Fs against 1.2, qmax against
// qa); when the members are judged, each member's 鉄筋 and ピッチ as 自動配筋 chose them (with the
// search only), 応力度比 (its governing stress against its allowable), 決定 (that stress) and 判定
// (the member check's); 総合判定; 理由.
QList<ResultColumn> result_columns(const BatchJob &job);

// The 総合判定 of a flume.
enum class Overall {
    Ok,    // every check reached and passed
    Ng,    // some check failed
    None,  // nothing failed, but something was not reached: the walk stopped, a member has no stresses
};

// The verdicts as the results write them: "OK", "NG", "－".
QString verdict_text(Overall verdict);

// One row of the results, a text for every column.
struct RowResult {
    int line = 0;  // 0 for a row not computed
    Cells cells;
    Overall overall = Overall::None;
    bool computed = false;  // false: the row was skipped, 理由 says why
};

// The results of a table: the columns and a row for each of the table's rows, in its order.
struct BatchResults {
    QList<ResultColumn> columns;
    QList<RowResult> rows;

    // The column of that role (and member), or -1.
    qsizetype column(ColumnRole role, int member = -1) const;
};

// Whether a cell of a verdict column says NG.
bool is_ng(const QString &cell);

// The row's flume walked as `tavrel --check` walks a file (flume::walk_flume and the member check,
// after 自動配筋 as `tavrel --design` does it when the job asks for it) and written into the cells of
// result_columns(). A member for which the search finds no bars is NG when every arrangement
// failed a check, its 判定 "NG（配筋なし）" and why; otherwise it has no verdict and says why. A row
// the table refused is not computed; its 理由 is the problem with its place. 理由 of a computed row
// holds the messages the walk raised, each after its page.
RowResult run_row(const BatchJob &job, qsizetype row);

// The row's flume as the run checks it: row_contents(), with the bars 自動配筋 chooses put in when
// the job asks for the search.
inputfile::TvlContents checked_contents(const BatchJob &job, const TableRow &row);

// A row that is not computed, with the reason in its 理由: its cells as the table gave them.
RowResult skipped_row(const BatchJob &job, qsizetype row, const QString &reason);

// Every row on every core, in the table's order.
BatchResults run_batch(const BatchJob &job);

// The same for a window: the rows are computed on a thread pool into rows (one for each of the
// table's, made empty beforehand) while the future reports its progress; cancelling it stops before
// the rows not yet started, which are left with line 0.
QFuture<void> start_batch(std::shared_ptr<const BatchJob> job, std::shared_ptr<QList<RowResult>> rows);

} // namespace batch
