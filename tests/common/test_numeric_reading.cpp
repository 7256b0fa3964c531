#include "common/numeric_reading.h"

#include "decimal_comma_locale.h"

#include <gtest/gtest.h>

#include <limits>

#include <QString>
#include <cmath>
#include <string>

using common::read_number;
using common::read_whole_number;

namespace {

struct Reading {
    const char *name;
    const char *text;
    double value;
};

void PrintTo(const Reading &r, std::ostream *os) { *os << r.name; }

class ReadNumber : public testing::TestWithParam<Reading> {};

TEST_P(ReadNumber, ReadsTheLeadingNumber)
{
    const Reading &r = GetParam();
    EXPECT_EQ(read_number(QString::fromUtf8(r.text)), r.value) << "text: " << r.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumber,
    testing::Values(
        Reading{"empty", "", 0},
        Reading{"plain", "12.5", 12.5},
        Reading{"blank_between_digits", "1 200", 1200},
        Reading{"blanks_around", "  3.5  ", 3.5},
        Reading{"tab_and_line_end", "\t2\n5", 25},
        Reading{"trailing_unit", "30度", 30},
        Reading{"trailing_letter", "1.5m", 1.5},
        Reading{"minus_zero", "-0", 0},
        Reading{"letters_only", "abc", 0},
        Reading{"exponent", "1e2", 100},
        Reading{"exponent_upper_signed", "2.5E-1", 0.25},
        Reading{"d_exponent", "3D2", 300},
        Reading{"exponent_without_digits_ignored", "4e", 4},
        Reading{"exponent_sign_without_digits", "4e+x", 4},
        Reading{"leading_point", ".5", 0.5},
        Reading{"minus_leading_point", "-.25", -0.25},
        Reading{"plus_sign", "+7", 7},
        Reading{"negative", "-0.1", -0.1},
        Reading{"comma_ends_number", "1,234.5.6", 1},
        Reading{"grouped_thousands", "1,234", 1234},
        Reading{"grouped_millions", "1,000,000", 1000000},
        Reading{"grouped_with_decimals_and_sign", " -2,307,000.25 ", -2307000.25},
        Reading{"grouped_full_width", "２，３０７，０００", 2307000},
        Reading{"grouped_full_width_blanks_around", "\u3000１，０００\u3000", 1000},
        Reading{"decimal_comma_not_grouping", "1,5", 1},
        Reading{"leading_zero_group_not_grouping", "0,125", 0},
        Reading{"short_group_not_grouping", "1,000,00", 1},
        Reading{"long_first_group_not_grouping", "1234,567", 1234},
        Reading{"blank_inside_grouping", "1, 000", 1},
        Reading{"grouped_then_unit", "1,000N", 1},
        Reading{"second_point_ends_number", "1.2.3", 1.2},
        Reading{"point_alone", ".", 0},
        Reading{"sign_alone", "-", 0},
        Reading{"double_sign", "--5", 0},
        Reading{"hexadecimal", "&H1F", 31},
        Reading{"hexadecimal_lower", "&hff", 255},
        Reading{"hexadecimal_stops_at_non_digit", "&H1G", 1},
        Reading{"octal", "&O17", 15},
        Reading{"octal_stops_at_8", "&O78", 7},
        Reading{"ampersand_alone", "&H", 0},
        Reading{"full_width_digits", "１２．５", 12.5},
        Reading{"full_width_eight_and_nine", "８９", 89},
        Reading{"full_width_minus", "－３", -3},
        Reading{"full_width_plus", "＋４", 4},
        Reading{"full_width_blank_removed", "１\u3000０", 10},
        Reading{"mixed_width", "1２.5", 12.5},
        Reading{"other_script_digits_are_not_digits", "\u0663", 0}));

struct WholeReading {
    const char *name;
    const char *text;
    bool ok;
    double value;
};

void PrintTo(const WholeReading &r, std::ostream *os) { *os << r.name; }

class ReadWholeNumber : public testing::TestWithParam<WholeReading> {};

TEST_P(ReadWholeNumber, AcceptsOnlyAWholeNumber)
{
    const WholeReading &r = GetParam();
    double value = -1;
    EXPECT_EQ(read_whole_number(QString::fromUtf8(r.text), &value), r.ok) << "text: " << r.text;
    if (r.ok) {
        EXPECT_EQ(value, r.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadWholeNumber,
    testing::Values(WholeReading{"plain", "12.5", true, 12.5},
                    WholeReading{"surrounding_blanks", "  12.5 ", true, 12.5},
                    WholeReading{"full_width", "１２．５", true, 12.5},
                    WholeReading{"full_width_blanks_around", "\u3000７\u3000", true, 7},
                    WholeReading{"exponent", "1E3", true, 1000},
                    WholeReading{"hexadecimal", "&H10", true, 16},
                    WholeReading{"trailing_letters", "12abc", false, 0},
                    WholeReading{"inner_blank", "1 2", false, 0},
                    WholeReading{"empty", "", false, 0},
                    WholeReading{"blanks_only", "   ", false, 0},
                    WholeReading{"letters", "abc", false, 0},
                    WholeReading{"comma", "1,5", false, 0},
                    WholeReading{"grouped", " 1,000 ", true, 1000},
                    WholeReading{"grouped_full_width", "１，０００．５", true, 1000.5},
                    WholeReading{"grouped_with_exponent", "1,000e2", false, 0}));

TEST(ReadNumber, BeyondTheRangeOfADoubleReadsAsInfinityOrZero)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        QString text;
        double value;
    } rows[] = {
        {QStringLiteral("1e999"), infinity},
        {QStringLiteral("-1e999"), -infinity},
        {QStringLiteral("1e99999999999999999999"), infinity},
        {QStringLiteral("1e-999"), 0},
        {QStringLiteral("1e-99999999999999999999"), 0},
        {QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1"), 0},
        {QStringLiteral("1") + QString(400, u'0'), infinity},
        {QStringLiteral("0.001e312"), infinity},
        {QStringLiteral("2000e9223372036854775807"), infinity},
        {QStringLiteral("0.002e-9223372036854775808"), 0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(read_number(row.text), row.value) << row.text.left(40).toStdString();
}

// The program runs with the user's locale set; a locale with a decimal comma must not change how
// "2.5" reads. The locale is built from the system's locale sources where they exist.
TEST(ReadNumber, PointIsTheDecimalPointInADecimalCommaLocale)
{
    const flume_test::DecimalCommaLocale locale;
    if (!locale.available())
        GTEST_SKIP() << "no locale sources to build a decimal-comma locale from";

    EXPECT_EQ(read_number(QStringLiteral("2.5")), 2.5);
    double value = 0;
    EXPECT_TRUE(read_whole_number(QStringLiteral("0.75"), &value));
    EXPECT_EQ(value, 0.75);
}

} // namespace
