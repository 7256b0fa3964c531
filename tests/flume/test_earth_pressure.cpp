#include "flume_test_support.h"

#include <gtest/gtest.h>

using namespace flume_test;

namespace {

// Page-1 inputs as typed: θ, φ, γ, i, q, δ and the shape's H.
struct EarthPressureInputs {
    const char *theta, *phi, *gamma, *slope, *q, *delta, *height;
};

void type_page1(FlumeSheet &sheet, const EarthPressureInputs &in)
{
    type_in(sheet, {{Field::wall_height, in.height}});
    flume::open_page(sheet, Page::EarthPressure);
    type_in(sheet, {{Field::wall_inclination, in.theta},
                    {Field::repose_angle, in.phi},
                    {Field::soil_unit_weight, in.gamma},
                    {Field::ground_slope, in.slope},
                    {Field::surcharge, in.q},
                    {Field::wall_friction_angle, in.delta}});
}

struct Example {
    const char *name;
    EarthPressureInputs in;
    const char *ka, *pa, *pav, *pv;
};

void PrintTo(const Example &e, std::ostream *os) { *os << e.name; }

class EarthPressureExample : public testing::TestWithParam<Example> {};

TEST_P(EarthPressureExample, ShowsTheFourResultsDigitForDigit)
{
    const Example &e = GetParam();
    FlumeSheet sheet;
    common::MessageRecorder messages;
    type_page1(sheet, e.in);
    flume::compute_earth_pressure(sheet, messages);

    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::ka), e.ka);
    EXPECT_EQ(text(sheet, Field::pa), e.pa);
    EXPECT_EQ(text(sheet, Field::pav), e.pav);
    EXPECT_EQ(text(sheet, Field::pv), e.pv);
    for (Field f : {Field::ka, Field::pa, Field::pav, Field::pv})
        EXPECT_TRUE(sheet.is_shown(f));
    EXPECT_EQ(page_buttons(sheet), "12---");
    EXPECT_EQ(print_entries(sheet), "1----");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EarthPressureExample,
    testing::Values(
        // KA before rounding is about 0.2973; PA is computed from the shown 0.30.
        Example{"vertical_back", {"90", "30", "18", "0", "10", "20", "2.0"}, "0.30", "16.80", "5.746", "5.746"},
        Example{"no_surcharge", {"90", "30", "18", "0", "0", "20", "2.0"}, "0.30", "10.80", "3.694", "3.694"},
        Example{"inclined_back_sloping_ground", {"80", "30", "18", "10", "10", "30", "1.5"}, "0.45", "15.76",
                "10.130", "10.130"},
        // sin 80° / sin 100° is 1 only with the angle constant of the conversion, which decides PA.
        Example{"angle_constant_decides_pa", {"80", "30", "19", "20", "10", "10", "1.0"}, "0.53", "10.33", "3.533",
                "3.533"},
        Example{"inclined_back_sloping_ground_with_surcharge", {"70", "35", "18", "15", "20", "20", "2.0"}, "0.53",
                "39.08", "25.120", "25.120"},
        Example{"height_empty", {"90", "30", "18", "0", "10", "20", ""}, "0.30", "0.00", "0.000", "0.000"},
        Example{"height_zero", {"90", "30", "18", "0", "10", "20", "0"}, "0.30", "0.00", "0.000", "0.000"},
        Example{"slope_and_surcharge_empty", {"90", "30", "18", "", "", "20", "2.0"}, "0.30", "10.80", "3.694",
                "3.694"},
        // The note about δ = φ below 84° is guidance only: δ is used as entered.
        Example{"delta_as_entered_below_84", {"70", "30", "18", "0", "10", "20", "2.0"}, "0.48", "26.88",
                "17.278", "17.278"},
        Example{"trailing_unit_and_full_width", {"90度", "３０", "18", "0", "10", "20", "2.0m"}, "0.30", "16.80",
                "5.746", "5.746"},
        // PA = 0.30 × (2.0 × 1000 + 2.0² × 18 / 2) = 610.80; PAV = 610.80 × sin 20°.
        Example{"surcharge_grouped_by_thousands", {"90", "30", "18", "0", "1,000", "20", "2.0"}, "0.30", "610.80",
                "208.906", "208.906"},
        Example{"surcharge_grouped_full_width", {"90", "30", "18", "0", "\u3000１，０００", "20", "2.0"}, "0.30",
                "610.80", "208.906", "208.906"},
        Example{"decimal_comma_is_not_grouping", {"90", "30", "18", "0", "10,5", "20", "2.0"}, "0.30", "16.80",
                "5.746", "5.746"}));

