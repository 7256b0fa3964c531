#include "flume_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace flume_test;

namespace {

// The Case 1 page of the worked example, opened after a passing bearing check, with every later
// result still on the sheet from an earlier run.
class Case1 : public testing::Test
{
protected:
    void SetUp() override
    {
        bearing_done(sheet, messages);
        ASSERT_TRUE(messages.messages.isEmpty());
        ASSERT_EQ(page_buttons(sheet), "123--");
        fill_every_result(sheet);
        given_result(sheet, Field::ka, "0.30");
        given_result(sheet, Field::pv, "2.000");
        sheet.set_page_button_enabled(Page::Case3, false);
        flume::open_page(sheet, Page::Case1);
        type_case1_wall_inputs(sheet);
        type_case1_slab_inputs(sheet);
    }

    FlumeSheet sheet;
    common::MessageRecorder messages;
};

TEST_F(Case1, WorkedExampleWallBelowGroundwater)
{
    flume::compute_case1_wall(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::case1_wall_shear), "5.801");
    EXPECT_EQ(text(sheet, Field::case1_wall_moment), "2.307");
    EXPECT_EQ(text(sheet, Field::case1_wall_shear_n), "5801");
    EXPECT_EQ(text(sheet, Field::case1_wall_moment_ncm), "230700");
    EXPECT_TRUE(sheet.case1_groundwater_formula());
}

TEST_F(Case1, WorkedExampleSlabFromTheDisplayedMso)
{
    flume::compute_case1_wall(sheet, messages);
    flume::compute_case1_slab(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::slab_reaction), "8.385");
    EXPECT_EQ(text(sheet, Field::case1_slab_shear), "2.935");
    EXPECT_EQ(text(sheet, Field::case1_slab_moment), "1.049");
    EXPECT_EQ(text(sheet, Field::case1_slab_shear_n), "2935");
    EXPECT_EQ(text(sheet, Field::case1_slab_moment_ncm), "104900");
    for (Field f : {Field::slab_reaction, Field::case1_slab_shear, Field::case1_slab_moment})
        EXPECT_TRUE(sheet.is_shown(f));
}

struct WallExample {
    const char *name;
    const char *h, *top_to_axis, *axis_to_water;
    const char *sso, *mso;
    bool groundwater;
};

void PrintTo(const WallExample &w, std::ostream *os) { *os << w.name; }

class Case1Wall : public Case1, public testing::WithParamInterface<WallExample> {};

TEST_P(Case1Wall, ChoosesTheFormulaSetByTheGroundwaterLevel)
{
    const WallExample &w = GetParam();
    sheet.set_case1_groundwater_formula(!w.groundwater);
    type_in(sheet, {{Field::case1_depth, w.h},
                    {Field::wall_top_to_slab_axis, w.top_to_axis},
                    {Field::slab_axis_to_groundwater, w.axis_to_water}});
    flume::compute_case1_wall(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::case1_wall_shear), w.sso);
    EXPECT_EQ(text(sheet, Field::case1_wall_moment), w.mso);
    EXPECT_EQ(sheet.case1_groundwater_formula(), w.groundwater);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, Case1Wall,
    testing::Values(
        // 1.15 - 0.5 is 0.65 to a person: h = 0.65 lies at the groundwater level, not below it.
        WallExample{"h_at_groundwater_level", "0.65", "1.15", "0.5", "2.904", "0.828", false},
        WallExample{"h_just_below_groundwater", "0.66", "1.15", "0.5", "2.966", "0.857", true},
        WallExample{"h_zero", "0", "1.15", "0.5", "0.000", "0.000", false},
        WallExample{"h_empty", "", "1.15", "0.5", "0.000", "0.000", false},
        WallExample{"groundwater_above_wall_top", "0", "1.0", "1.2", "0.145", "0.010", true},
        WallExample{"no_groundwater_height", "1.0", "1.15", "0", "5.356", "2.255", false}));

TEST_F(Case1, PassingWallKeepsWrButEmptiesTheSlabForcesAndLaterCases)
{
    flume::compute_case1_wall(sheet, messages);
    EXPECT_EQ(filled_results(sheet), all_results_except({Field::case1_slab_shear, Field::case1_slab_moment,
                                                         Field::case2_wall_shear, Field::case2_wall_moment,
                                                         Field::case2_slab_shear, Field::case2_slab_moment,
                                                         Field::case3_wall_shear, Field::case3_wall_moment,
                                                         Field::case3_slab_shear, Field::case3_slab_moment}));
    EXPECT_EQ(text(sheet, Field::slab_reaction), "9.999");
    EXPECT_EQ(page_buttons(sheet), "123--");
    EXPECT_EQ(print_entries(sheet), "-----");
}

