#include "batch/batch_run.h"

#include "flume/captions.h"
#include "flume/full_check.h"
#include "flume/quantities.h"
#include "members/auto_reinforcement.h"
#include "members/member_check.h"

#include <QtConcurrent/QtConcurrentMap>


namespace batch {

namespace {

using flume::Field;

const QString ok_text = QStringLiteral("OK");
const QString ng_text = QStringLiteral("NG");
const QString no_verdict = QStringLiteral("－");

// The results of the walk, each with the verdict column after it where it has one.
struct SectionResult {
    Field field;
    bool judged;
};
constexpr SectionResult section_results[] = {
    {Field::ka, false}, {Field::pa, false}, {Field::uplift_safety_factor, true}, {Field::max_bearing, true}};

QString judgement_symbol(const QString &symbol) { return symbol + QStringLiteral(" 判定"); }

QString member_symbol(std::size_t member, const char *what)
{
    return flume::member_title(flume::member_forces[member]) + u' ' + QString::fromUtf8(what);
}

QString verdict_of(const std::optional<flume::LimitCheck> &check)
{
    return check ? (check->passed ? ok_text : ng_text) : QString();
}

// The messages of the walk, each after the page it was raised on: "浮上り・支持力：許容値をオーバーしました。".
QString messages_text(const QList<flume::PageMessage> &messages)
{
    QStringList texts;
    for (const flume::PageMessage &m : messages)
        texts << flume::page_caption(m.page) + u'：' + m.message.text;
    return texts.join(u'／');
}

// The cells of the inputs: the values the flume used.
void input_cells(const BatchJob &job, const inputfile::TvlContents &contents, Cells &cells)
{
    for (const InputColumn &column : job.table.columns) {
        if (column.kind != ColumnKind::Name)
            cells << value_used(column, contents);
    }
}

// Whether a search that found no bars tried arrangements and every one failed a check: its reason
// then names the checks failed before a "：" ("σc：断面が不足…"); any other reason is an input
// the search lacks ("かぶり未入力", "未計算", "探す鉄筋が不正（D25）").
bool every_arrangement_failed(const members::MemberDesign &design)
{
    return !design.found && design.reason.contains(u'：');
}

} // namespace

QString verdict_text(Overall verdict)
{
    switch (verdict) {
    case Overall::Ok: return ok_text;
    case Overall::Ng: return ng_text;
    case Overall::None: break;
    }
    return no_verdict;
}

bool is_ng(const QString &cell)
{
    return cell.startsWith(ng_text);
}

QList<ResultColumn> result_columns(const BatchJob &job)
{
    using R = ColumnRole;
    QList<ResultColumn> columns{{QStringLiteral("行"), {}, CellKind::Number, R::Line},
                                {name_header, {}, CellKind::Text, R::Name}};
    for (const InputColumn &column : job.table.columns) {
        if (column.kind == ColumnKind::FlumeInput) {
            columns.append({column.symbol, column.unit, CellKind::Number, R::Input});
        } else if (column.kind == ColumnKind::MemberInput) {
            const members::MemberInputKind kind = column.member_quantity->kind;
            const bool named = kind == members::MemberInputKind::Bar || kind == members::MemberInputKind::Grade;
            columns.append({column.symbol, column.unit, named ? CellKind::Text : CellKind::Number, R::Input});
        }
    }
    const ColumnRole roles[][2] = {{R::Ka, R::Ka}, {R::Pa, R::Pa}, {R::Fs, R::FsVerdict}, {R::Qmax, R::QmaxVerdict}};
    for (std::size_t i = 0; i < std::size(section_results); ++i) {
        const flume::Quantity &q = flume::quantity(section_results[i].field);
        columns.append({q.symbol, q.si_unit, CellKind::Number, roles[i][0]});
        if (section_results[i].judged)
            columns.append({judgement_symbol(q.symbol), {}, CellKind::Verdict, roles[i][1]});
    }
    if (job.judges_members()) {
        for (std::size_t m = 0; m < members::member_count; ++m) {
            if (job.design) {
                columns.append({member_symbol(m, "鉄筋"), {}, CellKind::Text, R::MemberBar, int(m)});
                columns.append({member_symbol(m, "ピッチ"), QStringLiteral("mm"), CellKind::Number, R::MemberPitch, int(m)});
            }
            columns.append({member_symbol(m, "応力度比"), {}, CellKind::Number, R::MemberRatio, int(m)});
            columns.append({member_symbol(m, "決定"), {}, CellKind::Text, R::MemberGoverning, int(m)});
            columns.append({member_symbol(m, "判定"), {}, CellKind::Verdict, R::MemberJudgement, int(m)});
        }
    }
    columns.append({QStringLiteral("総合判定"), {}, CellKind::Verdict, R::Overall});
    columns.append({QStringLiteral("理由"), {}, CellKind::Text, R::Reason});
    return columns;
}

qsizetype BatchResults::column(ColumnRole role, int member) const
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].role == role && columns[i].member == member)
            return i;
    }
    return -1;
}

