#include "tests/support/pdf_words.h"

#include "tests/support/process_run.h"

#include <QRegularExpression>

namespace test_support {

namespace {

QString unescaped(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

QList<QList<PdfWord>> pdf_words(const QString &pdf)
{
    const ProcessRun run = run_process(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (run.status != 0)
        return {};
    static const QRegularExpression word_pattern(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<QList<PdfWord>> pages;
    for (const QString &page : run.out.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
        QList<PdfWord> words;
        for (const QRegularExpressionMatch &m : word_pattern.globalMatch(page))
            words.append({unescaped(m.captured(5)), m.captured(1).toDouble(), m.captured(2).toDouble(),
                          m.captured(3).toDouble(), m.captured(4).toDouble()});
        pages.append(words);
    }
    return pages;
}

} // namespace test_support
