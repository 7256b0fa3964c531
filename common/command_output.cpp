#include "common/command_output.h"

namespace common {

void write_utf8(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

QString message_line(const Message &message)
{
    return QStringLiteral("メッセージ [") + message.title + QStringLiteral("] ") + message.text;
}

int command_failure(const QString &command, const QString &reason, int status)
{
    write_utf8(stderr, command + QStringLiteral(": ") + reason + u'\n');
    return status;
}

} // namespace common
