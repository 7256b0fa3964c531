// 結果一覧: every judgement of the flume in one table, so that a checker reads first whether the
// section and its members pass, then turns to the chapter that shows each value computed.
#include "common/number_format.h"
#include "members/auto_reinforcement.h"
#include "printing/document_pages.h"
#include "printing/text_measure.h"

#include <algorithm>

namespace printing {

namespace {

using namespace document_layout;
using members::Allowable;
using members::MemberResult;
using members::Verdict;

constexpr double title_size = 17;
constexpr double table_size = 10;
constexpr double note_size = 9.5;
constexpr double overall_size = 12;
constexpr int table_left = 700;
constexpr int table_right = 10850;
constexpr int row_height = 230;
constexpr int cell_inset = 70;
constexpr int table_top = 1300;
constexpr int note_line = 270;

// The table's columns: what is checked, the rule, the values compared, the verdict.
constexpr int column_x[] = {table_left, 3000, 5600, 9500, table_right};

const QString ok = QStringLiteral("OK");
const QString ng = QStringLiteral("NG");
const QString no_verdict = QStringLiteral("－");

// One row of the table.
struct SummaryRow {
    QString rule;        // "σs ≦ σsa（N/cm²）"
    QString comparison;  // "3585 ≦ 18000", or why there is none
    QString verdict;     // OK, NG or －
};

// A group of rows under one name: the section's check or a member.
struct SummaryGroup {
    QString name;
    QList<SummaryRow> rows;
    QStringList under_name;  // lines below the name, as far as the rows go
};

QString verdict_of(bool passed) { return passed ? ok : ng; }

SummaryGroup section_group(const QString &name, const QString &rule, const std::optional<flume::LimitCheck> &check,
                           const QString &reason)
{
    if (!check)
        return {name, {{rule, QStringLiteral("未計算（") + reason + u'）', no_verdict}}, {}};
    return {name, {{rule, check->comparison, verdict_of(check->passed)}}, {}};
}

// The detailing rules (構造細目) of a member, as rows of this table between its stresses and its
// judgement: "あき ≧ 最小あき（mm）  187.3 ≧ 26.7  OK".
QList<SummaryRow> detailing_rows(const MemberResult &member)
{
    QList<SummaryRow> rows;
    for (members::Detail d : members::details) {
        const members::DetailCheck &rule = member.detailing[std::size_t(d)];
        if (rule.value.isEmpty())
            continue;  // typed As and U have no pitch to hold to a rule
        const QString name = members::detail_name(d);
        const QString bound = members::detail_is_least(d) ? QStringLiteral(" ≧ 最小") : QStringLiteral(" ≦ 最大");
        const QString verdict = rule.verdict == Verdict::Ok ? ok : rule.verdict == Verdict::Ng ? ng : no_verdict;
        rows.append({name + bound + name + QStringLiteral("（") + members::detail_unit(d) + QStringLiteral("）"),
                     rule.comparison(d), verdict});
    }
    return rows;
}

SummaryGroup member_group(const members::MemberCheckReport &check, std::size_t index)
{
    const MemberResult &member = check.members[index];
    SummaryGroup group{member.member, {}, {}};
    // Under the member its bars, and whether the search chose them.
    if (!member.rebar_area.isEmpty()) {
        QString bars = member.bar;
        if (!member.pitch.isEmpty())
            bars += QStringLiteral(" @") + member.pitch + QStringLiteral("mm");
        group.under_name = QStringList{bars, members::bars_origin(member)};
    }
    if (member.has_stresses()) {
        for (Allowable a : members::allowables) {
            const std::size_t i = std::size_t(a);
            const QString verdict = member.exceeded[i] ? ng : check.allowable_usable[i] ? ok : no_verdict;
            group.rows.append({members::stress_symbol(a) + QStringLiteral(" ≦ ") + members::allowable_symbol(a)
                                   + QStringLiteral("（N/cm²）"),
                               check.comparison(index, a), verdict});
        }
        group.rows.append(detailing_rows(member));
    }
    const QString verdict = member.verdict == Verdict::Ok ? ok : member.verdict == Verdict::Ng ? ng : no_verdict;
    group.rows.append({QStringLiteral("部材の判定"), member.judgement, verdict});
    return group;
}

// The line under the table: every check passed, some check failed, or some check has no verdict.
QString overall_line(const QList<SummaryGroup> &groups)
{
    bool any_ng = false, all_ok = true;
    for (const SummaryGroup &group : groups) {
        // A member's own judgement stands for its rows; the section's checks have one row each.
        const SummaryRow &deciding = group.rows.last();
        any_ng = any_ng || deciding.verdict == ng;
        all_ok = all_ok && deciding.verdict == ok;
    }
    if (any_ng)
        return QStringLiteral("総合判定　NG の照査があります。");
    if (all_ok)
        return QStringLiteral("総合判定　すべての照査が OK です。");
    return QStringLiteral("総合判定　判定の出ていない照査があります。");
}

// The least safety factor against uplift, as the table and its notes state it: "1.2".
QString required_uplift_safety() { return common::default_number_text(flume::required_uplift_safety); }

QStringList notes(const members::MemberCheckReport &check)
{
    QStringList notes = {
        QStringLiteral("※浮上りの安全率 Fs と最大地盤反力 qmax は、表示のために丸める前の値（有効数字 15 桁）で判定します。"
                       "表の値は各ページと同じ桁（Fs 小数 2 桁、qmax 小数 1 桁）で示し、その桁では判定と食い違って見えるとき"
                       "だけ、判定の分かる桁まで示します。"),
        QStringLiteral("※Fs は %1 を超えるとき OK（%1 ちょうどは NG）、qmax は qa 以下のとき OK（qa に等しいときも OK）です。")
            .arg(required_uplift_safety()),
        QStringLiteral("※部材の応力度は、部材の応力度照査の表に示した値で許容応力度と比べます。部材の判定は、その部材の照査"
                       "すべてが OK のとき OK です。"),
    };
    // The lists searched, so that the checker can repeat the search.
    if (std::any_of(check.members.begin(), check.members.end(), [](const MemberResult &m) { return m.designed; }))
        notes << QStringLiteral("※自動配筋：") + members::lists_text(check.design_lists) + QStringLiteral(" の") + members::design_rule
                + QStringLiteral("を選んでいます。");
    return notes;
}

// Lays the table out from top to bottom on as many pages as it needs.
class SummaryLayout
{
public:
    explicit SummaryLayout(const QString &title) : title_(title) { new_page(); }

