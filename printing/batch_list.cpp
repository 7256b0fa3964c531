#include "printing/batch_list.h"

#include "batch/batch_run.h"
#include "flume/captions.h"
#include "flume/quantities.h"
#include "members/auto_reinforcement.h"
#include "members/member_quantities.h"
#include "printing/text_measure.h"

#include <algorithm>
#include <functional>

namespace printing {

namespace {

using batch::ColumnRole;
using batch::RowResult;

// The frame of a landscape page, in twips from the report origin: the reports' margins turned.
constexpr int frame_left = 500, frame_top = 400, frame_right = 15980, frame_bottom = 11070;
constexpr int table_left = 700, table_right = 15780;
constexpr int number_top = frame_bottom + 60;
constexpr double title_size = 14;
constexpr double condition_size = 9;
constexpr double cell_size = 8;
constexpr double reason_size = 7;
constexpr double number_size = 9;
constexpr int title_top = 600;
constexpr int condition_line = 260;
constexpr int cell_inset = 50;
constexpr int least_column = 420;
constexpr int least_reason = 1500;

const QString list_title = QStringLiteral("一括計算　結果一覧");

int line_height(double size) { return int(text_height(size)) + 30; }
// Every row holds two lines: a value over its verdict.
int row_height() { return 2 * line_height(cell_size) + 40; }

// A column of the printed list: its head (one or two lines) and its lines for a row.
struct ListColumn {
    QStringList head;
    std::function<QStringList(const RowResult &)> lines;
    bool reason = false;
    int width = 0;
};

QString unit_line(const QString &unit) { return unit.isEmpty() ? QString() : u'(' + unit + u')'; }

QList<ListColumn> list_columns(const batch::BatchResults &results)
{
    QList<ListColumn> columns;
    auto cell = [](qsizetype index) { return [index](const RowResult &row) { return QStringList{row.cells.value(index)}; }; };
    auto pair = [](qsizetype value, qsizetype verdict) {
        return [value, verdict](const RowResult &row) { return QStringList{row.cells.value(value), row.cells.value(verdict)}; };
    };
    for (qsizetype i = 0; i < results.columns.size(); ++i) {
        const batch::ResultColumn &c = results.columns[i];
        switch (c.role) {
        case ColumnRole::Line:
        case ColumnRole::Name:
        case ColumnRole::Input:
        case ColumnRole::Ka:
        case ColumnRole::Pa:
        case ColumnRole::Overall:
            columns.append({{c.symbol, unit_line(c.unit)}, cell(i)});
            break;
        case ColumnRole::Fs:
            columns.append({{c.symbol, QStringLiteral("＞ 1.2")}, pair(i, results.column(ColumnRole::FsVerdict))});
            break;
        case ColumnRole::Qmax:
            columns.append({{c.symbol, QStringLiteral("≦ qa")}, pair(i, results.column(ColumnRole::QmaxVerdict))});
            break;
        case ColumnRole::MemberRatio: {
            const flume::MemberForces &forces = flume::member_forces[std::size_t(c.member)];
            const qsizetype governing = results.column(ColumnRole::MemberGoverning, c.member);
            const qsizetype judgement = results.column(ColumnRole::MemberJudgement, c.member);
            // With 自動配筋 the bars chosen lead the second line: "D13@200 OK".
            const qsizetype bar = results.column(ColumnRole::MemberBar, c.member);
            const qsizetype pitch = results.column(ColumnRole::MemberPitch, c.member);
            columns.append({{flume::page_caption(forces.page), QString::fromUtf8(forces.part)}, [=](const RowResult &row) {
                                const QString ratio = row.cells.value(i);
                                const QString chosen = row.cells.value(bar);
                                return QStringList{ratio.isEmpty() ? QString() : row.cells.value(governing) + u' ' + ratio,
                                                   (chosen.isEmpty() ? QString() : chosen + u'@' + row.cells.value(pitch) + u' ')
                                                       + row.cells.value(judgement)};
                            }});
            break;
        }
        case ColumnRole::Reason:
            columns.append({{c.symbol}, cell(i), true});
            break;
        default:
            break;
        }
    }
    return columns;
}

// The widths: each column as wide as its widest text, the reason taking what is left; when the
// columns do not fit, all but the reason are narrowed alike and their texts set smaller.
void set_widths(QList<ListColumn> &columns, const QList<RowResult> &rows)
{
    int fixed = 0;
    ListColumn *reason = nullptr;
    for (ListColumn &column : columns) {
        if (column.reason) {
            reason = &column;
            continue;
        }
        double widest = 0;
        for (const QString &line : column.head)
            widest = std::max(widest, text_width(line, cell_size));
        for (const RowResult &row : rows) {
            for (const QString &line : column.lines(row))
                widest = std::max(widest, text_width(line, cell_size));
        }
        column.width = std::max(least_column, int(widest) + 2 * cell_inset + 1);
        fixed += column.width;
    }
    const int room = table_right - table_left;
    if (fixed + least_reason > room) {
        const double scale = double(room - least_reason) / fixed;
        fixed = 0;
        for (ListColumn &column : columns) {
            if (!column.reason) {
                column.width = int(column.width * scale);
                fixed += column.width;
            }
        }
    }
    if (reason)
        reason->width = room - fixed;
}

// The text in a cell, set smaller where it would not fit.
void fitted(ReportPage &page, int x, int y, int width, const QString &text, double size)
{
    if (text.isEmpty())
        return;
    const double room = width - 2 * cell_inset;
    const double natural = text_width(text, size);
    const double shown = natural > room ? size * room / natural : size;
    page.font(shown);
    page.text(x + cell_inset, y, {text});
}

// The reason in at most two lines, the second ending in "…" when more is left.
QStringList reason_lines(const QString &text, int width)
{
    QStringList lines = wrap_text(text, reason_size, width - 2 * cell_inset);
    if (lines.size() > 2) {
        lines = lines.mid(0, 2);
        QString &last = lines[1];
        while (!last.isEmpty() && text_width(last + u'…', reason_size) > width - 2 * cell_inset)
            last.chop(1);
        last += u'…';
    }
    return lines;
}

QString counted(const QList<RowResult> &rows)
{
    int ok = 0, ng = 0, none = 0;
    for (const RowResult &row : rows)
        (row.overall == batch::Overall::Ok ? ok : row.overall == batch::Overall::Ng ? ng : none) += 1;
    return QStringLiteral("%1 行（OK %2、NG %3、判定なし %4）").arg(rows.size()).arg(ok).arg(ng).arg(none);
}

// The base's inputs that no column gives: "θ = 90 °".
QString base_inputs(const batch::BatchJob &job)
{
    QStringList items;
    for (const flume::Quantity &q : flume::quantities()) {
        if (flume::kind_of(q.field) != flume::FieldKind::Input)
            continue;
        bool given = false;
        for (const batch::InputColumn &column : job.table.columns)
            given = given || (column.kind == batch::ColumnKind::FlumeInput && column.field == q.field);
        if (!given)
            items << q.symbol + QStringLiteral(" = ") + job.base.inputs.value(int(q.field))
                         + (q.si_unit.isEmpty() ? QString() : u' ' + q.si_unit);
    }
    return items.join(QStringLiteral("、"));
}

// The member check's materials and each member's bars as the base gives them.
QStringList base_members(const batch::BatchJob &job)
{
    QStringList materials, bars;
    const members::MemberCheckInputs &inputs = job.base.members;
    for (const members::MemberQuantity &q : members::member_quantities()) {
        if (!q.per_member)
            materials << q.symbol + u' ' + members::member_value(inputs, q, 0) + (q.si_unit.isEmpty() ? QString() : u' ' + q.si_unit);
    }
    for (std::size_t m = 0; m < members::member_count; ++m) {
        QStringList member;
        for (const members::MemberQuantity &q : members::member_quantities()) {
            const QString value = q.per_member ? members::member_value(inputs, q, m) : QString();
            if (!value.isEmpty())
                member << q.symbol + u' ' + value + (q.si_unit.isEmpty() ? QString() : u' ' + q.si_unit);
        }
        bars << flume::member_title(flume::member_forces[m]) + u'：' + (member.isEmpty() ? QStringLiteral("未入力") : member.join(u' '));
    }
    return {QStringLiteral("使用材料：") + materials.join(QStringLiteral("、")),
            QStringLiteral("部材：") + bars.join(QStringLiteral("　"))};
}

class ListLayout
{
public:
    ListLayout(QList<ListColumn> columns) : columns_(std::move(columns)) {}