RowResult skipped_row(const BatchJob &job, qsizetype index, const QString &reason)
{
    const TableRow &row = job.table.rows[index];
    RowResult result{row.line, {}, Overall::None, false};
    result.cells << QString::number(row.line) << job.table.name(row);
    for (qsizetype i = 0; i < job.table.columns.size(); ++i) {
        if (job.table.columns[i].kind != ColumnKind::Name)
            result.cells << row.values[i];
    }
    const qsizetype empty = result_columns(job).size() - result.cells.size() - 2;
    for (qsizetype i = 0; i < empty; ++i)
        result.cells << QString();
    result.cells << no_verdict << reason;
    result.cells.squeeze();
    return result;
}

inputfile::TvlContents checked_contents(const BatchJob &job, const TableRow &row)
{
    inputfile::TvlContents contents = row_contents(job.table, row, job.base);
    if (job.design) {
        const flume::WalkedFlume walked = flume::walk_flume(contents.inputs);
        contents.members = members::with_designs(contents.members, members::design_members(contents.members, *walked.sheet));
    }
    return contents;
}

RowResult run_row(const BatchJob &job, qsizetype index)
{
    const TableRow &row = job.table.rows[index];
    if (!row.usable())
        return skipped_row(job, index, row.problem.line_text());
    const inputfile::TvlContents contents = row_contents(job.table, row, job.base);
    RowResult result{row.line, {}, Overall::None, true};
    result.cells << QString::number(row.line) << job.table.name(row);
    input_cells(job, contents, result.cells);

    const flume::WalkedFlume walked = flume::walk_flume(contents.inputs);
    const flume::FlumeSheet &sheet = *walked.sheet;
    const std::optional<flume::LimitCheck> *checks[] = {&walked.outcome.uplift, &walked.outcome.bearing};
    int judged = 0;
    for (const SectionResult &section : section_results) {
        if (!section.judged) {
            result.cells << sheet.text(section.field);
            continue;
        }
        const std::optional<flume::LimitCheck> &check = *checks[judged++];
        result.cells << (check ? check->value : QString()) << verdict_of(check);
    }
    bool any_ng = (walked.outcome.uplift && !walked.outcome.uplift->passed)
               || (walked.outcome.bearing && !walked.outcome.bearing->passed);
    bool all_ok = walked.passed() && walked.outcome.uplift && walked.outcome.bearing && !any_ng;

    if (job.judges_members()) {
        std::array<members::MemberDesign, members::member_count> designs;
        if (job.design)
            designs = members::design_members(contents.members, sheet);
        const members::MemberCheckReport check =
            members::check_members(job.design ? members::with_designs(contents.members, designs) : contents.members, sheet);
        for (std::size_t m = 0; m < members::member_count; ++m) {
            const members::MemberDesign &design = designs[m];
            const bool unfound = job.design && !design.found;
            if (job.design)
                result.cells << design.bar << design.pitch;
            const members::MemberResult &member = check.members[m];
            const std::optional<members::StressRatio> governing = unfound ? std::nullopt : check.governing_ratio(m);
            result.cells << (governing ? governing->text() : QString())
                         << (governing ? members::stress_symbol(governing->allowable) : QString());
            members::Verdict verdict = member.verdict;
            if (!unfound) {
                result.cells << member.judgement;
            } else if (every_arrangement_failed(design)) {
                verdict = members::Verdict::Ng;
                result.cells << QStringLiteral("NG（配筋なし）") + members::design_note(design);
            } else {
                verdict = members::Verdict::None;
                result.cells << design.reason;
            }
            any_ng = any_ng || verdict == members::Verdict::Ng;
            all_ok = all_ok && verdict == members::Verdict::Ok;
        }
    }
    result.overall = any_ng ? Overall::Ng : all_ok ? Overall::Ok : Overall::None;
    result.cells << verdict_text(result.overall) << messages_text(walked.messages);
    result.cells.squeeze();
    return result;
}

BatchResults run_batch(const BatchJob &job)
{
    // Each row's result is made in its place: nothing is kept twice on the way.
    BatchResults results{result_columns(job), QList<RowResult>(job.table.rows.size())};
    const RowResult *first = results.rows.data();
    QtConcurrent::blockingMap(results.rows, [&job, first](RowResult &row) { row = run_row(job, &row - first); });
    return results;
}

QFuture<void> start_batch(std::shared_ptr<const BatchJob> job, std::shared_ptr<QList<RowResult>> rows)
{
    *rows = QList<RowResult>(job->table.rows.size());
    const RowResult *first = rows->data();
    // The rows live with the run: the function holds them.
    return QtConcurrent::map(*rows, [job, rows, first](RowResult &row) { row = run_row(*job, &row - first); });
}

} // namespace batch
