#pragma once

#include "flume/field.h"

#include <QList>
#include <QString>

namespace flume {

// The captions of the flume window that more than one place shows: the windows, the reports'
// print entries and the command-line check all take them from here.

// The caption of a page's button ("浮上り・支持力").
inline QString page_caption(Page page)
{
    switch (page) {
    case Page::ShapeInput: return QStringLiteral("形状寸法入力");
    case Page::EarthPressure: return QStringLiteral("主働土圧");
    case Page::UpliftBearing: return QStringLiteral("浮上り・支持力");
    case Page::Case1: return QStringLiteral("ケース.1");
    case Page::Case2: return QStringLiteral("ケース.2");
    case Page::Case3: return QStringLiteral("ケース.3");
    case Page::MemberCheck: return QStringLiteral("部材の応力度照査");
    }
    return {};
}

// The title of a page's report, as its print entry and the print dialog name it.
inline QString report_title(Page page)
{
    switch (page) {
    case Page::ShapeInput: break;
    case Page::EarthPressure: return QStringLiteral("主働土圧");
    case Page::UpliftBearing: return QStringLiteral("浮上り・基礎地盤支持力の検討");
    case Page::Case1: return QStringLiteral("ケース . 1");
    case Page::Case2: return QStringLiteral("ケース . 2");
    case Page::Case3: return QStringLiteral("ケース . 3");
    case Page::MemberCheck: return QStringLiteral("部材の応力度照査");
    }
    return {};
}

// A result as the window shows it: the caption before its field and the unit after it.
struct ResultCaption {
    Field field;
    QString caption;
    QString unit;
};

// Every page's results from top to bottom.
inline const QList<ResultCaption> &result_captions(Page page)
{
    static const QString kn = QStringLiteral("KN");
    static const QString knm = QStringLiteral("KN・m");
    static const QList<ResultCaption> none;
    static const QList<ResultCaption> earth_pressure = {
        {Field::ka, QStringLiteral("KA ="), QString()},
        {Field::pa, QStringLiteral("PA ="), QStringLiteral("KN/m")},
        {Field::pav, QStringLiteral("PAV ="), QStringLiteral("KN/m")},
        {Field::pv, QStringLiteral("PV ="), QStringLiteral("KN/m")},
    };
    static const QList<ResultCaption> uplift_bearing = {
        {Field::uplift_safety_factor, QStringLiteral("Fs≦"), QString()},
        {Field::max_bearing, QStringLiteral("qmax="), QStringLiteral("KN/m2")},
    };
    static const QList<ResultCaption> case1 = {
        {Field::case1_wall_shear, QStringLiteral("Sso="), kn},
        {Field::case1_wall_moment, QStringLiteral("Mso="), knm},
        {Field::slab_reaction, QStringLiteral("底版反力"), QStringLiteral("KN/m2")},
        {Field::case1_slab_shear, QStringLiteral("Sto="), kn},
        {Field::case1_slab_moment, QStringLiteral("Mto="), knm},
    };
    static const QList<ResultCaption> case2 = {
        {Field::case2_wall_shear, QStringLiteral("Ss1="), kn},
        {Field::case2_wall_moment, QStringLiteral("Ms1="), knm},
        {Field::case2_slab_shear, QStringLiteral("St1="), kn},
        {Field::case2_slab_moment, QStringLiteral("Mt1="), knm},
    };
    static const QList<ResultCaption> case3 = {
        {Field::case3_wall_shear, QStringLiteral("Ss1="), kn},
        {Field::case3_wall_moment, QStringLiteral("Ms1="), knm},
        {Field::case3_slab_shear, QStringLiteral("St1="), kn},
        {Field::case3_slab_moment, QStringLiteral("Mt1="), knm},
    };
    switch (page) {
    case Page::ShapeInput:
    case Page::MemberCheck: break;
    case Page::EarthPressure: return earth_pressure;
    case Page::UpliftBearing: return uplift_bearing;
    case Page::Case1: return case1;
    case Page::Case2: return case2;
    case Page::Case3: return case3;
    }
    return none;
}

// The caption and unit of one result; empty texts for a field that is not a result of a page.
inline ResultCaption result_caption(Field field)
{
    for (Page page : calculation_pages) {
        for (const ResultCaption &result : result_captions(page)) {
            if (result.field == field)
                return result;
        }
    }
    return {field, QString(), QString()};
}

} // namespace flume
