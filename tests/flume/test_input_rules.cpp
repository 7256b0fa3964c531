// The rule tables each "計算" button checks its inputs by, which the reference book prints, hold for
// what the button does: on the worked example, a value each rule refuses gives its message (or,
// for Case 3's slab, empties St1 and Mt1 silently), and a value it lets through gives no such
// message.
#include "flume/input_rules.h"
#include "flume_test_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace flume_test;

namespace {

const QString missing = QStringLiteral("数値が入力されていません。");
const QString no_water = QStringLiteral("H1=Oの時、計算する必要はありません。");

struct ButtonRow {
    const char *name;
    flume::Calculation button;
    std::function<void(FlumeSheet &, common::MessageSink &)> ready;  // the worked example up to the button
};

void earth_pressure_ready(FlumeSheet &sheet, common::MessageSink &)
{
    type_shape(sheet);
    flume::open_page(sheet, Page::EarthPressure);
    type_in(sheet, {{Field::wall_inclination, "90"}, {Field::repose_angle, "30"}, {Field::soil_unit_weight, "18"},
                    {Field::ground_slope, "0"}, {Field::surcharge, "10"}, {Field::wall_friction_angle, "20"}});
}

void uplift_ready(FlumeSheet &sheet, common::MessageSink &)
{
    earth_pressure_done(sheet);
    flume::open_page(sheet, Page::UpliftBearing);
    type_uplift_inputs(sheet);
}

void case1_ready(FlumeSheet &sheet, common::MessageSink &messages)
{
    bearing_done(sheet, messages);
    flume::open_page(sheet, Page::Case1);
    type_case1_wall_inputs(sheet);
    type_case1_slab_inputs(sheet);
    flume::compute_case1_wall(sheet, messages);
}

void case2_ready(FlumeSheet &sheet, common::MessageSink &messages)
{
    case1_done(sheet, messages);
    flume::open_page(sheet, Page::Case2);
    type_in(sheet, {{Field::case2_depth, "1.1"}});
}

void case3_ready(FlumeSheet &sheet, common::MessageSink &messages)
{
    case2_done(sheet, messages);
    flume::open_page(sheet, Page::Case3);
}

// The texts a rule refuses and those it lets through.
struct Probes {
    QStringList refused;
    QStringList accepted;
};
Probes probes(flume::Requirement requirement)
{
    switch (requirement) {
    case flume::Requirement::NotZero: return {{"0", "", "abc"}, {"-1"}};
    case flume::Requirement::NotNegative: return {{"-1"}, {"0", ""}};
    case flume::Requirement::Positive: return {{"0", "-1", ""}, {}};
    case flume::Requirement::TypedNotNegative: return {{"", "-1"}, {"0"}};
    case flume::Requirement::Shown: return {{"", " "}, {"0.000", "-1.148"}};
    }
    return {};
}

class InputRules : public testing::TestWithParam<ButtonRow>
{
protected:
    // The button pressed on the worked example with one value typed differently.
    QList<Message> press_with(Field field, const QString &text, FlumeSheet &sheet)
    {
        common::MessageRecorder before;
        GetParam().ready(sheet, before);
        EXPECT_TRUE(before.messages.isEmpty());
        sheet.set_text(field, text);
        common::MessageRecorder raised;
        GetParam().button(sheet, raised);
        return raised.messages;
    }

    bool raised(const QList<Message> &messages, const QString &text)
    {
        for (const Message &m : messages) {
            if (m.text == text)
                return true;
        }
        return false;
    }
};

TEST_P(InputRules, EachRefusedValueGivesItsMessageAndEachAllowedOneDoesNot)
{
    const flume::ButtonRules rules = flume::button_rules(GetParam().button);
    ASSERT_FALSE(rules.missing_input.empty());
    const struct {
        std::span<const flume::InputRule> rules;
        QString message;
    } groups[] = {{rules.missing_input, missing}, {rules.no_outer_water, no_water}};
    for (const auto &group : groups) {
        for (const flume::InputRule &rule : group.rules) {
            const Probes p = probes(rule.requirement);
            for (const QString &text : p.refused) {
                SCOPED_TRACE(flume::member_name(rule.field).toStdString() + " = \"" + text.toStdString() + "\"");
                FlumeSheet sheet;
                EXPECT_TRUE(raised(press_with(rule.field, text, sheet), group.message));
            }
            for (const QString &text : p.accepted) {
                SCOPED_TRACE(flume::member_name(rule.field).toStdString() + " = \"" + text.toStdString() + "\" accepted");
                FlumeSheet sheet;
                EXPECT_FALSE(raised(press_with(rule.field, text, sheet), group.message));
            }
        }
    }
    // Case 3's slab: a refused value that part a does not need empties St1 and Mt1 without a word.
    for (const flume::InputRule &rule : rules.silent) {
        if (flume::kind_of(rule.field) == flume::FieldKind::Result)
            continue;
        bool read_by_part_a = false;
        for (const flume::InputRule &a : rules.missing_input)
            read_by_part_a = read_by_part_a || a.field == rule.field;
        if (read_by_part_a)
            continue;
        SCOPED_TRACE(flume::member_name(rule.field).toStdString());
        FlumeSheet sheet;
        EXPECT_TRUE(press_with(rule.field, QStringLiteral("0"), sheet).isEmpty());
        EXPECT_EQ(text(sheet, Field::case3_slab_moment), "");
        EXPECT_NE(text(sheet, Field::case3_wall_moment), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, InputRules,
    testing::Values(ButtonRow{"EarthPressure", flume::compute_earth_pressure, earth_pressure_ready},
                    ButtonRow{"Uplift", flume::check_uplift, uplift_ready},
                    ButtonRow{"Bearing", flume::check_bearing, uplift_ready},
                    ButtonRow{"Case1Wall", flume::compute_case1_wall, case1_ready},
                    ButtonRow{"Case1Slab", flume::compute_case1_slab, case1_ready},
                    ButtonRow{"Case2", flume::compute_case2, case2_ready},
                    ButtonRow{"Case3", flume::compute_case3, case3_ready}),
    [](const testing::TestParamInfo<ButtonRow> &info) { return std::string(info.param.name); });

} // namespace
