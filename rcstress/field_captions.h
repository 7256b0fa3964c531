#pragma once

#include "rcstress/section_sheet.h"

#include <QString>

namespace rcstress {

// The title of Morvik's report, for its print job and its PDF file.
inline const QString report_title = QStringLiteral("鉄筋コンクリート応力度の検討");

} // namespace rcstress
