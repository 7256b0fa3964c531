#include "members/auto_reinforcement.h"

#include "common/number_format.h"
#include "common/numeric_reading.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace members {

namespace {

using common::NumberPattern;

// The entries of a list: separated by commas, 読点 or blanks, full-width ones too.
QStringList entries(const QString &list)
{
    static const QRegularExpression separators(QStringLiteral("[,、，\\s　]+"));
    return list.split(separators, Qt::SkipEmptyParts);
}

QString list_fault(const QString &list, const QString &bad)
{
    return bad.isEmpty() ? list + QStringLiteral("が未入力") : list + QStringLiteral("が不正（") + bad + u'）';
}

const QString bars_caption = QStringLiteral("探す鉄筋");
const QString pitches_caption = QStringLiteral("探すピッチ");

// The member's inputs with the bar at the pitch in their place, cover and 総厚 kept.
MemberInputs arranged(MemberInputs member, const BarSize &bar, const QString &pitch)
{
    member.bar = QString::fromLatin1(bar.name);
    member.spacing = Spacing::Pitch;
    member.spacing_text = pitch;
    return member;
}

// The largest ratio of the checked row: each stress to its allowable, the least steel ratio to
// the member's, as the texts shown give them.
QString largest_ratio(const MemberResult &member, const std::array<std::optional<double>, allowables.size()> &allowed)
{
    if (!member.has_stresses())
        return {};
    QString name;
    double largest = -1;
    const auto consider = [&](const QString &what, double ratio) {
        if (std::isfinite(ratio) && ratio > largest) {
            largest = ratio;
            name = what;
        }
    };
    for (Allowable a : allowables) {
        if (const auto &limit = allowed[std::size_t(a)])
            consider(stress_symbol(a), common::read_number(member.stress(a)) / *limit);
    }
    const DetailCheck &ratio = member.detailing[std::size_t(Detail::SteelRatio)];
    if (ratio.verdict != Verdict::None && common::read_number(ratio.value) > 0)
        consider(detail_name(Detail::SteelRatio), common::read_number(ratio.limit) / common::read_number(ratio.value));
    if (name.isEmpty())
        return {};
    return name + u' ' + common::format_number(largest, NumberPattern::TwoDecimals, common::Rounding::Up);
}

// An arrangement of the lists, with its As per metre as the check shows it (0 without one).
struct Arrangement {
    BarSize bar;
    QString pitch;
    double area = 0;
};

// What the arrangements of one search came to.
struct Tally {
    std::vector<Arrangement> tried;
    std::optional<MemberResult> chosen;
    QString chosen_bar, chosen_pitch;
    double chosen_area = 0, chosen_pitch_value = 0, chosen_diameter = 0;
    bool any_ng = false;
    // By allowable and by rule: exceeded or broken by every arrangement judged NG, by some.
    std::array<bool, allowables.size()> always_exceeded, ever_exceeded{};
    std::array<bool, details.size()> always_broken, ever_broken{};
    QString unjudged;  // the judgement of an arrangement with stresses but no verdict
    QString status;    // why the first arrangement without stresses has none
    QString thickness; // the member's 総厚 as the arrangements show it

    Tally()
    {
        always_exceeded.fill(true);
        always_broken.fill(true);
    }

