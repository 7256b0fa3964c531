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

QFont text_font(TextFace face, double point_size)
{
    if (face == TextFace::Gothic)
        return report_font(point_size);
    QFont font;
    double size = point_size;
    switch (face) {
    case TextFace::Mincho:
        // Latin and Greek letters and figures from a proportional serif, as Japanese books pair them.
        font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("IPAMincho")});
        break;
    case TextFace::Mono:
        // Set a little smaller, so that its letters stand no taller than the Japanese faces' Latin.
        font.setFamilies({QStringLiteral("DejaVu Sans Mono"), ipa_gothic});
        size = point_size * 0.88;
        break;
    case TextFace::Gothic: break;
    }
    font.setPointSizeF(size);
    return font;
}

QStringList report_families()
{
    install_font_substitutions();
    return {ipa_gothic, ipa_gothic_local, report_face};
}

QFont report_font(double point_size)
{
    QFont font;
    font.setFamilies(report_families());
    font.setPointSizeF(point_size);
    return font;
}

} // namespace drawing
