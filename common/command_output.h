#pragma once

#include "common/messages.h"

#include <QString>
#include <cstdio>

namespace common {

// What the command-line commands of both programs print: UTF-8 text on standard output or error,
// and a raised message as one line, "メッセージ [title] text".
void write_utf8(std::FILE *stream, const QString &text);
QString message_line(const Message &message);

} // namespace common