    void add(const MemberResult &result, const BarSize &bar, const QString &pitch)
    {
        if (thickness.isEmpty())
            thickness = result.thickness;
        const double area = common::read_number(result.rebar_area);
        tried.push_back({bar, pitch, area});
        if (result.verdict == Verdict::Ok) {
            // The least As as shown; of equal As the larger pitch, then the thinner bar.
            const double pitch_value = common::read_number(pitch);
            const bool better = !chosen || area < chosen_area
                || (area == chosen_area
                    && (pitch_value > chosen_pitch_value || (pitch_value == chosen_pitch_value && bar.diameter < chosen_diameter)));
            if (better) {
                chosen = result;
                chosen_bar = QString::fromLatin1(bar.name);
                chosen_pitch = pitch;
                chosen_area = area;
                chosen_pitch_value = pitch_value;
                chosen_diameter = bar.diameter;
            }
        } else if (result.verdict == Verdict::Ng) {
            any_ng = true;
            for (std::size_t i = 0; i < allowables.size(); ++i) {
                always_exceeded[i] = always_exceeded[i] && result.exceeded[i];
                ever_exceeded[i] = ever_exceeded[i] || result.exceeded[i];
            }
            for (std::size_t i = 0; i < details.size(); ++i) {
                const bool broken = result.detailing[i].verdict == Verdict::Ng;
                always_broken[i] = always_broken[i] && broken;
                ever_broken[i] = ever_broken[i] || broken;
            }
        } else if (result.has_stresses()) {
            if (unjudged.isEmpty())
                unjudged = result.judgement;
        } else if (status.isEmpty()) {
            status = result.judgement;
        }
    }
};

// The names of the stresses and rules marked, in the order a judgement names them.
QStringList marked(const std::array<bool, allowables.size()> &stresses, const std::array<bool, details.size()> &rules,
                   const QList<Allowable> &which)
{
    QStringList names;
    for (Allowable a : which) {
        if (stresses[std::size_t(a)])
            names << stress_symbol(a);
    }
    for (Detail d : details) {
        if (rules[std::size_t(d)])
            names << detail_name(d);
    }
    return names;
}

// Why no arrangement passes, and whether a thicker section would help.
QString reason_of(const Tally &tally, bool &thicker_helps)
{
    thicker_helps = false;
    if (!tally.unjudged.isEmpty())
        return tally.unjudged;
    if (!tally.any_ng)
        return tally.status;
    const std::array<bool, details.size()> no_rules{};
    const auto joined = [](const QStringList &names) { return names.join(u'、') + u'：'; };
    // σc and τ: the concrete's; more steel barely lowers them.
    const QStringList section = marked(tally.always_exceeded, no_rules, {Allowable::Compression, Allowable::Shear});
    const QStringList steel = marked(tally.always_exceeded, no_rules, {Allowable::Tension, Allowable::Bond});
    thicker_helps = true;
    if (!section.isEmpty())
        return joined(section) + QStringLiteral("断面が不足（総厚を増やしてください）");
    if (!steel.isEmpty())
        return joined(steel) + QStringLiteral("鉄筋が不足（総厚を増やすか、探す鉄筋・ピッチを広げてください）");
    const std::array<bool, allowables.size()> no_stresses{};
    if (const QStringList rules = marked(no_stresses, tally.always_broken, {}); !rules.isEmpty()) {
        thicker_helps = false;
        return joined(rules) + QStringLiteral("構造細目を満たす組合せがありません（探す鉄筋・ピッチを見直してください）");
    }
    // Each arrangement fails something, not all the same: less steel a stress, more a rule.
    thicker_helps = std::find(tally.ever_exceeded.begin(), tally.ever_exceeded.end(), true) != tally.ever_exceeded.end();
    return joined(marked(tally.ever_exceeded, tally.ever_broken, QList<Allowable>(allowables.begin(), allowables.end())))
        + (thicker_helps ? QStringLiteral("すべてを満たす組合せがありません（総厚を増やしてください）")
                         : QStringLiteral("すべてを満たす組合せがありません（探す鉄筋・ピッチを見直してください）"));
}

// The arrangements of the lists for the member, its other inputs as given, checked in the order of
// their As per metre. Once one passes, only those whose As may still show the same are checked (the
// shown As is rounded to 0.01 cm², the order's is not): no later one can be chosen. When none
// passes, every arrangement has been checked, for the reason and the 総厚 that would do.
Tally search(const MemberInputs &member, std::size_t index, const CheckBasis &basis, const MemberCheckInputs &inputs,
             const SearchLists &lists)
{
    struct Candidate {
        const BarSize *bar;
        const QString *pitch;
        double area;  // cm² per metre, unrounded
    };
    std::vector<Candidate> order;
    for (const BarSize &bar : lists.bars) {
        for (const QString &pitch : lists.pitches) {
            const double area = bar.area * 1000 / common::read_number(pitch);
            order.push_back({&bar, &pitch, std::isfinite(area) ? area : std::numeric_limits<double>::infinity()});
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Candidate &a, const Candidate &b) { return a.area < b.area; });
    Tally tally;
    for (const Candidate &candidate : order) {
        if (tally.chosen && candidate.area > tally.chosen_area + 0.01)
            break;
        tally.add(check_member(arranged(member, *candidate.bar, *candidate.pitch), index, basis, inputs), *candidate.bar,
                  *candidate.pitch);
    }
    return tally;
}

// A thickness in mm as a 総厚 is typed, in cm: "18.5".
QString thickness_text(int millimetres)
{
    return QString::number(millimetres / 10) + u'.' + QString::number(millimetres % 10);
}

// The least 総厚 above the member's own, in steps of 5 mm, at which the search over the same
// arrangements finds one; empty when none up to largest_searched_thickness. A thicker section
// lowers every stress, so the thicknesses that pass lie above those that fail: doubled steps find
// one that passes, halving the gap then finds the least. Whether one passes is asked of the
// arrangements with the most steel first, which pass first.
QString least_thickness(const MemberInputs &member, const Tally &tally, std::size_t index, const CheckBasis &basis,
                        const MemberCheckInputs &inputs)
{
    std::vector<Arrangement> order = tally.tried;
    std::stable_sort(order.begin(), order.end(), [](const Arrangement &a, const Arrangement &b) { return a.area > b.area; });
    const auto passes = [&](int millimetres) {
        MemberInputs thicker = member;
        thicker.thickness = thickness_text(millimetres);
        return std::any_of(order.begin(), order.end(), [&](const Arrangement &a) {
            return check_member(arranged(thicker, a.bar, a.pitch), index, basis, inputs).verdict == Verdict::Ok;
        });
    };
    const int step = 5;
    const int own = int(std::floor(common::read_number(tally.thickness) * 10 + 1e-9));
    int failing = own / step * step;  // a thickness known to fail, or the member's own
    int passing = 0;
    for (int jump = step; failing < largest_searched_thickness; jump *= 2) {
        const int tried = std::min(failing + jump, largest_searched_thickness);
        if (passes(tried)) {
            passing = tried;
            break;
        }
        failing = tried;
    }
    if (passing == 0)
        return {};
    while (passing - failing > step) {
        const int middle = (failing + passing) / 2 / step * step;
        (passes(middle) ? passing : failing) = middle;
    }
    return thickness_text(passing);
}

MemberDesign design_one(const MemberCheckInputs &inputs, std::size_t index, const CheckBasis &basis,
                        const SearchLists &lists)
{
    MemberDesign design;
    if (const QString unreadable = unreadable_status(inputs); !unreadable.isEmpty()) {
        design.reason = unreadable;
        return design;
    }
    if (!basis.members[index].forces_status.isEmpty()) {
        design.no_forces = true;
        design.reason = basis.members[index].forces_status;
        return design;
    }
    if (!lists.fault.isEmpty()) {
        design.reason = lists.fault;
        return design;
    }
    const MemberInputs &member = inputs.members[index];
    const Tally tally = search(member, index, basis, inputs, lists);
    if (tally.chosen) {
        design.found = true;
        design.bar = tally.chosen_bar;
        design.pitch = tally.chosen_pitch;
        design.governing = largest_ratio(*tally.chosen, basis.allowed);
        return design;
    }
    bool thicker_helps = false;
    design.reason = reason_of(tally, thicker_helps);
    if (thicker_helps)
        design.least_thickness = least_thickness(member, tally, index, basis, inputs);
    return design;
}

} // namespace

