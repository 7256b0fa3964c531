#include "book/worked_example.h"

#include "book/distinct_messages.h"
#include "common/messages.h"
#include "common/number_format.h"
#include "common/numeric_reading.h"
#include "flume/flume_sheet.h"
#include "flume/page_chain.h"
#include "flume/sheet_inputs.h"

#include <algorithm>

namespace book {

using F = flume::Field;
using flume::Page;

const Typed &example_inputs()
{
    // A flume 1.0 m wide and 1.0 m high in the ground, the outer water 0.5 m above the slab's
    // underside; the Case inputs follow from the shape: H' = H + T3/2, H'1 = H1 − T3/2, BL = B + T2,
    // the wall's forces at its foot (h = H) and the flume full of water (h' = H).
    static const Typed inputs = {
        {F::t1, "0.1"},
        {F::t2, "0.15"},
        {F::t3, "0.15"},
        {F::t4, "0.1"},
        {F::wall_height, "1.0"},
        {F::outer_water_height, "0.5"},
        {F::inner_width, "1.0"},
        {F::wall_inclination, "90"},
        {F::repose_angle, "30"},
        {F::soil_unit_weight, "18"},
        {F::ground_slope, "0"},
        {F::surcharge, "10"},
        {F::wall_friction_angle, "20"},
        {F::water_unit_weight, "9.8"},
        {F::flume_unit_weight, "24.0"},
        {F::allowable_bearing, "100"},
        {F::case1_depth, "1.0"},
        {F::wall_top_to_slab_axis, "1.075"},
        {F::slab_axis_to_groundwater, "0.425"},
        {F::wet_soil_unit_weight, "18"},
        {F::submerged_soil_unit_weight, "9"},
        {F::back_friction_angle, "20"},
        {F::wall_spacing, "1.15"},
        {F::slab_position, "0.3"},
        {F::case2_depth, "1.0"},
    };
    return inputs;
}

QStringList example_input_texts()
{
    QStringList texts;
    for (int i = 0; i < flume::input_count; ++i) {
        for (const auto &[field, text] : example_inputs()) {
            if (field == flume::input_field(i))
                texts.append(text);
        }
    }
    return texts;
}

ExampleRun run_chain(const members::MemberCheckInputs &member_inputs)
{
    flume::FlumeSheet sheet;
    DistinctMessages raised;
    flume::run_full_check(sheet, example_input_texts(), raised);
    return {printing::snapshot(sheet, member_inputs), raised.texts};
}

members::MemberCheckInputs example_member_inputs()
{
    members::MemberCheckInputs inputs;
    inputs.materials.grade = members::SteelGrade::SD295;
    for (members::MemberInputs &member : inputs.members) {
        member.bar = QStringLiteral("D13");
        member.spacing_text = QStringLiteral("5");
        member.cover = QStringLiteral("3");
    }
    return inputs;
}

document::DocumentData example_document()
{
    document::DocumentData data;
    data.works_name = QStringLiteral("○○地区用水路工事");
    data.structure_name = QStringLiteral("○○幹線水路");
    data.client = QStringLiteral("○○県");
    data.designer_company = QStringLiteral("○○設計");
    data.designer_person = QStringLiteral("○○");
    data.standards = QStringLiteral("土地改良事業計画設計基準");
    return data;
}

inputfile::TvlContents example_file()
{
    return {example_input_texts(), example_member_inputs(), {}, example_document()};
}

QList<QStringList> batch_example_table()
{
    return {
        {"名称", "B", "H", "T1", "T2", "T3", "H1", "h", "H'", "H'1", "BL", "X", "h'", "かぶり"},
        {"U300", "0.3", "0.3", "0.06", "0.08", "0.08", "0.15", "0.3", "0.38", "0.15", "0.46", "0.09", "0.33", "3"},
        {"U500", "0.5", "0.5", "0.07", "0.1", "0.1", "0.25", "0.5", "0.6", "0.25", "0.7", "0.15", "0.55", "3"},
        {"U800", "0.8", "0.8", "0.08", "0.12", "0.12", "0.4", "0.8", "0.92", "0.4", "1.04", "0.24", "0.88", "3"},
        {"U1000", "1.0", "1.0", "0.1", "0.15", "0.15", "0.5", "1.0", "1.15", "0.5", "1.3", "0.3", "1.1", "3"},
        {"U1500", "1.5", "1.5", "0.12", "0.18", "0.18", "0.75", "1.5", "1.68", "0.75", "1.86", "0.45", "1.65", "4"},
    };
}

ExampleRun run_page(Page page, const QList<flume::Calculation> &buttons, const Typed &changes)
{
    flume::FlumeSheet sheet;
    common::MessageRecorder before;
    flume::put_input_texts(sheet, example_input_texts());
    for (Page earlier : flume::calculation_pages) {
        flume::open_page(sheet, earlier);
        if (earlier == page)
            break;
        for (flume::Calculation press : flume::page_calculations(earlier))
            press(sheet, before);
    }
    for (const auto &[field, text] : changes)
        sheet.set_text(field, text);
    DistinctMessages raised;
    for (flume::Calculation press : buttons)
        press(sheet, raised);
    return {printing::snapshot(sheet), raised.texts};
}

MorvikExample morvik_example()
{
    const ExampleRun chain = run_chain();
    const auto value = [&chain](F field) { return common::read_number(chain.sheet[field]); };
    MorvikExample example;
    // The wall's thickness varies from T1 at the top to T2 at the foot; at depth h it is, in cm:
    const double depth = std::clamp(value(F::case1_depth) / value(F::wall_height), 0.0, 1.0);
    example.wall_thickness = (value(F::t1) + (value(F::t2) - value(F::t1)) * depth) * 100;
    example.cover = 3;
    example.bar_diameter = 1.27;
    const double d = example.wall_thickness - example.cover - example.bar_diameter / 2;
    const flume::ConvertedCompanion *moment = flume::converted_companion(F::case1_wall_moment);
    const flume::ConvertedCompanion *shear = flume::converted_companion(F::case1_wall_shear);
    example.inputs = {QStringLiteral("6.35"), QStringLiteral("100"),
                      common::format_number(d, common::NumberPattern::OneDecimal, common::Rounding::Down),
                      chain.sheet[moment->converted],
                      chain.sheet[shear->converted], QStringLiteral("20")};
    return example;
}

} // namespace book
