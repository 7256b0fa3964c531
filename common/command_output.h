#pragma once

#include "common/messages.h"

#include <QString>
#include <cstdio>

namespace common {

// What the command-line commands of both programs print: UTF-8 text on standard output or error,
// and a raised message as one line, "メッセージ [title] text".
void write_utf8(std::FILE *stream, const QString &text);
QString message_line(const Message &message);

// Writes "command: reason" as one line on standard error and returns status, the exit status.
int command_failure(const QString &command, const QString &reason, int status);

} // namespace common
