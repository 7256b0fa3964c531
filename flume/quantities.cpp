#include "flume/quantities.h"

#include "common/catalogue.h"

#include <algorithm>
#include <iterator>

namespace flume {

namespace {

// One row of the catalogue as written below; the printed symbol is the symbol where none is given.
struct Row {
    Field field;
    Page page;
    const char *symbol;
    const char *printed;
    const char *caption;
    const char *unit;
    const char *tooltip;
    const char *term;
    const char *si_unit;
    const char *json_key;
};

using F = Field;
using P = Page;

// clang-format off
constexpr Row rows[] = {
    // field                        page              symbol    printed  screen caption                                 unit     tooltip                              document's term                                  SI unit  JSON key
    {F::t1,                         P::ShapeInput,    "T1",     "",      "T1 =",                                        "ｍ",    "水路断面部材厚",                    "側壁の厚さ（天端）",                            "m",     "t1"},
    {F::t2,                         P::ShapeInput,    "T2",     "",      "T2 =",                                        "ｍ",    "水路断面部材厚",                    "側壁の厚さ（下端）",                            "m",     "t2"},
    {F::t3,                         P::ShapeInput,    "T3",     "",      "T3 =",                                        "ｍ",    "水路断面部材厚",                    "底版の厚さ",                                    "m",     "t3"},
    {F::t4,                         P::ShapeInput,    "T4",     "",      "T4 =",                                        "ｍ",    "ハンチ寸法",                        "ハンチの寸法",                                  "m",     "t4"},
    {F::wall_height,                P::ShapeInput,    "H",      "",      " H =",                                        "ｍ",    "壁高",                              "壁高",                                          "m",     "wall_height"},
    {F::outer_water_height,         P::ShapeInput,    "H1",     "",      "H1 =",                                        "ｍ",    "水路低版底面から外水位までの高さ",  "底版下面から外水位までの高さ",                  "m",     "outer_water_height"},
    {F::inner_width,                P::ShapeInput,    "B",      "",      "B =",                                         "ｍ",    "水路内幅",                          "水路内幅",                                      "m",     "inner_width"},
    {F::wall_inclination,           P::EarthPressure, "θ",      "",      "壁傾きθ=",                                    "度",    "",                                  "壁背面の傾斜角（水平面から）",                  "°",     "wall_inclination"},
    {F::repose_angle,               P::EarthPressure, "φ",      "",      "安息角φ=",                                    "度",    "",                                  "内部摩擦角",                                    "°",     "repose_angle"},
    {F::soil_unit_weight,           P::EarthPressure, "γ",      "",      "土の単位重量γ=",                              "KN/m3", "",                                  "土の単位体積重量",                              "kN/m³", "soil_unit_weight"},
    {F::ground_slope,               P::EarthPressure, "i",      "",      "地表傾き ｉ=",                                "度",    "",                                  "地表面の傾斜角",                                "°",     "ground_slope"},
    {F::surcharge,                  P::EarthPressure, "q",      "",      "載荷重 ｑ=",                                  "KN/m2", "",                                  "上載荷重",                                      "kN/m²", "surcharge"},
    {F::wall_friction_angle,        P::EarthPressure, "δ",      "",      " 仮想背面との摩擦角δ=（2/3～1.0）×φ=",        "度",    "",                                  "壁面摩擦角（仮想背面）",                        "°",     "wall_friction_angle"},
    {F::water_unit_weight,          P::UpliftBearing, "γw",     "",      "水の単位体積重量 γｗ =",                      "KN/m3", "",                                  "水の単位体積重量",                              "kN/m³", "water_unit_weight"},
    {F::flume_unit_weight,          P::UpliftBearing, "γsc",    "",      "フルームの単位体積重量 γsc =",                "KN/m3", "",                                  "鉄筋コンクリートの単位体積重量",                "kN/m³", "flume_unit_weight"},
    {F::allowable_bearing,          P::UpliftBearing, "qa",     "",      "許容地盤支持力度　qa =",                      "KN/m2", "",                                  "基礎地盤の許容支持力度",                        "kN/m²", "allowable_bearing"},
    {F::case1_depth,                P::Case1,         "h",      "",      "側壁天端より或る深さ h=",                     "ｍ",    "",                                  "側壁の照査位置（天端からの深さ）",              "m",     "case1_depth"},
    {F::wall_top_to_slab_axis,      P::Case1,         "H'",     "",      "側壁天端から底版中心線までの高さ H’=",        "ｍ",    "",                                  "側壁天端から底版中心線までの高さ",              "m",     "wall_top_to_slab_axis"},
    {F::slab_axis_to_groundwater,   P::Case1,         "H'1",    "",      "水路底版中心線から地下水位までの高さ H’1=",   "ｍ",    "",                                  "底版中心線から地下水位までの高さ",              "m",     "slab_axis_to_groundwater"},
    {F::wet_soil_unit_weight,       P::Case1,         "γt",     "",      "土の湿潤単位体積重量 γt=",                    "KN/m3", "",                                  "土の湿潤単位体積重量",                          "kN/m³", "wet_soil_unit_weight"},
    {F::submerged_soil_unit_weight, P::Case1,         "γws",    "",      "土の水中単位体積重量 γws=",                   "KN/m3", "",                                  "土の水中単位体積重量",                          "kN/m³", "submerged_soil_unit_weight"},
    {F::back_friction_angle,        P::Case1,         "δ'",     "",      "壁背面と土との摩擦角 δ’=2/3φ=",               "度",    "",                                  "壁面摩擦角（側壁背面）",                        "°",     "back_friction_angle"},
    {F::wall_spacing,               P::Case1,         "BL",     "",      "側壁の中心間隔 BL =",                         "ｍ",    "",                                  "側壁の中心間隔",                                "m",     "wall_spacing"},
    {F::slab_position,              P::Case1,         "X",      "",      "フルーム側壁より距離Ｘの底盤の位置 X =",      "ｍ",    "",                                  "底版の照査位置（側壁からの距離）",              "m",     "slab_position"},
    {F::case2_depth,                P::Case2,         "h'",     "",      "側壁天端よりの深さ　h'=",                     "ｍ",    "",                                  "側壁の照査位置（天端からの深さ）",              "m",     "case2_depth"},
    {F::ka,                         P::EarthPressure, "KA",     "",      "KA =",                                        "",      "",                                  "主働土圧係数",                                  "",      "ka"},
    {F::pa,                         P::EarthPressure, "PA",     "",      "PA =",                                        "KN/m",  "",                                  "側壁 1 m あたりの主働土圧の合力",               "kN/m",  "pa"},
    {F::pav,                        P::EarthPressure, "PAV",    "",      "PAV =",                                       "KN/m",  "",                                  "主働土圧の鉛直成分",                            "kN/m",  "pav"},
    {F::pv,                         P::EarthPressure, "PV",     "",      "PV =",                                        "KN/m",  "",                                  "側壁 1 枚に働く鉛直荷重",                       "kN/m",  "pv"},
    {F::uplift_safety_factor,       P::UpliftBearing, "Fs",     "",      "Fs≦",                                         "",      "",                                  "浮上りに対する安全率",                          "",      "uplift_safety_factor"},
    {F::max_bearing,                P::UpliftBearing, "qmax",   "",      "qmax=",                                       "KN/m2", "",                                  "底版下面の最大地盤反力度",                      "kN/m²", "max_bearing"},
    {F::case1_wall_shear,           P::Case1,         "Sso",    "",      "Sso=",                                        "KN",    "",                                  "深さ h における側壁のせん断力",                 "kN",    "case1_wall_shear"},
    {F::case1_wall_moment,          P::Case1,         "Mso",    "",      "Mso=",                                        "KN・m", "",                                  "深さ h における側壁の曲げモーメント",           "kN·m",  "case1_wall_moment"},
    {F::slab_reaction,              P::Case1,         "WR",     "",      "底版反力",                                    "KN/m2", "",                                  "底版反力",                                      "kN/m²", "slab_reaction"},
    {F::case1_slab_shear,           P::Case1,         "Sto",    "",      "Sto=",                                        "KN",    "",                                  "距離 X における底版のせん断力",                 "kN",    "case1_slab_shear"},
    {F::case1_slab_moment,          P::Case1,         "Mto",    "",      "Mto=",                                        "KN・m", "",                                  "距離 X における底版の曲げモーメント",           "kN·m",  "case1_slab_moment"},
    {F::case2_wall_shear,           P::Case2,         "Ss1(2)", "Ss1",   "Ss1=",                                        "KN",    "",                                  "深さ h' における側壁のせん断力",                "kN",    "case2_wall_shear"},
    {F::case2_wall_moment,          P::Case2,         "Ms1(2)", "Ms1",   "Ms1=",                                        "KN・m", "",                                  "深さ h' における側壁の曲げモーメント",          "kN·m",  "case2_wall_moment"},
    {F::case2_slab_shear,           P::Case2,         "St1(2)", "St1",   "St1=",                                        "KN",    "",                                  "距離 X における底版のせん断力",                 "kN",    "case2_slab_shear"},
    {F::case2_slab_moment,          P::Case2,         "Mt1(2)", "Mt1",   "Mt1=",                                        "KN・m", "",                                  "距離 X における底版の曲げモーメント",           "kN·m",  "case2_slab_moment"},
    {F::case3_wall_shear,           P::Case3,         "Ss1(3)", "Ss1",   "Ss1=",                                        "KN",    "",                                  "深さ h' における側壁のせん断力",                "kN",    "case3_wall_shear"},
    {F::case3_wall_moment,          P::Case3,         "Ms1(3)", "Ms1",   "Ms1=",                                        "KN・m", "",                                  "深さ h' における側壁の曲げモーメント",          "kN·m",  "case3_wall_moment"},
    {F::case3_slab_shear,           P::Case3,         "St1(3)", "St1",   "St1=",                                        "KN",    "",                                  "距離 X における底版のせん断力",                 "kN",    "case3_slab_shear"},
    {F::case3_slab_moment,          P::Case3,         "Mt1(3)", "Mt1",   "Mt1=",                                        "KN・m", "",                                  "距離 X における底版の曲げモーメント",           "kN·m",  "case3_slab_moment"},
};
// clang-format on

// Every input and result stands in the table once, at the index of its field: the inputs and the
// results are the first fields.
constexpr std::size_t catalogued_count = [] {
    std::size_t count = 0;
    for (const FieldInfo &info : field_table)
        count += info.kind == FieldKind::Input || info.kind == FieldKind::Result;
    return count;
}();
static_assert(std::size(rows) == catalogued_count && common::rows_follow_fields(rows));

} // namespace

const QList<Quantity> &quantities()
{
    static const QList<Quantity> all = [] {
        QList<Quantity> list;
        for (const Row &row : rows) {
            const QString symbol = QString::fromUtf8(row.symbol);
            const QString printed = QString::fromUtf8(row.printed);
            list.append({row.field, row.page, symbol, printed.isEmpty() ? symbol : printed,
                         QString::fromUtf8(row.caption), QString::fromUtf8(row.unit), QString::fromUtf8(row.tooltip),
                         QString::fromUtf8(row.term), QString::fromUtf8(row.si_unit), QString::fromUtf8(row.json_key)});
        }
        return list;
    }();
    return all;
}

const Quantity &quantity(Field field)
{
    static const Quantity none{};
    const FieldKind kind = kind_of(field);
    return kind == FieldKind::Input || kind == FieldKind::Result ? quantities()[qsizetype(field)] : none;
}

const Quantity *quantity_by_symbol(QStringView symbol)
{
    return common::find_by_symbol(quantities(), symbol);
}

namespace {

QList<Quantity> of_kind_on(Page page, FieldKind kind)
{
    QList<Quantity> list;
    for (const Quantity &q : quantities()) {
        if (q.page == page && kind_of(q.field) == kind)
            list.append(q);
    }
    return list;
}

} // namespace

QList<Quantity> inputs_of(Page page)
{
    return of_kind_on(page, FieldKind::Input);
}

QList<Quantity> results_of(Page page)
{
    return of_kind_on(page, FieldKind::Result);
}

QString json_key(const ConvertedCompanion &companion)
{
    return quantity(companion.result).json_key + (companion.moment ? QStringLiteral("_ncm") : QStringLiteral("_n"));
}

QString si_unit(const ConvertedCompanion &companion)
{
    return companion.moment ? QStringLiteral("N·cm") : QStringLiteral("N");
}

QString caption_holding_field(const QString &caption, int blanks, const QString &unit, int unit_places)
{
    int places = 0;
    for (QChar c : unit)
        places += c.unicode() > 0xff ? 2 : 1;
    return caption + QString(blanks, u' ') + unit + QString(std::max(unit_places - places, 0), u' ');
}

QString carried_symbol(Field source)
{
    return source == Field::pv ? QStringLiteral("Pv") : quantity(source).printed;
}

} // namespace flume
