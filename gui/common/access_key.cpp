#include "gui/common/access_key.h"

namespace gui::common {

QString with_access_key(const QString &caption, QChar key)
{
    const qsizetype at = caption.lastIndexOf(key);
    if (at >= 0)
        return caption.left(at) + u'&' + caption.mid(at);
    return caption + QStringLiteral("(&") + key + u')';
}

} // namespace gui::common
