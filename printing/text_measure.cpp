#include "printing/text_measure.h"

#include "drawing/report_font.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>
#include <QTextOption>

namespace printing {

namespace {

// A device of 1440 dots per inch, so that a length measured on it is in twips.
const QImage &twip_device()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dots_per_metre = qRound(1440 / 0.0254);
        image.setDotsPerMeterX(dots_per_metre);
        image.setDotsPerMeterY(dots_per_metre);
        return image;
    }();
    return device;
}

QFont twip_font(double point_size, drawing::TextFace face = drawing::TextFace::Gothic)
{
    return QFont(drawing::text_font(face, point_size), &twip_device());
}

} // namespace

double text_width(const QString &text, double point_size, drawing::TextFace face)
{
    return QFontMetricsF(twip_font(point_size, face), &twip_device()).horizontalAdvance(text);
}

double text_height(double point_size, drawing::TextFace face)
{
    const QFontMetricsF metrics(twip_font(point_size, face), &twip_device());
    return metrics.ascent() + metrics.descent();
}

double text_ascent(double point_size, drawing::TextFace face)
{
    return QFontMetricsF(twip_font(point_size, face), &twip_device()).ascent();
}

QList<BrokenLine> break_lines(const QString &text, const QList<FaceStretch> &faces, double point_size, double width)
{
    QList<BrokenLine> lines;
    if (text.isEmpty())
        return lines;
    QString laid = text;
    laid.replace(u'\n', QChar::LineSeparator);
    const drawing::TextFace first = faces.isEmpty() ? drawing::TextFace::Gothic : faces.first().face;
    QTextLayout layout(laid, twip_font(point_size, first), &twip_device());
    QList<QTextLayout::FormatRange> formats;
    for (const FaceStretch &stretch : faces) {
        QTextLayout::FormatRange range;
        range.start = stretch.start;
        range.length = stretch.length;
        range.format.setFont(twip_font(point_size, stretch.face));
        formats.append(range);
    }
    layout.setFormats(formats);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        BrokenLine broken{line.textStart(), line.textLength(), {}};
        for (int at = broken.start; at <= broken.start + broken.length; ++at)
            broken.x.append(line.cursorToX(at));
        lines.append(broken);
    }
    return lines;
}

QStringList wrap_text(const QString &text, double point_size, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        for (const BrokenLine &line : break_lines(paragraph, {}, point_size, width)) {
            QString piece = paragraph.mid(line.start, line.length);
            while (piece.endsWith(u' '))
                piece.chop(1);
            lines.append(piece);
        }
    }
    return lines;
}

} // namespace printing
