#pragma once

#include "common/command_line.h"
#include "common/messages.h"
#include "common/safe_file_write.h"

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

// "--force": the commands that write a file replace one made read-only only with it.
inline const QString force_option = QStringLiteral("--force");
ReadOnlyFile read_only_output(const CommandLine &line);
// The reason a command gives for a file it could not write; for a read-only one, also how to
// replace it.
QString output_failure_reason(const QString &reason);

// Writes on standard error, after "command: ", the copies of files that a write of an earlier run
// left when it ended halfway (common::take_left_recovery_copies), if any.
void write_left_recovery_copies(const QString &command);

// Writes "command: reason" as one line on standard error and returns status, the exit status.
int command_failure(const QString &command, const QString &reason, int status);

} // namespace common
