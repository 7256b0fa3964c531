#include "book/set_lines.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace book {

QList<SetLine> set_lines(const StyledText &styled, double point_size, double width)
{
    QList<printing::FaceStretch> faces;
    for (const Stretch &stretch : styled.stretches)
        faces.append({stretch.start, stretch.length, stretch.face});
    QList<SetLine> lines;
    for (const printing::BrokenLine &line : printing::break_lines(styled.text, faces, point_size, width)) {
        SetLine set;
        const int line_end = line.start + line.length;
        for (const Stretch &stretch : styled.stretches) {
            const int start = std::max(stretch.start, line.start);
            const int end = std::min(stretch.start + stretch.length, line_end);
            if (start >= end)
                continue;
            QString piece = styled.text.mid(start, end - start);
            piece.remove(u'\n');
            piece.remove(QChar(word_joiner));
            if (end == line_end) {
                while (piece.endsWith(u' '))
                    piece.chop(1);
            }
            if (piece.isEmpty())
                continue;
            const double x = line.x[start - line.start];
            const double advance = text_width(piece, point_size, stretch.face);
            set.runs.append({piece, stretch.face, x, advance, stretch.anchor});
            set.width = std::max(set.width, x + advance);
        }
        lines.append(set);
    }
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
