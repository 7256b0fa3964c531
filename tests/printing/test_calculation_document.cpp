// The calculation document as data, drawn on images: its pages in order with 表紙 and 目次
// unnumbered, 目次 naming the pages its chapters start on (未計算 for chapters not reached), the
// reports' steps unchanged, the running head and page number clear of every step of every page
// (with a 60-character works' name), and the cover's texts.
#include "document/document_data.h"
#include "flume/flume_sheet.h"
#include "flume/full_check.h"
#include "common/messages.h"
#include "members/auto_reinforcement.h"
#include "drawing/report_font.h"
#include "printing/calculation_document.h"
#include "printing/document_pages.h"
#include "printing/flume_reports.h"
#include "printing/report_renderer.h"
#include "tests/support/worked_example.h"

#include <QImage>
#include <QRegularExpression>
#include <QPainter>
#include <QTest>
#include <memory>

namespace {

const QString long_works_name = QStringLiteral("令和八年度県営かんがい排水事業○○地区第三工区用水路改修工事（その２）プレキャストＵ型フルーム設置工")
                                    .left(60);

// The symbols of the 25 inputs in the file's order, and inputs of which no two are the same.
const QStringList input_symbols = {"T1", "T2", "T3", "T4", "H", "H1", "B", "θ", "φ", "γ", "i", "q", "δ", "γw", "γsc", "qa",
                                   "h", "H'", "H'1", "γt", "γws", "δ'", "BL", "X", "h'"};
const QStringList distinct_inputs = {"0.1", "0.15", "0.16", "0.11", "1.0", "0.5", "1.05", "90", "30", "18", "0", "10", "20",
                                     "9.8", "24.0", "100", "0.95", "1.15", "0.45", "18.5", "9", "21", "1.3", "0.3", "1.1"};

document::DocumentData entered_data()
{
    document::DocumentData data;
    data.works_name = long_works_name;
    data.structure_name = QStringLiteral("○○幹線用水路");
    data.client = QStringLiteral("○○県○○農林事務所");
    data.designer_company = QStringLiteral("△△設計株式会社");
    data.designer_person = QStringLiteral("技術士　山田太郎");
    data.remark = QStringLiteral("照査は常時のみ");
    return data;
}

struct Built {
    flume::WalkedFlume walked;
    printing::PrintDocument document;
};

// The worked members, or with the bars the search chooses for the worked example.
members::MemberCheckInputs member_inputs(bool designed)
{
    if (!designed)
        return test_support::worked_members();
    const flume::WalkedFlume walked = flume::walk_flume(test_support::worked_inputs);
    return members::with_designs(test_support::worked_members(),
                                 members::design_members(test_support::worked_members(), *walked.sheet));
}

Built build(const QStringList &inputs, const document::DocumentData &data, bool designed = false)
{
    Built built{flume::walk_flume(inputs), {}};
    built.document = printing::calculation_document(built.walked, member_inputs(designed), data, QDate(2026, 12, 8));
    return built;
}

// Every text of a page, in the order drawn.
QStringList texts(const printing::ReportPage &page)
{
    QStringList all;
    for (const printing::ReportStep &step : page.steps) {
        if (const auto *run = std::get_if<printing::TextRunStep>(&step))
            all.append(run->items.join(QString()));
    }
    return all;
}

// The page drawn on A4 at 96 dpi.
QImage rendered(const printing::ReportPage &page)
{
    QImage image(11906 / 15, 16838 / 15, QImage::Format_Grayscale8);
    image.setDotsPerMeterX(qRound(96 / 0.0254));
    image.setDotsPerMeterY(qRound(96 / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        printing::render_report(painter, page);
    }
    return image;
}

// The page's pixels that carry ink, widened by one pixel all round.
QImage ink(const printing::ReportPage &page)
{
    const QImage image = rendered(page);
    QImage widened(image.size(), QImage::Format_Grayscale8);
    widened.fill(255);
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        widened.setPixel(x + dx, y + dy, 0);
    return widened;
}

} // namespace

class TestCalculationDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { drawing::install_font_substitutions(); }

