#pragma once

#include "common/messages.h"

#include <QString>
#include <QStringList>
#include <cstdio>

namespace common {

// What the command-line commands of both programs print: UTF-8 text (a file name as the bytes it
// came in as, common::native_name) on standard output or error, and a raised message as one line,
// "メッセージ [title] text".
void write_utf8(std::FILE *stream, const QString &text);
QString message_line(const Message &message);

// The file a command is to write: "-" stands for the standard output.
QString output_file(const QString &argument);

// Where a command that writes files puts its own lines: on standard error when one of the files is
// the standard output (through "-", /dev/stdout or a redirection), so that the file stays whole;
// else on standard output.
std::FILE *line_stream(const QStringList &output_files);

// Writes "command: reason" as one line on standard error and returns status, the exit status.
int command_failure(const QString &command, const QString &reason, int status);

} // namespace common
