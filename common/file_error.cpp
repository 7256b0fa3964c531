#include "common/file_error.h"

#include "common/file_names.h"
#include "common/safe_file_write.h"

#include <QDir>

#include <cerrno>
#include <cstring>

namespace common {

namespace {

struct ErrorText {
    int error_number;
    const char16_t *text;
};

// The failures a user can meet with a file, in the user's words.
constexpr ErrorText error_texts[] = {
    {ENOENT, u"ファイルまたはフォルダーが見つかりません。"},
    {ENOTDIR, u"ファイルまたはフォルダーが見つかりません。"},
    {EACCES, u"アクセスが拒否されました。"},
    {EPERM, u"アクセスが拒否されました。"},
    {ENOSPC, u"ディスクの空き領域が足りません。"},
    {EDQUOT, u"ディスクの使用量の上限に達しました。"},
    {EROFS, u"読み取り専用のファイルシステムです。"},
    {EISDIR, u"同じ名前のフォルダーがあります。"},
    {ENAMETOOLONG, u"ファイル名が長すぎます。"},
    {ELOOP, u"シンボリックリンクが多すぎるか、循環しています。"},
    {ENXIO, u"書き込み先のパイプやデバイスを読むプログラムがありません。"},
    {ENODEV, u"書き込み先のデバイスがありません。"},
    {EPIPE, u"書き込み先のパイプが閉じられました。"},
    {EIO, u"ディスクの読み書きに失敗しました。"},
    {EFBIG, u"ファイルが大きすぎます。"},
    {EBUSY, u"ファイルが使用中です。"},
    {ETXTBSY, u"実行中のプログラムのファイルです。"},
    {EEXIST, u"同じ名前のファイルがあります。"},
    {EXDEV, u"別のドライブにまたがる移動はできません。"},
    {EMFILE, u"開いているファイルが多すぎます。"},
    {ENFILE, u"開いているファイルが多すぎます。"},
    {ENOMEM, u"メモリが足りません。"},
    {EAGAIN, u"ファイルが一時的に使えません。"},
    {EINVAL, u"この場所には書き込めません。"},
    {ENOTSUP, u"このファイルシステムではできない操作です。"},
    {ESTALE, u"ネットワーク上のファイルが見えなくなりました。"},
    {ETIMEDOUT, u"ネットワーク上のファイルの応答がありません。"},
    {EINTR, u"書き込みが中断されました。"},
};

} // namespace

QString describe_file_error(int error_number)
{
    for (const ErrorText &known : error_texts) {
        if (known.error_number == error_number)
            return QString::fromUtf16(known.text);
    }
    return QStringLiteral("ファイルの操作に失敗しました。（%1）").arg(QString::fromLocal8Bit(std::strerror(error_number)));
}

QStringList file_error_texts()
{
    QStringList texts;
    for (const ErrorText &known : error_texts) {
        const QString text = QString::fromUtf16(known.text);
        if (!texts.contains(text))
            texts.append(text);
    }
    return texts;
}

QStringList file_failure_reasons()
{
    return file_error_texts() + QStringList{write_reason::earlier_unreadable, write_reason::no_recovery_copy,
                                            write_reason::earlier_written_back, write_reason::earlier_kept_in,
                                            name_not_utf8_reason};
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