    QList<ReportPage> pages() const { return pages_; }

    void group(const SummaryGroup &group)
    {
        if (y_ + int(group.rows.size()) * row_height > bottom - 400)
            new_page();
        const int top = y_;
        page().font(table_size);
        fitted(column_x[0], top, group.name);
        for (qsizetype i = 0; i < group.under_name.size() && i + 1 < group.rows.size(); ++i)
            fitted(column_x[0], top + int(i + 1) * row_height, group.under_name[i]);
        for (const SummaryRow &row : group.rows) {
            fitted(column_x[1], y_, row.rule);
            fitted(column_x[2], y_, row.comparison);
            fitted(column_x[3], y_, row.verdict);
            y_ += row_height;
            if (&row != &group.rows.last())
                page().line(column_x[1], y_, table_right, y_);
        }
        page().line(table_left, y_, table_right, y_);
        for (int x : column_x)
            page().line(x, top, x, y_);
    }

    void paragraph(const QString &text, double size, int gap)
    {
        const QStringList lines = wrap_text(text, size, table_right - table_left);
        if (y_ + gap + int(lines.size()) * note_line > bottom - 200)
            new_page(false);
        y_ += gap;
        page().font(size);
        for (const QString &line : lines) {
            page().text(table_left, y_, {line});
            y_ += note_line;
        }
    }

private:
    ReportPage &page() { return pages_.last(); }

    // A cell's text at the table's size, or smaller where it would run into the next column.
    void fitted(int x, int y, const QString &text)
    {
        const int next = *std::upper_bound(std::begin(column_x), std::end(column_x), x);
        const double room = next - x - 2 * cell_inset;
        const double width = text_width(text, table_size);
        const double size = width > room ? table_size * room / width : table_size;
        if (size < table_size)
            page().font(size);
        page().text(x + cell_inset, y + int((row_height - text_height(size)) / 2), {text});
        if (size < table_size)
            page().font(table_size);
    }

    // A page with the head of the table, or one for the notes after it.
    void new_page(bool table = true)
    {
        ReportPage page;
        add_flume_border(page);
        page.font(title_size);
        page.text(700, 600, {pages_.isEmpty() ? title_ : title_ + QStringLiteral("（つづき）")});
        if (!table) {
            pages_.append(page);
            y_ = table_top;
            return;
        }
        // The head of the table on every page.
        page.font(table_size);
        const QString heads[] = {QStringLiteral("照査"), QStringLiteral("照査の式"), QStringLiteral("計算値と制限値"),
                                 QStringLiteral("判定")};
        for (std::size_t i = 0; i < std::size(heads); ++i)
            page.text(column_x[i] + cell_inset, table_top + int((row_height - text_height(table_size)) / 2), {heads[i]});
        page.line(table_left, table_top, table_right, table_top);
        for (int x : column_x)
            page.line(x, table_top, x, table_top + row_height);
        pages_.append(page);
        y_ = table_top + row_height;
        this->page().line(table_left, y_, table_right, y_);
    }

    QString title_;
    QList<ReportPage> pages_;
    int y_ = 0;
};

} // namespace

QList<ReportPage> results_summary(const QString &title, const ResultsSummary &summary)
{
    QList<SummaryGroup> groups = {
        section_group(QStringLiteral("浮上り"), QStringLiteral("Fs ＞ ") + required_uplift_safety(), summary.uplift,
                      summary.section_reason),
        section_group(QStringLiteral("基礎地盤の支持力"), QStringLiteral("qmax ≦ qa（kN/m²）"), summary.bearing,
                      summary.section_reason),
    };
    for (std::size_t i = 0; i < members::member_count; ++i)
        groups.append(member_group(summary.members, i));

    SummaryLayout layout(title);
    for (const SummaryGroup &group : groups)
        layout.group(group);
    layout.paragraph(overall_line(groups), overall_size, 250);
    for (const QString &note : notes(summary.members))
        layout.paragraph(note, note_size, 80);
    return layout.pages();
}

} // namespace printing
