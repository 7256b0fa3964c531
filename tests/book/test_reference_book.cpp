// The reference book as the build writes it (file/Tavrel.pdf), read back with the poppler tools and
// qpdf: an A4 document titled as the book, a bookmark and a contents line for every chapter, and in
// each chapter's own pages the worked example as the calculations compute it and the messages its
// inputs lead to.
#include "tests/support/pdf_outline.h"
#include "tests/support/process_run.h"

#include <QRegularExpression>
#include <QTest>


namespace {

const QString book = QStringLiteral(REFERENCE_BOOK_PATH);

// The output of a tool that succeeded; empty otherwise.
QString run(const QString &program, const QStringList &arguments)
{
    const test_support::ProcessRun run = test_support::run_process(program, arguments);
    return run.status == 0 ? run.out : QString();
}

QString page_text(int first, int last)
{
    return run(QStringLiteral("pdftotext"),
               {"-f", QString::number(first), "-l", QString::number(last), book, QStringLiteral("-")});
}

QString without_blanks(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

} // namespace

class TestReferenceBook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString info = run(QStringLiteral("pdfinfo"), {book});
        QVERIFY2(!info.isEmpty(), "pdfinfo cannot read the book");
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages: +(\\d+)")).match(info);
        QVERIFY(pages.hasMatch());
        page_count_ = pages.captured(1).toInt();
        info_ = info;
        // The chapters' bookmarks, in order, with the page each leads to.
        outline_ = test_support::pdf_outline(book);
        for (const test_support::PdfBookmark &bookmark : outline_.bookmarks) {
            if (bookmark.level == 0)
                bookmarks_.append({bookmark.title, bookmark.page});
        }
    }

    void is_an_a4_document_titled_as_the_book()
    {
        QVERIFY(info_.contains(QStringLiteral("Title:           参考図書「Tavrel」")));
        QCOMPARE(outline_.information.value(QStringLiteral("/Title")), QStringLiteral("参考図書「Tavrel」"));
        QCOMPARE(outline_.catalog.value(QStringLiteral("/Lang")), QStringLiteral("ja"));
        // The sections stand below their chapters, on the chapters' pages or later.
        int sections = 0, chapter_page = 0;
        for (const test_support::PdfBookmark &bookmark : outline_.bookmarks) {
            if (bookmark.level == 0)
                chapter_page = bookmark.page;
            else
                QVERIFY2(bookmark.level == 1 && bookmark.page >= chapter_page, qPrintable(bookmark.title));
            sections += bookmark.level == 1;
        }
        QVERIFY2(sections >= 20, qPrintable(QString::number(sections)));
        QVERIFY(info_.contains(QStringLiteral("Page size:       595 x 842 pts (A4)")));
        QVERIFY2(page_count_ >= 20, qPrintable(QString::number(page_count_)));
        const QString title_page = page_text(1, 1);
        QVERIFY(title_page.contains(QStringLiteral("地震時を考慮しなくてよいQuenfor")));
        QVERIFY(title_page.contains(QStringLiteral("Ver.3.01")));
    }

    void every_chapter_has_a_bookmark_and_a_contents_line_data()
    {
        QTest::addColumn<QString>("title");
        for (const char *title : {"概要", "断面寸法の設計", "主働土圧", "浮上りに対する検討", "基礎地盤支持力の検討",
                                  "ケース.1", "ケース.2", "ケース.3", "数値の扱い", "メッセージ一覧",
                                  "Tavrelファイル (.tvl)", "印刷", "鉄筋コンクリート応力度の検討"})
            QTest::newRow(title) << QString::fromUtf8(title);
    }
    void every_chapter_has_a_bookmark_and_a_contents_line()
    {
        QFETCH(QString, title);
        const int page = chapter_page(title);
        QVERIFY2(page > 2 && page <= page_count_, "no bookmark leads to the chapter");
        // The chapter's page starts with the running head and then the chapter's title.
        const QStringList lines = page_text(page, page).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.mid(0, 4).contains(title));
        const QRegularExpression contents_line(QStringLiteral("^") + QRegularExpression::escape(title)
                                               + QStringLiteral("[・\\s]*") + QString::number(page) + u'$',
                                               QRegularExpression::MultilineOption);
        QVERIFY2(contents_line.match(run(QStringLiteral("pdftotext"), {"-f", "2", "-l", "2", "-layout", book, "-"})
                                         .replace(QRegularExpression(QStringLiteral("^ +"), QRegularExpression::MultilineOption), QString()))
                     .hasMatch(),
                 "the contents page does not list the chapter with its page");
    }

    void chapter_shows_what_the_program_computes_data()
    {
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<QString>("shown");
        const struct {
            const char *chapter;
            QList<const char *> shown;
        } rows[] = {
            {"主働土圧", {"0.30", "16.80", "5.746", "数値が入力されていません。", "数値が正しくありません。"}},
            {"浮上りに対する検討", {"2.03", "H1=Oの時、計算する必要はありません。"}},
            {"基礎地盤支持力の検討", {"19.0", "許容値をオーバーしました。"}},
            {"ケース.1", {"5.801", "2.307", "8.385", "2.935", "1.049", "5801", "230700"}},
            {"ケース.2", {"5.929", "2.174", "2.935", "3.432"}},
            {"ケース.3", {"2.859", "1.048", "2.306", "メッセージなしで St1・Mt1 が空欄"}},
            {"数値の扱い", {"1200", "12.5", "2.35"}},
            {"Tavrelファイル (.tvl)", {"\"0.1\",\"0.15\",\"0.15\",\"0.1\",\"1.0\",\"0.5\",\"1.0\""}},
            {"鉄筋コンクリート応力度の検討", {"0.0050", "0.319", "0.894", "175", "5593", "11.19", "37.29"}},
        };
        for (const auto &row : rows) {
            for (const char *shown : row.shown)
                QTest::addRow("%s: %s", row.chapter, shown) << QString::fromUtf8(row.chapter) << QString::fromUtf8(shown);
        }
    }
    void chapter_shows_what_the_program_computes()
    {
        QFETCH(QString, chapter);
        QFETCH(QString, shown);
        const int first = chapter_page(chapter);
        QVERIFY(first > 0);
        int last = page_count_;
        for (const auto &[title, page] : bookmarks_) {
            if (page > first)
                last = std::min(last, page - 1);
        }
        const QString text = page_text(first, last);
        if (shown.contains(QRegularExpression(QStringLiteral("[^\\x{20}-\\x{7e}]")))) {
            // Japanese text may be wrapped anywhere.
            QVERIFY(without_blanks(text).contains(without_blanks(shown)));
        } else {
            // A number stands on its own, not as a part of a longer one.
            const QRegularExpression number(QStringLiteral("(?<![0-9.])") + QRegularExpression::escape(shown)
                                            + QStringLiteral("(?![0-9])"));
            QVERIFY(number.match(text).hasMatch());
        }
    }

private:
    int chapter_page(const QString &title) const
    {
        for (const auto &[bookmark, page] : bookmarks_) {
            if (bookmark == title)
                return page;
        }
        return 0;
    }

    QString info_;
    test_support::PdfOutline outline_;
    int page_count_ = 0;
    QList<std::pair<QString, int>> bookmarks_;
};

QTEST_GUILESS_MAIN(TestReferenceBook)
#include "test_reference_book.moc"
