#include "common/file_error.h"

#include <QDir>

#include <cerrno>
#include <cstring>

namespace common {

QString describe_file_error(int error_number)
{
    switch (error_number) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("ファイルまたはフォルダーが見つかりません。");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセスが拒否されました。");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き領域が足りません。");
    case EROFS:
        return QStringLiteral("読み取り専用のファイルシステムです。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダーがあります。");
    default:
        return QString::fromLocal8Bit(std::strerror(error_number));
    }
}

FileResult file_failure(int error_number)
{
    return {false, describe_file_error(error_number)};
}

QString file_failure_text(const QString &what, const QString &path, const QString &reason)
{
    return what + u'\n' + QDir::toNativeSeparators(path) + QStringLiteral(" (") + reason + u')';
}

} // namespace common