TEST(EarthPressure, SuccessClearsEveryLaterResultAndLocksTheCases)
{
    FlumeSheet sheet;
    common::MessageRecorder messages;
    fill_every_result(sheet);
    type_page1(sheet, {"90", "30", "18", "0", "10", "20", "2.0"});
    flume::compute_earth_pressure(sheet, messages);

    EXPECT_EQ(filled_results(sheet), "Text14 Text15 Text16 Text17");
    EXPECT_EQ(page_buttons(sheet), "12---");
    // Clearing qmax, Mto and both Mt1 took their print entries with them.
    EXPECT_EQ(print_entries(sheet), "1----");
}

struct Rejection {
    const char *name;
    EarthPressureInputs in;
};

void PrintTo(const Rejection &r, std::ostream *os) { *os << r.name; }

class EarthPressureRejected : public testing::TestWithParam<Rejection> {};

// Rejected input clears only this page's results and leaves only this page usable.
void expect_rejected_state(const FlumeSheet &sheet)
{
    EXPECT_EQ(filled_results(sheet), all_results_except({Field::ka, Field::pa, Field::pav, Field::pv}));
    for (Field f : {Field::ka, Field::pa, Field::pav, Field::pv})
        EXPECT_FALSE(sheet.is_shown(f));
    EXPECT_EQ(page_buttons(sheet), "1----");
    EXPECT_EQ(print_entries(sheet), "-----");
}

TEST_P(EarthPressureRejected, ReportsMissingInput)
{
    FlumeSheet sheet;
    common::MessageRecorder messages;
    fill_every_result(sheet);
    type_page1(sheet, GetParam().in);
    sheet.set_print_entry_enabled(Page::EarthPressure, true);
    flume::compute_earth_pressure(sheet, messages);

    EXPECT_EQ(messages.messages, QList<Message>{missing_input});
    expect_rejected_state(sheet);
    EXPECT_EQ(text(sheet, Field::wall_inclination), GetParam().in.theta);  // the input stays as typed
}

INSTANTIATE_TEST_SUITE_P(Inputs, EarthPressureRejected,
                         testing::Values(Rejection{"theta_empty", {"", "30", "18", "0", "10", "20", "2"}},
                                         Rejection{"theta_zero", {"0", "30", "18", "0", "10", "20", "2"}},
                                         Rejection{"theta_zero_point_zero", {"0.0", "30", "18", "0", "10", "20", "2"}},
                                         Rejection{"theta_letters", {"abc", "30", "18", "0", "10", "20", "2"}},
                                         Rejection{"phi_empty", {"90", "", "18", "0", "10", "20", "2"}},
                                         Rejection{"gamma_zero", {"90", "30", "0", "0", "10", "20", "2"}},
                                         Rejection{"delta_empty", {"90", "30", "18", "0", "10", "", "2"}},
                                         Rejection{"slope_negative", {"90", "30", "18", "-1", "10", "20", "2"}},
                                         Rejection{"surcharge_negative", {"90", "30", "18", "0", "-10", "20", "2"}}));

class EarthPressureFault : public testing::TestWithParam<Rejection> {};

// Inputs that pass the checks but give no finite result never show as success and never open page 2.
TEST_P(EarthPressureFault, IsReportedAndRejected)
{
    FlumeSheet sheet;
    common::MessageRecorder messages;
    fill_every_result(sheet);
    type_page1(sheet, GetParam().in);
    flume::compute_earth_pressure(sheet, messages);

    EXPECT_EQ(messages.messages, QList<Message>{invalid_number});
    expect_rejected_state(sheet);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EarthPressureFault,
    testing::Values(Rejection{"slope_steeper_than_repose_angle", {"90", "30", "18", "35", "10", "20", "2"}},
                    Rejection{"theta_equals_delta", {"30", "30", "18", "0", "10", "30", "2"}},
                    Rejection{"overflow_in_pa", {"90", "30", "1e308", "0", "10", "20", "1e10"}},
                    Rejection{"infinite_input", {"90", "30", "18", "0", "1e999", "20", "2"}}));

} // namespace