TEST_F(Case1, PassingSlabEmptiesTheLaterCasesAndOpensCase2Only)
{
    sheet.set_page_button_enabled(Page::Case3, true);
    flume::compute_case1_wall(sheet, messages);
    flume::compute_case1_slab(sheet, messages);
    EXPECT_EQ(filled_results(sheet),
              "Text14 Text15 Text16 Text17 Text20 Text22 Text30 Text31 Text36 Text37 Text38 "
              "Text57 Text58 Text59 Text60");
    EXPECT_EQ(page_buttons(sheet), "1234-");
    EXPECT_EQ(print_entries(sheet), "--3--");
}

// Without part a's Mso (never calculated, or refused) there is no moment to start from.
TEST_F(Case1, SlabBeforeAnyWallMissesMso)
{
    sheet.clear_result(Field::case1_wall_moment);
    flume::compute_case1_slab(sheet, messages);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, common::message::missing_input);
    EXPECT_EQ(text(sheet, Field::case1_slab_moment), "");
    EXPECT_EQ(text(sheet, Field::case1_slab_moment_ncm), "");
}

struct SlabExample {
    const char *name;
    const char *t1, *x;
    const char *wr, *sto, *mto;
};

void PrintTo(const SlabExample &e, std::ostream *os) { *os << e.name; }

class Case1Slab : public Case1, public testing::WithParamInterface<SlabExample> {};

TEST_P(Case1Slab, ShowsWrStoAndMto)
{
    const SlabExample &e = GetParam();
    flume::compute_case1_wall(sheet, messages);
    type_in(sheet, {{Field::t1, e.t1}, {Field::slab_position, e.x}});
    flume::compute_case1_slab(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::slab_reaction), e.wr);
    EXPECT_EQ(text(sheet, Field::case1_slab_shear), e.sto);
    EXPECT_EQ(text(sheet, Field::case1_slab_moment), e.mto);
}

INSTANTIATE_TEST_SUITE_P(
    Slabs, Case1Slab,
    testing::Values(SlabExample{"t1_zero", "0", "0.3", "6.262", "2.192", "1.368"},
                    // WR is 10.5077 as computed: Sto from the shown 10.508 would be 4.729.
                    SlabExample{"sto_from_the_computed_wr", "0.2", "0.2", "10.508", "4.728", "1.151"},
                    // WR is 8.3846 as computed: Mto from the shown 8.385 would be 1.206.
                    SlabExample{"mto_from_the_computed_wr", "0.1", "0.25", "8.385", "3.354", "1.207"}));

// The slab reads the slots copied on opening, not the page-1 and page-2 fields as they are now.
TEST_F(Case1, ReadsTheCarriedCopiesNotTheirSources)
{
    type_in(sheet, {{Field::surcharge, "0"}, {Field::water_unit_weight, "0"}});
    given_result(sheet, Field::pv, "");
    given_result(sheet, Field::ka, "");
    flume::compute_case1_wall(sheet, messages);
    flume::compute_case1_slab(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::case1_wall_shear), "5.801");
    EXPECT_EQ(text(sheet, Field::case1_slab_moment), "1.049");
}

struct Missing {
    const char *name;
    std::vector<Entry> typed;
};

// The fields a calculation clears, plus any earlier result the test itself emptied.
std::vector<Field> cleared(std::vector<Field> by_calculation, const Missing &m)
{
    for (const auto &[field, typed] : m.typed) {
        if (flume::kind_of(field) == flume::FieldKind::Result && std::string(typed).empty())
            by_calculation.push_back(field);
    }
    return by_calculation;
}

void PrintTo(const Missing &m, std::ostream *os) { *os << m.name; }

class Case1WallMissing : public Case1, public testing::WithParamInterface<Missing> {};

