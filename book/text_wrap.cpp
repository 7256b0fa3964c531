#include "book/text_wrap.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace book {

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

QFont twip_font(TextFace face, double point_size)
{
    return QFont(drawing::text_font(face, point_size), &twip_device());
}

// Lays a styled text out in lines of the given width on the twip device; calls on_line for each
// line while the layout is alive.
template <typename OnLine>
void lay_out(const StyledText &styled, double point_size, double width, OnLine on_line)
{
    if (styled.text.isEmpty())
        return;
    QString text = styled.text;
    text.replace(u'\n', QChar::LineSeparator);
    const TextFace first = styled.stretches.isEmpty() ? TextFace::Mincho : styled.stretches.first().face;
    QTextLayout layout(text, twip_font(first, point_size), &twip_device());
    QList<QTextLayout::FormatRange> formats;
    for (const Stretch &stretch : styled.stretches) {
        QTextLayout::FormatRange range;
        range.start = stretch.start;
        range.length = stretch.length;
        range.format.setFont(twip_font(stretch.face, point_size));
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
    for (int i = 0; i < layout.lineCount(); ++i)
        on_line(layout, layout.lineAt(i), text);
}

} // namespace

double text_width(const QString &text, double point_size, TextFace face)
{
    return QFontMetricsF(twip_font(face, point_size), &twip_device()).horizontalAdvance(text);
}

double text_ascent(double point_size, TextFace face)
{
    return QFontMetricsF(twip_font(face, point_size), &twip_device()).ascent();
}

QList<SetLine> set_lines(const StyledText &styled, double point_size, double width)
{
    QList<SetLine> lines;
    lay_out(styled, point_size, width, [&](const QTextLayout &, const QTextLine &line, const QString &text) {
        SetLine set;
        const int line_start = line.textStart();
        const int line_end = line_start + line.textLength();
        for (const Stretch &stretch : styled.stretches) {
            const int start = std::max(stretch.start, line_start);
            const int end = std::min(stretch.start + stretch.length, line_end);
            if (start >= end)
                continue;
            QString piece = text.mid(start, end - start);
            piece.remove(QChar::LineSeparator);
            piece.remove(QChar(word_joiner));
            if (end == line_end) {
                while (piece.endsWith(u' '))
                    piece.chop(1);
            }
            if (piece.isEmpty())
                continue;
            const double x = line.cursorToX(start);
            const double advance = text_width(piece, point_size, stretch.face);
            set.runs.append({piece, stretch.face, x, advance, stretch.anchor});
            set.width = std::max(set.width, x + advance);
        }
        lines.append(set);
    });
    return lines;
}

double natural_width(const StyledText &styled, double point_size)
{
    double widest = 0;
    for (const SetLine &line : set_lines(styled, point_size, 1e7))
        widest = std::max(widest, line.width);
    return widest;
}

double least_width(const StyledText &styled, double point_size)
{
    // The pieces between break opportunities, each measured in the face it starts in.
    const auto face_at = [&styled](qsizetype at) {
        for (const Stretch &stretch : styled.stretches) {
            if (at >= stretch.start && at < stretch.start + stretch.length)
                return stretch.face;
        }
        return TextFace::Mincho;
    };
    double widest = 0;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, styled.text);
    qsizetype previous = 0;
    for (qsizetype at = breaks.toNextBoundary(); at >= 0; at = breaks.toNextBoundary()) {
        const QString piece = styled.text.mid(previous, at - previous).trimmed().remove(QChar(word_joiner));
        widest = std::max(widest, text_width(piece, point_size, face_at(previous)));
        previous = at;
    }
    const double four_characters = 4 * text_width(QStringLiteral("あ"), point_size, TextFace::Mincho);
    return std::max(widest, std::min(four_characters, natural_width(styled, point_size)));
}

} // namespace book
