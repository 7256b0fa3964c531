// 自動配筋 for one member: the arrangement chosen with its governing ratio, or why there is none with
// the 総厚 that would do; each answer checked against the member check run on every arrangement of
// the lists, and the arrangement put into the inputs.
#include "members/auto_reinforcement.h"

#include "common/numeric_reading.h"
#include "flume/full_check.h"
#include "tests/support/member_forces.h"
#include "tests/support/worked_example.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using members::MemberCheckInputs;

struct DesignRow {
    const char *name;
    std::size_t member;           // 0..5: ケース.1 側壁 … ケース.3 底版
    const char *moment, *shear;   // N·cm, N on the worked shape; "walk": the worked example walked,
                                  // "tall": the tall flume; a null moment: the member has no forces
    const char *thickness;        // 総厚 typed, or empty
    const char *bars, *pitches;   // the lists searched; null: the defaults
    const char *largest_pitch;    // 構造細目
    const char *bar, *pitch;      // the arrangement chosen; empty without one
    const char *note;             // what the row says of the search
};

void PrintTo(const DesignRow &row, std::ostream *os) { *os << row.name; }

const char *const walk = "walk";
const char *const tall = "tall";

// A flume 1.8 m high with walls and slab of 10 cm, filled to 1.8 m in Case 1 and 1.9 m in Case 2.
const QStringList tall_flume = [] {
    using flume::Field;
    return test_support::worked_with({{Field::t1, "0.1"}, {Field::t2, "0.1"}, {Field::t3, "0.1"}, {Field::wall_height, "1.8"},
                                      {Field::case1_depth, "1.8"}, {Field::wall_top_to_slab_axis, "1.95"},
                                      {Field::case2_depth, "1.9"}});
}();

struct Chosen {
    QString bar, pitch;
};

class Design : public testing::TestWithParam<DesignRow>
{
protected:
    void SetUp() override
    {
        const DesignRow &row = GetParam();
        if (row.moment == walk || row.moment == tall) {
            walked = flume::walk_flume(row.moment == walk ? test_support::worked_inputs : tall_flume);
        } else {
            walked.sheet = std::make_unique<flume::FlumeSheet>();
            test_support::type_member_shape(*walked.sheet);
            if (row.moment)
                test_support::give_member_forces(*walked.sheet, row.member, row.moment, row.shear);
        }
        inputs.members[row.member].cover = QStringLiteral("3");
        inputs.members[row.member].thickness = QString::fromLatin1(row.thickness);
        if (row.bars)
            inputs.design_lists = {QString::fromUtf8(row.bars), QString::fromUtf8(row.pitches)};
        inputs.detailing.largest_pitch = QString::fromLatin1(row.largest_pitch);
    }

    // The member check of the member with the bar at the pitch, its 総厚 as given.
    members::MemberResult checked(const QString &bar, const QString &pitch, const QString &thickness) const
    {
        MemberCheckInputs tried = inputs;
        members::MemberInputs &m = tried.members[GetParam().member];
        m = {bar, members::Spacing::Pitch, pitch, {}, {}, {}, thickness, m.cover};
        return members::check_members(tried, *walked.sheet).members[GetParam().member];
    }

    // By brute force: every arrangement of the lists checked; of those OK the least As shown, then
    // the larger pitch, then the thinner bar.
    std::optional<Chosen> least_passing(const QString &thickness) const
    {
        std::optional<Chosen> best;
        double best_area = 0, best_pitch = 0;
        for (const members::BarSize &bar : members::search_lists(inputs.design_lists).bars) {
            for (const QString &pitch : members::search_lists(inputs.design_lists).pitches) {
                const members::MemberResult m = checked(QString::fromLatin1(bar.name), pitch, thickness);
                const double area = common::read_number(m.rebar_area), at = common::read_number(pitch);
                if (m.verdict == members::Verdict::Ok && (!best || area < best_area || (area == best_area && at > best_pitch))) {
                    best = Chosen{QString::fromLatin1(bar.name), pitch};
                    best_area = area;
                    best_pitch = at;
                }
            }
        }
        return best;
    }

    flume::WalkedFlume walked;
    MemberCheckInputs inputs;
};

