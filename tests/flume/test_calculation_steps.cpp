#include "flume/calculation_steps.h"

#include "flume_test_support.h"

#include <gtest/gtest.h>

#include <limits>

using namespace flume_test;
using common::NumberPattern;

namespace {

struct Conversion {
    const char *name;
    Field result;
    double value;
    const char *shown;
    const char *converted;
};

void PrintTo(const Conversion &c, std::ostream *os) { *os << c.name; }

class PreparedResult : public testing::TestWithParam<Conversion> {};

// The hidden N or N·cm text is made from the displayed kN or kN·m text, not from the unrounded value.
TEST_P(PreparedResult, ConvertsTheDisplayedValue)
{
    const Conversion &c = GetParam();
    const flume::calc::Prepared p = flume::calc::prepare(c.result, c.value, common::NumberPattern::ThreeDecimals);
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.text.toStdString(), c.shown);
    EXPECT_EQ(p.converted.toStdString(), c.converted);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PreparedResult,
    testing::Values(Conversion{"force", Field::case1_wall_shear, 1.2349, "1.235", "1235"},
                    Conversion{"negative_moment", Field::case1_wall_moment, -0.5, "-0.500", "-50000"},
                    Conversion{"moment_from_rounded_text", Field::case2_wall_moment, 2.17397, "2.174", "217400"},
                    Conversion{"zero_force", Field::case3_slab_shear, -0.0001, "0.000", "0"},
                    Conversion{"no_companion", Field::slab_reaction, 8.3846, "8.385", ""}));

TEST(PreparedResult, LaterStepsReadTheDisplayedValue)
{
    EXPECT_EQ(flume::calc::prepare(Field::ka, 0.2973, common::NumberPattern::TwoDecimals).value, 0.30);
}

TEST(PreparedResult, NoFiniteValueIsNotOk)
{
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
        const flume::calc::Prepared p = flume::calc::prepare(Field::case2_slab_moment, v, common::NumberPattern::ThreeDecimals);
        EXPECT_FALSE(p.ok) << v;
        EXPECT_TRUE(p.text.isEmpty()) << v;
    }
}

TEST(PreparedResult, MomentTooLargeInNewtonCentimetresIsNotOk)
{
    // 1e305 kN·m still shows, but × 100000 it is no number any more; as a force × 1000 it is.
    EXPECT_FALSE(flume::calc::prepare(Field::case1_slab_moment, 1e305, common::NumberPattern::ThreeDecimals).ok);
    EXPECT_TRUE(flume::calc::prepare(Field::case1_slab_shear, 1e305, common::NumberPattern::ThreeDecimals).ok);
}

struct Comparison {
    const char *name;
    double value, limit;
    bool greater, at_most;
};

void PrintTo(const Comparison &c, std::ostream *os) { *os << c.name; }

class LimitComparison : public testing::TestWithParam<Comparison> {};

TEST_P(LimitComparison, DecidesOnFifteenDigits)
{
    const Comparison &c = GetParam();
    EXPECT_EQ(flume::calc::greater(c.value, c.limit), c.greater);
    EXPECT_EQ(flume::calc::at_most(c.value, c.limit), c.at_most);
}

INSTANTIATE_TEST_SUITE_P(Values, LimitComparison,
                         testing::Values(Comparison{"equal_after_arithmetic", 0.65, 1.15 - 0.5, false, true},
                                         Comparison{"sum_equal", 0.1 + 0.2, 0.3, false, true},
                                         Comparison{"clearly_above", 1.2000001, 1.2, true, false},
                                         Comparison{"clearly_below", 19.0154, 100, false, true}));

} // namespace
