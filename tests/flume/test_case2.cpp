#include "flume_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace flume_test;

namespace {

// The Case 2 page after the worked Case 1 (γw 9.8, X 0.3, WR 8.385, BL 1.3 carried), h' = 1.1, with
// Case 3 results still on the sheet from an earlier run.
class Case2 : public testing::Test
{
protected:
    void SetUp() override
    {
        case1_done(sheet, messages);
        ASSERT_TRUE(messages.messages.isEmpty());
        ASSERT_EQ(page_buttons(sheet), "1234-");
        for (Field f : {Field::case2_wall_shear, Field::case2_wall_moment, Field::case2_slab_shear,
                        Field::case2_slab_moment, Field::case3_wall_shear, Field::case3_wall_moment,
                        Field::case3_slab_shear, Field::case3_slab_moment})
            given_result(sheet, f, "9.999");
        sheet.set_page_button_enabled(Page::Case3, true);
        type_in(sheet, {{Field::case2_depth, "1.1"}});
        flume::open_page(sheet, Page::Case2);
    }

    void type_and_reopen(const std::vector<Entry> &typed)
    {
        type_in(sheet, typed);
        flume::open_page(sheet, Page::Case2);
    }

    FlumeSheet sheet;
    common::MessageRecorder messages;
};

TEST_F(Case2, WorkedExample)
{
    EXPECT_EQ(text(sheet, Field::carried_3), "8.385");
    flume::compute_case2(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::case2_wall_shear), "5.929");
    EXPECT_EQ(text(sheet, Field::case2_wall_moment), "2.174");
    EXPECT_EQ(text(sheet, Field::case2_slab_shear), "2.935");
    EXPECT_EQ(text(sheet, Field::case2_slab_moment), "3.432");
    EXPECT_EQ(text(sheet, Field::case2_wall_shear_n), "5929");
    EXPECT_EQ(text(sheet, Field::case2_wall_moment_ncm), "217400");
    EXPECT_EQ(text(sheet, Field::case2_slab_shear_n), "2935");
    EXPECT_EQ(text(sheet, Field::case2_slab_moment_ncm), "343200");
}

TEST_F(Case2, PassEmptiesCase3AndOpensIt)
{
    sheet.set_page_button_enabled(Page::Case3, false);
    flume::compute_case2(sheet, messages);
    EXPECT_EQ(filled_results(sheet),
              "Text14 Text17 Text20 Text22 Text30 Text31 Text36 Text37 Text38 "
              "Text42 Text43 Text44 Text45 Text57 Text58 Text59 Text60 Text61 Text62 Text63 Text64");
    EXPECT_EQ(page_buttons(sheet), "12345");
    EXPECT_EQ(print_entries(sheet), "---4-");
}

struct Example {
    const char *name;
    std::vector<Entry> typed;
    const char *ss1, *ms1, *st1, *mt1;
};

void PrintTo(const Example &e, std::ostream *os) { *os << e.name; }

class Case2Example : public Case2, public testing::WithParamInterface<Example> {};

TEST_P(Case2Example, ShowsTheFourForces)
{
    const Example &e = GetParam();
    type_and_reopen(e.typed);
    flume::compute_case2(sheet, messages);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text(sheet, Field::case2_wall_shear), e.ss1);
    EXPECT_EQ(text(sheet, Field::case2_wall_moment), e.ms1);
    EXPECT_EQ(text(sheet, Field::case2_slab_shear), e.st1);
    EXPECT_EQ(text(sheet, Field::case2_slab_moment), e.mt1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Case2Example,
    testing::Values(
        // h' squared keeps the shear's sign, h' cubed turns the moment's.
        Example{"negative_depth", {{Field::case2_depth, "-1.1"}}, "5.929", "-2.174", "2.935", "-0.916"},
        Example{"section_at_mid_span", {{Field::slab_position, "0.65"}}, "5.929", "2.174", "0.000", "3.945"},
        // With X = BL the slab term vanishes: Mt1 is the wall moment alone.
        Example{"section_at_far_wall", {{Field::slab_position, "1.3"}}, "5.929", "2.174", "-5.450", "2.174"}));

class Case2Missing : public Case2, public testing::WithParamInterface<std::vector<Entry>> {};

TEST_P(Case2Missing, ClearsItsResultsAndLocksCase3)
{
    type_and_reopen(GetParam());
    flume::compute_case2(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{missing_input});
    EXPECT_EQ(filled_results(sheet),
              "Text14 Text17 Text20 Text22 Text30 Text31 Text36 Text37 Text38 "
              "Text46 Text47 Text48 Text49 Text57 Text58 Text59 Text60");
    EXPECT_EQ(page_buttons(sheet), "1234-");
    EXPECT_EQ(print_entries(sheet), "-----");
}

INSTANTIATE_TEST_SUITE_P(Inputs, Case2Missing,
                         testing::Values(std::vector<Entry>{{Field::water_unit_weight, ""}},
                                         std::vector<Entry>{{Field::case2_depth, "0"}},
                                         std::vector<Entry>{{Field::case2_depth, ""}},
                                         std::vector<Entry>{{Field::slab_reaction, "0.000"}},
                                         std::vector<Entry>{{Field::wall_spacing, "0"}},
                                         std::vector<Entry>{{Field::slab_position, "0"}}));

TEST_F(Case2, FaultIsReportedAndRejected)
{
    type_and_reopen({{Field::case2_depth, "1e200"}});
    flume::compute_case2(sheet, messages);
    EXPECT_EQ(messages.messages, QList<Message>{invalid_number});
    for (Field f : {Field::case2_wall_shear, Field::case2_wall_moment, Field::case2_slab_shear,
                    Field::case2_slab_moment, Field::case2_wall_shear_n, Field::case2_slab_moment_ncm})
        EXPECT_EQ(text(sheet, f), "") << flume::control_name(f).toStdString();
    EXPECT_EQ(text(sheet, Field::case3_slab_moment), "9.999");
    EXPECT_EQ(page_buttons(sheet), "1234-");
    EXPECT_EQ(print_entries(sheet), "-----");
}

} // namespace
