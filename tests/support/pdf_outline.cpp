#include "tests/support/pdf_outline.h"

#include "tests/support/process_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace test_support {

namespace {

void add_bookmarks(const QJsonArray &items, int level, QList<PdfBookmark> &bookmarks)
{
    for (const QJsonValue &value : items) {
        const QJsonObject item = value.toObject();
        bookmarks.append({item[QStringLiteral("title")].toString(), item[QStringLiteral("destpageposfrom1")].toInt(), level,
                          item[QStringLiteral("open")].toBool()});
        add_bookmarks(item[QStringLiteral("kids")].toArray(), level + 1, bookmarks);
    }
}

// The text entries of a dictionary in qpdf's JSON ("u:" before a text string).
QMap<QString, QString> texts(const QJsonObject &dictionary)
{
    QMap<QString, QString> entries;
    for (auto it = dictionary.begin(); it != dictionary.end(); ++it) {
        const QString value = it.value().toString();
        if (value.startsWith(QStringLiteral("u:")))
            entries.insert(it.key(), value.mid(2));
    }
    return entries;
}

} // namespace

PdfOutline pdf_outline(const QString &pdf)
{
    const ProcessRun run = run_process(QStringLiteral("qpdf"), {QStringLiteral("--json=2"), QStringLiteral("--json-key=outlines"),
                                                                QStringLiteral("--json-key=qpdf"), pdf});
    if (run.status != 0)
        return {};
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    PdfOutline outline;
    add_bookmarks(json[QStringLiteral("outlines")].toArray(), 0, outline.bookmarks);
    const QJsonObject objects = json[QStringLiteral("qpdf")].toArray().at(1).toObject();
    const auto object = [&objects](const QJsonValue &reference) {
        return objects[QStringLiteral("obj:") + reference.toString()].toObject()[QStringLiteral("value")].toObject();
    };
    const QJsonObject trailer = objects[QStringLiteral("trailer")].toObject()[QStringLiteral("value")].toObject();
    outline.information = texts(object(trailer[QStringLiteral("/Info")]));
    outline.catalog = texts(object(trailer[QStringLiteral("/Root")]));
    for (const QJsonValue &value : objects) {
        const QJsonObject dictionary = value.toObject()[QStringLiteral("value")].toObject();
        const QJsonArray rect = dictionary[QStringLiteral("/Rect")].toArray();
        if (dictionary[QStringLiteral("/Subtype")].toString() == QStringLiteral("/Link"))
            outline.links.append(QRectF(QPointF(rect[0].toDouble(), rect[1].toDouble()), QPointF(rect[2].toDouble(), rect[3].toDouble())));
    }
    return outline;
}

} // namespace test_support
