#include "book/flume_chapters.h"

#include "book/styled_text.h"
#include "common/messages.h"
#include "flume/calculations.h"
#include "flume/input_rules.h"
#include "flume/page_chain.h"
#include "flume/quantities.h"

namespace book {

using F = flume::Field;
using flume::Page;
using drawing::Picture;

namespace {

const QString none = QStringLiteral("－");

// A quantity as the documents name it: the catalogue's symbol, term and SI unit, and a note after
// the term where the chapter says more of it.
Quantity named(F field, const QString &note = {})
{
    const flume::Quantity &q = flume::quantity(field);
    return {field, q.printed, q.term, q.si_unit.isEmpty() ? none : q.si_unit, note};
}

// A value that a page takes over in a slot of the left panel: the slot's field, named as its source.
Quantity carried(Page page, F slot, const QString &note)
{
    for (const flume::CarriedSlot &c : flume::carried_slots(page)) {
        if (c.slot == slot) {
            Quantity q = named(c.source, note);
            q.field = slot;
            q.symbol = flume::carried_symbol(c.source);
            return q;
        }
    }
    return {};
}

// The values a requirement refuses, and what it lets through.
struct RequirementWords {
    QString refused;
    QString allowed;
};
RequirementWords requirement_words(flume::Requirement requirement)
{
    switch (requirement) {
    case flume::Requirement::NotZero: return {QStringLiteral("0・空欄"), QStringLiteral("負の値はそのまま計算")};
    case flume::Requirement::NotNegative: return {QStringLiteral("負の値"), QStringLiteral("0・空欄は 0 として計算")};
    case flume::Requirement::Positive: return {QStringLiteral("0 以下・空欄"), QString()};
    case flume::Requirement::TypedNotNegative: return {QStringLiteral("空欄・負の値"), QStringLiteral("0 は可")};
    case flume::Requirement::Shown: return {QStringLiteral("空欄（未計算）"), QString()};
    }
    return {};
}

const flume::InputRule *find_rule(std::span<const flume::InputRule> rules, F field)
{
    for (const flume::InputRule &rule : rules) {
        if (rule.field == field)
            return &rule;
    }
    return nullptr;
}

} // namespace

QList<Calculation> FlumeChapter::calculations() const
{
    QList<Calculation> list;
    for (const ChapterButton &button : buttons)
        list.append(button.calculation);
    return list;
}

const QList<Quantity> &shape_dimensions()
{
    static const QList<Quantity> shape = [] {
        QList<Quantity> list;
        for (const flume::Quantity &q : flume::inputs_of(Page::ShapeInput))
            list.append(named(q.field));
        return list;
    }();
    return shape;
}

const QList<FlumeChapter> &flume_chapters()
{
    const QString from_earth_pressure = QStringLiteral("（主働土圧のページから）");
    const QString from_uplift = QStringLiteral("（浮上り・支持力のページから）");
    const QString from_case1 = QStringLiteral("（ケース.1 から）");
    const QString case1_result = QStringLiteral("（ケース.1 の結果）");
    const Quantity pv_slot = carried(Page::UpliftBearing, F::carried_1, QStringLiteral("（主働土圧の PV）"));
    const QList<Quantity> shape = shape_dimensions();
    static const QList<FlumeChapter> chapters = {
        {QStringLiteral("主働土圧"),
         Page::EarthPressure,
         {{flume::compute_earth_pressure,
           {},
           {{Picture::EarthPressureCoefficient, F::ka},
            {Picture::ActiveEarthPressure, F::pa},
            {Picture::EarthPressureVertical, F::pav},
            {Picture::VerticalLoad, F::pv}}}},
         {named(F::wall_inclination), named(F::repose_angle), named(F::soil_unit_weight), named(F::ground_slope),
          named(F::surcharge), named(F::wall_friction_angle), named(F::wall_height, QStringLiteral("（形状寸法の値）"))},
         {named(F::ka), named(F::pa), named(F::pav), named(F::pv, QStringLiteral("（後のページが使う値）"))}},
        {QStringLiteral("浮上りに対する検討"),
         Page::UpliftBearing,
         {{flume::check_uplift, {}, {{Picture::UpliftSafetyFactor, F::uplift_safety_factor}}}},
         shape + QList<Quantity>{named(F::water_unit_weight), named(F::flume_unit_weight), pv_slot},
         {named(F::uplift_safety_factor)}},
        {QStringLiteral("基礎地盤支持力の検討"),
         Page::UpliftBearing,
         {{flume::check_bearing, {}, {{Picture::MaximumGroundReaction, F::max_bearing}}}},
         shape + QList<Quantity>{named(F::water_unit_weight), named(F::flume_unit_weight), named(F::allowable_bearing), pv_slot},
         {named(F::max_bearing)}},
        {QStringLiteral("ケース.1"),
         Page::Case1,
         {{flume::compute_case1_wall,
           QStringLiteral("a"),
           {{Picture::Case1WallShear, F::case1_wall_shear},
            {Picture::Case1WallShearGroundwater, F::case1_wall_shear},
            {Picture::Case1WallMoment, F::case1_wall_moment},
            {Picture::Case1WallMomentGroundwater, F::case1_wall_moment}}},
          {flume::compute_case1_slab,
           QStringLiteral("b"),
           {{Picture::SlabReaction, F::slab_reaction},
            {Picture::Case1SlabShear, F::case1_slab_shear},
            {Picture::Case1SlabMoment, F::case1_slab_moment}}}},
         {
             named(F::case1_depth),
             named(F::wall_top_to_slab_axis),
             named(F::slab_axis_to_groundwater),
             named(F::wet_soil_unit_weight),
             named(F::submerged_soil_unit_weight),
             named(F::back_friction_angle),
             carried(Page::Case1, F::carried_2, from_earth_pressure),
             carried(Page::Case1, F::carried_3, from_earth_pressure),
             carried(Page::Case1, F::carried_4, from_uplift),
             named(F::wall_spacing),
             named(F::slab_position),
             named(F::t1),
             named(F::t2),
             named(F::flume_unit_weight, QStringLiteral("（浮上り・支持力のページの値）")),
             pv_slot,
         },
         {named(F::case1_wall_shear), named(F::case1_wall_moment),
          named(F::slab_reaction, QStringLiteral("（底版に一様に働く地盤反力）")), named(F::case1_slab_shear),
          named(F::case1_slab_moment)}},
        {QStringLiteral("ケース.2"),
         Page::Case2,
         {{flume::compute_case2,
           {},
           {{Picture::Case2WallShear, F::case2_wall_shear},
            {Picture::Case2WallMoment, F::case2_wall_moment},
            {Picture::Case2SlabShear, F::case2_slab_shear},
            {Picture::Case2SlabMoment, F::case2_slab_moment}}}},
         {
             named(F::case2_depth),
             carried(Page::Case2, F::carried_1, from_uplift),
             carried(Page::Case2, F::carried_2, from_case1),
             carried(Page::Case2, F::carried_3, case1_result),
             carried(Page::Case2, F::carried_4, from_case1),
         },
         {named(F::case2_wall_shear), named(F::case2_wall_moment), named(F::case2_slab_shear), named(F::case2_slab_moment)}},
        {QStringLiteral("ケース.3"),
         Page::Case3,
         {{flume::compute_case3,
           {},
           {{Picture::Case3WallShear, F::case3_wall_shear},
            {Picture::Case3WallMoment, F::case3_wall_moment},
            {Picture::Case3SlabShear, F::case3_slab_shear},
            {Picture::Case3SlabMoment, F::case3_slab_moment}}}},
         {
             carried(Page::Case3, F::carried_1, from_earth_pressure),
             carried(Page::Case3, F::carried_2, from_uplift),
             carried(Page::Case3, F::carried_3, from_case1),
             carried(Page::Case3, F::carried_4, from_case1),
             carried(Page::Case3, F::carried_5, from_case1),
             carried(Page::Case3, F::carried_6, from_case1),
             carried(Page::Case3, F::carried_7, QStringLiteral("（ケース.2 から）")),
             carried(Page::Case3, F::carried_8, case1_result),
         },
         {named(F::case3_wall_shear), named(F::case3_wall_moment), named(F::case3_slab_shear), named(F::case3_slab_moment)}},
    };
    return chapters;
}

const FlumeChapter &chapter_of(Page page)
{
    for (const FlumeChapter &chapter : flume_chapters()) {
        if (chapter.page == page)
            return chapter;
    }
    return flume_chapters().first();
}

QList<Quantity> all_quantities()
{
    QList<Quantity> all = shape_dimensions();
    const auto add = [&all](const Quantity &q) {
        for (const Quantity &known : all) {
            if (known.symbol == q.symbol)
                return;
        }
        all.append(q);
    };
    for (const FlumeChapter &chapter : flume_chapters()) {
        for (const Quantity &q : chapter.inputs)
            add(q);
        for (const Quantity &q : chapter.results)
            add(q);
    }
    return all;
}

QString input_check_text(const FlumeChapter &chapter, F input)
{
    const QString unchecked = QStringLiteral("確かめない（空欄は 0 として計算）");
    QStringList parts;
    for (const ChapterButton &button : chapter.buttons) {
        const flume::ButtonRules rules = flume::button_rules(button.calculation);
        QString words;
        const auto rule_words = [](const flume::InputRule &rule, const QString &outcome) {
            const RequirementWords requirement = requirement_words(rule.requirement);
            QString text = requirement.refused + QStringLiteral(" → ") + outcome;
            if (!requirement.allowed.isEmpty())
                text += QStringLiteral("（") + requirement.allowed + QStringLiteral("）");
            return text;
        };
        if (const flume::InputRule *rule = find_rule(rules.missing_input, input))
            words = rule_words(*rule, quoted(common::message::missing_input));
        else if (const flume::InputRule *rule = find_rule(rules.no_outer_water, input))
            words = rule_words(*rule, quoted(common::message::no_outer_water));
        else if (const flume::InputRule *rule = find_rule(rules.silent, input))
            words = rule_words(*rule, QStringLiteral("b の結果をメッセージなしで空欄にする"));
        else
            continue;
        parts.append(button.name.isEmpty() ? words : button.name + QStringLiteral("：") + words);
    }
    // A value no button checks; where one button checks it, the lines name the button that does.
    return parts.isEmpty() ? unchecked : parts.join(u'\n');
}

} // namespace book
