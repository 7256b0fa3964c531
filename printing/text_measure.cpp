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

QStringList wrap_text(const QString &text, double point_size, int width)
{
    QStringList lines;
    const QFont font = twip_font(point_size);
    for (const QString &paragraph : text.split(u'\n')) {
        if (paragraph.isEmpty())
            continue;
        QTextLayout layout(paragraph, font, &twip_device());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString piece = paragraph.mid(line.textStart(), line.textLength());
            while (piece.endsWith(u' '))
                piece.chop(1);
            lines.append(piece);
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace printing
