#pragma once

#include "flume/field.h"
#include "flume/full_check.h"

#include <QList>
#include <span>

namespace flume {

class FlumeSheet;

// What a "計算" button requires of a value it reads before it computes. A value that breaks its
// rule is missing input: "数値が入力されていません。" (or, for Case 3's slab part, its results are
// left empty without a message). Blanks and text that is not a number read as 0.
enum class Requirement {
    NotZero,      // 0 is missing; a negative value is taken as it is
    NotNegative,  // below 0 is missing; 0 is taken
    Positive,     // 0 or below is missing
    TypedNotNegative,  // left blank or below 0 is missing; 0 typed is taken (a flume without haunch)
    Shown,        // an earlier result the page reads: empty (not calculated, or refused) is missing
};

struct InputRule {
    Field field;
    Requirement requirement;
};

// Whether the field's text breaks the rule.
bool breaks(const FlumeSheet &sheet, const InputRule &rule);
// Whether any of the rules is broken.
bool any_broken(const FlumeSheet &sheet, std::span<const InputRule> rules);
// The fields whose rules are broken, in the order of the rules.
QList<Field> broken_fields(const FlumeSheet &sheet, std::span<const InputRule> rules);

// The rules of each button, in the order the calculation reads the values. The values a button
// reads but does not check (H on page 1, q and γw of Case 1 a) have no rule.
inline constexpr InputRule earth_pressure_rules[] = {
    {Field::wall_inclination, Requirement::NotZero}, {Field::repose_angle, Requirement::NotZero},
    {Field::soil_unit_weight, Requirement::NotZero},  {Field::ground_slope, Requirement::NotNegative},
    {Field::surcharge, Requirement::NotNegative},     {Field::wall_friction_angle, Requirement::NotZero},
};
// Uplift: H1 has a check of its own after these, with a message of its own.
inline constexpr InputRule uplift_rules[] = {
    {Field::t1, Requirement::NotZero},          {Field::t2, Requirement::NotZero},
    {Field::t3, Requirement::NotZero},          {Field::t4, Requirement::TypedNotNegative},
    {Field::wall_height, Requirement::NotZero}, {Field::inner_width, Requirement::NotZero},
    {Field::water_unit_weight, Requirement::NotZero}, {Field::flume_unit_weight, Requirement::NotZero},
    {Field::carried_1, Requirement::NotZero},
};
// Without outer water above the slab's underside there is no uplift to check:
// "H1=Oの時、計算する必要はありません。".
inline constexpr InputRule uplift_outer_water_rules[] = {{Field::outer_water_height, Requirement::Positive}};
// Bearing: the uplift's rules, and H1 although the formula does not use it, and qa.
inline constexpr InputRule bearing_rules[] = {
    {Field::t1, Requirement::NotZero},          {Field::t2, Requirement::NotZero},
    {Field::t3, Requirement::NotZero},          {Field::t4, Requirement::TypedNotNegative},
    {Field::wall_height, Requirement::NotZero}, {Field::inner_width, Requirement::NotZero},
    {Field::water_unit_weight, Requirement::NotZero}, {Field::flume_unit_weight, Requirement::NotZero},
    {Field::carried_1, Requirement::NotZero},   {Field::outer_water_height, Requirement::NotZero},
    {Field::allowable_bearing, Requirement::NotZero},
};
inline constexpr InputRule case1_wall_rules[] = {
    {Field::case1_depth, Requirement::NotNegative},
    {Field::wall_top_to_slab_axis, Requirement::NotZero},
    {Field::slab_axis_to_groundwater, Requirement::NotNegative},
    {Field::wet_soil_unit_weight, Requirement::NotZero},
    {Field::submerged_soil_unit_weight, Requirement::NotZero},
    {Field::back_friction_angle, Requirement::NotZero},
    {Field::carried_2, Requirement::NotZero},
};
// A wall spacing of 0 or below leaves nothing to spread the reaction over; without part a's Mso
// there is no moment to start from.
inline constexpr InputRule case1_slab_rules[] = {
    {Field::wall_spacing, Requirement::Positive}, {Field::slab_position, Requirement::NotZero},
    {Field::t1, Requirement::NotNegative},        {Field::t2, Requirement::NotZero},
    {Field::wall_top_to_slab_axis, Requirement::NotZero}, {Field::flume_unit_weight, Requirement::NotZero},
    {Field::carried_1, Requirement::NotZero},     {Field::case1_wall_moment, Requirement::Shown},
};
inline constexpr InputRule case2_rules[] = {
    {Field::carried_1, Requirement::NotZero}, {Field::case2_depth, Requirement::NotZero},
    {Field::carried_3, Requirement::NotZero}, {Field::carried_4, Requirement::NotZero},
    {Field::carried_2, Requirement::NotZero},
};
inline constexpr InputRule case3_wall_rules[] = {
    {Field::carried_2, Requirement::NotZero}, {Field::carried_7, Requirement::NotZero},
    {Field::carried_3, Requirement::NotZero}, {Field::carried_1, Requirement::NotZero},
    {Field::carried_4, Requirement::NotZero}, {Field::carried_5, Requirement::NotZero},
    {Field::carried_6, Requirement::NotZero},
};
// Case 3's slab part: a broken rule empties St1 and Mt1 without a message (part a has already said
// what is missing); Ms1 is part a's result as shown.
inline constexpr InputRule case3_slab_rules[] = {
    {Field::carried_8, Requirement::NotZero}, {Field::carried_5, Requirement::NotZero},
    {Field::carried_6, Requirement::NotZero}, {Field::case3_wall_moment, Requirement::NotZero},
};

// The rules a button applies: those whose break is missing input, the uplift's outer water with its
// own message, and Case 3's slab rules, whose break empties the results without a message.
struct ButtonRules {
    Calculation button;
    std::span<const InputRule> missing_input;
    std::span<const InputRule> no_outer_water;
    std::span<const InputRule> silent;
};
ButtonRules button_rules(Calculation button);

// The inputs a button reads, as its rules name them: an input field, or the input a carried slot of
// its page copies; a result is no input. The values it reads without a rule are inputs of the pages
// before it (H, q and γw) or results (Mso).
QList<Field> inputs_read(Calculation button);

} // namespace flume
