#include "flume_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace flume_test;

namespace {

const Message fs_too_small{QStringLiteral("数値が正しくありません。"), QString()};
const Message no_outer_water{QStringLiteral("H1=Oの時、計算する必要はありません。"), QStringLiteral("入力データ確認")};
const Message bearing_exceeded{QStringLiteral("許容値をオーバーしました。"), QStringLiteral("qmax ≦ qa")};

// Page 2 of the worked example, opened after page 1, with every later result still on the sheet.
class UpliftBearing : public testing::Test
{
protected:
    void SetUp() override
    {
        earth_pressure_done(sheet);
        fill_every_result(sheet);
        given_result(sheet, Field::pv, "2.000");
        type_uplift_inputs(sheet);
        flume::open_page(sheet, Page::UpliftBearing);
    }

    void reopen() { flume::open_page(sheet, Page::UpliftBearing); }

    FlumeSheet sheet;
    common::MessageRecorder messages;
};

TEST_F(UpliftBearing, WorkedExample)
{
    flume::check_uplift(sheet, messages);
    EXPECT_EQ(text(sheet, Field::uplift_safety_factor), "2.03");
    flume::check_bearing(sheet, messages);
    EXPECT_EQ(text(sheet, Field::max_bearing), "19.0");
    EXPECT_TRUE(sheet.is_shown(Field::uplift_safety_factor));
    EXPECT_TRUE(sheet.is_shown(Field::max_bearing));
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(page_buttons(sheet), "123--");
    EXPECT_EQ(print_entries(sheet), "-2---");
}

TEST_F(UpliftBearing, PassingUpliftEmptiesQmaxAndTheCasesAndLocksThem)
{
    flume::check_uplift(sheet, messages);
    EXPECT_EQ(filled_results(sheet), "Text14 Text15 Text16 Text17 Text20");
    EXPECT_EQ(page_buttons(sheet), "12---");
    EXPECT_EQ(print_entries(sheet), "-----");
}

TEST_F(UpliftBearing, PassingBearingKeepsFsEmptiesTheCasesAndOpensCase1Only)
{
    flume::check_bearing(sheet, messages);
    EXPECT_EQ(filled_results(sheet), "Text14 Text15 Text16 Text17 Text20 Text22");
    EXPECT_EQ(page_buttons(sheet), "123--");
}

TEST_F(UpliftBearing, T4TypedAsZeroIsAccepted)
{
    type_in(sheet, {{Field::t4, "0"}});
    flume::check_uplift(sheet, messages);
    flume::check_bearing(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::uplift_safety_factor), "1.99");
    EXPECT_EQ(text(sheet, Field::max_bearing), "18.8");
}

TEST_F(UpliftBearing, FsExactlyTheLimitFails)
{
    type_in(sheet, {{Field::outer_water_height, "1"}, {Field::water_unit_weight, "10"}});
    given_result(sheet, Field::pv, "4.680");
    reopen();
    flume::check_uplift(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{fs_too_small});
    EXPECT_EQ(filled_results(sheet), all_results_except({Field::uplift_safety_factor, Field::max_bearing}));
    EXPECT_EQ(page_buttons(sheet), "12---");
    EXPECT_EQ(flume::uplift_check(sheet)->comparison, QStringLiteral("1.20 ≦ 1.2"));
}

TEST_F(UpliftBearing, FsJustAboveTheLimitPasses)
{
    type_in(sheet, {{Field::outer_water_height, "1"}, {Field::water_unit_weight, "10"}});
    given_result(sheet, Field::pv, "4.690");
    reopen();
    flume::check_uplift(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::uplift_safety_factor), "1.20");
    // 結果一覧 shows the decimals that make the pass visible.
    EXPECT_EQ(flume::uplift_check(sheet)->comparison, QStringLiteral("1.201 ＞ 1.2"));
}

TEST_F(UpliftBearing, QmaxEqualToQaPasses)
{
    given_result(sheet, Field::pv, "2.640");
    type_in(sheet, {{Field::allowable_bearing, "20"}});
    reopen();
    flume::check_bearing(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::max_bearing), "20.0");
    EXPECT_EQ(page_buttons(sheet), "123--");
    EXPECT_EQ(flume::bearing_check(sheet)->comparison, QStringLiteral("20.0 ≦ 20"));
}

TEST_F(UpliftBearing, QmaxAboveQaIsRefused)
{
    type_in(sheet, {{Field::allowable_bearing, "19"}});
    flume::check_uplift(sheet, messages);
    flume::check_bearing(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{bearing_exceeded});
    EXPECT_EQ(text(sheet, Field::max_bearing), "");
    EXPECT_EQ(text(sheet, Field::uplift_safety_factor), "2.03");
    EXPECT_EQ(flume::bearing_check(sheet)->comparison, QStringLiteral("19.02 ＞ 19"));
    EXPECT_EQ(page_buttons(sheet), "12---");
    EXPECT_EQ(print_entries(sheet), "-----");
}

struct Missing {
    const char *name;
    Field field;
    const char *text;
};

void PrintTo(const Missing &m, std::ostream *os) { *os << m.name; }

