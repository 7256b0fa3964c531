// The reference book as the build writes it (file/Tavrel.pdf), read back with the poppler tools and
// qpdf and tried against the programs: an A4 document titled as the book, a bookmark and a contents
// line for every chapter, and the worked example the book prints — its .tvl lines taken from the
// file chapter and run through `tavrel --check --json`, Case 1's side wall through
// `morvik --check --json` — giving in each chapter the values the book states; every key of that
// JSON described in the command chapter.
#include "tests/support/pdf_outline.h"
#include "tests/support/process_run.h"

#include "inputfile/tvl_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString book = QStringLiteral(REFERENCE_BOOK_PATH);

// The output of a tool that succeeded; empty otherwise.
QString run(const QString &program, const QStringList &arguments)
{
    const test_support::ProcessRun run = test_support::run_process(program, arguments);
    return run.status == 0 ? run.out : QString();
}

QString page_text(int first, int last, bool layout = false)
{
    QStringList arguments{"-f", QString::number(first), "-l", QString::number(last), book, QStringLiteral("-")};
    if (layout)
        arguments.prepend(QStringLiteral("-layout"));
    return run(QStringLiteral("pdftotext"), arguments);
}

QString without_blanks(QString text) { return text.remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}\\x{00a0}]"))); }

// Whether a number stands in the text on its own, not as a part of a longer one.
bool shows_number(const QString &text, const QString &number)
{
    return QRegularExpression(QStringLiteral("(?<![0-9.])") + QRegularExpression::escape(number)
                              + QStringLiteral("(?![0-9])"))
        .match(text)
        .hasMatch();
}

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
        // The sections stand below their chapters, on the chapters' pages or later, folded away.
        int sections = 0;
        const test_support::PdfBookmark *chapter = nullptr;
        for (const test_support::PdfBookmark &bookmark : outline_.bookmarks) {
            if (bookmark.level == 0)
                chapter = &bookmark;
            else
                QVERIFY2(chapter && bookmark.level == 1 && bookmark.page >= chapter->page && !chapter->open,
                         qPrintable(bookmark.title));
            sections += bookmark.level == 1;
        }
        QVERIFY2(sections >= 20, qPrintable(QString::number(sections)));
        // Every contents line at least is a link.
        QVERIFY2(outline_.links.size() >= outline_.bookmarks.size(), qPrintable(QString::number(outline_.links.size())));
        QVERIFY(info_.contains(QStringLiteral("Page size:       595 x 842 pts (A4)")));
        const QString title_page = page_text(1, 1);
        QVERIFY(title_page.contains(QStringLiteral("地震時を考慮しなくてよいQuenfor")));
        QVERIFY(title_page.contains(QStringLiteral("Ver.3.01")));
    }

    void every_chapter_has_a_bookmark_and_a_contents_line_data()
    {
        QTest::addColumn<QString>("title");
        for (const char *title : {"概要", "インストールと起動", "操作の流れ", "画面とメニュー", "断面寸法の設計", "主働土圧",
                                  "浮上りに対する検討", "基礎地盤支持力の検討", "ケース.1", "ケース.2", "ケース.3",
                                  "数値の扱い", "Tavrelファイル (.tvl)", "印刷", "コマンドライン",
                                  "鉄筋コンクリート応力度の検討", "メッセージ一覧", "記号一覧", "索引"})
            QTest::newRow(title) << QString::fromUtf8(title);
    }
    void every_chapter_has_a_bookmark_and_a_contents_line()
    {
        QFETCH(QString, title);
        QString numbered;
        const int page = chapter_page(title, &numbered);
        QVERIFY2(page > 2 && page <= page_count_, "no bookmark leads to the chapter");
        // The chapter's page holds its title: at its top, or below the short end of the chapter before.
        QVERIFY(without_blanks(page_text(page, page, true)).contains(without_blanks(numbered)));
        const QRegularExpression contents_line(QRegularExpression::escape(without_blanks(numbered))
                                               + QStringLiteral("・*") + QString::number(page) + u'\n');
        QString contents;
        for (const QString &line : run(QStringLiteral("pdftotext"), {"-f", "2", "-l", "5", "-layout", book, "-"}).split(u'\n'))
            contents += without_blanks(line) + u'\n';
        QVERIFY2(contents_line.match(contents).hasMatch(), "the contents do not list the chapter with its page");
    }

    // The .tvl lines the file chapter prints, run through `tavrel --check --json`, give the values
    // each chapter states.
    void states_what_tavrel_computes_from_its_own_file_data()
    {
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("主働土圧") << "主働土圧" << QStringList{"ka", "pa", "pav", "pv"};
        QTest::newRow("浮上り") << "浮上りに対する検討" << QStringList{"uplift_safety_factor"};
        QTest::newRow("支持力") << "基礎地盤支持力の検討" << QStringList{"max_bearing"};
        QTest::newRow("ケース.1") << "ケース.1"
                                 << QStringList{"case1_wall_shear", "case1_wall_moment", "slab_reaction",
                                                "case1_slab_shear", "case1_slab_moment", "case1_wall_shear_n",
                                                "case1_wall_moment_ncm"};
        QTest::newRow("ケース.2") << "ケース.2"
                                 << QStringList{"case2_wall_shear", "case2_wall_moment", "case2_slab_shear",
                                                "case2_slab_moment"};
        QTest::newRow("ケース.3") << "ケース.3"
                                 << QStringList{"case3_wall_shear", "case3_wall_moment", "case3_slab_shear",
                                                "case3_slab_moment"};
    }
    void states_what_tavrel_computes_from_its_own_file()
    {
        QFETCH(QString, chapter);
        QFETCH(QStringList, results);
        const QJsonObject check = example_check();
        QVERIFY2(!check.isEmpty(), "the file chapter's lines do not check cleanly");
        const QString text = chapter_text(chapter);
        for (const QString &result : results) {
            const QString value = check.value(QStringLiteral("results")).toObject().value(result).toString();
            QVERIFY2(!value.isEmpty(), qPrintable(result));
            QVERIFY2(shows_number(text, value), qPrintable(result + QStringLiteral(" = ") + value));
        }
    }

    // Morvik's chapter: Case 1's side wall handed over from that check, with the As, U and d the
    // chapter gives, run through `morvik --check --json`.
    void states_what_morvik_computes()
    {
        const QJsonObject check = example_check();
        QVERIFY(!check.isEmpty());
        const QString text = chapter_text(QStringLiteral("鉄筋コンクリート応力度の検討"));
        const auto given = [&text](const char *pattern) {
            return QRegularExpression(QString::fromUtf8(pattern)).match(text).captured(1);
        };
        const QString as = given("As\\s*=\\s*([0-9.]+)\\s*cm²");
        const QString u = given("U\\s*=\\s*([0-9.]+)\\s*cm");
        const QString d = given("≒\\s*([0-9.]+)\\s*cm");
        QVERIFY(!as.isEmpty() && !u.isEmpty() && !d.isEmpty());
        const QJsonObject results = check.value(QStringLiteral("results")).toObject();
        const QString out = run(QStringLiteral(MORVIK_PATH),
                                {"--check", "--json", as, "100", d, results.value("case1_wall_moment_ncm").toString(),
                                 results.value("case1_wall_shear_n").toString(), u});
        const QJsonObject morvik = QJsonDocument::fromJson(out.toUtf8()).object();
        QVERIFY2(!morvik.isEmpty(), qPrintable(out));
        for (const QString &result : morvik.value(QStringLiteral("results")).toObject().keys()) {
            const QString value = morvik.value("results").toObject().value(result).toString().section(u' ', 0, 0);
            QVERIFY2(shows_number(text, value), qPrintable(result + QStringLiteral(" = ") + value));
        }
    }

    // The member check's chapter: each member's stresses and judgement as that check gives them for
    // the member data the file chapter shows.
    void states_the_member_check_of_its_own_file()
    {
        const QJsonArray members = example_check().value(QStringLiteral("members")).toArray();
        QCOMPARE(members.size(), 6);
        const QString text = chapter_text(QStringLiteral("部材の応力度照査"));
        // The materials it names are those of the file chapter's lines, which carry every section.
        const QRegularExpressionMatch named = QRegularExpression(QStringLiteral("σck\\s*(\\S+)、(SD\\d+)\\s*の表の値")).match(text);
        const QJsonObject materials = example_check().value(QStringLiteral("materials")).toObject();
        QCOMPARE(named.captured(1), materials.value(QStringLiteral("concrete_strength")).toString());
        QCOMPARE(named.captured(2), materials.value(QStringLiteral("steel_grade")).toString());
        for (const char *section : {"materials", "members", "document"})
            QVERIFY2(lines_.filter(QStringLiteral("\"section\",\"%1\"").arg(QLatin1String(section))).size() == 1, section);
        for (const QJsonValue &member : members) {
            const QJsonObject m = member.toObject();
            QCOMPARE(m.value(QStringLiteral("judgement")).toString(), QStringLiteral("OK"));
            for (const QString &stress : {QStringLiteral("concrete_stress"), QStringLiteral("steel_stress"),
                                          QStringLiteral("shear_stress"), QStringLiteral("bond_stress")}) {
                const QString value = m.value("results").toObject().value(stress).toString().section(u' ', 0, 0);
                QVERIFY2(!value.isEmpty() && shows_number(text, value), qPrintable(stress + QStringLiteral(" = ") + value));
            }
        }
    }

    // The command chapter describes every key `tavrel --check --json` writes for the example file, in
    // materials and members too, and gives each inputs and results name its symbol; it shows what
    // `tavrel --check` prints for that file, the member check included.
    void describes_every_json_key_data()
    {
        QTest::addColumn<QStringList>("keys");
        const QJsonObject check = example_check();
        const QJsonObject member = check.value(QStringLiteral("members")).toArray().first().toObject();
        QStringList results;
        for (const QString &key : member.value(QStringLiteral("results")).toObject().keys())
            results.append(QStringLiteral("results.") + key);
        QTest::newRow("file") << check.keys();
        QTest::newRow("materials") << check.value(QStringLiteral("materials")).toObject().keys();
        QTest::newRow("members") << member.keys();
        QTest::newRow("members' results") << results;
    }
    void describes_every_json_key()
    {
        QFETCH(QStringList, keys);
        QVERIFY(!keys.isEmpty());
        const QString text = chapter_text(QStringLiteral("コマンドライン"), true);
        for (const QString &key : keys) {
            const QRegularExpression row(QStringLiteral("^ *") + QRegularExpression::escape(key) + QStringLiteral(" +\\S"),
                                         QRegularExpression::MultilineOption);
            QVERIFY2(row.match(text).hasMatch(), qPrintable(key));
        }
    }
    void names_the_symbol_of_every_input_and_result()
    {
        const QJsonObject check = example_check();
        const QString text = chapter_text(QStringLiteral("コマンドライン"), true);
        const QStringList names = check.value(QStringLiteral("inputs")).toObject().keys()
                                  + check.value(QStringLiteral("results")).toObject().keys();
        for (const QString &name : names) {
            const QString symbol = QRegularExpression(QStringLiteral("(?:^| )") + QRegularExpression::escape(name)
                                                      + QStringLiteral(" +(\\S+)"),
                                                      QRegularExpression::MultilineOption)
                                       .match(text)
                                       .captured(1);
            QVERIFY2(!symbol.isEmpty() && !names.contains(symbol), qPrintable(name + u' ' + symbol));
        }
    }
    void shows_the_check_of_its_own_file()
    {
        QVERIFY(!example_check().isEmpty());
        const test_support::ProcessRun checked = test_support::run_process(QStringLiteral(TAVREL_PATH), {"--check", example_path_});
        QCOMPARE(checked.status, 0);
        QStringList lines = checked.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 1 && lines.contains(QStringLiteral("部材の応力度照査")));
        // As laid out: the member lines' columns stand one below the other.
        const QString text = without_blanks(chapter_text(QStringLiteral("コマンドライン"), true));
        for (const QString &line : lines.mid(1))
            QVERIFY2(text.contains(without_blanks(line)), qPrintable(line));
    }

    // Every reason a file message of Tavrel can give stands in the list of reasons (18.1), the part
    // before the name of a kept file at least.
    void lists_every_file_reason_data()
    {
        QTest::addColumn<QString>("reason");
        for (const QString &reason : inputfile::file_message_reasons())
            QTest::newRow(qPrintable(reason)) << reason;
    }
    void lists_every_file_reason()
    {
        QFETCH(QString, reason);
        // In the order the page draws them, so that a reason wrapped in its cell reads on.
        const int first = chapter_page(QStringLiteral("メッセージ一覧"));
        const QString messages = run(QStringLiteral("pdftotext"), {"-raw", "-f", QString::number(first), "-l",
                                                                   QString::number(page_count_), book, "-"});
        const QString reasons = without_blanks(messages.mid(messages.indexOf(QStringLiteral("ファイルのメッセージの理由"))));
        QVERIFY(reasons.size() > 200);
        QVERIFY(reasons.contains(without_blanks(reason.section(QStringLiteral("%1"), 0, 0))));
    }

    // What Japanese typesetting keeps off the start of a line, nowhere at one in the book.
    void starts_no_line_with_a_kept_character_data()
    {
        QTest::addColumn<QString>("line_start");
        QTest::newRow("wave dash") << QStringLiteral("^[～〜]");
        QTest::newRow("long-vowel mark") << QStringLiteral("^ー");
        QTest::newRow("small kana") << QStringLiteral("^[ぁぃぅぇぉっゃゅょァィゥェォッャュョ]");
        QTest::newRow("menu's accelerator") << QStringLiteral("^\\([A-Z]\\)");
    }
    void starts_no_line_with_a_kept_character()
    {
        QFETCH(QString, line_start);
        const QRegularExpression pattern(line_start, QRegularExpression::MultilineOption);
        const QRegularExpressionMatch found = pattern.match(page_text(1, page_count_));
        QVERIFY2(!found.hasMatch(), qPrintable(found.captured(0)));
    }

