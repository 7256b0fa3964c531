#pragma once

#include "rcstress/section_sheet.h"

#include <QString>

namespace rcstress {

// The title of Morvik's report, for its print job and its PDF file.
inline const QString report_title = QStringLiteral("鉄筋コンクリート応力度の検討");

// Morvik's own menus and entries, as its window is built from them ("&" marks the access key;
// common/window_words.h holds the words both programs share).
namespace words {
inline const QString print_entry = QStringLiteral("印刷(&P)");
inline const QString help_menu = QStringLiteral("ヘルプ(&Q)");
inline const QString bar_table_entry = QStringLiteral("異形鋼棒断面積表");
inline const QString schematic_entry = QStringLiteral("模式図");
} // namespace words

} // namespace rcstress
