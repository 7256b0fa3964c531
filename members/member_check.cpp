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

// A typed value that must be wholly a number at or above the least allowed; none otherwise.
std::optional<double> typed_value(const QString &text, double least, bool least_allowed)
{
    double value = 0;
    if (!common::read_whole_number(text, &value) || !std::isfinite(value))
        return std::nullopt;
    if (value < least || (value == least && !least_allowed))
        return std::nullopt;
    return value;
}

std::optional<double> positive(const QString &text) { return typed_value(text, 0, false); }

// A worked-out value with at most two decimals and no trailing zeros: 200, 6.67.
QString short_number(double value)
{
    QString text = common::format_number(value, NumberPattern::TwoDecimals);
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

// The bars of the row: fills the count, pitch, As and U shown and returns the bar's diameter in cm.
std::optional<double> check_bars(const MemberInputs &in, MemberResult &out, RowStatus &row)
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
    out.bars_per_width = count ? in.spacing_text : other_spacing(in);
    out.pitch = count ? other_spacing(in) : in.spacing_text;
    out.rebar_area = two_decimals(bar->area * bars);
    out.rebar_perimeter = two_decimals(bar->perimeter * bars);
    return bar->diameter / 10;
}

MemberResult check_member(const MemberInputs &in, const flume::MemberForces &member, const Materials &materials,
                          const std::array<std::optional<double>, allowables.size()> &allowed,
                          const flume::FlumeSheet &sheet, bool outdated)
{
    MemberResult out;
    out.member = flume::member_title(member);
    out.bar = in.bar;
    out.unit_width = unit_width;
    out.cover = in.cover;
    out.thickness_typed = !in.thickness.isEmpty();
    out.thickness = out.thickness_typed ? in.thickness : shape_thickness(sheet, member);

    RowStatus row;
    if (!flume::member_forces_shown(sheet, member))
        row.status = QStringLiteral("未計算");
    else if (outdated)
        row.status = forces_outdated;
    else {
        const common::SectionForces forces = flume::member_section_forces(sheet, member);
        out.moment = forces.moment;
        out.shear = forces.shear;
        out.tension_face = tension_face(member, common::read_number(forces.moment));
    }

    if (in.bar == typed_bars) {
        row.check(QStringLiteral("As"), in.rebar_area, positive(in.rebar_area));
        row.check(QStringLiteral("U"), in.rebar_perimeter, positive(in.rebar_perimeter));
        row.check(QStringLiteral("ｄ"), in.effective_depth, positive(in.effective_depth));
        out.rebar_area = in.rebar_area;
        out.rebar_perimeter = in.rebar_perimeter;
        out.effective_depth = in.effective_depth;
        // d typed: the section's 総厚 and かぶり play no part in it.
        out.thickness = out.cover = not_used;
        out.thickness_typed = false;
    } else {
        const std::optional<double> diameter = check_bars(in, out, row);
        const std::optional<double> thickness = row.check(QStringLiteral("総厚"), out.thickness, positive(out.thickness));
        const std::optional<double> cover = row.check(QStringLiteral("かぶり"), in.cover, typed_value(in.cover, 0, true));
        if (diameter && thickness && cover) {
            // d to the bar's centre: the clear cover plus half the bar, to the millimetre as an
            // engineer types it into Morvik, never rounded up; the stresses use d as shown.
            out.effective_depth = millimetres_cut(*thickness - *cover - *diameter / 2);
            if (!(common::read_number(out.effective_depth) > 0) && row.status.isEmpty())
                row.status = QStringLiteral("ｄが0以下");
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
    // over a known allowable is NG whatever the others; OK needs all four allowables.
    QStringList blank, invalid;
    for (Allowable a : allowables) {
        const std::size_t i = std::size_t(a);
        if (allowed[i])
            out.exceeded[i] = common::read_number(out.stress(a)) > *allowed[i];
        else
            (common::is_blank(allowable_text(materials, a)) ? blank : invalid) << allowable_symbol(a);
    }
    const bool ng = std::find(out.exceeded.begin(), out.exceeded.end(), true) != out.exceeded.end();
    const QString strength_status = concrete_strength_status(materials);
    if (ng) {
        out.verdict = Verdict::Ng;
        out.judgement = QStringLiteral("NG（") + out.failing() + u'）';
    } else if (!strength_status.isEmpty())
        out.judgement = strength_status;
    else if (!blank.isEmpty())
        out.judgement = QStringLiteral("許容値未入力（") + blank.join(u'、') + u'）';
    else if (!invalid.isEmpty())
        out.judgement = QStringLiteral("許容値が不正（") + invalid.join(u'、') + u'）';
    else {
        out.verdict = Verdict::Ok;
        out.judgement = QStringLiteral("OK");
    }
    return out;
}

} // namespace

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
    return symbols.join(u'、');
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

MemberCheckReport check_members(const MemberCheckInputs &inputs, const flume::FlumeSheet &sheet,
                                const OutdatedForces &outdated)
{
    MemberCheckReport report;
    report.materials = inputs.materials;
    std::array<std::optional<double>, allowables.size()> allowed;
    for (Allowable a : allowables) {
        report.allowable_texts[std::size_t(a)] = allowable_text(inputs.materials, a);
        allowed[std::size_t(a)] = positive(report.allowable_texts[std::size_t(a)]);
        report.allowable_usable[std::size_t(a)] = allowed[std::size_t(a)].has_value();
    }
    for (std::size_t i = 0; i < member_count; ++i)
        report.members[i] =
            check_member(inputs.members[i], flume::member_forces[i], inputs.materials, allowed, sheet, outdated[i]);
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
