#include "flume_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace flume_test;

namespace {

// The Case 3 page after the worked Cases 1 and 2: KA 0.30, γw 9.8, γt 18, δ' 20, BL 1.3, X 0.3,
// h' 1.1, WR 8.385 carried.
class Case3 : public testing::Test
{
protected:
    void SetUp() override
    {
        case2_done(sheet, messages);
        ASSERT_TRUE(messages.messages.isEmpty());
        ASSERT_EQ(page_buttons(sheet), "12345");
        flume::open_page(sheet, Page::Case3);
    }

    void type_and_reopen(const std::vector<Entry> &typed)
    {
        type_in(sheet, typed);
        flume::open_page(sheet, Page::Case3);
    }

    FlumeSheet sheet;
    common::MessageRecorder messages;
};

TEST_F(Case3, WorkedExample)
{
    flume::compute_case3(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::case3_wall_shear), "2.859");
    EXPECT_EQ(text(sheet, Field::case3_wall_moment), "1.048");
    EXPECT_EQ(text(sheet, Field::case3_slab_shear), "2.935");
    EXPECT_EQ(text(sheet, Field::case3_slab_moment), "2.306");
    EXPECT_EQ(text(sheet, Field::case3_wall_shear_n), "2859");
    EXPECT_EQ(text(sheet, Field::case3_wall_moment_ncm), "104800");
    EXPECT_EQ(text(sheet, Field::case3_slab_shear_n), "2935");
    EXPECT_EQ(text(sheet, Field::case3_slab_moment_ncm), "230600");
    EXPECT_EQ(print_entries(sheet), "----5");
}

TEST_F(Case3, ChangesNoPageButtonAndNoEarlierResult)
{
    flume::compute_case3(sheet, messages);
    EXPECT_EQ(filled_results(sheet),
              "Text14 Text17 Text20 Text22 Text30 Text31 Text36 Text37 Text38 Text42 Text43 Text44 Text45 "
              "Text46 Text47 Text48 Text49 "
              "Text57 Text58 Text59 Text60 Text61 Text62 Text63 Text64 Text65 Text66 Text67 Text68");
    EXPECT_EQ(page_buttons(sheet), "12345");
}

struct Example {
    const char *name;
    std::vector<Entry> typed;
    const char *ss1, *ms1, *st1, *mt1;
};

void PrintTo(const Example &e, std::ostream *os) { *os << e.name; }

class Case3Example : public Case3, public testing::WithParamInterface<Example> {};

TEST_P(Case3Example, ShowsWhatPartsAAndBGive)
{
    const Example &e = GetParam();
    type_and_reopen(e.typed);
    flume::compute_case3(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::case3_wall_shear), e.ss1);
    EXPECT_EQ(text(sheet, Field::case3_wall_moment), e.ms1);
    EXPECT_EQ(text(sheet, Field::case3_slab_shear), e.st1);
    EXPECT_EQ(text(sheet, Field::case3_slab_moment), e.mt1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Case3Example,
    testing::Values(
        // Ms1 0.78761 shows as 0.788; Mt1 adds the slab term to 0.788 (2.046), not to 0.78761 (2.045).
        Example{"slab_moment_from_displayed_wall_moment", {{Field::case2_depth, "1.0"}}, "2.363", "0.788",
                "2.935", "2.046"},
        // Earth pressure above the water pressure: the wall forces turn negative.
        Example{"earth_pressure_dominates", {{Field::wet_soil_unit_weight, "100"}}, "-11.126", "-4.080", "2.935",
                "-2.822"},
        // A wall moment shown as zero leaves part b nothing to start from: silently empty.
        Example{"wall_moment_shown_as_zero", {{Field::wet_soil_unit_weight, "34.763"}}, "0.000", "0.000", "", ""},
        // The Case 1 reaction missing from its slot: part a stands, part b is silently empty.
        Example{"reaction_missing", {{Field::slab_reaction, ""}}, "2.859", "1.048", "", ""}));

class Case3Missing : public Case3, public testing::WithParamInterface<std::vector<Entry>> {};

TEST_P(Case3Missing, OneMessageAndAllFourResultsEmpty)
{
    flume::compute_case3(sheet, messages);
    ASSERT_EQ(print_entries(sheet), "----5");
    type_and_reopen(GetParam());
    flume::compute_case3(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{missing_input});
    EXPECT_EQ(filled_results(sheet),
              "Text14 Text17 Text20 Text22 Text30 Text31 Text36 Text37 Text38 "
              "Text42 Text43 Text44 Text45 Text57 Text58 Text59 Text60 Text61 Text62 Text63 Text64");
    EXPECT_EQ(print_entries(sheet), "-----");
    EXPECT_EQ(page_buttons(sheet), "12345");
}

INSTANTIATE_TEST_SUITE_P(Inputs, Case3Missing,
                         testing::Values(std::vector<Entry>{{Field::water_unit_weight, ""}},
                                         std::vector<Entry>{{Field::case2_depth, "0"}},
                                         std::vector<Entry>{{Field::wet_soil_unit_weight, ""}},
                                         std::vector<Entry>{{Field::ka, "0.00"}},
                                         std::vector<Entry>{{Field::back_friction_angle, "0"}},
                                         std::vector<Entry>{{Field::wall_spacing, ""}},
                                         std::vector<Entry>{{Field::slab_position, "0"}}));

TEST_F(Case3, WallFaultIsReportedOnceAndEmptiesAllFour)
{
    flume::compute_case3(sheet, messages);
    type_and_reopen({{Field::case2_depth, "1e200"}});
    flume::compute_case3(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{invalid_number});
    for (Field f : {Field::case3_wall_shear, Field::case3_wall_moment, Field::case3_slab_shear,
                    Field::case3_slab_moment, Field::case3_wall_shear_n, Field::case3_wall_moment_ncm,
                    Field::case3_slab_shear_n, Field::case3_slab_moment_ncm})
        EXPECT_EQ(text(sheet, f), "") << flume::control_name(f).toStdString();
    EXPECT_EQ(print_entries(sheet), "-----");
}

// Part b has no message of its own: a fault there empties St1 and Mt1 as missing values do.
TEST_F(Case3, SlabFaultEmptiesTheSlabForcesSilently)
{
    flume::compute_case3(sheet, messages);
    type_and_reopen({{Field::slab_reaction, "1e308"}, {Field::wall_spacing, "1e10"}});
    flume::compute_case3(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::case3_wall_shear), "2.859");
    EXPECT_EQ(text(sheet, Field::case3_wall_moment), "1.048");
    for (Field f : {Field::case3_slab_shear, Field::case3_slab_moment, Field::case3_slab_shear_n,
                    Field::case3_slab_moment_ncm})
        EXPECT_EQ(text(sheet, f), "") << flume::control_name(f).toStdString();
    EXPECT_EQ(print_entries(sheet), "-----");
}

} // namespace