// Both checks share the section's required values.
const auto shared_missing = testing::Values(Missing{"t1_zero", Field::t1, "0"},
                                            Missing{"t1_letters", Field::t1, "abc"},
                                            Missing{"t2_empty", Field::t2, ""},
                                            Missing{"t3_zero", Field::t3, "0.0"},
                                            Missing{"t4_empty", Field::t4, ""},
                                            Missing{"t4_blanks_only", Field::t4, "  "},
                                            Missing{"t4_negative", Field::t4, "-0.1"},
                                            Missing{"h_zero", Field::wall_height, "0"},
                                            Missing{"b_empty", Field::inner_width, ""},
                                            Missing{"water_weight_zero", Field::water_unit_weight, "0"},
                                            Missing{"flume_weight_empty", Field::flume_unit_weight, ""},
                                            Missing{"pv_not_computed", Field::pv, ""});

void type_missing(FlumeSheet &sheet, const Missing &m)
{
    if (m.field == Field::pv) {
        sheet.clear_result(Field::pv);
    } else {
        type_in(sheet, {{m.field, m.text}});
    }
    flume::open_page(sheet, Page::UpliftBearing);
}

class UpliftMissing : public UpliftBearing, public testing::WithParamInterface<Missing> {};

TEST_P(UpliftMissing, ClearsFsAndQmaxAndLocksTheCases)
{
    type_missing(sheet, GetParam());
    flume::check_uplift(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{missing_input});
    EXPECT_EQ(text(sheet, Field::uplift_safety_factor), "");
    EXPECT_EQ(text(sheet, Field::max_bearing), "");
    EXPECT_EQ(text(sheet, Field::case1_slab_moment), "9.999");  // the Cases are left as they are
    EXPECT_EQ(page_buttons(sheet), "12---");
    EXPECT_FALSE(flume::uplift_check(sheet));
}

INSTANTIATE_TEST_SUITE_P(Inputs, UpliftMissing, shared_missing);

class BearingMissing : public UpliftBearing, public testing::WithParamInterface<Missing> {};

TEST_P(BearingMissing, ClearsQmaxOnlyAndLocksTheCases)
{
    type_missing(sheet, GetParam());
    flume::check_bearing(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{missing_input});
    EXPECT_EQ(text(sheet, Field::max_bearing), "");
    EXPECT_EQ(text(sheet, Field::uplift_safety_factor), "9.999");
    EXPECT_EQ(page_buttons(sheet), "12---");
    EXPECT_FALSE(flume::bearing_check(sheet));
}

INSTANTIATE_TEST_SUITE_P(Inputs, BearingMissing, shared_missing);
INSTANTIATE_TEST_SUITE_P(BearingOnly, BearingMissing,
                         testing::Values(Missing{"h1_zero", Field::outer_water_height, "0"},
                                         Missing{"h1_empty", Field::outer_water_height, ""},
                                         Missing{"qa_zero", Field::allowable_bearing, "0"}));

class UpliftNoOuterWater : public UpliftBearing, public testing::WithParamInterface<const char *> {};

// Without outer water there is no buoyancy to check; that is its own message, not missing input.
TEST_P(UpliftNoOuterWater, SaysThereIsNothingToCheck)
{
    type_in(sheet, {{Field::outer_water_height, GetParam()}});
    flume::check_uplift(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{no_outer_water});
    EXPECT_EQ(text(sheet, Field::uplift_safety_factor), "");
    EXPECT_EQ(text(sheet, Field::max_bearing), "");
    EXPECT_EQ(page_buttons(sheet), "12---");
    EXPECT_FALSE(flume::uplift_check(sheet));
}

INSTANTIATE_TEST_SUITE_P(Heights, UpliftNoOuterWater, testing::Values("0", "", "-0.5"));

TEST_F(UpliftBearing, NegativeH1PassesTheBearingCheck)
{
    type_in(sheet, {{Field::outer_water_height, "-0.5"}});
    flume::check_bearing(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::max_bearing), "19.0");
}

TEST_F(UpliftBearing, NumberFollowedByLettersReadsAsTheNumber)
{
    type_in(sheet, {{Field::wall_height, "1.0m"}, {Field::water_unit_weight, "9.8kN"}});
    flume::check_uplift(sheet, messages);
    EXPECT_EQ(text(sheet, Field::uplift_safety_factor), "2.03");
}

struct Fault {
    const char *name;
    std::vector<Entry> typed;
};

void PrintTo(const Fault &f, std::ostream *os) { *os << f.name; }

// The outer width B + 2·T2 is zero through a negative B, or a value overflows.
const auto section_faults = testing::Values(Fault{"zero_outer_width", {{Field::inner_width, "-0.3"}}},
                                            Fault{"overflow", {{Field::flume_unit_weight, "1e308"},
                                                               {Field::wall_height, "1e308"}}});

class UpliftFault : public UpliftBearing, public testing::WithParamInterface<Fault> {};

TEST_P(UpliftFault, IsReportedAndRejected)
{
    type_in(sheet, GetParam().typed);
    flume::check_uplift(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{invalid_number});
    EXPECT_EQ(filled_results(sheet), all_results_except({Field::uplift_safety_factor, Field::max_bearing}));
    EXPECT_EQ(page_buttons(sheet), "12---");
}

INSTANTIATE_TEST_SUITE_P(Inputs, UpliftFault, section_faults);

class BearingFault : public UpliftBearing, public testing::WithParamInterface<Fault> {};

TEST_P(BearingFault, IsReportedAndRejected)
{
    type_in(sheet, GetParam().typed);
    type_in(sheet, {{Field::allowable_bearing, "1e308"}});
    flume::check_bearing(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{invalid_number});
    EXPECT_EQ(filled_results(sheet), all_results_except({Field::max_bearing}));
    EXPECT_EQ(page_buttons(sheet), "12---");
}

INSTANTIATE_TEST_SUITE_P(Inputs, BearingFault, section_faults);

} // namespace
