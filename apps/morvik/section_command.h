#pragma once

#include <QStringList>

namespace common {
class MessageRecorder;
}
namespace rcstress {
class SectionSheet;
}

// Types As, b, d, M, S and U into the sheet and presses "計算", as morvik's command-line commands
// do with the six texts given to them.
void compute_typed_section(rcstress::SectionSheet &sheet, const QStringList &values, common::MessageRecorder &messages);
