#include "drawing/picture_fonts.h"

#include "drawing/report_font.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QTextLayout>
#include <QTransform>

namespace drawing::pictures {

namespace {

// The pictures' Japanese lettering is in the report face "ＭＳ ゴシック", whichever face serves it.
QFont make_font(Face face)
{
    QFont font;
    font.setFamilies(face == Face::Gothic ? report_families() : QStringList{QStringLiteral("DejaVu Serif")});
    font.setPixelSize(kReferencePixels);
    font.setItalic(face == Face::SerifItalic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

// The three faces and their metrics, resolved once: a report letters hundreds of runs.
struct FaceData {
    QFont font;
    QFontMetricsF metrics;
    explicit FaceData(Face face) : font(make_font(face)), metrics(font) {}
};

const FaceData &face_data(Face face)
{
    static const FaceData faces[] = {FaceData(Face::Gothic), FaceData(Face::Serif), FaceData(Face::SerifItalic)};
    return faces[static_cast<int>(face)];
}

// A text shaped once at the reference size, with the fallback face for a sign the face lacks
// (≦): its glyphs from the left end of the baseline, its advance and the bounds of its ink.
struct SetText {
    QList<QGlyphRun> runs;
    double advance = 0;
    QRectF ink;
};

const SetText &set_text(const QString &text, Face face)
{
    // The pictures letter the same few hundred texts on every page.
    static QHash<QString, SetText> cache;
    const QString key = QString::number(static_cast<int>(face)) + QLatin1Char('|') + text;
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    SetText set;
    QTextLayout layout(text, face_data(face).font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    set.advance = line.horizontalAdvance();
    set.runs = layout.glyphRuns();
    for (QGlyphRun &run : set.runs) {
        QList<QPointF> positions = run.positions();
        const QList<quint32> glyphs = run.glyphIndexes();
        for (qsizetype i = 0; i < positions.size(); ++i) {
            positions[i].ry() -= line.ascent();  // from the line's top to its baseline
            const QRectF glyph = run.rawFont().boundingRect(glyphs[i]);
            if (!glyph.isEmpty())
                set.ink |= glyph.translated(positions[i]);
        }
        run.setPositions(positions);
    }
    return *cache.insert(key, set);
}

} // namespace

TextMetrics text_metrics(const QString &text, Face face, double size)
{
    const QFontMetricsF &metrics = face_data(face).metrics;
    const double scale = size / kReferencePixels;
    return {set_text(text, face).advance * scale, metrics.ascent() * scale, metrics.descent() * scale};
}

QPainterPath text_path(const QString &text, Face face, double size)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), face_data(face).font, text);
    const double scale = size / kReferencePixels;
    return QTransform::fromScale(scale, scale).map(path);
}

QRectF text_ink(const QString &text, Face face, double size)
{
    const QRectF &ink = set_text(text, face).ink;
    const double scale = size / kReferencePixels;
    return QRectF(ink.topLeft() * scale, ink.size() * scale);
}

void draw_text(QPainter &painter, const QString &text, Face face, QPointF origin, double size)
{
    const SetText &set = set_text(text, face);
    const double scale = size / kReferencePixels;
    painter.save();
    painter.translate(origin);
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    for (const QGlyphRun &run : set.runs)
        painter.drawGlyphRun(QPointF(0, 0), run);
    painter.restore();
}

} // namespace drawing::pictures
