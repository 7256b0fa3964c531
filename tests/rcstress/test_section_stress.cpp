#include "rcstress/section_stress.h"

#include "common/messages.h"
#include "rcstress/quantities.h"
#include "rcstress/section_sheet.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>

namespace {

using rcstress::Field;

struct Row {
    const char *name;
    std::array<const char *, 6> inputs;  // As, b, d, M, S, U as typed
    // P, k, j, σc, σs, τ, τo as shown; unset when the run is rejected
    std::optional<std::array<const char *, 7>> results;
    const char *message;  // the rejected run's message, nullptr for none
};

void PrintTo(const Row &row, std::ostream *os) { *os << row.name; }

constexpr std::array input_fields = {Field::rebar_area,     Field::unit_width,   Field::effective_depth,
                                     Field::bending_moment, Field::shear_force,  Field::rebar_perimeter};
constexpr std::array result_fields = {Field::steel_ratio,     Field::neutral_axis_ratio,
                                      Field::lever_arm_ratio, Field::concrete_stress,
                                      Field::steel_stress,    Field::shear_stress,
                                      Field::bond_stress};

const char *const missing = "数値が入力されていません。";
const char *const invalid = "数値が正しくありません。";

using Results = std::array<const char *, 7>;
const Results worked_example = {"0.0050", "0.319", "0.894", "175 （N/c㎡） ", "5593 （N/c㎡） ",
                                "11.19 （N/c㎡）", "37.29 （N/c㎡）"};

const Row rows[] = {
    {"worked_example", {"10", "100", "20", "1000000", "20000", "30"}, worked_example, nullptr},
    // k from the displayed P 0.0023, not from 0.00234 (which would give 0.232)
    {"k_from_displayed_ratio", {"2.34", "100", "10", "500000", "10000", "20"},
     Results{"0.0023", "0.230", "0.923", "471 （N/c㎡） ", "23150 （N/c㎡） ", "10.83 （N/c㎡）",
             "54.17 （N/c㎡）"},
     nullptr},
    {"shear_keeps_trailing_zero", {"10", "100", "20", "1000000", "20025.6", "30"},
     Results{"0.0050", "0.319", "0.894", "175 （N/c㎡） ", "5593 （N/c㎡） ", "11.20 （N/c㎡）",
             "37.33 （N/c㎡）"},
     nullptr},
    {"stress_rounds_to_zero", {"10", "100", "20", "500", "20000", "30"},
     Results{"0.0050", "0.319", "0.894", "0 （N/c㎡） ", "3 （N/c㎡） ", "11.19 （N/c㎡）",
             "37.29 （N/c㎡）"},
     nullptr},
    {"trailing_letters_in_M_S_U", {"10", "100", "20", "1000000N", "20000N", "30cm"}, worked_example, nullptr},
    {"blanks_and_full_width_digits", {" 10 ", "１００", "２０．０", "1 000 000", "2e4", "３０"}, worked_example,
     nullptr},
    {"negative_forces", {"10", "100", "20", "-1000000", "-20000", "30"},
     Results{"0.0050", "0.319", "0.894", "-175 （N/c㎡） ", "-5593 （N/c㎡） ", "-11.19 （N/c㎡）",
             "-37.29 （N/c㎡）"},
     nullptr},

    {"As_empty", {"", "100", "20", "1000000", "20000", "30"}, std::nullopt, missing},
    {"b_letters", {"10", "abc", "20", "1000000", "20000", "30"}, std::nullopt, missing},
    {"d_zero", {"10", "100", "0", "1000000", "20000", "30"}, std::nullopt, missing},
    {"M_zero_point_zero", {"10", "100", "20", "0.0", "20000", "30"}, std::nullopt, missing},
    {"S_minus_zero", {"10", "100", "20", "1000000", "-0", "30"}, std::nullopt, missing},
    {"U_blank", {"10", "100", "20", "1000000", "20000", "   "}, std::nullopt, missing},
    // the section's dimensions below zero: no section, whatever their signs make of P
    {"As_and_b_negative", {"-10", "-100", "20", "1000000", "20000", "30"}, std::nullopt, missing},
    {"As_negative_beyond_root_limit", {"-20", "10", "10", "100000", "1000", "10"}, std::nullopt, missing},
    {"d_negative", {"10", "100", "-20", "1000000", "20000", "30"}, std::nullopt, missing},
    {"U_negative", {"10", "100", "20", "1000000", "20000", "-30"}, std::nullopt, missing},

    // As, b and d must be wholly numbers for the steel ratio
    {"As_trailing_letters", {"12abc", "100", "20", "1000000", "20000", "30"}, std::nullopt, missing},
    {"b_trailing_unit", {"10", "100cm", "20", "1000000", "20000", "30"}, std::nullopt, missing},
    {"d_comma_decimal", {"10", "100", "20,5", "1000000", "20000", "30"}, std::nullopt, missing},
    {"As_inner_blank", {"1 0", "100", "20", "1000000", "20000", "30"}, std::nullopt, missing},

    // sections the formulas cannot take
    {"ratio_shown_as_zero", {"0.001", "100", "100", "1000000", "20000", "30"}, std::nullopt, invalid},
    {"moment_overflows", {"10", "100", "20", "1e308", "20000", "30"}, std::nullopt, invalid},
    {"area_infinite", {"1e999", "100", "20", "1000000", "20000", "30"}, std::nullopt, invalid},
    {"depth_underflows_divisor", {"10", "1e-200", "1e-200", "1000000", "20000", "30"}, std::nullopt, invalid},
};

class SectionStressTest : public testing::TestWithParam<Row>
{
};

TEST_P(SectionStressTest, ShowsResultsOrRejects)
{
    const Row &row = GetParam();
    rcstress::SectionSheet sheet;
    for (std::size_t i = 0; i < input_fields.size(); ++i)
        sheet.set_text(input_fields[i], QString::fromUtf8(row.inputs[i]));
    // Results of an earlier run, to see them replaced or emptied.
    for (Field f : result_fields)
        sheet.set_text(f, QStringLiteral("earlier"));

    common::MessageRecorder messages;
    rcstress::compute_section_stress(sheet, messages);

    for (std::size_t i = 0; i < input_fields.size(); ++i)
        EXPECT_EQ(sheet.text(input_fields[i]), QString::fromUtf8(row.inputs[i])) << "input " << i;

    if (row.results) {
        EXPECT_TRUE(messages.messages.isEmpty());
        for (std::size_t i = 0; i < result_fields.size(); ++i)
            EXPECT_EQ(sheet.text(result_fields[i]).toStdString(), (*row.results)[i])
                << rcstress::member_name(result_fields[i]).toStdString();
        EXPECT_TRUE(sheet.printable());
    } else {
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages[0].text.toStdString(), row.message);
        EXPECT_EQ(messages.messages[0].title.toStdString(), "入力データ確認");
        for (Field f : result_fields)
            EXPECT_TRUE(sheet.text(f).isEmpty()) << rcstress::member_name(f).toStdString();
        EXPECT_FALSE(sheet.printable());
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionStressTest, testing::ValuesIn(rows),
                         [](const testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

// The stresses are emptied before P, k and j, so the print entry goes off with the first clear.
TEST(SectionStress, RejectedRunEmptiesStressesBeforeRatios)
{
    rcstress::SectionSheet sheet;
    const std::array<const char *, 6> inputs = {"10", "100", "20", "1000000", "20000", "30"};
    for (std::size_t i = 0; i < input_fields.size(); ++i)
        sheet.set_text(input_fields[i], QString::fromUtf8(inputs[i]));
    common::MessageRecorder messages;
    rcstress::compute_section_stress(sheet, messages);
    ASSERT_TRUE(sheet.printable());

    QList<Field> cleared;
    QObject::connect(&sheet, &rcstress::SectionSheet::text_changed,
                     [&](Field f, const QString &) { cleared.append(f); });
    sheet.set_text(Field::rebar_area, QString());
    cleared.clear();
    rcstress::compute_section_stress(sheet, messages);
    const QList<Field> expected = {Field::concrete_stress, Field::steel_stress, Field::shear_stress,
                                   Field::bond_stress,     Field::steel_ratio,  Field::neutral_axis_ratio,
                                   Field::lever_arm_ratio};
    EXPECT_EQ(cleared, expected);
}

// Morvik's catalogue: each symbol found again by itself, the JSON keys the role names, and a unit
// beside each input's field.
TEST(SectionStress, CatalogueNamesEveryFieldOnce)
{
    for (const rcstress::Quantity &q : rcstress::quantities()) {
        const rcstress::Quantity *found = rcstress::quantity_by_symbol(q.symbol);
        EXPECT_TRUE(found && found->field == q.field) << q.symbol.toStdString();
        EXPECT_EQ(q.json_key, rcstress::member_name(q.field));
        EXPECT_EQ(q.unit.isEmpty(), !rcstress::info(q.field).input) << q.symbol.toStdString();
    }
}

} // namespace
