#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace common {

// While a file is written where it is (common::write_file_safely: a file with two links, another
// user's file in a shared folder), its earlier content is kept in the user's own cache folder
// (~/.cache/tavrel, open to nobody else): a copy, readable by the user only, and beside it a hidden
// note that names the file and the process writing it. Both are on the disk before the first byte
// of the file is written. Once the new content is written, both go; after a failure the copy
// stays and the message names it; when the process dies halfway, both stay, and the next start
// names the copy (take_left_recovery_copies).
class RecoveryCopy
{
public:
    RecoveryCopy(const QByteArray &target, const QByteArray &earlier);
    ~RecoveryCopy() = default;
    RecoveryCopy(const RecoveryCopy &) = delete;
    RecoveryCopy &operator=(const RecoveryCopy &) = delete;

    // Empty when the copy was made; else why it could not be.
    QString failure() const { return failure_; }
    QString path() const;

    // The new content is written: the copy and the note go.
    void discard();
    // The write failed and was reported: the note goes, the copy stays.
    void keep();

private:
    QByteArray copy_;
    QByteArray note_;
    QString failure_;
};

// A copy whose writer died halfway.
struct LeftRecoveryCopy {
    QString copy;
    QString original;
};

// The copies of writes whose process ended before they were done, each once: their notes are
// removed, the copies stay where they are.
QList<LeftRecoveryCopy> take_left_recovery_copies();

// What the programs say at start of such copies: left_recovery_message, then a line per copy.
inline const QString left_recovery_message =
    QStringLiteral("ファイルを書き換えている途中でプログラムが終わっていました。元の内容を次のファイルに残してあります。");
QString left_recovery_text(const QList<LeftRecoveryCopy> &copies);

} // namespace common
