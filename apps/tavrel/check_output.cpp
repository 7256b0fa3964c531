#include "apps/tavrel/check_output.h"

#include "common/command_output.h"
#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "flume/quantities.h"
#include "inputfile/file_commands.h"
#include "inputfile/tvl_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using flume::Field;
using flume::FieldKind;
using flume::Page;
using members::Allowable;

namespace {

// "  PA = 5.70 KN/m": a result as the window shows it.
QString result_line(const flume::FlumeSheet &sheet, const flume::Quantity &result)
{
    QString line = QStringLiteral("  ") + result.caption + u' ' + sheet.text(result.field);
    if (!result.unit.isEmpty())
        line += u' ' + result.unit;
    return line;
}

// {"key": "text", ...} of the inputs, or of the results with their values in N and N·cm.
QJsonObject json_fields(const flume::FlumeSheet &sheet, FieldKind kind)
{
    QJsonObject fields;
    for (const flume::Quantity &q : flume::quantities()) {
        if (flume::kind_of(q.field) == kind)
            fields.insert(q.json_key, sheet.text(q.field));
    }
    if (kind == FieldKind::Result) {
        for (const flume::ConvertedCompanion &c : flume::converted_companions)
            fields.insert(flume::json_key(c), sheet.text(c.converted));
    }
    return fields;
}

QJsonObject json_detailing(const members::DetailingRules &rules)
{
    return {{QStringLiteral("aggregate_size"), rules.aggregate_size},
            {QStringLiteral("least_spacing"), rules.least_spacing},
            {QStringLiteral("largest_pitch"), rules.largest_pitch},
            {QStringLiteral("least_steel_ratio"), rules.least_steel_ratio}};
}

QJsonObject json_materials(const members::MemberCheckReport &check)
{
    const members::Materials &m = check.materials;
    QJsonObject allowables, typed;
    for (Allowable a : members::allowables) {
        allowables.insert(members::allowable_symbol(a), check.allowable_texts[std::size_t(a)]);
        typed.insert(members::allowable_symbol(a), members::allowable_typed(m, a));
    }
    return {{QStringLiteral("concrete_strength"), m.concrete_strength},
            {QStringLiteral("steel_grade"), members::grade_name(m.grade)},
            {QStringLiteral("tension_row"), members::tension_row_name(m.tension_row)},
            {QStringLiteral("bar_surface"), members::bar_surface_name(m.bar_surface)},
            {QStringLiteral("allowables"), allowables},
            {QStringLiteral("allowables_typed"), typed}};
}

} // namespace

QStringList member_lines(const members::MemberCheckReport &check, std::size_t index)
{
    const members::MemberResult &member = check.members[index];
    if (!member.has_stresses())
        return {QStringLiteral("  ") + member.member + QStringLiteral("  ") + member.judgement};
    QString bars = member.bar;
    if (!member.pitch.isEmpty())
        bars += QStringLiteral(" @") + member.pitch + QStringLiteral("mm");
    QStringList stresses, rules;
    for (Allowable a : members::allowables)
        stresses << members::stress_symbol(a) + u' ' + check.comparison(index, a);
    for (members::Detail d : members::details) {
        if (const QString comparison = member.detailing[std::size_t(d)].comparison(d); !comparison.isEmpty())
            rules << members::detail_name(d) + u' ' + comparison;
    }
    const QString indent = QStringLiteral("    ");
    return {QStringLiteral("  %1  %2  総厚 %3  ｄ %4  %5")
                .arg(member.member, bars, member.thickness, member.effective_depth, member.judgement),
            indent + stresses.join(QStringLiteral("  ")), indent + rules.join(QStringLiteral("  "))};
}

