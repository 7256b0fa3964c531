#include "common/number_format.h"

#include "decimal_comma_locale.h"

#include <gtest/gtest.h>

#include <QString>
#include <limits>
#include <string>

using common::NumberPattern;

namespace {

struct Formatting {
    const char *name;
    double value;
    common::NumberPattern pattern;
    const char *text;
    common::Rounding rounding = common::Rounding::HalfAwayFromZero;
};

void PrintTo(const Formatting &f, std::ostream *os) { *os << f.name; }

class FormatNumber : public testing::TestWithParam<Formatting> {};

TEST_P(FormatNumber, ShowsEveryDecimalRoundedHalfAwayFromZero)
{
    const Formatting &f = GetParam();
    EXPECT_EQ(common::format_number(f.value, f.pattern, f.rounding).toStdString(), f.text);
}

constexpr common::NumberPattern whole = NumberPattern::Whole;
constexpr common::NumberPattern one = NumberPattern::OneDecimal;
constexpr common::NumberPattern two = NumberPattern::TwoDecimals;
constexpr common::NumberPattern three = NumberPattern::ThreeDecimals;
constexpr common::NumberPattern four = NumberPattern::FourDecimals;

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumber,
    testing::Values(
        Formatting{"tie_2_345", 2.345, two, "2.35"},
        Formatting{"down_cuts", 11.365, one, "11.3", common::Rounding::Down},
        Formatting{"down_keeps_a_sum_meant_exact", 0.7 + 0.1, one, "0.8", common::Rounding::Down},
        Formatting{"down_keeps_a_value_stored_below", 4.35, two, "4.35", common::Rounding::Down},
        Formatting{"down_below_zero", -0.61, one, "-0.7", common::Rounding::Down},
        Formatting{"up_raises", 80.0 / 3, one, "26.7", common::Rounding::Up},
        Formatting{"up_keeps_a_sum_meant_exact", 0.1 + 0.2, one, "0.3", common::Rounding::Up},
        Formatting{"tie_1_005", 1.005, two, "1.01"},
        Formatting{"tie_0_125", 0.125, two, "0.13"},
        Formatting{"tie_negative", -2.345, two, "-2.35"},
        Formatting{"tie_three_decimals", 2.93475, three, "2.935"},
        Formatting{"below_tie", 2.3449999, two, "2.34"},
        Formatting{"negative_rounds_to_zero", -0.0004, three, "0.000"},
        Formatting{"negative_zero", -0.0, two, "0.00"},
        Formatting{"negative_half_away", -0.0005, three, "-0.001"},
        Formatting{"zero_whole", 0, whole, "0"},
        Formatting{"zero_one_decimal", 0, one, "0.0"},
        Formatting{"trailing_zeros_shown", 0.3, two, "0.30"},
        Formatting{"digit_before_point", 0.5, one, "0.5"},
        Formatting{"one_decimal", 19.0154, one, "19.0"},
        Formatting{"carry_through_nines", 9.9996, three, "10.000"},
        Formatting{"carry_into_new_digit", 99.95, one, "100.0"},
        Formatting{"whole_rounds_half_up", 174.5, whole, "175"},
        Formatting{"whole_negative_half", -2.5, whole, "-3"},
        Formatting{"whole_small_rounds_to_zero", 0.4, whole, "0"},
        Formatting{"small_rounds_up_to_first_decimal", 0.05, one, "0.1"},
        Formatting{"tiny_value", 1e-20, four, "0.0000"},
        Formatting{"four_decimals", 0.00495, four, "0.0050"},
        Formatting{"no_grouping", 1234567.891, two, "1234567.89"},
        Formatting{"large_value", 1e20, one, "100000000000000000000.0"},
        Formatting{"not_a_number", std::numeric_limits<double>::quiet_NaN(), two, ""},
        Formatting{"infinity", std::numeric_limits<double>::infinity(), three, ""}));

struct DefaultText {
    const char *name;
    double value;
    const char *text;
};

void PrintTo(const DefaultText &d, std::ostream *os) { *os << d.name; }

class DefaultNumberText : public testing::TestWithParam<DefaultText> {};

TEST_P(DefaultNumberText, ShortestFormWithFifteenDigits)
{
    const DefaultText &d = GetParam();
    EXPECT_EQ(common::default_number_text(d.value).toStdString(), d.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DefaultNumberText,
    testing::Values(DefaultText{"force_in_newtons", 5.801 * 1000, "5801"},
                    DefaultText{"moment_in_newton_cm", 2.307 * 1000 * 100, "230700"},
                    DefaultText{"negative", -0.5 * 1000 * 100, "-50000"},
                    DefaultText{"fraction", 1234.5, "1234.5"},
                    DefaultText{"exponent_at_15", 1e15, "1E+15"},
                    DefaultText{"last_fixed_form", 123456789012345, "123456789012345"},
                    DefaultText{"exponent_below_minus_4", 1e-5, "1E-05"},
                    DefaultText{"fixed_at_minus_4", 0.0001, "0.0001"},
                    DefaultText{"fifteen_digits", 0.1 + 0.2, "0.3"},
                    DefaultText{"zero", 0, "0"},
                    DefaultText{"negative_zero", -0.0, "0"},
                    DefaultText{"not_a_number", std::numeric_limits<double>::quiet_NaN(), ""}));

struct Rounding15 {
    const char *name;
    double value;
    double rounded;
};

void PrintTo(const Rounding15 &r, std::ostream *os) { *os << r.name; }

class Round15 : public testing::TestWithParam<Rounding15> {};

TEST_P(Round15, ValuesAPersonCallsEqualAreEqual)
{
    const Rounding15 &r = GetParam();
    EXPECT_EQ(common::round15(r.value), r.rounded);
}

INSTANTIATE_TEST_SUITE_P(Values, Round15,
                         testing::Values(Rounding15{"difference", 1.15 - 0.5, 0.65},
                                         Rounding15{"sum", 0.1 + 0.2, 0.3},
                                         Rounding15{"product", 1.2 * 3, 3.6},
                                         Rounding15{"exact", 2.5, 2.5},
                                         Rounding15{"largest_double_stays",
                                                    std::numeric_limits<double>::max(),
                                                    std::numeric_limits<double>::max()}));

// The texts keep "." whatever locale the program runs in.
TEST(FormatNumber, PointInADecimalCommaLocale)
{
    const flume_test::DecimalCommaLocale locale;
    if (!locale.available())
        GTEST_SKIP() << "no locale sources to build a decimal-comma locale from";

    EXPECT_EQ(common::format_number(2.345, NumberPattern::TwoDecimals).toStdString(), "2.35");
    EXPECT_EQ(common::default_number_text(1234.5).toStdString(), "1234.5");
    EXPECT_EQ(common::round15(1.15 - 0.5), 0.65);
}

} // namespace