    QList<ReportPage> pages;
    QList<PdfBookmark> bookmarks;

    void first_page(const QStringList &conditions)
    {
        new_page(list_title);
        int y = title_top + line_height(title_size) + 100;
        page().font(condition_size);
        for (const QString &paragraph : conditions) {
            for (const QString &line : wrap_text(paragraph, condition_size, table_right - table_left)) {
                page().text(table_left, y, {line});
                y += condition_line;
            }
        }
        head(y + 100);
    }

    void row(const RowResult &row)
    {
        if (y_ + row_height() > frame_bottom - 100) {
            close_page();
            new_page(list_title + QStringLiteral("（つづき）"));
            head(title_top + line_height(title_size) + 150);
        }
        if (first_line_ == 0)
            first_line_ = row.line;
        last_line_ = row.line;
        int x = table_left;
        for (const ListColumn &column : columns_) {
            const QStringList lines = column.reason ? reason_lines(column.lines(row).value(0), column.width) : column.lines(row);
            const double size = column.reason ? reason_size : cell_size;
            int y = y_ + 20;
            for (const QString &line : lines) {
                fitted(page(), x, y, column.width, line, size);
                y += line_height(size);
            }
            x += column.width;
        }
        y_ += row_height();
        page().line(table_left, y_, table_right, y_);
    }

