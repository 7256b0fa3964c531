#pragma once

#include "rcstress/section_sheet.h"

#include <QString>

namespace rcstress {

// The title of Morvik's report, for its print job and its PDF file.
inline const QString report_title = QStringLiteral("鉄筋コンクリート応力度の検討");

// The caption that stands beside each field in Morvik's window ("鉄筋量：Ａｓ").
inline QString field_caption(Field f)
{
    switch (f) {
    case Field::rebar_area: return QStringLiteral("鉄筋量：Ａｓ");
    case Field::unit_width: return QStringLiteral("単位巾：ｂ");
    case Field::effective_depth: return QStringLiteral("(総厚－鉄筋かぶり)：ｄ");
    case Field::bending_moment: return QStringLiteral("曲げモーメント：Ｍ");
    case Field::shear_force: return QStringLiteral("せん断力：Ｓ");
    case Field::rebar_perimeter: return QStringLiteral("鉄筋全周長：Ｕ");
    case Field::steel_ratio: return QStringLiteral("鉄筋比：Ｐ");
    case Field::neutral_axis_ratio: return QStringLiteral("ｎ＝15の時：ｋ");
    case Field::lever_arm_ratio: return QStringLiteral("1-ｋ/3＝ｊ");
    case Field::concrete_stress: return QStringLiteral("鉄筋コンクリート曲げ圧縮応力度（σｃ）");
    case Field::steel_stress: return QStringLiteral("鉄筋の曲げ引張り応力度（σｓ）");
    case Field::shear_stress: return QStringLiteral("コンクリートのせん断応力（τ）");
    case Field::bond_stress: return QStringLiteral("付着応力度（τo）");
    }
    return {};
}

// The unit caption after an input field; the results carry their units in their text.
inline QString unit_caption(Field f)
{
    switch (f) {
    case Field::rebar_area: return QStringLiteral("（c㎡）");
    case Field::unit_width:
    case Field::effective_depth:
    case Field::rebar_perimeter: return QStringLiteral("（ｃm）");
    case Field::bending_moment: return QStringLiteral("（N・ｃm）");
    case Field::shear_force: return QStringLiteral("（N）");
    default: return {};
    }
}

} // namespace rcstress
