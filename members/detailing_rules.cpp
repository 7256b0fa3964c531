#include "members/detailing_rules.h"

#include "common/numeric_reading.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace members {

namespace {

// The entries a rule's limit is worked out from.
std::vector<const QString *> entries(const DetailingRules &rules, Detail detail)
{
    switch (detail) {
    case Detail::ClearSpacing: return {&rules.least_spacing, &rules.aggregate_size};
    case Detail::Pitch: return {&rules.largest_pitch};
    case Detail::SteelRatio: return {&rules.least_steel_ratio};
    }
    return {};
}

// An entry wholly a number, at least 0 (above 0 where 0 leaves no room at all); none otherwise.
std::optional<double> entry_value(const QString &text, bool zero_allowed)
{
    double value = 0;
    if (!common::read_whole_number(text, &value) || !std::isfinite(value) || value < 0 || (value == 0 && !zero_allowed))
        return std::nullopt;
    return value;
}

} // namespace

QString detail_name(Detail detail)
{
    switch (detail) {
    case Detail::ClearSpacing: return QStringLiteral("あき");
    case Detail::Pitch: return QStringLiteral("ピッチ");
    case Detail::SteelRatio: return QStringLiteral("鉄筋比");
    }
    return {};
}

QString detail_unit(Detail detail)
{
    return detail == Detail::SteelRatio ? QStringLiteral("%") : QStringLiteral("mm");
}

bool detail_is_least(Detail detail)
{
    return detail != Detail::Pitch;
}

QString detail_caption(Detail detail)
{
    return detail_name(detail) + (detail_is_least(detail) ? QStringLiteral("／最小（") : QStringLiteral("／最大（"))
        + detail_unit(detail) + u'）';
}

std::optional<double> detail_limit(const DetailingRules &rules, Detail detail, double bar_diameter)
{
    switch (detail) {
    case Detail::ClearSpacing: {
        const std::optional<double> least = entry_value(rules.least_spacing, true);
        const std::optional<double> aggregate = entry_value(rules.aggregate_size, true);
        if (!least || !aggregate)
            return std::nullopt;
        return std::max({*least, bar_diameter, *aggregate * 4 / 3});
    }
    case Detail::Pitch: return entry_value(rules.largest_pitch, false);
    case Detail::SteelRatio: return entry_value(rules.least_steel_ratio, true);
    }
    return std::nullopt;
}

bool detail_entry_blank(const DetailingRules &rules, Detail detail)
{
    const std::vector<const QString *> needed = entries(rules, detail);
    return std::any_of(needed.begin(), needed.end(), [](const QString *text) { return common::is_blank(*text); });
}

} // namespace members
