#include "flume/flume_sheet.h"

#include "flume_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace flume_test;

namespace {

TEST(FlumeSheet, NewSheetIsInShapeInputWithNothingFilled)
{
    FlumeSheet sheet;
    for (const flume::FieldInfo &f : flume::field_table) {
        EXPECT_TRUE(sheet.text(f.field).isEmpty()) << f.control;
        EXPECT_FALSE(sheet.is_shown(f.field)) << f.control;
    }
    EXPECT_EQ(page_buttons(sheet), "1----");
    EXPECT_EQ(print_entries(sheet), "-----");
    EXPECT_EQ(sheet.current_page(), Page::ShapeInput);
    EXPECT_FALSE(sheet.shape_locked());
    EXPECT_FALSE(sheet.case1_groundwater_formula());
}

struct LastResult {
    const char *name;
    Field field;
    const char *entry;  // the print entries once the field holds text
};

void PrintTo(const LastResult &r, std::ostream *os) { *os << r.name; }

class PrintEntryNotification : public testing::TestWithParam<LastResult> {};

// Whoever changes a page's last result, the page's print entry follows it, whichever page is shown.
TEST_P(PrintEntryNotification, FollowsItsLastResult)
{
    const LastResult &r = GetParam();
    FlumeSheet sheet;
    std::vector<std::pair<Page, bool>> heard;
    QObject::connect(&sheet, &FlumeSheet::print_entry_changed,
                     [&heard](Page p, bool enabled) { heard.emplace_back(p, enabled); });

    sheet.set_text(r.field, QStringLiteral("1.049"));
    EXPECT_EQ(print_entries(sheet), r.entry);
    sheet.set_text(r.field, QStringLiteral("2.000"));
    EXPECT_EQ(print_entries(sheet), r.entry);
    sheet.clear_result(r.field);
    EXPECT_EQ(print_entries(sheet), "-----");
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_TRUE(heard[0].second);
    EXPECT_FALSE(heard[1].second);
}

INSTANTIATE_TEST_SUITE_P(Pages, PrintEntryNotification,
                         testing::Values(LastResult{"pv", Field::pv, "1----"},
                                         LastResult{"qmax", Field::max_bearing, "-2---"},
                                         LastResult{"case1_mto", Field::case1_slab_moment, "--3--"},
                                         LastResult{"case2_mt1", Field::case2_slab_moment, "---4-"},
                                         LastResult{"case3_mt1", Field::case3_slab_moment, "----5"}));

TEST(PrintEntryNotification, OtherResultsLeaveTheEntriesAlone)
{
    FlumeSheet sheet;
    for (Field f : {Field::ka, Field::pa, Field::pav, Field::uplift_safety_factor, Field::case1_wall_moment,
                    Field::slab_reaction, Field::case2_wall_moment, Field::case3_slab_shear})
        sheet.show_result(f, QStringLiteral("1.000"));
    EXPECT_EQ(print_entries(sheet), "-----");
}

TEST(FlumeSheet, NotifiesOnlyRealTextChanges)
{
    FlumeSheet sheet;
    int changes = 0;
    QObject::connect(&sheet, &FlumeSheet::text_changed, [&changes](Field, const QString &) { ++changes; });
    sheet.set_text(Field::t1, QStringLiteral("0.1"));
    sheet.set_text(Field::t1, QStringLiteral("0.1"));
    sheet.set_text(Field::t1, QStringLiteral("0.2"));
    EXPECT_EQ(changes, 2);
}

TEST(FlumeSheet, ShowAndClearSetTheDisplayState)
{
    FlumeSheet sheet;
    std::vector<bool> states;
    QObject::connect(&sheet, &FlumeSheet::display_state_changed,
                     [&states](Field, bool shown) { states.push_back(shown); });
    sheet.show_result(Field::ka, QStringLiteral("0.30"));
    EXPECT_TRUE(sheet.is_shown(Field::ka));
    EXPECT_EQ(text(sheet, Field::ka), "0.30");
    sheet.clear_result(Field::ka);
    EXPECT_FALSE(sheet.is_shown(Field::ka));
    EXPECT_EQ(text(sheet, Field::ka), "");
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
}

class ConvertedCompanion : public testing::TestWithParam<flume::ConvertedCompanion> {};

// No report may print a converted value whose result is gone.
TEST_P(ConvertedCompanion, IsEmptiedWithItsResult)
{
    const flume::ConvertedCompanion &c = GetParam();
    FlumeSheet sheet;
    fill_every_result(sheet);
    sheet.clear_result(c.result);
    EXPECT_EQ(text(sheet, c.converted), "");
    EXPECT_EQ(filled_results(sheet), all_results_except({c.result}));
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvertedCompanion, testing::ValuesIn(flume::converted_companions),
                         [](const testing::TestParamInfo<flume::ConvertedCompanion> &info) {
                             return flume::member_name(info.param.result).toStdString();
                         });

TEST(ConvertedCompanion, EveryCaseResultHasOneAndNoOtherField)
{
    int with_companion = 0;
    for (const flume::FieldInfo &f : flume::field_table) {
        const flume::ConvertedCompanion *c = flume::converted_companion(f.field);
        if (!c)
            continue;
        ++with_companion;
        EXPECT_EQ(flume::kind_of(c->result), flume::FieldKind::Result) << f.control;
        EXPECT_EQ(flume::kind_of(c->converted), flume::FieldKind::Converted) << f.control;
        EXPECT_EQ(c->moment, flume::member_name(c->converted).endsWith(QStringLiteral("_ncm"))) << f.control;
    }
    EXPECT_EQ(with_companion, 12);
}

} // namespace
