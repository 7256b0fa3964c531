#include "common/command_output.h"

#include "common/file_names.h"
#include "common/recovery_copy.h"
#include "common/same_file.h"

namespace common {

void write_utf8(std::FILE *stream, const QString &text)
{
    // File names go out as the bytes they came in as.
    const QByteArray bytes = native_name(text);
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

QString message_line(const Message &message)
{
    return QStringLiteral("メッセージ [") + message.title + QStringLiteral("] ") + message.text;
}

QString output_file(const QString &argument)
{
    return argument == QLatin1String("-") ? QStringLiteral("/dev/stdout") : argument;
}

std::FILE *line_stream(const QStringList &output_files)
{
    for (const QString &file : output_files) {
        if (!file.isEmpty() && is_same_file(file, QStringLiteral("/dev/stdout")))
            return stderr;
    }
    return stdout;
}

ReadOnlyFile read_only_output(const CommandLine &line)
{
    return line.has(force_option) ? ReadOnlyFile::Replace : ReadOnlyFile::Refuse;
}

QString output_failure_reason(const QString &reason)
{
    if (reason != read_only_reason)
        return reason;
    return reason + QStringLiteral("置き換えるには ") + force_option + QStringLiteral(" を付けます / read-only: add ")
           + force_option + QStringLiteral(" to replace it");
}

void write_left_recovery_copies(const QString &command)
{
    if (const QList<LeftRecoveryCopy> left = take_left_recovery_copies(); !left.isEmpty())
        write_utf8(stderr, command + QStringLiteral(": ") + left_recovery_text(left) + u'\n');
}

int command_failure(const QString &command, const QString &reason, int status)
{
    write_utf8(stderr, command + QStringLiteral(": ") + reason + u'\n');
    return status;
}

} // namespace common
