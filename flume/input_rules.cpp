#include "flume/input_rules.h"

#include "common/numeric_reading.h"
#include "flume/calculations.h"
#include "flume/flume_sheet.h"
#include "flume/full_check.h"
#include "flume/page_chain.h"

namespace flume {

bool breaks(const FlumeSheet &sheet, const InputRule &rule)
{
    const QString &text = sheet.text(rule.field);
    const double value = common::read_number(text);
    switch (rule.requirement) {
    case Requirement::NotZero: return value == 0;
    case Requirement::NotNegative: return value < 0;
    case Requirement::Positive: return value <= 0;
    case Requirement::TypedNotNegative: return common::is_blank(text) || value < 0;
    case Requirement::Shown: return common::is_blank(text);
    }
    return false;
}

bool any_broken(const FlumeSheet &sheet, std::span<const InputRule> rules)
{
    return !broken_fields(sheet, rules).isEmpty();
}

QList<Field> broken_fields(const FlumeSheet &sheet, std::span<const InputRule> rules)
{
    QList<Field> broken;
    for (const InputRule &rule : rules) {
        if (breaks(sheet, rule))
            broken.append(rule.field);
    }
    return broken;
}

ButtonRules button_rules(Calculation button)
{
    const ButtonRules table[] = {
        {compute_earth_pressure, earth_pressure_rules, {}, {}},
        {check_uplift, uplift_rules, uplift_outer_water_rules, {}},
        {check_bearing, bearing_rules, {}, {}},
        {compute_case1_wall, case1_wall_rules, {}, {}},
        {compute_case1_slab, case1_slab_rules, {}, {}},
        {compute_case2, case2_rules, {}, {}},
        {compute_case3, case3_wall_rules, {}, case3_slab_rules},
    };
    for (const ButtonRules &row : table) {
        if (row.button == button)
            return row;
    }
    return {button, {}, {}, {}};
}

QList<Field> inputs_read(Calculation button)
{
    QList<CarriedSlot> carried;
    for (Page page : calculation_pages) {
        if (page_calculations(page).contains(button))
            carried = carried_slots(page);
    }
    const ButtonRules rules = button_rules(button);
    QList<Field> inputs;
    for (std::span<const InputRule> part : {rules.missing_input, rules.no_outer_water, rules.silent}) {
        for (const InputRule &rule : part) {
            Field field = rule.field;
            for (const CarriedSlot &slot : carried) {
                if (slot.slot == field)
                    field = slot.source;
            }
            if (kind_of(field) == FieldKind::Input && !inputs.contains(field))
                inputs.append(field);
        }
    }
    return inputs;
}

} // namespace flume
