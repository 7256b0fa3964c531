#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QString>

class QPainter;

namespace drawing::pictures {

// The faces the pictures are lettered in. Japanese captions and drawing labels use the report's
// Gothic face; formulas use a serif face, italic for the symbols, as formulas are set on paper.
enum class Face { Gothic, Serif, SerifItalic };

// Pixel size the outlines are taken at; paths are scaled down from it, so hinting plays no part.
inline constexpr int kReferencePixels = 1000;

// Metrics of a text in units of its size (size = the em).
struct TextMetrics {
    double advance;  // horizontal advance
    double ascent;   // the face's ascent
    double descent;  // the face's descent
};
TextMetrics text_metrics(const QString &text, Face face, double size);

// The outline of a text with the left end of its baseline at the origin, the em being size: the
// ink of what draw_text letters, for measuring it.
QPainterPath text_path(const QString &text, Face face, double size);

// The bounds of a text's ink, the left end of its baseline at the origin, the em being size.
QRectF text_ink(const QString &text, Face face, double size);

// Letters a text in black with the left end of its baseline at origin, the em being size (in the
// painter's units). It is set as text, so a PDF embeds the face and the words can be searched and
// copied; the glyphs are placed at the reference size and scaled, exactly where text_path has them.
void draw_text(QPainter &painter, const QString &text, Face face, QPointF origin, double size);

} // namespace drawing::pictures