    void close_page()
    {
        grid(table_top_, y_);
        if (first_line_ > 0)
            bookmarks.append({QStringLiteral("行 %1～%2").arg(first_line_).arg(last_line_), int(pages.size()) - 1, table_top_, 1});
        first_line_ = 0;
    }

private:
    ReportPage &page() { return pages.last(); }

    void new_page(const QString &title)
    {
        ReportPage page;
        page.line(frame_left, frame_top, frame_right, frame_top);
        page.line(frame_right, frame_top, frame_right, frame_bottom);
        page.line(frame_left, frame_bottom, frame_right, frame_bottom);
        page.line(frame_left, frame_bottom, frame_left, frame_top);
        page.font(title_size);
        page.text(table_left, title_top, {title});
        const QString number = QStringLiteral("- %1 -").arg(pages.size() + 1);
        page.font(number_size);
        page.text((frame_left + frame_right) / 2 - int(text_width(number, number_size) / 2), number_top, {number});
        pages.append(page);
    }

    // The head of the table, on every page.
    void head(int top)
    {
        table_top_ = top;
        page().line(table_left, top, table_right, top);
        int x = table_left;
        for (const ListColumn &column : columns_) {
            int y = top + 20;
            for (const QString &line : column.head) {
                fitted(page(), x, y, column.width, line, cell_size);
                y += line_height(cell_size);
            }
            x += column.width;
        }
        y_ = top + row_height();
        page().line(table_left, y_, table_right, y_);
        page().line(table_left, y_ + 15, table_right, y_ + 15);
    }

    void grid(int top, int bottom)
    {
        int x = table_left;
        page().line(x, top, x, bottom);
        for (const ListColumn &column : columns_) {
            x += column.width;
            page().line(x, top, x, bottom);
        }
    }

    QList<ListColumn> columns_;
    int y_ = 0;
    int table_top_ = 0;
    int first_line_ = 0, last_line_ = 0;
};

} // namespace

PrintDocument batch_list(const batch::BatchJob &job, const batch::BatchResults &results, const QString &table_name)
{
    QList<ListColumn> columns = list_columns(results);
    set_widths(columns, results.rows);
    QStringList conditions{
        QStringLiteral("表：") + table_name + QStringLiteral("　") + counted(results.rows),
        QStringLiteral("基本ファイル：") + job.base_name,
        QStringLiteral("基本ファイルの入力（表にないもの）：") + base_inputs(job),
    };
    if (job.judges_members())
        conditions << base_members(job);
    if (job.design) {
        conditions << QStringLiteral("自動配筋：") + members::lists_text(job.base.members.design_lists) + QStringLiteral(" の")
                          + members::design_rule
                   << QStringLiteral("部材の欄は、決定する応力度と許容応力度に対する比、その下に自動配筋で選んだ鉄筋@ピッチ（mm）と部材の判定です。");
    } else if (job.judges_members()) {
        conditions << QStringLiteral("部材の欄は、決定する応力度と許容応力度に対する比、その下に部材の判定です。");
    }
    conditions << QStringLiteral("Fs と qmax の下はその判定（Fs ＞ 1.2、qmax ≦ qa）です。表にない値は基本ファイルの値です。");

    ListLayout layout(columns);
    layout.first_page(conditions);
    for (const RowResult &row : results.rows)
        layout.row(row);
    layout.close_page();

    PrintDocument document;
    document.pages = layout.pages;
    document.orientation = PageOrientation::Landscape;
    document.file_name = QStringLiteral("一括計算");
    document.description.title = list_title;
    document.description.bookmarks.append({list_title, 0, 0, 0});
    document.description.bookmarks.append(layout.bookmarks);
    return document;
}

} // namespace printing
