#include "common/file_name.h"

namespace common {

namespace {

bool unsafe(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c);
}

bool trimmed_off(QChar c) { return c.isSpace() || c == u'.'; }

} // namespace

QString file_name_for(const QString &title)
{
    QString name;
    for (QChar c : title)
        name += unsafe(c) ? QChar(u'_') : c;
    while (!name.isEmpty() && trimmed_off(name.front()))
        name.remove(0, 1);
    while (!name.isEmpty() && trimmed_off(name.back()))
        name.chop(1);
    while (name.toUtf8().size() > max_file_name_bytes) {
        name.chop(name.back().isLowSurrogate() ? 2 : 1);
        while (!name.isEmpty() && trimmed_off(name.back()))
            name.chop(1);
    }
    return name;
}

} // namespace common
