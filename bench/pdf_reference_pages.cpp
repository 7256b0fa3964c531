// The yardstick of scripts/bench-report-pdf.sh: about the least a Qt program does to write the
// same words as a report PDF, in the same faces and sizes at the same places, as an A4 PDF with the
// fonts embedded, without any of the reports' code (no calculation, no layout, no drawing). Every
// PDF the programs write is finished (exact title, /Lang, a bookmark a page), so the yardstick's is
// too, with the programs' own finishing: the comparison is of what the reports add, not of a step
// both must take. Not a test; built only on request.
// Usage: pdf_reference_pages OUT.pdf WORDS.xml, WORDS.xml being what `pdftohtml -xml -zoom 1`
// reads from the report PDF.
#include "printing/pdf_finishing.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QXmlStreamReader>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pdf_reference_pages OUT.pdf WORDS.xml\n");
        return 2;
    }
    QFile words(QString::fromLocal8Bit(argv[2]));
    if (!words.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pdf_reference_pages: cannot read %s\n", argv[2]);
        return 2;
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const double point = writer.resolution() / 72.0;

    // pdftohtml names the faces without their style (IPAGothic, DejaVuSerif) and marks the italic
    // parts of a text with <i>; each part is drawn where the previous one ended.
    QHash<QString, QFont> fonts;
    int pages = 0;
    QXmlStreamReader xml(&words);
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            if (pages++ > 0)
                writer.newPage();
        } else if (xml.name() == QLatin1String("fontspec")) {
            const QString family = attributes.value(QLatin1String("family")).toString();
            QFont font(family == QLatin1String("DejaVuSerif") ? QStringLiteral("DejaVu Serif") : family);
            font.setPointSizeF(attributes.value(QLatin1String("size")).toDouble());
            fonts.insert(attributes.value(QLatin1String("id")).toString(), font);
        } else if (xml.name() == QLatin1String("text")) {
            QFont font = fonts.value(attributes.value(QLatin1String("font")).toString());
            QPointF at(attributes.value(QLatin1String("left")).toDouble() * point,
                       attributes.value(QLatin1String("top")).toDouble() * point);
            at.ry() += QFontMetricsF(font, &writer).ascent();
            int italic = 0;
            while (!xml.atEnd()) {
                const QXmlStreamReader::TokenType token = xml.readNext();
                if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("text"))
                    break;
                if (xml.name() == QLatin1String("i"))
                    italic += token == QXmlStreamReader::StartElement ? 1 : -1;
                if (token == QXmlStreamReader::Characters) {
                    font.setItalic(italic > 0);
                    painter.setFont(font);
                    painter.drawText(at, xml.text().toString());
                    at.rx() += painter.fontMetrics().horizontalAdvance(xml.text().toString());
                }
            }
        }
    }
    if (!painter.end() || pages == 0)
        return 1;
    printing::PdfDescription description;
    description.title = QStringLiteral("報告書");
    for (int page = 0; page < pages; ++page)
        description.bookmarks.append({QString::number(page + 1), page, 0, 0});
    const std::optional<QByteArray> finished = printing::finish_pdf(pdf.data(), description);
    QFile out(QString::fromLocal8Bit(argv[1]));
    return finished && out.open(QIODevice::WriteOnly) && out.write(*finished) == finished->size() ? 0 : 1;
}