    void contents_name_the_pages_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("contents");  // each chapter: "title page", or "title 未計算 （reason）"
        QTest::newRow("worked example")
            << test_support::worked_inputs
            << QStringList{"結果一覧 1", "設計条件 2", "主働土圧 5", "浮上り・基礎地盤支持力の検討 6", "ケース.1 7", "ケース.2 8",
                           "ケース.3 9", "部材の応力度照査 10"};
        QTest::newRow("stopped after Case 1")
            << test_support::worked_with({{flume::Field::case2_depth, QString()}})
            << QStringList{"結果一覧 1", "設計条件 2", "主働土圧 5", "浮上り・基礎地盤支持力の検討 6", "ケース.1 7",
                           "ケース.2 未計算 （数値が入力されていません。）", "ケース.3 未計算 （前のページが計算できないため）",
                           "部材の応力度照査 8"};
        QTest::newRow("bearing exceeded")
            << test_support::worked_with({{flume::Field::allowable_bearing, QStringLiteral("1")}})
            << QStringList{"結果一覧 1", "設計条件 2", "主働土圧 5", "浮上り・基礎地盤支持力の検討 未計算 （許容値をオーバーしました。）",
                           "ケース.1 未計算 （前のページが計算できないため）", "ケース.2 未計算 （前のページが計算できないため）",
                           "ケース.3 未計算 （前のページが計算できないため）",
                           "部材の応力度照査 未計算 （応力度の求まった部材がないため：未計算）"};
    }
    void contents_name_the_pages()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, contents);
        const Built built = build(inputs, entered_data());
        const QList<printing::ReportPage> &pages = built.document.pages;

        // 目次 lists each chapter with its first page, or 未計算 and the reason under it.
        const QStringList contents_texts = texts(pages[1]);
        QStringList listed;
        for (int i = 0; i < contents.size(); ++i) {
            const qsizetype at = contents_texts.indexOf(contents[i].section(u' ', 0, 0));
            QVERIFY2(at > 0 && at + 2 < contents_texts.size(), qPrintable(contents[i]));
            listed.append(contents[i].section(u' ', 0, 0) + u' ' + contents_texts[at + 2]);
            if (contents_texts.value(at + 3).startsWith(u'（'))
                listed.last() += u' ' + contents_texts[at + 3];
        }
        QCOMPARE(listed, contents);

        // Numbered pages follow 表紙 and 目次, each numbered once, in order; the first page of every
        // chapter listed is the page its bookmark and its link lead to.
        QVERIFY(!texts(pages[0]).join(u' ').contains(QStringLiteral("- ")));
        QVERIFY(!texts(pages[1]).join(u' ').contains(QStringLiteral("- 1 -")));
        for (int i = 2; i < pages.size(); ++i)
            QCOMPARE(texts(pages[i]).constLast(), QStringLiteral("- %1 -").arg(i - 1));
        QStringList bookmarked, linked, reached = contents.filter(QRegularExpression(QStringLiteral(" \\d+$")));
        for (const printing::PdfBookmark &bookmark : built.document.description.bookmarks)
            bookmarked.append(bookmark.title.section(u'　', 1) + u' ' + QString::number(bookmark.page - 1));
        for (int i = 0; i < built.document.description.links.size(); ++i)
            linked.append(reached.value(i).section(u' ', 0, 0) + u' ' + QString::number(built.document.description.links[i].target_page - 1));
        QCOMPARE(bookmarked, reached);
        QCOMPARE(linked, reached);

        // Each report as its print entry prints it, its own steps first and unchanged.
        for (flume::Page page : printing::report_pages()) {
            const int number = contents[int(page) + 1].section(u' ', 1, 1).toInt();
            if (number == 0)
                continue;
            const printing::ReportPage report = printing::flume_report(
                page, page == flume::Page::MemberCheck ? printing::snapshot(*built.walked.sheet, test_support::worked_members())
                                                       : printing::page_snapshot(*built.walked.sheet, page));
            QVERIFY(rendered(printing::ReportPage{pages[number + 1].steps.mid(0, report.steps.size())}) == rendered(report));
        }
    }

    void frame_is_clear_of_every_step_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("designed");
        for (const bool designed : {false, true}) {
            const Built built = build(test_support::worked_inputs, entered_data(), designed);
            for (int i = 2; i < built.document.pages.size(); ++i)
                QTest::addRow(designed ? "page %d, bars designed" : "page %d", i - 1) << i << designed;
        }
    }
    void frame_is_clear_of_every_step()
    {
        QFETCH(int, page);
        QFETCH(bool, designed);
        const Built built = build(test_support::worked_inputs, entered_data(), designed);
        const printing::ReportPage &framed = built.document.pages[page];
        // The frame is what the document added after the page's own steps: from the step that
        // sets the running head's size on, and its first text is the works' name in full, or
        // shortened with "…".
        qsizetype own = framed.steps.size() - 1;
        const auto is_head = [](const printing::ReportStep &step) {
            const auto *run = std::get_if<printing::TextRunStep>(&step);
            const QString text = run ? run->items.join(QString()) : QString();
            return text == long_works_name || (text.endsWith(u'…') && long_works_name.startsWith(text.chopped(1)));
        };
        while (own > 0 && !is_head(framed.steps[own]))
            --own;
        QVERIFY2(own > 0 && std::holds_alternative<printing::FontStep>(framed.steps[own - 1]), "no running head");
        const QStringList frame = texts(printing::ReportPage{framed.steps.mid(own - 1)});
        // A report carries its chapter in the head as 目次 and the bookmarks give it, the
        // document's own pages in their title.
        QString chapter;
        for (const printing::PdfBookmark &bookmark : built.document.description.bookmarks) {
            if (bookmark.page <= page)
                chapter = bookmark.title;
        }
        const QString own_title = texts(printing::ReportPage{framed.steps.mid(0, own - 1)}).value(0);
        QVERIFY2((frame.size() == 3 ? frame[1] : own_title).startsWith(chapter), qPrintable(chapter));
        const QImage page_ink = ink(printing::ReportPage{framed.steps.mid(0, own - 1)});
        const QImage frame_ink = ink(printing::ReportPage{framed.steps.mid(own - 1)});
        for (int y = 0; y < page_ink.height(); ++y)
            for (int x = 0; x < page_ink.width(); ++x)
                QVERIFY2(qGray(page_ink.pixel(x, y)) != 0 || qGray(frame_ink.pixel(x, y)) != 0,
                         qPrintable(QStringLiteral("overlap at (%1, %2) px").arg(x).arg(y)));
        // Within the paper and its margins: the head above the frame, the number below it.
        int top = frame_ink.height(), bottom = 0;
        for (int y = 0; y < frame_ink.height(); ++y)
            for (int x = 0; x < frame_ink.width(); ++x)
                if (qGray(frame_ink.pixel(x, y)) == 0) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        QVERIFY2(top > 0 && top < 400 / 15, qPrintable(QString::number(top)));
        QVERIFY2(bottom > 16000 / 15 && bottom < 16300 / 15, qPrintable(QString::number(bottom)));
    }

    // Bars the search chose are marked under each member of 結果一覧 and in the member page's row
    // 配筋, and both give the lists searched; typed bars are 手入力 and no lists are given.
    void designed_bars_are_marked_with_the_lists_data()
    {
        QTest::addColumn<bool>("designed");
        QTest::newRow("typed") << false;
        QTest::newRow("designed") << true;
    }
    void designed_bars_are_marked_with_the_lists()
    {
        QFETCH(bool, designed);
        const Built built = build(test_support::worked_inputs, entered_data(), designed);
        const QList<printing::ReportPage> &pages = built.document.pages;
        const QString origin = designed ? QStringLiteral("自動配筋") : QStringLiteral("手入力");
        const QString lists = QStringLiteral("※自動配筋：") + members::lists_text(members::DesignLists{});
        QStringList summary;
        for (int i = 2; i < pages.size() && texts(pages[i]).value(0).contains(QStringLiteral("結果一覧")); ++i)
            summary << texts(pages[i]);
        QCOMPARE(summary.count(origin), 6);
        QCOMPARE(summary.count(designed ? QStringLiteral("D10 @300mm") : QStringLiteral("D13 @200mm")), 6);
        QCOMPARE(summary.filter(lists).size(), designed ? 1 : 0);
        const QStringList member_page = texts(pages.constLast());
        QCOMPARE(member_page.value(member_page.indexOf(QStringLiteral("配筋")) + 1), origin);
        QCOMPARE(member_page.count(origin), 6);
        QCOMPARE(member_page.filter(lists).size(), designed ? 1 : 0);
    }

    // 設計条件 prints each of the 25 inputs, all different, after its own symbol.
    void conditions_print_each_input_after_its_symbol()
    {
        const Built built = build(distinct_inputs, {});
        // After the cover, the contents and 結果一覧.
        const QStringList printed = texts(built.document.pages[3]) + texts(built.document.pages[4]);
        for (int i = 0; i < input_symbols.size(); ++i)
            QVERIFY2(printed.value(printed.indexOf(input_symbols[i]) + 1) == distinct_inputs[i], qPrintable(input_symbols[i]));
    }

    void cover_shows_what_the_settings_hold()
    {
        const Built built = build(test_support::worked_inputs, entered_data());
        const QString cover = texts(built.document.pages[0]).join(QString());
        for (const QString &shown : {QStringLiteral("構　造　計　算　書"), QStringLiteral("プレキャストＵ型フルーム"), long_works_name,
                                     QStringLiteral("○○幹線用水路"), QStringLiteral("発 注 者○○県○○農林事務所"),
                                     QStringLiteral("設 計 者△△設計株式会社技術士　山田太郎"), QStringLiteral("作 成 日令和8年12月8日"),
                                     QStringLiteral("照査は常時のみ"), QStringLiteral("Tavrel Ver.3.01")})
            QVERIFY2(cover.contains(shown), qPrintable(shown));
        document::DocumentData dated = entered_data();  // a typed 作成日 stands for the day of printing
        dated.creation_date = QStringLiteral("令和8年11月");
        QVERIFY(texts(printing::document_cover(dated, QDate(2026, 12, 8))).contains(QStringLiteral("令和8年11月")));
        QCOMPARE(built.document.description.title, long_works_name + QStringLiteral(" 構造計算書"));
        QCOMPARE(built.document.description.author, QStringLiteral("△△設計株式会社　技術士　山田太郎"));
        // PDF保存 proposes the title with the characters a file name cannot hold replaced.
        document::DocumentData unsafe;
        unsafe.works_name = QStringLiteral("第1/2工区: 水路");
        QCOMPARE(printing::calculation_document(built.walked, {}, unsafe, QDate(2026, 12, 8)).file_name,
                 QStringLiteral("第1_2工区_ 水路 構造計算書"));
    }
};

QTEST_MAIN(TestCalculationDocument)
#include "test_calculation_document.moc"
