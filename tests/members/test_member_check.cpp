// The member check on a flume sheet whose Cases show their forces: the allowable stresses the
// tables give, each member's bars, section and stresses, the tension face and the judgement, and
// the stresses against what `morvik --check` shows for the same six inputs.
#include "members/member_check.h"

#include "flume/flume_sheet.h"
#include "members/member_sheet.h"
#include "tests/support/member_forces.h"
#include "tests/support/process_run.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <array>

namespace {

using flume::Field;
using members::Allowable;
using members::MemberInputs;
using members::Spacing;

using test_support::give_member_forces;
using test_support::type_member_shape;

MemberInputs bars(const char *bar, Spacing spacing, const char *value, const char *cover = "3")
{
    return {QString::fromUtf8(bar), spacing, QString::fromLatin1(value), {}, {}, {}, {}, QString::fromUtf8(cover)};
}

MemberInputs typed_bars(const char *area, const char *perimeter, const char *depth)
{
    return {members::typed_bars, Spacing::Count, {}, QString::fromLatin1(area), QString::fromLatin1(perimeter),
            QString::fromLatin1(depth), {}, {}};
}

MemberInputs with_thickness(MemberInputs inputs, const char *thickness)
{
    inputs.thickness = QString::fromLatin1(thickness);
    return inputs;
}

const MemberInputs d13_5 = bars("D13", Spacing::Count, "5");

struct MemberRow {
    const char *name;
    std::size_t member;           // 0..5: ケース.1 側壁 … ケース.3 底版
    const char *moment, *shear;   // N·cm, N; a null moment: the Case has not computed them
    MemberInputs inputs;
    const char *tension_face, *area, *perimeter, *depth;
    std::array<const char *, 4> stresses;  // σc, σs, τ, τo as shown without their units
    const char *judgement;
};

void PrintTo(const MemberRow &row, std::ostream *os) { *os << row.name; }

// Each member of the worked example with D13 × 5 and a cover of 3 cm, then sections that make the
// bars, the section and the judgement differ.
const MemberRow member_rows[] = {
    {"worked_case1_wall", 0, "230700", "5801", d13_5, "外側", "6.35", "20.00", "11.3", {"122", "3617", "5.77", "28.87"}, "OK"},
    {"worked_case1_slab", 1, "104900", "2935", d13_5, "外側", "6.35", "20.00", "11.3", {"55", "1644", "2.92", "14.61"}, "OK"},
    {"worked_case2_wall", 2, "217400", "5929", d13_5, "内側", "6.35", "20.00", "11.3", {"115", "3408", "5.90", "29.51"}, "OK"},
    {"worked_case2_slab", 3, "343200", "2935", d13_5, "内側", "6.35", "20.00", "11.3", {"181", "5380", "2.92", "14.61"}, "OK"},
    {"worked_case3_wall", 4, "104800", "2859", d13_5, "内側", "6.35", "20.00", "11.3", {"55", "1643", "2.85", "14.23"}, "OK"},
    {"worked_case3_slab", 5, "230600", "2935", d13_5, "内側", "6.35", "20.00", "11.3", {"122", "3615", "2.92", "14.61"}, "OK"},
    // A negative moment pulls the other face; the stresses come from |M| and |S|.
    {"negative_moment_case1_slab", 1, "-104900", "2935", d13_5, "内側", "6.35", "20.00", "11.3", {"55", "1644", "2.92", "14.61"}, "OK"},
    {"negative_forces_case3_wall", 4, "-104800", "-2859", d13_5, "外側", "6.35", "20.00", "11.3", {"55", "1643", "2.85", "14.23"}, "OK"},
    // The slab's section of the largest moment carries no shear.
    {"zero_shear", 3, "343200", "0", d13_5, "内側", "6.35", "20.00", "11.3", {"181", "5380", "0.00", "0.00"}, "OK"},
    {"zero_forces", 0, "0", "0", d13_5, "外側", "6.35", "20.00", "11.3", {"0", "0", "0.00", "0.00"}, "OK"},
    {"moment_too_large", 0, "3000000", "5801", d13_5, "外側", "6.35", "20.00", "11.3", {"1583", "47029", "5.77", "28.87"}, "NG（σc、σs）"},
    {"bond_too_large", 2, "217400", "59290", bars("D10", Spacing::Count, "3"), "内側", "2.13", "9.00", "11.5", {"167", "9554", "55.50", "616.63"}, "NG（τ、τo、ピッチ）"},
    {"pitch_of_d16", 2, "217400", "5929", bars("D16", Spacing::Pitch, "125"), "内側", "15.92", "40.00", "11.2", {"87", "1448", "6.29", "15.72"}, "OK"},
    {"pitch_of_d13_gives_fractional_bars", 0, "230700", "5801", bars("D13", Spacing::Pitch, "150"), "外側", "8.47", "26.67", "11.3", {"110", "2755", "5.87", "22.00"}, "OK"},
    {"d22_thicker_by_hand", 1, "104900", "2935", with_thickness(bars("D22", Spacing::Count, "4"), "20"), "外側", "15.48", "28.00", "15.8", {"23", "498", "2.15", "7.70"}, "OK"},
    {"welded_mesh_typed", 3, "343200", "2935", typed_bars("3.5", "14", "12"), "内側", "3.5", "14", "12", {"204", "8931", "2.67", "19.09"}, "OK"},
    // Rows that cannot be worked out say why.
    {"case_not_computed", 0, nullptr, nullptr, d13_5, "", "6.35", "20.00", "11.3", {"", "", "", ""}, "未計算"},
    {"no_bar_chosen", 0, "230700", "5801", bars("", Spacing::Count, "5"), "外側", "", "", "", {"", "", "", ""}, "鉄筋未入力"},
    // Bars closer than their own diameter (12.7 mm) cannot be placed.
    {"pitch_closer_than_the_bar", 0, "230700", "5801", bars("D13", Spacing::Pitch, "12"), "外側", "", "", "", {"", "", "", ""}, "ピッチが不正"},
    {"count_too_many_to_place", 0, "230700", "5801", bars("D13", Spacing::Count, "80"), "外側", "", "", "", {"", "", "", ""}, "本数が不正"},
    {"count_not_a_number", 0, "230700", "5801", bars("D13", Spacing::Count, "abc"), "外側", "", "", "", {"", "", "", ""}, "本数が不正"},
    {"cover_missing", 0, "230700", "5801", bars("D13", Spacing::Count, "5", ""), "外側", "6.35", "20.00", "", {"", "", "", ""}, "かぶり未入力"},
    {"cover_past_the_bar", 0, "230700", "5801", bars("D13", Spacing::Count, "5", "15"), "外側", "6.35", "20.00", "-0.7", {"", "", "", ""}, "ｄが0以下"},
    {"typed_depth_missing", 3, "343200", "2935", typed_bars("3.5", "14", ""), "内側", "3.5", "14", "", {"", "", "", ""}, "ｄ未入力"},
};

class MemberCheck : public testing::TestWithParam<MemberRow>
{
protected:
    // The member of the row checked on the worked shape, with the tables' allowable stresses for
    // σck 24 and SD345.
    members::MemberCheckReport check() const
    {
        const MemberRow &row = GetParam();
        flume::FlumeSheet sheet;
        type_member_shape(sheet);
        if (row.moment)
            give_member_forces(sheet, row.member, row.moment, row.shear);
        members::MemberCheckInputs inputs;
        inputs.members[row.member] = row.inputs;
        return members::check_members(inputs, sheet);
    }
};

TEST_P(MemberCheck, ShowsTheSectionTheStressesAndTheJudgement)
{
    const MemberRow &row = GetParam();
    const members::MemberResult m = check().members[row.member];
    EXPECT_EQ(m.tension_face.toStdString(), row.tension_face);
    EXPECT_EQ(m.rebar_area.toStdString(), row.area);
    EXPECT_EQ(m.rebar_perimeter.toStdString(), row.perimeter);
    EXPECT_EQ(m.effective_depth.toStdString(), row.depth);
    for (Allowable a : members::allowables)
        EXPECT_EQ(m.stress(a).toStdString(), row.stresses[std::size_t(a)]) << members::stress_symbol(a).toStdString();
    EXPECT_EQ(m.judgement.toStdString(), row.judgement);
    EXPECT_EQ(m.verdict == members::Verdict::Ng, m.judgement.startsWith(QLatin1String("NG")));
}

// Wherever Morvik takes the six inputs (no zero force), the member's seven texts are those
// `morvik --check` shows for As, b = 100, d, |M|, |S| and U.
TEST_P(MemberCheck, StressesAreMorviksForTheSameSixInputs)
{
    const MemberRow &row = GetParam();
    const members::MemberResult m = check().members[row.member];
    if (!m.has_stresses() || QLatin1String(row.moment) == QLatin1String("0") || QLatin1String(row.shear) == QLatin1String("0"))
        GTEST_SKIP() << "Morvik takes no zero force";
    const auto magnitude = [](const QString &text) { return text.startsWith(u'-') ? text.mid(1) : text; };
    const test_support::ProcessRun run = test_support::run_process(
        QStringLiteral(MORVIK_PATH), {QStringLiteral("--check"), QStringLiteral("--json"), m.rebar_area, m.unit_width,
                                      m.effective_depth, magnitude(m.moment), magnitude(m.shear), m.rebar_perimeter},
        test_support::Display::None);
    ASSERT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
    const QJsonObject morvik = QJsonDocument::fromJson(run.out.toUtf8()).object().value("results").toObject();
    const std::pair<const char *, QString> texts[] = {
        {"steel_ratio", m.stresses.steel_ratio},       {"neutral_axis_ratio", m.stresses.neutral_axis_ratio},
        {"lever_arm_ratio", m.stresses.lever_arm_ratio}, {"concrete_stress", m.stresses.concrete_stress},
        {"steel_stress", m.stresses.steel_stress},     {"shear_stress", m.stresses.shear_stress},
        {"bond_stress", m.stresses.bond_stress},
    };
    for (const auto &[name, text] : texts)
        EXPECT_EQ(text.toStdString(), morvik.value(QLatin1String(name)).toString().toStdString()) << name;
}

INSTANTIATE_TEST_SUITE_P(Members, MemberCheck, testing::ValuesIn(member_rows),
                         [](const testing::TestParamInfo<MemberRow> &info) { return std::string(info.param.name); });

struct DetailingRow {
    const char *name;
    std::size_t member;          // 0: ケース.1 側壁, 15 cm; 1: ケース.1 底版, 15 cm
    const char *moment, *shear;  // N·cm, N
    MemberInputs inputs;
    members::DetailingRules rules;
    std::array<const char *, 3> comparisons;  // あき, ピッチ, 鉄筋比
    const char *judgement;
};

void PrintTo(const DetailingRow &row, std::ostream *os) { *os << row.name; }

class Detailing : public testing::TestWithParam<DetailingRow>
{
};

TEST_P(Detailing, JudgesEachRuleOnTheValuesShown)
{
    const DetailingRow &row = GetParam();
    flume::FlumeSheet sheet;
    type_member_shape(sheet);
    give_member_forces(sheet, row.member, row.moment, row.shear);
    members::MemberCheckInputs inputs;
    inputs.detailing = row.rules;
    inputs.members[row.member] = row.inputs;
    const members::MemberResult m = members::check_members(inputs, sheet).members[row.member];
    for (members::Detail d : members::details)
        EXPECT_EQ(m.detailing[std::size_t(d)].comparison(d).toStdString(), row.comparisons[std::size_t(d)])
            << members::detail_name(d).toStdString();
    EXPECT_EQ(m.judgement.toStdString(), row.judgement);
}

members::DetailingRules rules(const char *aggregate, const char *spacing = "20", const char *pitch = "300")
{
    return {QString::fromLatin1(aggregate), QString::fromLatin1(spacing), QString::fromLatin1(pitch), QStringLiteral("0.15")};
}

const char *const wall_m = "230700", *const wall_s = "5801", *const slab_m = "104900", *const slab_s = "2935";

// D13 needs a clear spacing of 4/3 × 20 = 26.7 mm; typed As and U have the steel ratio only.
INSTANTIATE_TEST_SUITE_P(
    Rules, Detailing,
    testing::Values(
        DetailingRow{"spacing_at_the_limit", 0, wall_m, wall_s, bars("D13", Spacing::Pitch, "39.4"), {}, {"26.7 ≧ 26.7", "39.4 ≦ 300", "2.85 ≧ 0.15"}, "OK"},
        DetailingRow{"spacing_just_under", 0, wall_m, wall_s, bars("D13", Spacing::Pitch, "39.3"), {}, {"26.6 ＜ 26.7", "39.3 ≦ 300", "2.86 ≧ 0.15"}, "NG（あき）"},
        DetailingRow{"spacing_just_over", 0, wall_m, wall_s, bars("D13", Spacing::Pitch, "39.5"), {}, {"26.8 ≧ 26.7", "39.5 ≦ 300", "2.84 ≧ 0.15"}, "OK"},
        DetailingRow{"aggregate_of_25_mm", 0, wall_m, wall_s, bars("D13", Spacing::Pitch, "45"), rules("25"), {"32.3 ＜ 33.4", "45 ≦ 300", "2.49 ≧ 0.15"}, "NG（あき）"},
        DetailingRow{"diameter_of_d22_above_the_rest", 0, wall_m, wall_s, bars("D22", Spacing::Pitch, "44.4"), rules("10"), {"22.2 ≧ 22.2", "44.4 ≦ 300", "8.07 ≧ 0.15"}, "OK"},
        DetailingRow{"pitch_at_the_limit", 0, wall_m, wall_s, bars("D13", Spacing::Pitch, "300"), {}, {"287.3 ≧ 26.7", "300 ≦ 300", "0.37 ≧ 0.15"}, "OK"},
        DetailingRow{"pitch_just_over", 0, wall_m, wall_s, bars("D13", Spacing::Pitch, "300.01"), {}, {"287.3 ≧ 26.7", "300.01 ＞ 300", "0.37 ≧ 0.15"}, "NG（ピッチ）"},
        DetailingRow{"pitch_just_under", 0, wall_m, wall_s, bars("D13", Spacing::Pitch, "299.99"), {}, {"287.2 ≧ 26.7", "299.99 ≦ 300", "0.37 ≧ 0.15"}, "OK"},
        DetailingRow{"count_of_2_5_is_a_400_mm_pitch", 0, wall_m, wall_s, bars("D13", Spacing::Count, "2.5"), {}, {"387.3 ≧ 26.7", "400 ＞ 300", "0.28 ≧ 0.15"}, "NG（ピッチ）"},
        DetailingRow{"stress_and_pitch", 0, "1000000", wall_s, bars("D13", Spacing::Count, "2.5"), {}, {"387.3 ≧ 26.7", "400 ＞ 300", "0.28 ≧ 0.15"}, "NG（σs、ピッチ）"},
        DetailingRow{"ratio_at_the_limit", 1, slab_m, slab_s, typed_bars("1.5", "10", "10"), {}, {"", "", "0.15 ≧ 0.15"}, "OK"},
        DetailingRow{"ratio_just_under", 1, slab_m, slab_s, typed_bars("1.49", "10", "10"), {}, {"", "", "0.14 ＜ 0.15"}, "NG（鉄筋比）"},
        DetailingRow{"ratio_just_over", 1, slab_m, slab_s, typed_bars("1.51", "10", "10"), {}, {"", "", "0.15 ≧ 0.15"}, "OK"},
        DetailingRow{"typed_depth_of_the_whole_thickness", 1, slab_m, slab_s, typed_bars("3.5", "14", "15"), {}, {"", "", ""}, "ｄが総厚以上"},
        DetailingRow{"typed_depth_of_100_cm", 1, slab_m, slab_s, typed_bars("3.5", "14", "100"), {}, {"", "", ""}, "ｄが総厚以上"},
        DetailingRow{"largest_pitch_not_a_number", 0, wall_m, wall_s, d13_5, rules("20", "20", "abc"), {"187.3 ≧ 26.7", "200", "0.56 ≧ 0.15"}, "構造細目が不正（ピッチ）"},
        DetailingRow{"least_spacing_left_empty", 0, wall_m, wall_s, d13_5, rules("20", ""), {"187.3", "200 ≦ 300", "0.56 ≧ 0.15"}, "構造細目未入力（あき）"}),
    [](const testing::TestParamInfo<DetailingRow> &info) { return std::string(info.param.name); });

struct AllowableRow {
    const char *name;
    const char *strength;  // σck as chosen or typed
    members::TensionRow tension_row;
    members::BarSurface surface;
    std::array<const char *, 4> allowables;  // σca, σsa, τa, τoa; empty where the tables have none
};

void PrintTo(const AllowableRow &row, std::ostream *os) { *os << row.name; }

class Allowables : public testing::TestWithParam<AllowableRow>
{
};

TEST_P(Allowables, TakeTheTablesColumnAndRows)
{
    const AllowableRow &row = GetParam();
    members::Materials materials;
    materials.concrete_strength = QString::fromUtf8(row.strength);
    materials.tension_row = row.tension_row;
    materials.bar_surface = row.surface;
    for (Allowable a : members::allowables) {
        EXPECT_EQ(members::allowable_text(materials, a), QString::fromLatin1(row.allowables[std::size_t(a)]))
            << members::allowable_symbol(a).toStdString();
        EXPECT_FALSE(members::allowable_typed(materials, a));
    }
}

using members::BarSurface;
using members::TensionRow;

INSTANTIATE_TEST_SUITE_P(
    Tables, Allowables,
    testing::Values(AllowableRow{"strength_18", "18", TensionRow::General, BarSurface::Deformed, {"", "18000", "40.8", "140"}},
                    AllowableRow{"strength_21", "21", TensionRow::General, BarSurface::Deformed, {"700", "18000", "", ""}},
                    AllowableRow{"strength_24", "24", TensionRow::General, BarSurface::Deformed, {"800", "18000", "45.9", "160"}},
                    AllowableRow{"strength_24_typed_as_24_0", "24.0", TensionRow::General, BarSurface::Deformed, {"800", "18000", "45.9", "160"}},
                    AllowableRow{"slab_bridge_and_plain_bars_24", "24", TensionRow::SlabBridge, BarSurface::Plain, {"800", "14000", "45.9", "80"}},
                    AllowableRow{"plain_bars_18", "18", TensionRow::General, BarSurface::Plain, {"", "18000", "40.8", "70"}},
                    AllowableRow{"typed_strength_30", "30", TensionRow::General, BarSurface::Deformed, {"", "18000", "", ""}},
                    AllowableRow{"strength_empty", "", TensionRow::General, BarSurface::Deformed, {"", "18000", "", ""}}),
    [](const testing::TestParamInfo<AllowableRow> &info) { return std::string(info.param.name); });

struct JudgementRow {
    const char *name;
    const char *strength;
    const char *typed_compression;  // σca typed over the tables', or empty
    bool typed;                     // σca counts as typed
    const char *judgement;          // of the worked Case 2 slab, σc 181
};

void PrintTo(const JudgementRow &row, std::ostream *os) { *os << row.name; }

class Judgement : public testing::TestWithParam<JudgementRow>
{
};

TEST_P(Judgement, NeedsEveryAllowableStress)
{
    const JudgementRow &row = GetParam();
    flume::FlumeSheet sheet;
    type_member_shape(sheet);
    give_member_forces(sheet, 3, "343200", "2935");
    members::MemberCheckInputs inputs;
    inputs.materials.concrete_strength = QString::fromLatin1(row.strength);
    members::type_allowable(inputs.materials, Allowable::Compression, QString::fromLatin1(row.typed_compression));
    inputs.members[3] = d13_5;
    EXPECT_EQ(members::allowable_typed(inputs.materials, Allowable::Compression), row.typed);
    const members::MemberCheckReport report = members::check_members(inputs, sheet);
    EXPECT_EQ(report.members[3].judgement, QString::fromUtf8(row.judgement));
    EXPECT_EQ(report.members[3].stress(Allowable::Compression), QStringLiteral("181"));
}

INSTANTIATE_TEST_SUITE_P(
    Allowables, Judgement,
    testing::Values(JudgementRow{"table_value", "24", "", false, "OK"},
                    JudgementRow{"typed_as_the_table_gives_it", "24", "800", false, "OK"},
                    JudgementRow{"no_column_for_18", "18", "", false, "許容値未入力（σca）"},
                    JudgementRow{"typed_where_the_table_has_none", "18", "600", true, "OK"},
                    JudgementRow{"typed_below_the_stress", "24", "150", true, "NG（σc）"},
                    JudgementRow{"stress_equal_to_the_allowable", "24", "181", true, "OK"},
                    JudgementRow{"typed_not_a_number", "24", "abc", true, "許容値が不正（σca）"},
                    // The allowables belong to a concrete: typed ones do not judge without its σck.
                    JudgementRow{"strength_not_a_number", "-5", "600", true, "σckが不正"},
                    // A stress over a known allowable is NG although others are missing.
                    JudgementRow{"ng_with_a_missing_allowable", "30", "150", true, "NG（σc）"}),
    [](const testing::TestParamInfo<JudgementRow> &info) { return std::string(info.param.name); });

struct OutdatedRow {
    const char *name;
    Field typed;                  // an input typed after every Case computed its forces
    std::array<bool, 6> outdated;  // ケース.1 側壁 … ケース.3 底版
};

void PrintTo(const OutdatedRow &row, std::ostream *os) { *os << row.name; }

class Outdated : public testing::TestWithParam<OutdatedRow>
{
};

// Forces are outdated by an input their own Case reads, or a page before it reads; not by one
// that only later parts read.
TEST_P(Outdated, OnlyByWhatTheForcesWereComputedFrom)
{
    flume::FlumeSheet sheet;
    type_member_shape(sheet);
    members::MemberSheet members(sheet);
    for (std::size_t i = 0; i < members::member_count; ++i) {
        members.set_member(i, d13_5);
        give_member_forces(sheet, i, "230700", "5801");
    }
    sheet.set_text(GetParam().typed, QStringLiteral("0.77"));
    for (std::size_t i = 0; i < members::member_count; ++i)
        EXPECT_EQ(members.report().members[i].judgement,
                  GetParam().outdated[i] ? members::forces_outdated : QStringLiteral("OK")) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Outdated,
    testing::Values(OutdatedRow{"case1_b_typed_after_a", Field::wall_spacing, {false, true, true, true, true, true}},
                    OutdatedRow{"case1_a_input", Field::case1_depth, {true, true, true, true, true, true}},
                    OutdatedRow{"earth_pressure_input", Field::surcharge, {true, true, true, true, true, true}},
                    OutdatedRow{"case2_h_dash", Field::case2_depth, {false, false, true, true, true, true}}),
    [](const testing::TestParamInfo<OutdatedRow> &info) { return std::string(info.param.name); });

// The member sheet follows the Cases: the report's print entry is usable exactly while a member
// has stresses, and a thickness left to the shape follows it: the wall's between T1 at its top and
// T2 at the bottom of H, kept within them, until it is typed.
TEST(MemberSheet, FollowsTheCasesAndTheShape)
{
    flume::FlumeSheet sheet;
    type_member_shape(sheet);
    members::MemberSheet members(sheet);
    members.set_member(0, d13_5);
    EXPECT_FALSE(sheet.print_entry_enabled(flume::Page::MemberCheck));
    give_member_forces(sheet, 0, "230700", "5801");
    EXPECT_TRUE(sheet.print_entry_enabled(flume::Page::MemberCheck));
    EXPECT_EQ(members.report().members[0].judgement, QStringLiteral("OK"));
    // Forces left on the sheet after an input they came from changed are not judged until the
    // Case computes them again; an input of a later Case does not touch them.
    sheet.set_text(Field::case2_depth, QStringLiteral("0.9"));
    EXPECT_EQ(members.report().members[0].judgement, QStringLiteral("OK"));
    sheet.set_text(Field::surcharge, QStringLiteral("12"));
    EXPECT_EQ(members.report().members[0].judgement, QStringLiteral("未計算（入力変更）"));
    EXPECT_FALSE(sheet.print_entry_enabled(flume::Page::MemberCheck));
    give_member_forces(sheet, 0, "230700", "5801");
    EXPECT_EQ(members.report().members[0].judgement, QStringLiteral("OK"));
    sheet.set_text(Field::t2, QStringLiteral("0.2"));
    EXPECT_EQ(members.report().members[0].thickness, QStringLiteral("20.0"));
    for (const auto &[depth, thickness] : {std::pair{"0.25", "12.5"}, {"0.587", "15.8"}, {"-0.2", "10.0"}, {"1.5", "20.0"}}) {
        sheet.set_text(Field::case1_depth, QString::fromLatin1(depth));
        EXPECT_EQ(members.report().members[0].thickness.toStdString(), thickness) << depth;
    }
    EXPECT_EQ(members.report().members[5].thickness, QStringLiteral("15.0"));
    members.type_thickness(0, QStringLiteral("20.0"));
    EXPECT_FALSE(members.report().members[0].thickness_typed);
    members.type_thickness(0, QStringLiteral("18"));
    sheet.set_text(Field::t2, QStringLiteral("0.15"));
    EXPECT_EQ(members.report().members[0].thickness, QStringLiteral("18"));
    sheet.clear_result(flume::member_forces[0].shear);
    EXPECT_FALSE(sheet.print_entry_enabled(flume::Page::MemberCheck));
    EXPECT_EQ(members.report().members[0].judgement, QStringLiteral("未計算"));
}

} // namespace