private:
    int chapter_page(const QString &title, QString *numbered = nullptr) const
    {
        for (const auto &[bookmark, page] : bookmarks_) {
            if (bookmark.section(u'　', 1) == title) {
                if (numbered)
                    *numbered = bookmark;
                return page;
            }
        }
        return 0;
    }

    QString chapter_text(const QString &title, bool layout = false) const
    {
        // To the page before the next chapter's, or to that page when the next begins below the
        // end of this one.
        const int first = chapter_page(title);
        int last = page_count_;
        for (const auto &[bookmark, page] : bookmarks_) {
            if (page > first) {
                const bool at_top = without_blanks(page_text(page, page, true)).left(160).contains(without_blanks(bookmark));
                last = std::min(last, at_top ? page - 1 : page);
            }
        }
        return first > 0 ? page_text(first, last, layout) : QString();
    }

    // `tavrel --check --json` on the seven lines the file chapter prints.
    QJsonObject example_check()
    {
        if (!check_.isEmpty())
            return check_;
        QStringList lines;
        const QRegularExpression tvl_line(QStringLiteral("^(\"[^\"\\n]*\"(?:,\"[^\"\\n]*\")*)$"),
                                          QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch &m : tvl_line.globalMatch(chapter_text(QStringLiteral("Tavrelファイル (.tvl)"))))
            lines.append(m.captured(1));
        // The file's 7 lines, then the extension the chapter shows after them.
        if (lines.size() < 7)
            return {};
        lines_ = lines;
        const QString path = dir_.filePath(QStringLiteral("example.tvl"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("\xEF\xBB\xBF" + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        file.close();
        const test_support::ProcessRun checked = test_support::run_process(QStringLiteral(TAVREL_PATH), {"--check", "--json", path});
        if (checked.status != 0)
            return {};
        check_ = QJsonDocument::fromJson(checked.out.toUtf8()).object();
        example_path_ = path;
        return check_;
    }

    QString info_;
    test_support::PdfOutline outline_;
    int page_count_ = 0;
    QList<std::pair<QString, int>> bookmarks_;
    QJsonObject check_;
    QStringList lines_;
    QTemporaryDir dir_;
    QString example_path_;
};

QTEST_GUILESS_MAIN(TestReferenceBook)
#include "test_reference_book.moc"
