#include "rcstress/quantities.h"

#include "common/catalogue.h"

#include <iterator>

namespace rcstress {

namespace {

struct Row {
    Field field;
    const char *symbol;
    const char *caption;
    const char *unit;
    const char *term;
    const char *si_unit;
    const char *json_key;
};

using F = Field;

// clang-format off
constexpr Row rows[] = {
    // field                  symbol  window's caption                               unit         document's term                           SI unit   JSON key
    {F::rebar_area,           "As",   "鉄筋量：Ａｓ",                                "（c㎡）",    "引張鉄筋の断面積（単位幅あたり）",       "cm²",    "rebar_area"},
    {F::unit_width,           "b",    "単位巾：ｂ",                                  "（ｃm）",    "断面の幅（単位幅）",                     "cm",     "unit_width"},
    {F::effective_depth,      "d",    "(総厚－鉄筋かぶり)：ｄ",                      "（ｃm）",    "有効高さ（圧縮縁から引張鉄筋の中心まで）", "cm",   "effective_depth"},
    {F::bending_moment,       "M",    "曲げモーメント：Ｍ",                          "（N・ｃm）", "曲げモーメント",                         "N·cm",   "bending_moment"},
    {F::shear_force,          "S",    "せん断力：Ｓ",                                "（N）",      "せん断力",                               "N",      "shear_force"},
    {F::rebar_perimeter,      "U",    "鉄筋全周長：Ｕ",                              "（ｃm）",    "引張鉄筋の周長の合計",                   "cm",     "rebar_perimeter"},
    {F::steel_ratio,          "P",    "鉄筋比：Ｐ",                                  "",           "鉄筋比 As/(b·d)",                        "",       "steel_ratio"},
    {F::neutral_axis_ratio,   "k",    "ｎ＝15の時：ｋ",                              "",           "中立軸比（ヤング係数比 n = 15）",        "",       "neutral_axis_ratio"},
    {F::lever_arm_ratio,      "j",    "1-ｋ/3＝ｊ",                                  "",           "アーム長比 1 − k/3",                     "",       "lever_arm_ratio"},
    {F::concrete_stress,      "σc",   "鉄筋コンクリート曲げ圧縮応力度（σｃ）",       "",           "コンクリートの曲げ圧縮応力度",           "N/cm²",  "concrete_stress"},
    {F::steel_stress,         "σs",   "鉄筋の曲げ引張り応力度（σｓ）",               "",           "鉄筋の引張応力度",                       "N/cm²",  "steel_stress"},
    {F::shear_stress,         "τ",    "コンクリートのせん断応力（τ）",               "",           "コンクリートのせん断応力度",             "N/cm²",  "shear_stress"},
    {F::bond_stress,          "τo",   "付着応力度（τo）",                            "",           "鉄筋の付着応力度",                       "N/cm²",  "bond_stress"},
};
// clang-format on

// Every field stands in the table once, at its own index.
static_assert(std::size(rows) == field_table.size() && common::rows_follow_fields(rows));

} // namespace

const QList<Quantity> &quantities()
{
    static const QList<Quantity> all = [] {
        QList<Quantity> list;
        for (const Row &row : rows)
            list.append({row.field, QString::fromUtf8(row.symbol), QString::fromUtf8(row.caption),
                         QString::fromUtf8(row.unit), QString::fromUtf8(row.term), QString::fromUtf8(row.si_unit),
                         QString::fromUtf8(row.json_key)});
        return list;
    }();
    return all;
}

const Quantity &quantity(Field field)
{
    return quantities()[qsizetype(field)];
}

const Quantity *quantity_by_symbol(QStringView symbol)
{
    return common::find_by_symbol(quantities(), symbol);
}

} // namespace rcstress
