#include "book/flume_chapters.h"

#include "common/messages.h"
#include "flume/calculations.h"
#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "flume/page_chain.h"
#include "book/distinct_messages.h"

#include <utility>

namespace book {

using F = flume::Field;
using flume::Page;

namespace {

const QString m = QStringLiteral("m");
const QString degree = QStringLiteral("度");
const QString kn_m3 = QStringLiteral("KN/m3");
const QString kn_m2 = QStringLiteral("KN/m2");
const QString kn_m = QStringLiteral("KN/m");
const QString none = QStringLiteral("－");

// The earth pressure example: a vertical wall back 2.0 m high, level ground with a surcharge.
const Typed earth_pressure_example = {
    {F::wall_height, "2.0"}, {F::wall_inclination, "90"}, {F::repose_angle, "30"},   {F::soil_unit_weight, "18"},
    {F::ground_slope, "0"},  {F::surcharge, "10"},        {F::wall_friction_angle, "20"},
};

// The flume carried from the uplift page to Case 3, with the earth pressure results it starts
// from (KA and PV as page 1 shows them) and page 1's inputs, so that it holds all 25 inputs.
const Typed flume_example = {
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
    {F::ka, "0.30"},
    {F::pv, "2.000"},
    {F::water_unit_weight, "9.8"},
    {F::flume_unit_weight, "24.0"},
    {F::allowable_bearing, "100"},
    {F::case1_depth, "1.0"},
    {F::wall_top_to_slab_axis, "1.15"},
    {F::slab_axis_to_groundwater, "0.5"},
    {F::wet_soil_unit_weight, "18"},
    {F::submerged_soil_unit_weight, "9"},
    {F::back_friction_angle, "20"},
    {F::wall_spacing, "1.3"},
    {F::slab_position, "0.3"},
    {F::case2_depth, "1.1"},
};

// Types the example, then opens the pages up to the chapter's as a user would, pressing every
// "計算" of the pages before it, and opens the chapter's page.
void prepare(flume::FlumeSheet &sheet, const FlumeChapter &chapter, common::MessageSink &messages)
{
    if (chapter.page == Page::EarthPressure) {
        for (const auto &[field, text] : earth_pressure_example)
            sheet.set_text(field, text);
        flume::open_page(sheet, Page::EarthPressure);
        return;
    }
    for (const auto &[field, text] : flume_example)
        sheet.set_text(field, text);
    for (Page page : {Page::UpliftBearing, Page::Case1, Page::Case2, Page::Case3}) {
        flume::open_page(sheet, page);
        if (page == chapter.page)
            return;
        for (Calculation press : flume::page_calculations(page))
            press(sheet, messages);
    }
}

ProbeOutcome probe(const FlumeChapter &chapter, F input, const QString &text)
{
    const ExampleRun run = run_example(chapter, {{input, text}});
    ProbeOutcome outcome{run.messages, {}};
    if (outcome.messages.isEmpty()) {
        for (const Quantity &result : chapter.results) {
            if (run.sheet[result.field].isEmpty())
                outcome.empty_results.append(result.symbol);
        }
    }
    return outcome;
}

QString outcome_text(const ProbeOutcome &outcome)
{
    if (!outcome.messages.isEmpty()) {
        QStringList quoted;
        for (const QString &text : outcome.messages)
            quoted.append(u'「' + text + u'」');
        return quoted.join(u'、');
    }
    if (!outcome.empty_results.isEmpty())
        return QStringLiteral("メッセージなしで ") + outcome.empty_results.join(u'・') + QStringLiteral(" が空欄");
    return QStringLiteral("そのまま計算する");
}

// A result with the unit its page shows beside it.
Quantity result(F field, const char *symbol, const char *meaning)
{
    for (Page page : flume::calculation_pages) {
        for (const flume::ResultCaption &caption : flume::result_captions(page)) {
            if (caption.field == field)
                return {field, QString::fromUtf8(symbol), QString::fromUtf8(meaning), caption.unit.isEmpty() ? none : caption.unit};
        }
    }
    return {field, QString::fromUtf8(symbol), QString::fromUtf8(meaning), none};
}

} // namespace

const QList<Quantity> &shape_dimensions()
{
    static const QList<Quantity> shape = {
        {F::t1, "T1", "側壁の上端（天端）の厚さ", m},
        {F::t2, "T2", "側壁の下端の厚さ", m},
        {F::t3, "T3", "底版の厚さ", m},
        {F::t4, "T4", "ハンチ（側壁と底版の隅の三角形）の辺の長さ", m},
        {F::wall_height, "H", "壁高（底版の上面から側壁の天端まで）", m},
        {F::outer_water_height, "H1", "底版の下面から外水位までの高さ", m},
        {F::inner_width, "B", "水路の内幅", m},
    };
    return shape;
}

const QList<FlumeChapter> &flume_chapters()
{
    const auto shape = [](F field) {
        for (const Quantity &q : shape_dimensions()) {
            if (q.field == field)
                return q;
        }
        return Quantity{};
    };
    const Quantity water{F::water_unit_weight, "γw", "水の単位体積重量", kn_m3};
    const Quantity concrete{F::flume_unit_weight, "γsc", "フルーム（鉄筋コンクリート）の単位体積重量", kn_m3};
    const Quantity pv_slot{F::carried_1, "Pv", "土圧の鉛直成分（主働土圧のページの PV が写される）", kn_m};
    static const QList<FlumeChapter> chapters = {
        {QStringLiteral("主働土圧"),
         Page::EarthPressure,
         {flume::compute_earth_pressure},
         {
             {F::wall_inclination, "θ", "壁背面の傾き（水平面から測る。鉛直な壁は 90 度）", degree},
             {F::repose_angle, "φ", "土の安息角（内部摩擦角）", degree},
             {F::soil_unit_weight, "γ", "土の単位体積重量", kn_m3},
             {F::ground_slope, "i", "地表面の傾き", degree},
             {F::surcharge, "q", "地表面の載荷重", kn_m2},
             {F::wall_friction_angle, "δ", "仮想背面と土との摩擦角", degree},
             {F::wall_height, "H", "壁高（形状寸法入力の値）", m},
         },
         {
             result(F::ka, "KA", "主働土圧係数"),
             result(F::pa, "PA", "主働土圧"),
             result(F::pav, "PAV", "土圧の鉛直成分"),
             result(F::pv, "PV", "側壁に働く鉛直荷重（後のページへ写す値）"),
         }},
        {QStringLiteral("浮上りに対する検討"),
         Page::UpliftBearing,
         {flume::check_uplift},
         {shape(F::t1), shape(F::t2), shape(F::t3), shape(F::t4), shape(F::wall_height),
          shape(F::outer_water_height), shape(F::inner_width), water, concrete, pv_slot},
         {result(F::uplift_safety_factor, "Fs", "浮上りに対する安全率")}},
        {QStringLiteral("基礎地盤支持力の検討"),
         Page::UpliftBearing,
         {flume::check_bearing},
         {shape(F::t1), shape(F::t2), shape(F::t3), shape(F::t4), shape(F::wall_height),
          shape(F::outer_water_height), shape(F::inner_width), water, concrete,
          {F::allowable_bearing, "qa", "許容地盤支持力度", kn_m2}, pv_slot},
         {result(F::max_bearing, "qmax", "最大地盤支持力度（底版下面の地盤反力）")}},
        {QStringLiteral("ケース.1"),
         Page::Case1,
         {flume::compute_case1_wall, flume::compute_case1_slab},
         {
             {F::case1_depth, "h", "側壁天端から、断面力を求める位置までの深さ", m},
             {F::wall_top_to_slab_axis, "H'", "側壁天端から底版中心線までの高さ", m},
             {F::slab_axis_to_groundwater, "H'1", "底版中心線から地下水位までの高さ", m},
             {F::wet_soil_unit_weight, "γt", "土の湿潤単位体積重量", kn_m3},
             {F::submerged_soil_unit_weight, "γws", "土の水中単位体積重量", kn_m3},
             {F::back_friction_angle, "δ'", "壁背面と土との摩擦角", degree},
             {F::carried_2, "KA", "主働土圧係数（主働土圧のページから写される）", none},
             {F::carried_3, "q", "載荷重（主働土圧のページから写される）", kn_m2},
             {F::carried_4, "γw", "水の単位体積重量（浮上り・支持力のページから写される）", kn_m3},
             {F::wall_spacing, "BL", "両側壁の中心線の間隔", m},
             {F::slab_position, "X", "側壁から、底版の断面力を求める位置までの距離", m},
             shape(F::t1),
             shape(F::t2),
             {F::flume_unit_weight, "γsc", "フルームの単位体積重量（浮上り・支持力のページの入力）", kn_m3},
             pv_slot,
         },
         {
             result(F::case1_wall_shear, "Sso", "深さ h の側壁のせん断力"),
             result(F::case1_wall_moment, "Mso", "深さ h の側壁の曲げモーメント"),
             result(F::slab_reaction, "WR", "底版反力"),
             result(F::case1_slab_shear, "Sto", "距離 X の底版のせん断力"),
             result(F::case1_slab_moment, "Mto", "距離 X の底版の曲げモーメント"),
         }},
        {QStringLiteral("ケース.2"),
         Page::Case2,
         {flume::compute_case2},
         {
             {F::case2_depth, "h'", "側壁天端から、断面力を求める位置までの深さ", m},
             {F::carried_1, "γw", "水の単位体積重量（浮上り・支持力のページから写される）", kn_m3},
             {F::carried_2, "X", "距離 X（ケース.1 b から写される）", m},
             {F::carried_3, "WR", "底版反力（ケース.1 b の結果が写される）", kn_m2},
             {F::carried_4, "BL", "側壁の中心間隔（ケース.1 b から写される）", m},
         },
         {
             result(F::case2_wall_shear, "Ss1", "深さ h' の側壁内側のせん断力"),
             result(F::case2_wall_moment, "Ms1", "深さ h' の側壁内側の曲げモーメント"),
             result(F::case2_slab_shear, "St1", "距離 X の底版内側のせん断力"),
             result(F::case2_slab_moment, "Mt1", "距離 X の底版内側の曲げモーメント"),
         }},
        {QStringLiteral("ケース.3"),
         Page::Case3,
         {flume::compute_case3},
         {
             {F::carried_1, "KA", "主働土圧係数（主働土圧のページから）", none},
             {F::carried_2, "γw", "水の単位体積重量（浮上り・支持力のページから）", kn_m3},
             {F::carried_3, "γt", "土の湿潤単位体積重量（ケース.1 a から）", kn_m3},
             {F::carried_4, "δ'", "壁背面と土との摩擦角（ケース.1 a から）", degree},
             {F::carried_5, "BL", "側壁の中心間隔（ケース.1 b から）", m},
             {F::carried_6, "X", "距離 X（ケース.1 b から）", m},
             {F::carried_7, "h'", "深さ h'（ケース.2 a から）", m},
             {F::carried_8, "WR", "底版反力（ケース.1 b の結果）", kn_m2},
         },
         {
             result(F::case3_wall_shear, "Ss1", "深さ h' の側壁内側のせん断力"),
             result(F::case3_wall_moment, "Ms1", "深さ h' の側壁内側の曲げモーメント"),
             result(F::case3_slab_shear, "St1", "距離 X の底版内側のせん断力"),
             result(F::case3_slab_moment, "Mt1", "距離 X の底版内側の曲げモーメント"),
         }},
    };
    return chapters;
}

ExampleRun run_example(const FlumeChapter &chapter, const Typed &changes, const members::MemberCheckInputs &member_inputs)
{
    flume::FlumeSheet sheet;
    common::MessageRecorder before;
    prepare(sheet, chapter, before);
    for (const auto &[field, text] : changes)
        sheet.set_text(field, text);
    DistinctMessages raised;
    for (Calculation press : chapter.buttons)
        press(sheet, raised);
    return {printing::snapshot(sheet, member_inputs), raised.texts};
}

QString describe_outcomes(const ProbeOutcome &empty, const ProbeOutcome &zero, const ProbeOutcome &negative)
{
    const std::pair<QString, QString> outcomes[] = {
        {QStringLiteral("空欄"), outcome_text(empty)},
        {QStringLiteral("0"), outcome_text(zero)},
        {QStringLiteral("負の値"), outcome_text(negative)},
    };
    QList<std::pair<QStringList, QString>> grouped;
    for (const auto &[values, outcome] : outcomes) {
        auto same = std::find_if(grouped.begin(), grouped.end(), [&](const auto &g) { return g.second == outcome; });
        if (same == grouped.end())
            grouped.append({{values}, outcome});
        else
            same->first.append(values);
    }
    QStringList lines;
    for (const auto &[values, outcome] : grouped)
        lines.append(values.join(u'・') + u'：' + outcome);
    return lines.join(u'\n');
}

QString rejected_values(const FlumeChapter &chapter, F input)
{
    return describe_outcomes(probe(chapter, input, QString()), probe(chapter, input, QStringLiteral("0")),
                             probe(chapter, input, QStringLiteral("-1")));
}

} // namespace book