TEST_P(Design, ChoosesTheLeastSteelThatPasses)
{
    const DesignRow &row = GetParam();
    const auto designs = members::design_members(inputs, *walked.sheet);
    const members::MemberDesign &design = designs[row.member];
    EXPECT_EQ(design.bar.toStdString(), row.bar);
    EXPECT_EQ(design.pitch.toStdString(), row.pitch);
    EXPECT_EQ(members::design_note(design).toStdString(), row.note);
    EXPECT_EQ(design.no_forces, row.moment == nullptr);

    const std::optional<Chosen> brute = least_passing(inputs.members[row.member].thickness);
    EXPECT_EQ(design.found, brute.has_value());
    if (brute) {
        EXPECT_EQ(design.bar, brute->bar);
        EXPECT_EQ(design.pitch, brute->pitch);
    }
    // The 総厚 given is the least, to 5 mm, at which some arrangement passes.
    if (!design.least_thickness.isEmpty()) {
        const double least = common::read_number(design.least_thickness);
        EXPECT_TRUE(least_passing(design.least_thickness).has_value());
        EXPECT_FALSE(least_passing(QString::number(least - 0.5, 'f', 1)).has_value());
    }

    // The arrangement goes in as the search's, the others stay; the check then shows the governing
    // ratio the search gave.
    const MemberCheckInputs designed = members::with_designs(inputs, designs);
    const members::MemberInputs &m = designed.members[row.member];
    EXPECT_EQ(m.designed, design.found);
    if (design.found) {
        EXPECT_EQ(m.bar, design.bar);
        EXPECT_EQ(m.spacing_text, design.pitch);
        EXPECT_EQ(members::governing_ratio(members::check_members(designed, *walked.sheet), row.member), design.governing);
    } else {
        EXPECT_TRUE(m == inputs.members[row.member]);
    }
}

// The worked example is lightly loaded: the least steel of the lists, D10 at 300 mm, passes
// everywhere; the least steel ratio is nearest its limit but in the Case 2 slab.
INSTANTIATE_TEST_SUITE_P(
    Members, Design,
    testing::Values(
        DesignRow{"worked_case1_wall", 0, walk, "", "", nullptr, nullptr, "300", "D10", "300", "鉄筋比 0.75"},
        DesignRow{"worked_case1_slab", 1, walk, "", "", nullptr, nullptr, "300", "D10", "300", "鉄筋比 0.75"},
        DesignRow{"worked_case2_wall", 2, walk, "", "", nullptr, nullptr, "300", "D10", "300", "鉄筋比 0.75"},
        DesignRow{"worked_case2_slab", 3, walk, "", "", nullptr, nullptr, "300", "D10", "300", "σs 0.76"},
        DesignRow{"worked_case3_wall", 4, walk, "", "", nullptr, nullptr, "300", "D10", "300", "鉄筋比 0.75"},
        DesignRow{"worked_case3_slab", 5, walk, "", "", nullptr, nullptr, "300", "D10", "300", "鉄筋比 0.75"},
        // No steel brings σc down enough in 15 cm: 15.5 cm would do.
        DesignRow{"concrete_fails_for_every_bar", 0, "2500000", "10000", "", nullptr, nullptr, "300", "", "",
                  "σc：断面が不足（総厚を増やしてください）　総厚 15.5 cm で可"},
        // 40 cm for a small moment: the least steel ratio alone decides; D13 at 225 mm has a
        // little less steel than D10 at 125 mm.
        // The 10 cm wall of a tall flume takes no bar of the lists; 11 cm would do.
        DesignRow{"ten_cm_wall_of_a_tall_flume", 0, tall, "", "", nullptr, nullptr, "300", "", "",
                  "σc：断面が不足（総厚を増やしてください）　総厚 11.0 cm で可"},
        DesignRow{"least_steel_ratio_decides", 1, "104900", "2935", "40", nullptr, nullptr, "300", "D13", "225", "鉄筋比 1.00"},
        DesignRow{"no_shear", 3, "343200", "0", "", nullptr, nullptr, "300", "D10", "300", "σs 0.76"},
        // D10 at 71 mm and D13 at 127 mm both give 10.00 cm²: the larger pitch, whatever the lists' order.
        DesignRow{"equal_steel_takes_the_larger_pitch", 0, "1200000", "5801", "", "D10, D13", "71, 127", "300", "D13", "127", "σc 0.69"},
        DesignRow{"lists_in_another_order", 0, "1200000", "5801", "", "D13　d10", "127、71 127.0", "300", "D13", "127", "σc 0.69"},
        DesignRow{"every_pitch_over_the_largest", 0, "230700", "5801", "", nullptr, nullptr, "90", "", "",
                  "ピッチ：構造細目を満たす組合せがありません（探す鉄筋・ピッチを見直してください）"},
        DesignRow{"bar_not_in_the_table", 0, "230700", "5801", "", "D10, D25", "200", "300", "", "", "探す鉄筋が不正（D25）"},
        DesignRow{"no_pitches", 0, "230700", "5801", "", "D10", " ", "300", "", "", "探すピッチが未入力"},
        DesignRow{"no_forces", 2, nullptr, nullptr, "", nullptr, nullptr, "300", "", "", "未計算のため変更なし"}),
    [](const testing::TestParamInfo<DesignRow> &info) { return std::string(info.param.name); });

} // namespace
