#include "apps/tavrel/check_output.h"

#include "common/command_output.h"
#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "flume/quantities.h"
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

// "  ケース.1 側壁  σc 95 ≦ 800  σs 3412 ≦ 18000  τ 5.82 ≦ 45.9  τo 26.10 ≦ 160  OK"
QString member_line(const members::MemberCheckReport &check, std::size_t index)
{
    const members::MemberResult &member = check.members[index];
    QString line = QStringLiteral("  ") + member.member;
    if (member.has_stresses()) {
        for (Allowable a : members::allowables)
            line += QStringLiteral("  ") + members::stress_symbol(a) + u' ' + check.comparison(index, a);
    }
    return line + QStringLiteral("  ") + member.judgement;
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
        for (Allowable a : members::allowables) {
            if (m.exceeded[std::size_t(a)])
                failing.append(members::stress_symbol(a));
        }
        member.insert(QStringLiteral("failing"), failing);
    }
    return member;
}

} // namespace

CheckRun check_contents(const QString &path, const inputfile::TvlContents &contents)
{
    const flume::WalkedFlume walked = flume::walk_flume(contents.inputs);
    const members::MemberCheckReport member_check = members::check_members(contents.members, *walked.sheet);
    const CheckedFile checked{path, *walked.sheet, walked.outcome, walked.messages, member_check, contents.members.entered()};
    return {plain_report(checked), json_report(checked), walked.passed()};
}

QString plain_report(const CheckedFile &file)
{
    QStringList lines{file.path};
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
            lines.append(member_line(file.member_check, i));
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
        {QStringLiteral("inputs"), json_fields(file.sheet, FieldKind::Input)},
        {QStringLiteral("results"), json_fields(file.sheet, FieldKind::Result)},
        {QStringLiteral("messages"), messages},
        {QStringLiteral("page_buttons"), buttons},
        {QStringLiteral("case1_groundwater_formula"), file.sheet.case1_groundwater_formula()},
        {QStringLiteral("materials"), json_materials(file.member_check)},
        {QStringLiteral("members"), member_rows},
    };
    // U+FEFF (only ever inside a string) is written escaped: a JSON reader may take it at the start
    // of a string for a byte-order mark and drop it, as Qt's own does.
    QByteArray json = QJsonDocument(report).toJson(QJsonDocument::Compact);
    json.replace("\xef\xbb\xbf", "\\ufeff");
    return json + '\n';
}
