#include "drawing/report_font.h"

#include <QStringList>

namespace drawing {

namespace {
const QString ipa_gothic = QStringLiteral("IPAGothic");
const QString ipa_gothic_local = QStringLiteral("IPAゴシック");
} // namespace

void install_font_substitutions()
{
    const QStringList faces{ipa_gothic, ipa_gothic_local};
    for (const QString &family : {report_face, QStringLiteral("MS Gothic")}) {
        if (QFont::substitutes(family) != faces) {
            QFont::removeSubstitutions(family);
            QFont::insertSubstitutions(family, faces);
        }
    }
}

QFont report_font(double point_size)
{
    install_font_substitutions();
    QFont font(report_face);
    font.setPointSizeF(point_size);
    return font;
}

} // namespace drawing
