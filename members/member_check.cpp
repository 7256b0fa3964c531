#include "members/member_check.h"

#include "common/number_format.h"
#include "common/numeric_reading.h"
#include "flume/flume_sheet.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace members {

namespace {

using common::NumberPattern;
using flume::Field;

// The Case forces act on one metre of flume.
const QString unit_width = QStringLiteral("100");

std::optional<double> positive(const QString &text) { return typed_value(text, 0, false); }

// A worked-out value with at most the pattern's decimals and no trailing zeros: 200, 6.67.
QString short_number(double value, NumberPattern pattern = NumberPattern::TwoDecimals,
                     common::Rounding rounding = common::Rounding::HalfAwayFromZero)
{
    QString text = common::format_number(value, pattern, rounding);
    if (!text.contains(u'.'))
        return text;
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString two_decimals(double value) { return common::format_number(value, NumberPattern::TwoDecimals); }
// A length in cm to the millimetre, the part below it cut off: a section is never shown (and
// computed) deeper than it is.
QString millimetres_cut(double value)
{
    return common::format_number(value, NumberPattern::OneDecimal, common::Rounding::Down);
}

// What a part of the inputs that could not be read leaves in place of its values.
QString unreadable_part(InputPart part) { return input_part_caption(part) + QStringLiteral("が不正"); }

// A value the row does not use, as the table shows it.
const QString not_used = QStringLiteral("－");

bool is_wall(const flume::MemberForces &member)
{
    return member.moment == Field::case1_wall_moment || member.moment == Field::case2_wall_moment
        || member.moment == Field::case3_wall_moment;
}

// Case 1 loads the flume from outside (earth pressure, surcharge, groundwater): a positive moment
// pulls the outer face. Cases 2 and 3 load it with the water inside: the inner face.
QString tension_face(const flume::MemberForces &member, double moment)
{
    const bool outer = (member.page == flume::Page::Case1) == (moment >= 0);
    return outer ? QStringLiteral("外側") : QStringLiteral("内側");
}

// The row's first input that is missing ("かぶり未入力") or not a usable number ("かぶりが不正").
class RowStatus
{
public:
    // Checks one input; returns its value when it is usable.
    std::optional<double> check(const QString &name, const QString &text, std::optional<double> value)
    {
        if (!status.isEmpty())
            return value;
        if (common::is_blank(text))
            status = name + QStringLiteral("未入力");
        else if (!value)
            status = name + QStringLiteral("が不正");
        return value;
    }
    QString status;
};

// Why the materials cannot carry a judgement: σck, which the allowable stresses belong to, must be
// a design strength.
QString concrete_strength_status(const Materials &materials)
{
    RowStatus status;
    status.check(QStringLiteral("σck"), materials.concrete_strength, positive(materials.concrete_strength));
    return status.status;
}

// The bars of the row: fills the count, pitch, As and U shown, gives the pitch in mm and returns
// the bar's nominal diameter in mm.
std::optional<double> check_bars(const MemberInputs &in, MemberResult &out, RowStatus &row, double &pitch)
{
    const std::optional<BarSize> bar = bar_size(in.bar);
    if (!bar) {
        row.check(QStringLiteral("鉄筋"), QString(), std::nullopt);
        return std::nullopt;
    }
    const bool count = in.spacing == Spacing::Count;
    std::optional<double> spacing = positive(in.spacing_text);
    // A pitch in mm gives 1000 / pitch bars on the unit width of 100 cm. Bars closer than their
    // own diameter cannot be placed: the clear gap between them must be open.
    if (spacing && (count ? 1000 / *spacing : *spacing) <= bar->diameter)
        spacing.reset();
    spacing = row.check(count ? QStringLiteral("本数") : QStringLiteral("ピッチ"), in.spacing_text, spacing);
    if (!spacing)
        return std::nullopt;
    const double bars = count ? *spacing : 1000 / *spacing;
    pitch = 1000 / bars;
    out.bars_per_width = count ? in.spacing_text : other_spacing(in);
    out.pitch = count ? other_spacing(in) : in.spacing_text;
    out.rebar_area = two_decimals(bar->area * bars);
    out.rebar_perimeter = two_decimals(bar->perimeter * bars);
    return bar->diameter;
}

// The detailing rules for a section whose As and d are shown, with its bars' pitch and nominal
// diameter in mm (none for typed As and U: the steel ratio only). Each value is shown to the side
// on which its rule could fail and each limit to its safe side, and the texts shown are compared,
// so that a shown pass is a pass.
void check_detailing(const DetailingRules &rules, std::optional<double> pitch, double diameter, MemberResult &out)
{
    using common::Rounding;
    const double area = common::read_number(out.rebar_area);
    const double depth = common::read_number(out.effective_depth);
    for (Detail d : details) {
        DetailCheck &check = out.detailing[std::size_t(d)];
        const std::optional<double> limit = detail_limit(rules, d, diameter);
        switch (d) {
        case Detail::ClearSpacing:
            if (pitch)
                check.value = short_number(*pitch - diameter, NumberPattern::OneDecimal, Rounding::Down);
            if (limit)
                check.limit = short_number(*limit, NumberPattern::OneDecimal, Rounding::Up);
            break;
        case Detail::Pitch:
            if (pitch)
                check.value = short_number(*pitch, NumberPattern::TwoDecimals, Rounding::Up);
            if (limit)
                check.limit = short_number(*limit, NumberPattern::TwoDecimals, Rounding::Down);
            break;
        case Detail::SteelRatio:
            // As / (b·d) in %, b being 100 cm.
            check.value = common::format_number(area / depth, NumberPattern::TwoDecimals, Rounding::Down);
            if (limit)
                check.limit = common::format_number(*limit, NumberPattern::TwoDecimals, Rounding::Up);
            break;
        }
        if (check.value.isEmpty() || check.limit.isEmpty())
            continue;
        const double value = common::read_number(check.value);
        const double bound = common::read_number(check.limit);
        const bool met = detail_is_least(d) ? value >= bound : value <= bound;
        check.verdict = met ? Verdict::Ok : Verdict::Ng;
    }
}

} // namespace

MemberResult check_member(const MemberInputs &in, std::size_t index, const CheckBasis &basis,
                          const MemberCheckInputs &inputs)
{
    const MemberBasis &member = basis.members[index];
    const Materials &materials = inputs.materials;
    const auto &allowed = basis.allowed;
    MemberResult out;
    out.member = member.member;
    out.bar = in.bar;
    out.designed = in.designed;
    out.unit_width = unit_width;
    out.cover = in.cover;
    out.thickness_typed = !in.thickness.isEmpty();
    out.thickness = out.thickness_typed ? in.thickness : member.shape_thickness;
    out.moment = member.moment;
    out.shear = member.shear;
    out.tension_face = member.tension_face;

    RowStatus row;
    row.status = member.forces_status;

    if (in.bar == typed_bars) {
        const auto area = row.check(QStringLiteral("As"), in.rebar_area, positive(in.rebar_area));
        row.check(QStringLiteral("U"), in.rebar_perimeter, positive(in.rebar_perimeter));
        const auto depth = row.check(QStringLiteral("ｄ"), in.effective_depth, positive(in.effective_depth));
        out.rebar_area = in.rebar_area;
        out.rebar_perimeter = in.rebar_perimeter;
        out.effective_depth = in.effective_depth;
        // d typed: かぶり plays no part in it, and the section it lies in is the shape's.
        out.cover = not_used;
        out.thickness = member.shape_thickness;
        out.thickness_typed = false;
        const auto thickness = row.check(QStringLiteral("総厚"), out.thickness, positive(out.thickness));
        if (depth && thickness && *depth >= *thickness && row.status.isEmpty())
            row.status = QStringLiteral("ｄが総厚以上");
        if (area && depth && thickness && *depth < *thickness)
            check_detailing(inputs.detailing, std::nullopt, 0, out);
    } else {
        double pitch = 0;
        const std::optional<double> diameter = check_bars(in, out, row, pitch);
        const std::optional<double> thickness = row.check(QStringLiteral("総厚"), out.thickness, positive(out.thickness));
        const std::optional<double> cover = row.check(QStringLiteral("かぶり"), in.cover, typed_value(in.cover, 0, true));
        if (diameter && thickness && cover) {
            // d to the bar's centre: the clear cover plus half the bar, to the millimetre as an
            // engineer types it into Morvik, never rounded up; the stresses use d as shown.
            out.effective_depth = millimetres_cut(*thickness - *cover - *diameter / 20);
            if (!(common::read_number(out.effective_depth) > 0) && row.status.isEmpty())
                row.status = QStringLiteral("ｄが0以下");
            else
                check_detailing(inputs.detailing, pitch, *diameter, out);
        }
    }
    if (!row.status.isEmpty()) {
        out.status = out.judgement = row.status;
        return out;
    }

    // Morvik's calculation on what an engineer would type into its window, with |M| and |S|: the
    // tension face says where the moment pulls.
    const auto magnitude = [](QString text) { return text.startsWith(u'-') ? text.mid(1) : text; };
    const rcstress::SectionInputs section{out.rebar_area, out.unit_width, out.effective_depth,
                                          magnitude(out.moment), magnitude(out.shear), out.rebar_perimeter};
    if (rcstress::calculate_section(section, &out.stresses, rcstress::ZeroForces::Allowed)) {
        out.stresses = {};
        out.status = out.judgement = QStringLiteral("計算できません");
        return out;
    }

    // The stresses as shown are judged, so that a table reading 800 against 800 says OK. A stress
    // over a known allowable, or a broken detailing rule, is NG whatever the others; OK needs all
    // four allowables and every rule's limit.
    QStringList blank, invalid, blank_rules, invalid_rules;
    for (Allowable a : allowables) {
        const std::size_t i = std::size_t(a);
        if (allowed[i])
            out.exceeded[i] = common::read_number(out.stress(a)) > *allowed[i];
        else
            (common::is_blank(allowable_text(materials, a)) ? blank : invalid) << allowable_symbol(a);
    }
    for (Detail d : details) {
        const DetailCheck &check = out.detailing[std::size_t(d)];
        if (!check.value.isEmpty() && check.limit.isEmpty())
            (detail_entry_blank(inputs.detailing, d) ? blank_rules : invalid_rules) << detail_name(d);
    }
    const QString &strength_status = basis.strength_status;
    if (!out.failing().isEmpty()) {
        out.verdict = Verdict::Ng;
        out.judgement = QStringLiteral("NG（") + out.failing() + u'）';
    } else if (!strength_status.isEmpty())
        out.judgement = strength_status;
    else if (!blank.isEmpty())
        out.judgement = QStringLiteral("許容値未入力（") + blank.join(u'、') + u'）';
    else if (!invalid.isEmpty())
        out.judgement = QStringLiteral("許容値が不正（") + invalid.join(u'、') + u'）';
    else if (!blank_rules.isEmpty())
        out.judgement = QStringLiteral("構造細目未入力（") + blank_rules.join(u'、') + u'）';
    else if (!invalid_rules.isEmpty())
        out.judgement = QStringLiteral("構造細目が不正（") + invalid_rules.join(u'、') + u'）';
    else {
        out.verdict = Verdict::Ok;
        out.judgement = QStringLiteral("OK");
    }
    return out;
}

std::optional<double> typed_value(const QString &text, double least, bool least_allowed)
{
    double value = 0;
    if (!common::read_whole_number(text, &value) || !std::isfinite(value))
        return std::nullopt;
    if (value < least || (value == least && !least_allowed))
        return std::nullopt;
    return value;
}

QString MemberResult::stress(Allowable allowable) const
{
    const QString *text = nullptr;
    switch (allowable) {
    case Allowable::Compression: text = &stresses.concrete_stress; break;
    case Allowable::Tension: text = &stresses.steel_stress; break;
    case Allowable::Shear: text = &stresses.shear_stress; break;
    case Allowable::Bond: text = &stresses.bond_stress; break;
    }
    // Morvik's texts carry their unit after a blank: "175 （N/c㎡） ".
    return text ? text->section(u' ', 0, 0) : QString();
}

QString MemberResult::failing() const
{
    QStringList symbols;
    for (Allowable a : allowables) {
        if (exceeded[std::size_t(a)])
            symbols << stress_symbol(a);
    }
    for (Detail d : details) {
        if (detailing[std::size_t(d)].verdict == Verdict::Ng)
            symbols << detail_name(d);
    }
    return symbols.join(u'、');
}

QString DetailCheck::comparison(Detail detail) const
{
    if (verdict == Verdict::None)
        return value;
    const bool met = verdict == Verdict::Ok;
    const QString sign = detail_is_least(detail) ? (met ? QStringLiteral(" ≧ ") : QStringLiteral(" ＜ "))
                                                 : (met ? QStringLiteral(" ≦ ") : QStringLiteral(" ＞ "));
    return value + sign + limit;
}

QString MemberCheckReport::unreadable_status(InputPart part) const
{
    return unreadable[std::size_t(part)] ? unreadable_part(part) : QString();
}

bool MemberCheckReport::any_stresses() const
{
    return std::any_of(members.begin(), members.end(), [](const MemberResult &m) { return m.has_stresses(); });
}

QString MemberCheckReport::comparison(std::size_t member, Allowable allowable) const
{
    const MemberResult &m = members[member];
    if (!m.has_stresses())
        return {};
    const std::size_t a = std::size_t(allowable);
    if (!allowable_usable[a])
        return m.stress(allowable);
    return m.stress(allowable) + (m.exceeded[a] ? QStringLiteral(" ＞ ") : QStringLiteral(" ≦ ")) + allowable_texts[a];
}

std::optional<StressRatio> MemberCheckReport::governing_ratio(std::size_t member) const
{
    const MemberResult &m = members[member];
    std::optional<StressRatio> governing;
    if (!m.has_stresses())
        return governing;
    for (Allowable a : allowables) {
        const std::size_t i = std::size_t(a);
        if (!allowable_usable[i])
            continue;
        const double ratio = common::read_number(m.stress(a)) / common::read_number(allowable_texts[i]);
        if (!governing || ratio > governing->ratio)
            governing = StressRatio{a, ratio};
    }
    return governing;
}

QString StressRatio::text() const
{
    QString shown = two_decimals(ratio);
    for (int decimals = 3; ratio > 1 && common::read_number(shown) <= 1 && decimals <= 15; ++decimals)
        shown = common::format_number(ratio, NumberPattern(decimals));
    return shown;
}

CheckBasis check_basis(const MemberCheckInputs &inputs, const flume::FlumeSheet &sheet, const OutdatedForces &outdated)
{
    CheckBasis basis;
    for (Allowable a : allowables) {
        basis.allowable_texts[std::size_t(a)] = allowable_text(inputs.materials, a);
        basis.allowed[std::size_t(a)] = positive(basis.allowable_texts[std::size_t(a)]);
    }
    basis.strength_status = concrete_strength_status(inputs.materials);
    for (std::size_t i = 0; i < member_count; ++i) {
        const flume::MemberForces &forces = flume::member_forces[i];
        MemberBasis &member = basis.members[i];
        member.member = flume::member_title(forces);
        member.shape_thickness = shape_thickness(sheet, forces);
        if (!flume::member_forces_shown(sheet, forces))
            member.forces_status = QStringLiteral("未計算");
        else if (outdated[i])
            member.forces_status = forces_outdated;
        else {
            const common::SectionForces shown = flume::member_section_forces(sheet, forces);
            member.moment = shown.moment;
            member.shear = shown.shear;
            member.tension_face = tension_face(forces, common::read_number(shown.moment));
        }
    }
    return basis;
}

QString unreadable_status(const MemberCheckInputs &inputs)
{
    for (InputPart part : input_parts) {
        if (inputs.unreadable[std::size_t(part)])
            return unreadable_part(part);
    }
    return {};
}

MemberCheckReport check_members(const MemberCheckInputs &inputs, const flume::FlumeSheet &sheet,
                                const OutdatedForces &outdated)
{
    MemberCheckReport report;
    report.materials = inputs.materials;
    report.detailing = inputs.detailing;
    report.unreadable = inputs.unreadable;
    report.design_lists = inputs.design_lists;
    const CheckBasis basis = check_basis(inputs, sheet, outdated);
    report.allowable_texts = basis.allowable_texts;
    for (Allowable a : allowables)
        report.allowable_usable[std::size_t(a)] = basis.allowed[std::size_t(a)].has_value();
    for (std::size_t i = 0; i < member_count; ++i)
        report.members[i] = check_member(inputs.members[i], i, basis, inputs);

    // A part of the file that could not be read leaves values in its place that are not the
    // file's: nothing is judged by them. Without the members' data no row has a section.
    const QString unreadable = unreadable_status(inputs);
    if (unreadable.isEmpty())
        return report;
    report.allowable_usable = {};
    for (std::size_t i = 0; i < member_count; ++i) {
        MemberResult &m = report.members[i];
        if (report.unreadable[std::size_t(InputPart::Members)]) {
            m = MemberResult{};
            m.member = flume::member_title(flume::member_forces[i]);
            m.status = m.judgement = unreadable;
            continue;
        }
        for (DetailCheck &check : m.detailing)
            check.verdict = Verdict::None;
        if (m.has_stresses()) {
            m.verdict = Verdict::None;
            m.exceeded = {};
            m.judgement = unreadable;
        }
    }
    return report;
}

QString other_spacing(const MemberInputs &member)
{
    const std::optional<double> spacing = positive(member.spacing_text);
    return spacing ? short_number(1000 / *spacing) : QString();
}

QStringList inputs_behind(const flume::FlumeSheet &sheet, const flume::MemberForces &member)
{
    QStringList texts;
    for (Field input : flume::inputs_behind(member))
        texts << sheet.text(input);
    return texts;
}

QString shape_thickness(const flume::FlumeSheet &sheet, const flume::MemberForces &member)
{
    const auto read = [&sheet](Field f) { return common::read_number(sheet.text(f)); };
    double metres = read(Field::t3);
    if (is_wall(member)) {
        const double top = read(Field::t1);
        const double bottom = read(Field::t2);
        const double height = read(Field::wall_height);
        const double depth = read(member.page == flume::Page::Case1 ? Field::case1_depth : Field::case2_depth);
        // Straight between T1 at the top and T2 at the bottom of the wall height H; a depth past
        // the wall (Case 2 takes h' to the slab's axis) keeps T2.
        const double along = height > 0 ? std::clamp(depth / height, 0.0, 1.0) : 1.0;
        metres = top + (bottom - top) * along;
    }
    if (!(metres > 0))
        return {};
    return millimetres_cut(metres * 100);
}

} // namespace members
