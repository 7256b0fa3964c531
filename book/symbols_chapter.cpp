// 記号一覧: every symbol of Tavrel's pages as the chapters list it, with the chapters that use it,
// and Morvik's.
#include "book/book_chapters.h"

namespace book {

void write_symbols_chapter(BookLayout &book)
{
    book.chapter(QStringLiteral("記号一覧"));
    book.paragraph(QStringLiteral(
        "本書と画面、報告書で使う記号です。単位は本書の表記で、画面と報告書は kN を「KN」と表記しています。"));
    book.heading(QStringLiteral("Tavrel"));
    Table table{{QStringLiteral("記号"), QStringLiteral("内容"), QStringLiteral("単位"), QStringLiteral("使う章")}, {}};
    for (const Quantity &q : all_quantities()) {
        QStringList chapters;
        for (const FlumeChapter &chapter : flume_chapters()) {
            for (const QList<Quantity> *list : {&chapter.inputs, &chapter.results}) {
                for (const Quantity &used : *list) {
                    if (used.symbol == q.symbol && !chapters.contains(chapter.title))
                        chapters.append(chapter.title);
                }
            }
        }
        // The meaning without the note of where a given value comes from.
        const QString meaning = q.note.endsWith(QStringLiteral("から）")) ? q.term : q.meaning();
        table.rows.append({q.symbol, meaning, q.unit, chapters.join(u'、')});
    }
    book.table(table);
    book.heading(QStringLiteral("Morvik"));
    Table morvik{{QStringLiteral("記号"), QStringLiteral("内容"), QStringLiteral("単位")}, {}};
    for (const auto &[symbol, meaning, unit] : morvik_symbols())
        morvik.rows.append({symbol, meaning, unit});
    book.table(morvik);
}

} // namespace book