SearchLists search_lists(const DesignLists &lists)
{
    SearchLists read;
    const QStringList bars = entries(lists.bars);
    for (const QString &name : bars) {
        const std::optional<BarSize> bar = bar_size(name.toUpper());
        if (!bar) {
            read.fault = list_fault(bars_caption, name);
            return read;
        }
        if (std::none_of(read.bars.begin(), read.bars.end(), [&](const BarSize &b) { return b.diameter == bar->diameter; }))
            read.bars.append(*bar);
    }
    if (read.bars.isEmpty()) {
        read.fault = list_fault(bars_caption, {});
        return read;
    }
    QList<double> values;
    for (const QString &pitch : entries(lists.pitches)) {
        double value = 0;
        if (!common::read_whole_number(pitch, &value) || !std::isfinite(value) || value <= 0) {
            read.fault = list_fault(pitches_caption, pitch);
            return read;
        }
        if (!values.contains(value)) {
            values.append(value);
            read.pitches.append(pitch);
        }
    }
    if (read.pitches.isEmpty())
        read.fault = list_fault(pitches_caption, {});
    return read;
}

MemberDesign design_member(const MemberCheckInputs &inputs, const flume::FlumeSheet &sheet, std::size_t index,
                           const OutdatedForces &outdated)
{
    return design_one(inputs, index, check_basis(inputs, sheet, outdated), search_lists(inputs.design_lists));
}

std::array<MemberDesign, member_count> design_members(const MemberCheckInputs &inputs, const flume::FlumeSheet &sheet,
                                                      const OutdatedForces &outdated)
{
    const CheckBasis basis = check_basis(inputs, sheet, outdated);
    const SearchLists lists = search_lists(inputs.design_lists);
    std::array<MemberDesign, member_count> designs;
    for (std::size_t i = 0; i < member_count; ++i)
        designs[i] = design_one(inputs, i, basis, lists);
    return designs;
}

MemberCheckInputs with_designs(const MemberCheckInputs &inputs, const std::array<MemberDesign, member_count> &designs)
{
    MemberCheckInputs designed = inputs;
    for (std::size_t i = 0; i < member_count; ++i) {
        if (!designs[i].found)
            continue;
        MemberInputs &member = designed.members[i];
        member.bar = designs[i].bar;
        member.spacing = Spacing::Pitch;
        member.spacing_text = designs[i].pitch;
        member.designed = true;
    }
    return designed;
}

QString governing_ratio(const MemberCheckReport &report, std::size_t index)
{
    std::array<std::optional<double>, allowables.size()> allowed;
    for (std::size_t a = 0; a < allowables.size(); ++a) {
        if (report.allowable_usable[a])
            allowed[a] = common::read_number(report.allowable_texts[a]);
    }
    return largest_ratio(report.members[index], allowed);
}

QString design_note(const MemberDesign &design)
{
    if (design.found)
        return design.governing;
    if (design.no_forces)
        return design.reason + QStringLiteral("のため変更なし");
    if (design.least_thickness.isEmpty())
        return design.reason;
    return design.reason + QStringLiteral("　総厚 ") + design.least_thickness + QStringLiteral(" cm で可");
}

QString bars_origin(const MemberResult &member)
{
    if (member.designed)
        return QStringLiteral("自動配筋");
    return member.bar.isEmpty() ? QString() : QStringLiteral("手入力");
}

QString lists_text(const DesignLists &lists)
{
    return entries(lists.bars).join(QStringLiteral(", ")) + QStringLiteral(" ／ ")
        + entries(lists.pitches).join(QStringLiteral(", ")) + QStringLiteral(" mm");
}

} // namespace members
