#include "printing/pictures/picture_fonts.h"

#include "printing/report_font.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QTransform>

namespace printing::pictures {

namespace {

// The pictures' Japanese lettering is in the report face "ＭＳ ゴシック", whichever face serves it.
QString gothic_family()
{
    install_font_substitutions();
    return report_face;
}

QString serif_family()
{
    return QStringLiteral("DejaVu Serif");
}

} // namespace

QFont picture_font(Face face)
{
    QFont font(face == Face::Gothic ? gothic_family() : serif_family());
    font.setPixelSize(kReferencePixels);
    font.setItalic(face == Face::SerifItalic);
    font.setStyleStrategy(QFont::PreferOutline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

TextMetrics text_metrics(const QString &text, Face face, double size)
{
    const QFontMetricsF metrics(picture_font(face));
    const double scale = size / kReferencePixels;
    return {metrics.horizontalAdvance(text) * scale, metrics.ascent() * scale,
            metrics.descent() * scale};
}

QPainterPath text_path(const QString &text, Face face, double size)
{
    // Outlines are cached per face and text at the reference size; a picture letters the same
    // few strings on every paint.
    static QHash<QString, QPainterPath> cache;
    const QString key = QString::number(static_cast<int>(face)) + QLatin1Char('|') + text;
    auto found = cache.constFind(key);
    if (found == cache.constEnd()) {
        QPainterPath path;
        path.addText(QPointF(0, 0), picture_font(face), text);
        found = cache.insert(key, path);
    }
    const double scale = size / kReferencePixels;
    return QTransform::fromScale(scale, scale).map(*found);
}

void draw_text(QPainter &painter, const QString &text, Face face, QPointF origin, double size)
{
    const double scale = size / kReferencePixels;
    painter.save();
    painter.translate(origin);
    painter.scale(scale, scale);
    painter.setFont(picture_font(face));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

} // namespace printing::pictures
