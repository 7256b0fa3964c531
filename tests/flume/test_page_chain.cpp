#include "flume/page_chain.h"

#include "flume_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace flume_test;

namespace {

// A carried slot and the field whose text opening the page copies into it.
struct Slot {
    const char *slot;
    const char *source;
};

struct PageSlots {
    const char *name;
    Page page;
    std::vector<Slot> carried;  // in the left panel's order, top to bottom
};

void PrintTo(const PageSlots &p, std::ostream *os) { *os << p.name; }

const std::vector<PageSlots> page_slots = {
    {"shape_input", Page::ShapeInput, {}},
    {"earth_pressure", Page::EarthPressure, {}},
    {"uplift_bearing", Page::UpliftBearing, {{"Text23", "Text17"}}},
    {"case1",
     Page::Case1,
     {{"Text23", "Text17"},
      {"Text39", "Text14"},
      {"Text32", "Text12"},
      {"Text33", "Text18"},
      {"Text40", "Text19"}}},
    {"case2",
     Page::Case2,
     {{"Text23", "Text18"},
      {"Text39", "Text35"},
      {"Text32", "Text36"},
      {"Text33", "Text34"}}},
    {"case3",
     Page::Case3,
     {{"Text23", "Text14"},
      {"Text39", "Text18"},
      {"Text32", "Text27"},
      {"Text33", "Text29"},
      {"Text40", "Text34"},
      {"Text50", "Text35"},
      {"Text52", "Text36"},
      {"Text51", "Text41"}}},
};

Field by_control(const char *control)
{
    for (const flume::FieldInfo &f : flume::field_table) {
        if (QLatin1String(f.control) == QLatin1String(control))
            return f.field;
    }
    ADD_FAILURE() << "no field " << control;
    return Field::t1;
}

class CarriedSlots : public testing::TestWithParam<PageSlots> {};

// Opening copies each source's text verbatim, whatever it holds: rounded results, untrimmed input,
// letters, nothing.
TEST_P(CarriedSlots, OpeningCopiesTheSourcesVerbatim)
{
    const PageSlots &expected = GetParam();
    FlumeSheet sheet;
    const QStringList samples = {QStringLiteral("0.30"), QStringLiteral(" 9.8 "), QStringLiteral("abc"),
                                 QString(), QStringLiteral("8.385"), QStringLiteral("１．３"),
                                 QStringLiteral("-0.5"), QStringLiteral("1e2")};
    for (std::size_t i = 0; i < expected.carried.size(); ++i) {
        sheet.set_text(by_control(expected.carried[i].source), samples[qsizetype(i)]);
        sheet.set_text(by_control(expected.carried[i].slot), QStringLiteral("stale"));
    }
    flume::open_page(sheet, expected.page);
    for (std::size_t i = 0; i < expected.carried.size(); ++i)
        EXPECT_EQ(sheet.text(by_control(expected.carried[i].slot)), samples[qsizetype(i)]) << expected.carried[i].slot;
    EXPECT_EQ(sheet.current_page(), expected.page);
}

INSTANTIATE_TEST_SUITE_P(Pages, CarriedSlots, testing::ValuesIn(page_slots));

TEST(CarriedSlots, KeepTheirCopyUntilThePageIsOpenedAgain)
{
    FlumeSheet sheet;
    type_in(sheet, {{Field::surcharge, "10"}});
    flume::open_page(sheet, Page::Case1);
    type_in(sheet, {{Field::surcharge, "12"}});
    EXPECT_EQ(text(sheet, Field::carried_3), "10");
    flume::open_page(sheet, Page::Case1);
    EXPECT_EQ(text(sheet, Field::carried_3), "12");
}

struct Opening {
    const char *name;
    Page page;
    const char *entries_with_results;  // every last result holds text
};

void PrintTo(const Opening &o, std::ostream *os) { *os << o.name; }

class OpenPage : public testing::TestWithParam<Opening> {};

TEST_P(OpenPage, EnablesOnlyItsOwnPrintEntryWhenItsLastResultHoldsText)
{
    const Opening &o = GetParam();
    FlumeSheet sheet;
    fill_every_result(sheet);
    flume::open_page(sheet, o.page);
    EXPECT_EQ(print_entries(sheet), o.entries_with_results);

    sheet.clear_result(flume::last_result(o.page));
    flume::open_page(sheet, o.page);
    EXPECT_EQ(print_entries(sheet), "-----");
}

TEST_P(OpenPage, ChangesNoResultAndNoPageButton)
{
    const Opening &o = GetParam();
    FlumeSheet sheet;
    fill_every_result(sheet);
    sheet.set_page_button_enabled(Page::Case3, false);
    flume::open_page(sheet, o.page);
    EXPECT_EQ(filled_results(sheet), all_results_except({}));
    EXPECT_EQ(page_buttons(sheet), "1234-");
}

INSTANTIATE_TEST_SUITE_P(Pages, OpenPage,
                         testing::Values(Opening{"earth_pressure", Page::EarthPressure, "1----"},
                                         Opening{"uplift_bearing", Page::UpliftBearing, "-2---"},
                                         Opening{"case1", Page::Case1, "--3--"},
                                         Opening{"case2", Page::Case2, "---4-"},
                                         Opening{"case3", Page::Case3, "----5"}));

TEST(OpenPage, PageOneLocksTheShapeFieldsAndNoOtherPageUnlocksThem)
{
    FlumeSheet sheet;
    flume::open_page(sheet, Page::UpliftBearing);
    EXPECT_FALSE(sheet.shape_locked());
    flume::open_page(sheet, Page::EarthPressure);
    EXPECT_TRUE(sheet.shape_locked());
    for (Page p : {Page::UpliftBearing, Page::Case1, Page::Case2, Page::Case3}) {
        flume::open_page(sheet, p);
        EXPECT_TRUE(sheet.shape_locked());
    }
}

TEST(OpenPage, ReopeningTheShownPageIsHeardAgain)
{
    FlumeSheet sheet;
    int opened = 0;
    QObject::connect(&sheet, &FlumeSheet::current_page_changed, [&opened](Page) { ++opened; });
    flume::open_page(sheet, Page::EarthPressure);
    flume::open_page(sheet, Page::EarthPressure);
    EXPECT_EQ(opened, 2);
}

TEST(ShapeInput, ResetsTheChainToItsStart)
{
    FlumeSheet sheet;
    fill_every_result(sheet);
    flume::open_page(sheet, Page::Case1);
    flume::enter_shape_input(sheet);

    EXPECT_EQ(page_buttons(sheet), "1----");
    EXPECT_EQ(print_entries(sheet), "-----");
    EXPECT_EQ(sheet.current_page(), Page::ShapeInput);
    EXPECT_FALSE(sheet.shape_locked());
    // Only the page-1 results go; later pages keep their old text until page 1 is calculated again.
    EXPECT_EQ(filled_results(sheet), all_results_except({Field::ka, Field::pa, Field::pav, Field::pv}));
    for (Field f : {Field::ka, Field::pa, Field::pav, Field::pv})
        EXPECT_FALSE(sheet.is_shown(f));
}

// A whole run from typed inputs: each page works on what the page before displayed.
TEST(PageChain, WholeRunCarriesTheDisplayedTexts)
{
    FlumeSheet sheet;
    common::MessageRecorder messages;
    type_shape(sheet);
    flume::open_page(sheet, Page::EarthPressure);
    type_in(sheet, {{Field::wall_inclination, "90"},
                    {Field::repose_angle, "30"},
                    {Field::soil_unit_weight, "18"},
                    {Field::ground_slope, "0"},
                    {Field::surcharge, "10"},
                    {Field::wall_friction_angle, "20"}});
    flume::compute_earth_pressure(sheet, messages);
    EXPECT_EQ(text(sheet, Field::pv), "1.950");

    flume::open_page(sheet, Page::UpliftBearing);
    EXPECT_EQ(text(sheet, Field::carried_1), "1.950");
    type_uplift_inputs(sheet);
    flume::check_uplift(sheet, messages);
    flume::check_bearing(sheet, messages);
    EXPECT_EQ(text(sheet, Field::uplift_safety_factor), "2.02");
    EXPECT_EQ(text(sheet, Field::max_bearing), "18.9");

    flume::open_page(sheet, Page::Case1);
    type_case1_wall_inputs(sheet);
    type_case1_slab_inputs(sheet);
    flume::compute_case1_wall(sheet, messages);
    flume::compute_case1_slab(sheet, messages);
    EXPECT_EQ(text(sheet, Field::slab_reaction), "8.308");
    EXPECT_EQ(text(sheet, Field::case1_slab_moment), "1.061");

    flume::open_page(sheet, Page::Case2);
    type_in(sheet, {{Field::case2_depth, "1.1"}});
    flume::compute_case2(sheet, messages);
    EXPECT_EQ(text(sheet, Field::case2_slab_moment), "3.420");

    flume::open_page(sheet, Page::Case3);
    flume::compute_case3(sheet, messages);
    EXPECT_EQ(text(sheet, Field::case3_slab_shear), "2.908");
    EXPECT_EQ(text(sheet, Field::case3_slab_moment), "2.294");

    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(page_buttons(sheet), "12345");
    EXPECT_EQ(print_entries(sheet), "----5");
}

} // namespace
