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

// The access key of a page's button and of its report's print entry: A(ctive earth pressure),
// U(plift), the Case's number, M(embers) and S(hape input).
inline QChar page_access_key(Page page)
{
    switch (page) {
    case Page::ShapeInput: return u'S';
    case Page::EarthPressure: return u'A';
    case Page::UpliftBearing: return u'U';
    case Page::Case1: return u'1';
    case Page::Case2: return u'2';
    case Page::Case3: return u'3';
    case Page::MemberCheck: return u'M';
    }
    return {};
}

// The flume window's menus and the entries the book names, and the launcher's buttons, as the
// windows are built from them ("&" marks the access key; common/window_words.h holds the words both
// programs share).
namespace words {
inline const QString open_entry = QStringLiteral("開く(&O)");
inline const QString save_as_entry = QStringLiteral("名前を付けて保存(&A)");
inline const QString batch_entry = QStringLiteral("一括計算(&B)...");
inline const QString print_menu = QStringLiteral("プリント(&P)");
inline const QString settings_entry = QStringLiteral("計算書の設定(&S)...");
inline const QString document_entry = QStringLiteral("構造計算書(&D)");
inline const QString tools_menu = QStringLiteral("ツール(&T)");
inline const QString morvik_entry = QStringLiteral("鉄筋コンクリート応力度の検討(&R)");
inline const QString help_menu = QStringLiteral("ヘルプ(&H)");
inline const QString book_entry = QStringLiteral("&Tavrel(PDF)");
inline const QString version_entry = QStringLiteral("バージョン情報(&A)");
// The title of the box that entry opens.
inline const QString about_title = QStringLiteral("バージョン情報");
// The member check window's button that chooses the bars of all six members.
inline const QString design_all_button = QStringLiteral("自動配筋(&A)");
inline const QString book_button = QStringLiteral("参考図書：「Tavrel」(PDF)");
inline const QString flume_button = QStringLiteral("Quenfor");
inline const QString morvik_button = QStringLiteral("鉄筋コンクリート応力度の検討");
} // namespace words

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