QJsonObject json_member(const members::MemberCheckReport &check, std::size_t index)
{
    const members::MemberResult &m = check.members[index];
    QJsonObject member{
        {QStringLiteral("member"), m.member},
        {QStringLiteral("moment"), m.moment},
        {QStringLiteral("shear"), m.shear},
        {QStringLiteral("tension_face"), m.tension_face},
        {QStringLiteral("bar"), m.bar},
        {QStringLiteral("bars_per_width"), m.bars_per_width},
        {QStringLiteral("pitch"), m.pitch},
        {QStringLiteral("rebar_area"), m.rebar_area},
        {QStringLiteral("rebar_perimeter"), m.rebar_perimeter},
        {QStringLiteral("unit_width"), m.unit_width},
        {QStringLiteral("thickness"), m.thickness},
        {QStringLiteral("thickness_typed"), m.thickness_typed},
        {QStringLiteral("cover"), m.cover},
        {QStringLiteral("effective_depth"), m.effective_depth},
        {QStringLiteral("status"), m.status},
        {QStringLiteral("judgement"), m.judgement},
    };
    if (m.has_stresses()) {
        // Morvik's texts under the names of its own --check --json.
        const rcstress::SectionResults &r = m.stresses;
        member.insert(QStringLiteral("results"), QJsonObject{{QStringLiteral("steel_ratio"), r.steel_ratio},
                                                             {QStringLiteral("neutral_axis_ratio"), r.neutral_axis_ratio},
                                                             {QStringLiteral("lever_arm_ratio"), r.lever_arm_ratio},
                                                             {QStringLiteral("concrete_stress"), r.concrete_stress},
                                                             {QStringLiteral("steel_stress"), r.steel_stress},
                                                             {QStringLiteral("shear_stress"), r.shear_stress},
                                                             {QStringLiteral("bond_stress"), r.bond_stress}});
        QJsonArray failing;
        for (const QString &name : m.failing().split(u'、', Qt::SkipEmptyParts))
            failing.append(name);
        member.insert(QStringLiteral("failing"), failing);
    }
    // Each rule: the value, its limit and "OK" or "NG"; empty texts where the row has none.
    const char *const rule_names[] = {"clear_spacing", "pitch", "steel_ratio"};
    QJsonObject detailing;
    for (members::Detail d : members::details) {
        const members::DetailCheck &rule = m.detailing[std::size_t(d)];
        const QString verdict = rule.verdict == members::Verdict::Ok   ? QStringLiteral("OK")
                                : rule.verdict == members::Verdict::Ng ? QStringLiteral("NG")
                                                                        : QString();
        detailing.insert(QLatin1String(rule_names[std::size_t(d)]),
                         QJsonObject{{QStringLiteral("value"), rule.value},
                                     {QStringLiteral("limit"), rule.limit},
                                     {QStringLiteral("judgement"), verdict}});
    }
    member.insert(QStringLiteral("detailing"), detailing);
    return member;
}

CheckRun check_contents(const QString &path, const inputfile::TvlContents &contents,
                        const inputfile::ExtensionNotes &notes)
{
    const flume::WalkedFlume walked = flume::walk_flume(contents.inputs);
    const members::MemberCheckReport member_check = members::check_members(contents.members, *walked.sheet);
    const CheckedFile checked{path, *walked.sheet, walked.outcome, walked.messages, member_check, contents.members.entered(),
                              notes.damaged};
    return {plain_report(checked), json_report(checked), walked.passed() && notes.damaged.isEmpty()};
}

QString plain_report(const CheckedFile &file)
{
    QStringList lines{file.path};
    if (!file.damaged.isEmpty())
        lines.append(QStringLiteral("  ") + inputfile::message::extension_damaged.arg(file.damaged.join(u'、')));
    for (Page page : flume::calculation_pages) {
        if (!file.outcome.pages_opened.contains(page))
            continue;
        lines.append(flume::page_caption(page));
        for (const flume::Quantity &result : flume::results_of(page))
            lines.append(result_line(file.sheet, result));
        for (const flume::PageMessage &raised : file.messages) {
            if (raised.page == page)
                lines.append(QStringLiteral("  ") + common::message_line(raised.message));
        }
    }
    if (file.member_data) {
        lines.append(flume::page_caption(Page::MemberCheck));
        for (std::size_t i = 0; i < members::member_count; ++i)
            lines.append(member_lines(file.member_check, i));
    }
    return lines.join(u'\n') + u'\n';
}

QByteArray json_report(const CheckedFile &file)
{
    QJsonArray messages;
    for (const flume::PageMessage &raised : file.messages)
        messages.append(QJsonObject{{QStringLiteral("text"), raised.message.text},
                                    {QStringLiteral("title"), raised.message.title}});
    QJsonObject buttons;
    for (Page page : flume::calculation_pages)
        buttons.insert(QStringLiteral("Command%1").arg(int(page)), file.sheet.page_button_enabled(page));
    QJsonArray member_rows;
    for (std::size_t i = 0; i < members::member_count; ++i)
        member_rows.append(json_member(file.member_check, i));
    const QJsonObject report{
        {QStringLiteral("file"), file.path},
        {QStringLiteral("damaged"), QJsonArray::fromStringList(file.damaged)},
        {QStringLiteral("inputs"), json_fields(file.sheet, FieldKind::Input)},
        {QStringLiteral("results"), json_fields(file.sheet, FieldKind::Result)},
        {QStringLiteral("messages"), messages},
        {QStringLiteral("page_buttons"), buttons},
        {QStringLiteral("case1_groundwater_formula"), file.sheet.case1_groundwater_formula()},
        {QStringLiteral("materials"), json_materials(file.member_check)},
        {QStringLiteral("detailing"), json_detailing(file.member_check.detailing)},
        {QStringLiteral("members"), member_rows},
    };
    // U+FEFF (only ever inside a string) is written escaped: a JSON reader may take it at the start
    // of a string for a byte-order mark and drop it, as Qt's own does.
    QByteArray json = QJsonDocument(report).toJson(QJsonDocument::Compact);
    json.replace("\xef\xbb\xbf", "\\ufeff");
    return json + '\n';
}