TEST_P(Case1WallMissing, ClearsTheWallAndSlabForcesButNotWr)
{
    sheet.set_page_button_enabled(Page::Case3, true);
    type_in(sheet, GetParam().typed);
    flume::open_page(sheet, Page::Case1);
    flume::compute_case1_wall(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{missing_input});
    EXPECT_EQ(filled_results(sheet),
              all_results_except(cleared({Field::case1_wall_shear, Field::case1_wall_moment,
                                          Field::case1_slab_shear, Field::case1_slab_moment},
                                         GetParam())));
    EXPECT_EQ(page_buttons(sheet), "123--");
    EXPECT_EQ(print_entries(sheet), "-----");
}

INSTANTIATE_TEST_SUITE_P(Inputs, Case1WallMissing,
                         testing::Values(Missing{"h_negative", {{Field::case1_depth, "-0.1"}}},
                                         Missing{"top_to_axis_empty", {{Field::wall_top_to_slab_axis, ""}}},
                                         Missing{"axis_to_water_negative", {{Field::slab_axis_to_groundwater, "-1"}}},
                                         Missing{"wet_weight_zero", {{Field::wet_soil_unit_weight, "0"}}},
                                         Missing{"submerged_weight_empty", {{Field::submerged_soil_unit_weight, ""}}},
                                         Missing{"friction_angle_zero", {{Field::back_friction_angle, "0"}}},
                                         Missing{"ka_not_computed", {{Field::ka, ""}}}));

class Case1SlabMissing : public Case1, public testing::WithParamInterface<Missing> {};

TEST_P(Case1SlabMissing, ClearsWrAndTheSlabForces)
{
    sheet.set_page_button_enabled(Page::Case3, true);
    type_in(sheet, GetParam().typed);
    flume::open_page(sheet, Page::Case1);
    flume::compute_case1_slab(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{missing_input});
    EXPECT_EQ(filled_results(sheet),
              all_results_except(cleared({Field::slab_reaction, Field::case1_slab_shear, Field::case1_slab_moment},
                                         GetParam())));
    EXPECT_EQ(page_buttons(sheet), "123--");
}

INSTANTIATE_TEST_SUITE_P(Inputs, Case1SlabMissing,
                         testing::Values(Missing{"spacing_negative", {{Field::wall_spacing, "-1.3"}}},
                                         // A zero wall spacing has nothing to spread the reaction over.
                                         Missing{"spacing_zero", {{Field::wall_spacing, "0"}}},
                                         Missing{"spacing_empty", {{Field::wall_spacing, ""}}},
                                         Missing{"position_zero", {{Field::slab_position, "0"}}},
                                         Missing{"t1_negative", {{Field::t1, "-0.1"}}},
                                         Missing{"t2_zero", {{Field::t2, "0"}}},
                                         Missing{"top_to_axis_zero", {{Field::wall_top_to_slab_axis, "0"}}},
                                         Missing{"flume_weight_empty", {{Field::flume_unit_weight, ""}}},
                                         Missing{"pv_not_computed", {{Field::pv, ""}}}));

TEST_F(Case1, WallFaultIsReportedAndRejected)
{
    type_in(sheet, {{Field::case1_depth, "1e200"}});
    flume::compute_case1_wall(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{invalid_number});
    EXPECT_EQ(filled_results(sheet), all_results_except({Field::case1_wall_shear, Field::case1_wall_moment,
                                                         Field::case1_slab_shear, Field::case1_slab_moment}));
    EXPECT_EQ(page_buttons(sheet), "123--");
}

TEST_F(Case1, SlabFaultIsReportedAndRejected)
{
    type_in(sheet, {{Field::flume_unit_weight, "1e308"}, {Field::wall_top_to_slab_axis, "1e10"}});
    flume::compute_case1_slab(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{invalid_number});
    EXPECT_EQ(filled_results(sheet),
              all_results_except({Field::slab_reaction, Field::case1_slab_shear, Field::case1_slab_moment}));
    EXPECT_EQ(page_buttons(sheet), "123--");
}

// The moment shows, but in N·cm it would no longer be a number: nothing of the chain is shown.
TEST_F(Case1, SlabFaultInTheConvertedMomentShowsNothing)
{
    type_in(sheet, {{Field::slab_position, "1e152"}});
    flume::compute_case1_slab(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{invalid_number});
    EXPECT_EQ(text(sheet, Field::slab_reaction), "");
    EXPECT_EQ(text(sheet, Field::case1_slab_shear), "");
}

} // namespace
