#pragma once

#include <QList>
#include <QString>

namespace common {

// The texts of the calculations' messages.
namespace message {
inline const QString missing_input = QStringLiteral("数値が入力されていません。");
inline const QString invalid_number = QStringLiteral("数値が正しくありません。");
inline const QString no_outer_water = QStringLiteral("H1=Oの時、計算する必要はありません。");
inline const QString bearing_exceeded = QStringLiteral("許容値をオーバーしました。");
inline const QString input_check_title = QStringLiteral("入力データ確認");
inline const QString bearing_title = QStringLiteral("qmax ≦ qa");
} // namespace message

// Where a calculation reports rejected input: the window gives the system beep and then a modal
// warning box with an OK button, and returns when the user has closed it.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void warn(const QString &text, const QString &title) = 0;
};

struct Message {
    QString text;
    QString title;
    bool operator==(const Message &) const = default;
};

// Keeps the messages in the order they were raised; used by the command-line check and the tests.
class MessageRecorder : public MessageSink
{
public:
    void warn(const QString &text, const QString &title) override { messages.append({text, title}); }
    QList<Message> messages;
};

} // namespace common
