#pragma once

#include <QString>

namespace common {

// The captions of the menu entries and buttons that both programs' windows have, as the windows are
// built from them; the reference book quotes them from here. "&" marks the access key, which the
// screen shows underlined: "ファイル(&F)" is shown as "ファイル(F)".
namespace words {
inline const QString calculate = QStringLiteral("計算");
inline const QString file_menu = QStringLiteral("ファイル(&F)");
inline const QString exit_entry = QStringLiteral("終了(&X)");
inline const QString ok = QStringLiteral("OK");
inline const QString cancel = QStringLiteral("キャンセル");
inline const QString yes = QStringLiteral("はい(&Y)");
inline const QString no = QStringLiteral("いいえ(&N)");
// The print dialog's.
inline const QString properties = QStringLiteral("プロパティ");
inline const QString print = QStringLiteral("印刷");
inline const QString preview = QStringLiteral("プレビュー");
inline const QString save_pdf = QStringLiteral("PDF保存");
} // namespace words

// A caption with its access key, the key Alt (or, in an open menu, the key alone) presses: the
// caption's own character underlined where it has it ("ケース.&1", "&Tavrel(PDF)"), else the key in
// brackets after it, as Japanese captions show it ("主働土圧(&A)").
inline QString with_access_key(const QString &caption, QChar key)
{
    const qsizetype at = caption.lastIndexOf(key);
    if (at >= 0)
        return caption.left(at) + u'&' + caption.mid(at);
    return caption + QStringLiteral("(&") + key + u')';
}

// A caption as the screen shows it: without the "&" before its access key ("&&" shows one "&").
inline QString shown_caption(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

} // namespace common
