#include "flume/full_check.h"

#include "flume/flume_sheet.h"
#include "common/messages.h"
#include "flume/sheet_inputs.h"
#include "flume_test_support.h"

#include <gtest/gtest.h>

using flume::Field;
using flume::FlumeSheet;
using common::Message;
using flume::Page;

namespace {

using test_support::worked_inputs_pv_2;
using test_support::worked_with;

const Message missing{common::message::missing_input, common::message::input_check_title};
const Message no_water{common::message::no_outer_water, common::message::input_check_title};
const Message over{common::message::bearing_exceeded, common::message::bearing_title};

struct WalkRow {
    const char *name;
    QStringList inputs;
    QList<Page> pages;
    bool reached;
    QList<Message> messages;
    std::string buttons;
};

class FullCheck : public testing::TestWithParam<WalkRow>
{
};

TEST_P(FullCheck, WalksThePagesAUserCanOpen)
{
    const WalkRow &row = GetParam();
    FlumeSheet sheet;
    common::MessageRecorder messages;
    const flume::FullCheckOutcome outcome = flume::run_full_check(sheet, row.inputs, messages);
    EXPECT_EQ(outcome.pages_opened, row.pages);
    EXPECT_EQ(outcome.reached_case3, row.reached);
    EXPECT_EQ(messages.messages, row.messages);
    EXPECT_EQ(flume_test::page_buttons(sheet), row.buttons);
    EXPECT_EQ(sheet.current_page(), row.pages.isEmpty() ? Page::ShapeInput : row.pages.last());
}

const QList<Page> all_pages{Page::EarthPressure, Page::UpliftBearing, Page::Case1, Page::Case2, Page::Case3};

INSTANTIATE_TEST_SUITE_P(
    Walks, FullCheck,
    testing::Values(
        WalkRow{"WorkedExamplesToCase3", worked_inputs_pv_2, all_pages, true, {}, "12345"},
        WalkRow{"EarthPressureRejectedStopsAtPage2", worked_with({{Field::wall_inclination, QString()}}, worked_inputs_pv_2),
                {Page::EarthPressure}, false, {missing}, "1----"},
        WalkRow{"OnlyTheShapeInTheFile", worked_inputs_pv_2.mid(0, 7), {Page::EarthPressure}, false, {missing}, "1----"},
        // The uplift message does not keep the user from pressing the bearing button as well.
        WalkRow{"NoOuterWaterStopsBeforeCase1", worked_with({{Field::outer_water_height, QStringLiteral("0")}}, worked_inputs_pv_2),
                {Page::EarthPressure, Page::UpliftBearing}, false, {no_water, missing}, "12---"},
        WalkRow{"BearingExceededStopsBeforeCase1", worked_with({{Field::allowable_bearing, QStringLiteral("19")}}, worked_inputs_pv_2),
                {Page::EarthPressure, Page::UpliftBearing}, false, {over}, "12---"},
        // Part a refused, part b misses its Mso.
        WalkRow{"Case1WallRefusedSlabMissesMso", worked_with({{Field::wet_soil_unit_weight, QString()}}, worked_inputs_pv_2),
                {Page::EarthPressure, Page::UpliftBearing, Page::Case1}, false, {missing, missing}, "123--"},
        WalkRow{"Case1SlabRefusedStopsBeforeCase2", worked_with({{Field::slab_position, QStringLiteral("0")}}, worked_inputs_pv_2),
                {Page::EarthPressure, Page::UpliftBearing, Page::Case1}, false, {missing}, "123--"},
        WalkRow{"Case2RefusedStopsBeforeCase3", worked_with({{Field::case2_depth, QString()}}, worked_inputs_pv_2),
                {Page::EarthPressure, Page::UpliftBearing, Page::Case1, Page::Case2}, false, {missing}, "1234-"}),
    [](const testing::TestParamInfo<WalkRow> &info) { return std::string(info.param.name); });

TEST(FullCheckResults, EveryWorkedExampleInOneWalk)
{
    FlumeSheet sheet;
    common::MessageRecorder messages;
    flume::run_full_check(sheet, worked_inputs_pv_2, messages);
    const QList<std::pair<Field, const char *>> expected = {
        {Field::ka, "0.30"},
        {Field::pa, "5.70"},
        {Field::pav, "2.000"},
        {Field::pv, "2.000"},
        {Field::uplift_safety_factor, "2.03"},
        {Field::max_bearing, "19.0"},
        {Field::case1_wall_shear, "5.801"},
        {Field::case1_wall_moment, "2.307"},
        {Field::case1_wall_shear_n, "5801"},
        {Field::case1_wall_moment_ncm, "230700"},
        {Field::slab_reaction, "8.385"},
        {Field::case1_slab_shear, "2.935"},
        {Field::case1_slab_moment, "1.049"},
        {Field::case2_wall_shear, "5.929"},
        {Field::case2_wall_moment, "2.174"},
        {Field::case2_slab_shear, "2.935"},
        {Field::case2_slab_moment, "3.432"},
        {Field::case3_wall_shear, "2.859"},
        {Field::case3_wall_moment, "1.048"},
        {Field::case3_slab_shear, "2.935"},
        {Field::case3_slab_moment, "2.306"},
    };
    for (const auto &[field, text] : expected)
        EXPECT_EQ(sheet.text(field).toStdString(), text) << flume::member_name(field).toStdString();
    EXPECT_TRUE(sheet.case1_groundwater_formula());
    // Opening Case 3 copied h' and WR into its slots.
    EXPECT_EQ(sheet.text(Field::carried_7), QStringLiteral("1.1"));
    EXPECT_EQ(sheet.text(Field::carried_8), QStringLiteral("8.385"));
}

TEST(FullCheckResults, FewerInputsEmptyTheRest)
{
    FlumeSheet sheet;
    sheet.set_text(Field::case2_depth, QStringLiteral("1.1"));
    common::MessageRecorder messages;
    flume::run_full_check(sheet, worked_inputs_pv_2.mid(0, 10), messages);
    EXPECT_EQ(flume::input_texts(sheet), worked_inputs_pv_2.mid(0, 10) + QStringList(15, QString()));
}

} // namespace
