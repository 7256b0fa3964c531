#pragma once

#include "flume/field.h"

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

} // namespace flume
