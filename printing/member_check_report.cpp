// 部材の応力度照査: the materials with their allowable stresses, the six Case members' bars,
// sections and stresses beside the allowable ones with the judgement, and the stress formulas.
#include "printing/flume_reports.h"

#include "drawing/report_font.h"
#include "drawing/stress_formulas.h"
#include "drawing/worked_formula.h"
#include "members/auto_reinforcement.h"
#include "printing/text_measure.h"

#include <QFontMetricsF>
#include <algorithm>
#include <functional>

namespace printing {

namespace {

using members::Allowable;
using members::MemberResult;

// The mark of a value typed over the one the tables or the shape give.
const QString typed_mark = QStringLiteral("＊");

// The table of the members: a label column, then one column per member.
constexpr int label_x = 600;
constexpr int first_column_x = 3000;
constexpr int column_width = 1330;
constexpr int table_right = first_column_x + int(members::member_count) * column_width;
static_assert(table_right <= border_right, "the members' columns must end inside the report's border");
constexpr int row_height = 260;
constexpr int cell_inset = 60;
constexpr double table_size = 9;  // points

// The point size at which a cell's text fits within its column: the table's own, or smaller for a
// long text such as "124487 ＞ 18000".
double fitting_size(const QString &text)
{
    QFont font = drawing::report_font(table_size);
    font.setPixelSize(1000);  // an em of 1000, whatever the screen's resolution
    const double ems = QFontMetricsF(font).horizontalAdvance(text) / 1000;
    const double available = column_width - 2 * cell_inset;
    return ems > 0 ? std::min(table_size, available / (ems * 20)) : table_size;
}

// A cell's text at the table's size, or smaller where it would run into the next column.
void cell_text(ReportPage &page, int x, int y, const QString &text)
{
    const double size = fitting_size(text);
    if (size < table_size)
        page.font(size);
    page.text(x, y, {text});
    if (size < table_size)
        page.font(table_size);
}

// A judgement too long for its cell in two lines, broken before its parenthesis or after "の":
// "許容値未入力" "（σca、τa）", "使用材料の" "データが不正".
QStringList judgement_lines(const QString &text)
{
    if (fitting_size(text) >= table_size)
        return {text};
    qsizetype at = text.indexOf(u'（');
    if (at <= 0)
        at = text.indexOf(u'の') + 1;
    if (at <= 0)
        at = (text.size() + 1) / 2;
    return {text.left(at), text.mid(at)};
}

struct TableRow {
    QString label;
    std::function<QString(std::size_t)> cell;  // the text of the member's cell
};

void add_materials(ReportPage &page, const members::MemberCheckReport &check)
{
    const members::Materials &materials = check.materials;
    page.font(12);
    if (const QString unreadable = check.unreadable_status(members::InputPart::Materials); !unreadable.isEmpty()) {
        page.text(700, 1400, {unreadable});
        return;
    }
    page.text(700, 1400, {"コンクリート設計基準強度"});
    page.text(4300, 1400, {"σck : ", materials.concrete_strength, " N/mm²"});
    page.text(700, 1700, {"鉄筋"});
    page.text(4300, 1700, {members::grade_name(materials.grade)});
    int y = 2000;
    for (Allowable a : members::allowables) {
        const QString row = members::allowable_row(materials, a);
        page.text(700, y, {members::allowable_name(a)});
        page.text(4300, y, {members::allowable_symbol(a), " : ", check.allowable_texts[std::size_t(a)],
                            members::allowable_typed(materials, a) ? typed_mark : QString(), " N/cm²",
                            row.isEmpty() ? QString() : QStringLiteral("（") + row + QStringLiteral("）")});
        y += 300;
    }
}

QList<TableRow> table_rows(const members::MemberCheckReport &check)
{
    const auto member = [&check](QString MemberResult::*text) {
        return [&check, text](std::size_t i) { return check.members[i].*text; };
    };
    const auto stress = [&check](QString rcstress::SectionResults::*text) {
        return [&check, text](std::size_t i) { return check.members[i].stresses.*text; };
    };
    QList<TableRow> rows = {
        {"曲げモーメントＭ（N・cm）", member(&MemberResult::moment)},
        {"せん断力 Ｓ（N）", member(&MemberResult::shear)},
        {"引張側", member(&MemberResult::tension_face)},
        {"鉄筋", member(&MemberResult::bar)},
        {"配筋", [&check](std::size_t i) { return members::bars_origin(check.members[i]); }},
        {"本数（本／100cm）", member(&MemberResult::bars_per_width)},
        {"ピッチ（mm）", member(&MemberResult::pitch)},
        {"鉄筋量 Ａｓ（cm²）", member(&MemberResult::rebar_area)},
        {"鉄筋全周長 Ｕ（cm）", member(&MemberResult::rebar_perimeter)},
        {"単位巾 ｂ（cm）", member(&MemberResult::unit_width)},
        {"総厚（cm）",
         [&check](std::size_t i) {
             return check.members[i].thickness + (check.members[i].thickness_typed ? typed_mark : QString());
         }},
        {"かぶり（cm）", member(&MemberResult::cover)},
        {"ｄ（cm）", member(&MemberResult::effective_depth)},
        {"鉄筋比 Ｐ", stress(&rcstress::SectionResults::steel_ratio)},
        {"ｋ", stress(&rcstress::SectionResults::neutral_axis_ratio)},
        {"ｊ", stress(&rcstress::SectionResults::lever_arm_ratio)},
    };
    for (Allowable a : members::allowables) {
        rows.append({members::stress_symbol(a) + QStringLiteral("／") + members::allowable_symbol(a)
                         + QStringLiteral("（N/cm²）"),
                     [&check, a](std::size_t i) { return check.comparison(i, a); }});
    }
    for (members::Detail d : members::details) {
        rows.append({members::detail_caption(d),
                     [&check, d](std::size_t i) { return check.members[i].detailing[std::size_t(d)].comparison(d); }});
    }
    return rows;
}

// The table from top; returns its bottom.
int add_member_table(ReportPage &page, const members::MemberCheckReport &check, int top)
{
    page.font(table_size);
    // The header: each member in two lines, the Case above the member.
    for (std::size_t i = 0; i < check.members.size(); ++i) {
        const QStringList title = check.members[i].member.split(u' ');
        const int x = first_column_x + int(i) * column_width + cell_inset;
        page.text(x, top + 30, {title.value(0)});
        page.text(x, top + 30 + row_height, {title.value(1)});
    }
    page.text(label_x + cell_inset, top + 30 + row_height / 2, {"部材"});
    QList<int> lines = {top, top + 2 * row_height};
    int y = top + 2 * row_height;
    for (const TableRow &row : table_rows(check)) {
        page.text(label_x + cell_inset, y + 30, {row.label});
        for (std::size_t i = 0; i < check.members.size(); ++i)
            cell_text(page, first_column_x + int(i) * column_width + cell_inset, y + 30, row.cell(i));
        y += row_height;
        lines.append(y);
    }
    // The judgement: OK or NG, and below an NG the failing stresses; a row without a verdict says why.
    page.text(label_x + cell_inset, y + 30 + row_height / 2, {"判定"});
    for (std::size_t i = 0; i < check.members.size(); ++i) {
        const MemberResult &member = check.members[i];
        const int x = first_column_x + int(i) * column_width + cell_inset;
        if (member.verdict == members::Verdict::Ng) {
            page.text(x, y + 30, {"NG"});
            cell_text(page, x, y + 30 + row_height, member.failing().replace(u'、', u','));
        } else {
            const QStringList lines = judgement_lines(member.judgement);
            for (qsizetype l = 0; l < lines.size(); ++l)
                cell_text(page, x, y + 30 + int(l) * row_height, lines[l]);
        }
    }
    y += 2 * row_height;
    lines.append(y);

    for (int line_y : lines)
        page.line(label_x, line_y, table_right, line_y);
    page.line(label_x, top, label_x, y);
    for (int c = 0; c <= int(members::member_count); ++c)
        page.line(first_column_x + c * column_width, top, first_column_x + c * column_width, y);
    return y;
}

// The section's formulas in two columns, the ratios and the depth on the left and the stresses on
// the right, all set as formulas with their left-hand sides in the reports' one formula size, each
// centred on its row's middle. Returns their bottom.
int add_formulas(ReportPage &page, int top)
{
    page.font(15);
    page.text(600, top, {"【計算式】"});
    const int first_middle = top + 750;
    constexpr int row_pitch = 620;
    int bottom = top;
    const auto place = [&](const drawing::WorkedFormula &formula, int left, int row) {
        const QSizeF size = drawing::worked_formula_size(formula);
        const int formula_top = first_middle + row * row_pitch - int(size.height() / 2);
        page.formula(formula, left, formula_top);
        bottom = std::max(bottom, formula_top + int(size.height()));
    };
    int row = 0;
    for (const drawing::formula::Expr &ratio : drawing::pictures::section_ratio_equations())
        place({ratio, {}}, 700, row++);
    // The depth's rule under its formula: d as the table prints it is the one the stresses use.
    page.font(10);
    const int depth_rule = first_middle + 3 * row_pitch + 280;
    page.text(700, depth_rule, {"（ｄは 1 mm 未満を切り捨て）"});
    const Picture stresses[] = {Picture::MorvikConcreteStress, Picture::MorvikSteelStress,
                                Picture::MorvikShearStress, Picture::MorvikBondStress};
    row = 0;
    for (Picture stress : stresses)
        place({stress, {}}, 6000, row++);
    return std::max(bottom, depth_rule + int(text_height(10)));
}

// The detailing rules the table's last rows are judged by.
QString detailing_note(const members::MemberCheckReport &check)
{
    if (const QString unreadable = check.unreadable_status(members::InputPart::Detailing); !unreadable.isEmpty())
        return QStringLiteral("※構造細目：") + unreadable;
    const members::DetailingRules &rules = check.detailing;
    return QStringLiteral("※構造細目：あき ≧ %1 mm・鉄筋径・4/3 Gmax（Gmax %2 mm）、ピッチ ≦ %3 mm、鉄筋比 ≧ %4 %")
        .arg(rules.least_spacing, rules.aggregate_size, rules.largest_pitch, rules.least_steel_ratio);
}

// The notes between top and the border, each wrapped to the border's width: at 10 points from 14800,
// higher where they need it, and smaller where even that leaves too little room.
void add_notes(ReportPage &page, const QStringList &notes, int top)
{
    const int bottom = border_bottom - 150;
    for (double size : {10.0, 9.0, 8.0}) {
        const int line = int(size * 26);
        QStringList lines;
        for (const QString &note : notes)
            lines << wrap_text(note, size, border_right - 200 - 700);
        const int height = int(lines.size() - 1) * line + int(text_height(size));
        if (top + 100 + height > bottom && size > 8)
            continue;
        page.font(size);
        int y = std::min(14800, bottom - height);
        for (const QString &text : lines) {
            page.text(700, y, {text});
            y += line;
        }
        return;
    }
}

} // namespace

ReportPage member_check_report(const FlumeSnapshot &sheet)
{
    const members::MemberCheckReport &check = sheet.member_check;
    ReportPage page;
    page.font(17);
    page.text(4400, 500, {"部材の応力度照査"});
    add_flume_border(page);
    page.font(15);
    page.text(600, 1000, {"【使用材料】"});
    add_materials(page, check);

    page.font(15);
    page.text(600, 3300, {"【部材の応力度】"});
    const int table_bottom = add_member_table(page, check, 3750);

    const int formulas_bottom = add_formulas(page, table_bottom + 250);

    QStringList notes = {
        QStringLiteral("※Ｍ、Ｓは各ケースの計算結果。応力度は｜Ｍ｜、｜Ｓ｜から求め、引張側はＭの符号によります。"),
        QStringLiteral("※判定は、σc、σs、τ、τo がそれぞれの許容応力度以下で、構造細目を満たすとき OK です。"),
        detailing_note(check),
    };
    bool typed = std::any_of(check.members.begin(), check.members.end(),
                             [](const MemberResult &m) { return m.thickness_typed; });
    for (Allowable a : members::allowables)
        typed = typed || members::allowable_typed(check.materials, a);
    if (typed)
        notes << typed_mark + QStringLiteral("：表または形状寸法の値に代えて入力した値");
    // The lists searched, so that the checker can repeat the search.
    if (std::any_of(check.members.begin(), check.members.end(), [](const MemberResult &m) { return m.designed; }))
        notes << QStringLiteral("※自動配筋：") + members::lists_text(check.design_lists) + QStringLiteral(" の") + members::design_rule;
    add_notes(page, notes, formulas_bottom);
    return page;
}

} // namespace printing
