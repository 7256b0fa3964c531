#include "book/flume_chapters.h"

#include "book/styled_text.h"
#include "common/messages.h"
#include "flume/calculations.h"
#include "flume/input_rules.h"

namespace book {

using F = flume::Field;
using flume::Page;
using drawing::Picture;

namespace {

const QString m = QStringLiteral("m");
const QString degree = QStringLiteral("度");
const QString kn = QStringLiteral("kN");
const QString kn_m = QStringLiteral("kN/m");
const QString kn_m2 = QStringLiteral("kN/m²");
const QString kn_m3 = QStringLiteral("kN/m³");
const QString kn_m_moment = QStringLiteral("kN·m");
const QString none = QStringLiteral("－");

Quantity shape(F field)
{
    for (const Quantity &q : shape_dimensions()) {
        if (q.field == field)
            return q;
    }
    return {};
}

// The values a requirement refuses, and what it lets through.
struct RequirementWords {
    QString refused;
    QString allowed;
};
RequirementWords requirement_words(flume::Requirement requirement)
{
    switch (requirement) {
    case flume::Requirement::NotZero: return {QStringLiteral("0・空欄"), QStringLiteral("負の値はそのまま計算")};
    case flume::Requirement::NotNegative: return {QStringLiteral("負の値"), QStringLiteral("0・空欄は 0 として計算")};
    case flume::Requirement::Positive: return {QStringLiteral("0 以下・空欄"), QString()};
    case flume::Requirement::TypedNotNegative: return {QStringLiteral("空欄・負の値"), QStringLiteral("0 は可")};
    case flume::Requirement::Shown: return {QStringLiteral("空欄（未計算）"), QString()};
    }
    return {};
}

const flume::InputRule *find_rule(std::span<const flume::InputRule> rules, F field)
{
    for (const flume::InputRule &rule : rules) {
        if (rule.field == field)
            return &rule;
    }
    return nullptr;
}

} // namespace

QList<Calculation> FlumeChapter::calculations() const
{
    QList<Calculation> list;
    for (const ChapterButton &button : buttons)
        list.append(button.calculation);
    return list;
}

const QList<Quantity> &shape_dimensions()
{
    static const QList<Quantity> shape = {
        {F::t1, "T1", "側壁の天端の厚さ", m},
        {F::t2, "T2", "側壁の下端（底版との接合部）の厚さ", m},
        {F::t3, "T3", "底版の厚さ", m},
        {F::t4, "T4", "ハンチ（側壁と底版の隅の三角形）の辺の長さ", m},
        {F::wall_height, "H", "壁高（底版の上面から側壁の天端まで）", m},
        {F::outer_water_height, "H1", "底版の下面から外水位（地下水位）までの高さ", m},
        {F::inner_width, "B", "水路の内幅", m},
    };
    return shape;
}

const QList<FlumeChapter> &flume_chapters()
{
    const Quantity water{F::water_unit_weight, "γw", "水の単位体積重量", kn_m3};
    const Quantity concrete{F::flume_unit_weight, "γsc", "フルーム（鉄筋コンクリート）の単位体積重量", kn_m3};
    const Quantity pv_slot{F::carried_1, "Pv", "側壁 1 枚に働く土圧の鉛直成分（主働土圧の PV）", kn_m};
    static const QList<FlumeChapter> chapters = {
        {QStringLiteral("主働土圧"),
         Page::EarthPressure,
         {{flume::compute_earth_pressure,
           {},
           {{Picture::EarthPressureCoefficient, F::ka},
            {Picture::ActiveEarthPressure, F::pa},
            {Picture::EarthPressureVertical, F::pav},
            {Picture::VerticalLoad, F::pv}}}},
         {
             {F::wall_inclination, "θ", "壁背面の傾き（水平面から測る。鉛直な壁は 90 度）", degree},
             {F::repose_angle, "φ", "土の内部摩擦角", degree},
             {F::soil_unit_weight, "γ", "土の単位体積重量", kn_m3},
             {F::ground_slope, "i", "地表面の傾き（水平面から測る）", degree},
             {F::surcharge, "q", "地表面の等分布載荷重", kn_m2},
             {F::wall_friction_angle, "δ", "壁背面と土との壁面摩擦角", degree},
             {F::wall_height, "H", "壁高（形状寸法の値）", m},
         },
         {
             {F::ka, "KA", "主働土圧係数", none},
             {F::pa, "PA", "側壁 1 m あたりの主働土圧の合力", kn_m},
             {F::pav, "PAV", "主働土圧の鉛直成分", kn_m},
             {F::pv, "PV", "側壁 1 枚に働く鉛直荷重（後のページが使う値）", kn_m},
         }},
        {QStringLiteral("浮上りに対する検討"),
         Page::UpliftBearing,
         {{flume::check_uplift, {}, {{Picture::UpliftSafetyFactor, F::uplift_safety_factor}}}},
         {shape(F::t1), shape(F::t2), shape(F::t3), shape(F::t4), shape(F::wall_height),
          shape(F::outer_water_height), shape(F::inner_width), water, concrete, pv_slot},
         {{F::uplift_safety_factor, "Fs", "浮上りに対する安全率", none}}},
        {QStringLiteral("基礎地盤支持力の検討"),
         Page::UpliftBearing,
         {{flume::check_bearing, {}, {{Picture::MaximumGroundReaction, F::max_bearing}}}},
         {shape(F::t1), shape(F::t2), shape(F::t3), shape(F::t4), shape(F::wall_height),
          shape(F::outer_water_height), shape(F::inner_width), water, concrete,
          {F::allowable_bearing, "qa", "基礎地盤の許容支持力度", kn_m2}, pv_slot},
         {{F::max_bearing, "qmax", "底版下面の最大地盤反力度", kn_m2}}},
        {QStringLiteral("ケース.1"),
         Page::Case1,
         {{flume::compute_case1_wall,
           QStringLiteral("a"),
           {{Picture::Case1WallShear, F::case1_wall_shear},
            {Picture::Case1WallShearGroundwater, F::case1_wall_shear},
            {Picture::Case1WallMoment, F::case1_wall_moment},
            {Picture::Case1WallMomentGroundwater, F::case1_wall_moment}}},
          {flume::compute_case1_slab,
           QStringLiteral("b"),
           {{Picture::SlabReaction, F::slab_reaction},
            {Picture::Case1SlabShear, F::case1_slab_shear},
            {Picture::Case1SlabMoment, F::case1_slab_moment}}}},
         {
             {F::case1_depth, "h", "側壁の天端から、側壁の断面力を求める位置までの深さ", m},
             {F::wall_top_to_slab_axis, "H'", "側壁の天端から底版の中心線までの高さ", m},
             {F::slab_axis_to_groundwater, "H'1", "底版の中心線から地下水位までの高さ", m},
             {F::wet_soil_unit_weight, "γt", "土の湿潤単位体積重量", kn_m3},
             {F::submerged_soil_unit_weight, "γws", "土の水中単位体積重量", kn_m3},
             {F::back_friction_angle, "δ'", "壁背面と土との壁面摩擦角", degree},
             {F::carried_2, "KA", "主働土圧係数（主働土圧のページから）", none},
             {F::carried_3, "q", "地表面の載荷重（主働土圧のページから）", kn_m2},
             {F::carried_4, "γw", "水の単位体積重量（浮上り・支持力のページから）", kn_m3},
             {F::wall_spacing, "BL", "両側壁の中心線の間隔", m},
             {F::slab_position, "X", "側壁の中心線から、底版の断面力を求める位置までの距離", m},
             shape(F::t1),
             shape(F::t2),
             {F::flume_unit_weight, "γsc", "フルームの単位体積重量（浮上り・支持力のページの値）", kn_m3},
             pv_slot,
         },
         {
             {F::case1_wall_shear, "Sso", "深さ h における側壁のせん断力", kn},
             {F::case1_wall_moment, "Mso", "深さ h における側壁の曲げモーメント", kn_m_moment},
             {F::slab_reaction, "WR", "底版反力（底版に一様に働く地盤反力）", kn_m2},
             {F::case1_slab_shear, "Sto", "距離 X における底版のせん断力", kn},
             {F::case1_slab_moment, "Mto", "距離 X における底版の曲げモーメント", kn_m_moment},
         }},
        {QStringLiteral("ケース.2"),
         Page::Case2,
         {{flume::compute_case2,
           {},
           {{Picture::Case2WallShear, F::case2_wall_shear},
            {Picture::Case2WallMoment, F::case2_wall_moment},
            {Picture::Case2SlabShear, F::case2_slab_shear},
            {Picture::Case2SlabMoment, F::case2_slab_moment}}}},
         {
             {F::case2_depth, "h'", "側壁の天端から、側壁の断面力を求める位置までの深さ（水深）", m},
             {F::carried_1, "γw", "水の単位体積重量（浮上り・支持力のページから）", kn_m3},
             {F::carried_2, "X", "底版の断面力を求める位置（ケース.1 から）", m},
             {F::carried_3, "WR", "底版反力（ケース.1 の結果）", kn_m2},
             {F::carried_4, "BL", "両側壁の中心線の間隔（ケース.1 から）", m},
         },
         {
             {F::case2_wall_shear, "Ss1", "深さ h' における側壁のせん断力", kn},
             {F::case2_wall_moment, "Ms1", "深さ h' における側壁の曲げモーメント", kn_m_moment},
             {F::case2_slab_shear, "St1", "距離 X における底版のせん断力", kn},
             {F::case2_slab_moment, "Mt1", "距離 X における底版の曲げモーメント", kn_m_moment},
         }},
        {QStringLiteral("ケース.3"),
         Page::Case3,
         {{flume::compute_case3,
           {},
           {{Picture::Case3WallShear, F::case3_wall_shear},
            {Picture::Case3WallMoment, F::case3_wall_moment},
            {Picture::Case3SlabShear, F::case3_slab_shear},
            {Picture::Case3SlabMoment, F::case3_slab_moment}}}},
         {
             {F::carried_1, "KA", "主働土圧係数（主働土圧のページから）", none},
             {F::carried_2, "γw", "水の単位体積重量（浮上り・支持力のページから）", kn_m3},
             {F::carried_3, "γt", "土の湿潤単位体積重量（ケース.1 から）", kn_m3},
             {F::carried_4, "δ'", "壁背面と土との壁面摩擦角（ケース.1 から）", degree},
             {F::carried_5, "BL", "両側壁の中心線の間隔（ケース.1 から）", m},
             {F::carried_6, "X", "底版の断面力を求める位置（ケース.1 から）", m},
             {F::carried_7, "h'", "側壁の断面力を求める深さ（ケース.2 から）", m},
             {F::carried_8, "WR", "底版反力（ケース.1 の結果）", kn_m2},
         },
         {
             {F::case3_wall_shear, "Ss1", "深さ h' における側壁のせん断力", kn},
             {F::case3_wall_moment, "Ms1", "深さ h' における側壁の曲げモーメント", kn_m_moment},
             {F::case3_slab_shear, "St1", "距離 X における底版のせん断力", kn},
             {F::case3_slab_moment, "Mt1", "距離 X における底版の曲げモーメント", kn_m_moment},
         }},
    };
    return chapters;
}

const FlumeChapter &chapter_of(Page page)
{
    for (const FlumeChapter &chapter : flume_chapters()) {
        if (chapter.page == page)
            return chapter;
    }
    return flume_chapters().first();
}

QList<Quantity> all_quantities()
{
    QList<Quantity> all = shape_dimensions();
    const auto add = [&all](const Quantity &q) {
        for (const Quantity &known : all) {
            if (known.symbol == q.symbol)
                return;
        }
        all.append(q);
    };
    for (const FlumeChapter &chapter : flume_chapters()) {
        for (const Quantity &q : chapter.inputs)
            add(q);
        for (const Quantity &q : chapter.results)
            add(q);
    }
    return all;
}

QString input_check_text(const FlumeChapter &chapter, F input)
{
    const QString unchecked = QStringLiteral("確かめない（空欄は 0 として計算）");
    QStringList parts;
    for (const ChapterButton &button : chapter.buttons) {
        const flume::ButtonRules rules = flume::button_rules(button.calculation);
        QString words;
        const auto rule_words = [](const flume::InputRule &rule, const QString &outcome) {
            const RequirementWords requirement = requirement_words(rule.requirement);
            QString text = requirement.refused + QStringLiteral(" → ") + outcome;
            if (!requirement.allowed.isEmpty())
                text += QStringLiteral("（") + requirement.allowed + QStringLiteral("）");
            return text;
        };
        if (const flume::InputRule *rule = find_rule(rules.missing_input, input))
            words = rule_words(*rule, quoted(common::message::missing_input));
        else if (const flume::InputRule *rule = find_rule(rules.no_outer_water, input))
            words = rule_words(*rule, quoted(common::message::no_outer_water));
        else if (const flume::InputRule *rule = find_rule(rules.silent, input))
            words = rule_words(*rule, QStringLiteral("b の結果をメッセージなしで空欄にする"));
        else
            continue;
        parts.append(button.name.isEmpty() ? words : button.name + QStringLiteral("：") + words);
    }
    // A value no button checks; where one button checks it, the lines name the button that does.
    return parts.isEmpty() ? unchecked : parts.join(u'\n');
}

} // namespace book
