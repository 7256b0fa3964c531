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
    switch (face) {
    case TextFace::Mincho: font.setFamilies({QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho")}); break;
    case TextFace::ProportionalGothic: font.setFamilies({QStringLiteral("IPAPGothic"), ipa_gothic}); break;
    case TextFace::Mono: font.setFamilies({QStringLiteral("DejaVu Sans Mono"), ipa_gothic}); break;
    case TextFace::Gothic: break;
    }
    font.setPointSizeF(point_size);
    return font;
}

QFont report_font(double point_size)
{
    install_font_substitutions();
    QFont font(report_face);
    font.setPointSizeF(point_size);
    return font;
}

} // namespace drawing
