// The reports as they reach paper: the worked examples written to PDF by `tavrel --pdf` and
// `morvik --pdf`, then read back with the poppler tools. A4 portrait pages in page order, the report
// face embedded, and a sample of literal and field runs of every report at their twip positions
// (+200 twips for the origin) within 1 pt, each field exactly as the sheet holds it.
#include "flume/flume_sheet.h"
#include "flume/full_check.h"
#include "common/messages.h"
#include "flume/page_chain.h"
#include "inputfile/tvl_file.h"
#include "members/member_inputs.h"
#include "rcstress/section_sheet.h"
#include "rcstress/section_stress.h"
#include "tests/support/pdf_outline.h"
#include "tests/support/pdf_words.h"
#include "tests/support/process_run.h"
#include "tests/support/worked_example.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <map>
#include <variant>

namespace {

using FF = flume::Field;
using RF = rcstress::Field;

using test_support::worked_inputs;

// "dry" differs from the worked example only in a depth h small enough for the Case 1 formulas
// without the groundwater term.
const QStringList dry_inputs = test_support::worked_with({{FF::case1_depth, QStringLiteral("0.5")}});
const QStringList morvik_inputs = {"10", "100", "20", "1000000", "20000", "30"};

enum class Doc { Worked, Dry, Morvik, Document };

using Word = test_support::PdfWord;

struct Pdf {
    QString path;
    QList<QList<Word>> pages;
};

// The field texts each flume report is drawn from: the sheet after the whole chain, with the
// report's own page opened.
using FlumeTexts = std::array<std::array<QString, flume::field_count>, flume::page_count>;

FlumeTexts flume_texts(const QStringList &inputs)
{
    flume::FlumeSheet sheet;
    common::MessageRecorder messages;
    flume::run_full_check(sheet, inputs, messages);
    FlumeTexts texts;
    for (flume::Page page : flume::calculation_pages) {
        flume::open_page(sheet, page);
        for (const flume::FieldInfo &field : flume::field_table)
            texts[std::size_t(page)][std::size_t(field.field)] = sheet.text(field.field);
    }
    // The member check follows Case 3.
    texts[std::size_t(flume::Page::MemberCheck)] = texts[std::size_t(flume::Page::Case3)];
    return texts;
}

// One item of a run: a literal or a field of the report's sheet.
using Item = std::variant<QString, FF, RF>;

struct Run {
    const char *name;
    Doc doc;
    int page;      // 1-based page of the document
    int x, y;      // twips, as the report's table gives them
    double points; // font size in force
    QList<Item> before; // the items of the run drawn before the checked one
    Item checked;
};

// A sample of every report: titles, labels, headings, notes, input values, results, companions.
const QList<Run> &runs()
{
    static const QList<Run> table = {
        // 主働土圧
        {"earth pressure: title", Doc::Worked, 1, 4800, 500, 17, {}, QStringLiteral("主働土圧")},
        {"earth pressure: input heading", Doc::Worked, 1, 600, 1000, 15, {}, QStringLiteral("【入力データ】")},
        {"earth pressure: label H", Doc::Worked, 1, 700, 1500, 12, {}, QStringLiteral("壁高")},
        {"earth pressure: H", Doc::Worked, 1, 3300, 1500, 12, {QStringLiteral("Ｈ : ")}, FF::wall_height},
        {"earth pressure: H unit", Doc::Worked, 1, 3300, 1500, 12, {QStringLiteral("Ｈ : "), FF::wall_height, QStringLiteral(" ")}, QStringLiteral("m")},
        {"earth pressure: delta", Doc::Worked, 1, 3300, 3600, 12, {QStringLiteral("δ : ")}, FF::wall_friction_angle},
        {"earth pressure: result heading", Doc::Worked, 1, 600, 6500, 15, {}, QStringLiteral("【計算結果】")},
        {"earth pressure: KA", Doc::Worked, 1, 7300, 7720, 12, {}, FF::ka},
        {"earth pressure: KA caption", Doc::Worked, 1, 7300, 7720, 12, {FF::ka, QStringLiteral(" ")}, QStringLiteral("（主働土圧係数）")},
        {"earth pressure: PA unit", Doc::Worked, 1, 7300, 9180, 12, {FF::pa, QStringLiteral("  ")}, QStringLiteral("KN/m")},
        {"earth pressure: PAV", Doc::Worked, 1, 7300, 10530, 12, {}, FF::pav},
        {"earth pressure: PV", Doc::Worked, 1, 7300, 12030, 12, {}, FF::pv},
        // 浮上りに対する検討 / 基礎地盤支持力の検討
        {"uplift: title", Doc::Worked, 2, 4500, 500, 17, {}, QStringLiteral("浮上りに対する検討")},
        {"uplift: T1", Doc::Worked, 2, 3550, 1500, 12, {QStringLiteral("Ｔ1 : ")}, FF::t1},
        {"uplift: Pv from its slot", Doc::Worked, 2, 3690, 3900, 12, {QStringLiteral("Pv : ")}, FF::carried_1},
        {"uplift: gamma sc", Doc::Worked, 2, 3450, 4500, 12, {QStringLiteral("γsc : ")}, FF::flume_unit_weight},
        {"uplift: note", Doc::Worked, 2, 2300, 5700, 12, {}, QStringLiteral("※")},
        {"uplift: Fs", Doc::Worked, 2, 7300, 6300, 12, {}, FF::uplift_safety_factor},
        {"bearing: title", Doc::Worked, 2, 4500, 7500, 17, {}, QStringLiteral("基礎地盤支持力の検討")},
        {"bearing: H1 label", Doc::Worked, 2, 700, 10000, 12, {}, QStringLiteral("水路低版底面から")},
        {"bearing: H", Doc::Worked, 2, 3670, 9700, 12, {QStringLiteral("Ｈ : ")}, FF::wall_height},
        {"bearing: qa", Doc::Worked, 2, 3690, 12000, 12, {QStringLiteral("qa : ")}, FF::allowable_bearing},
        {"bearing: label above the picture", Doc::Worked, 2, 700, 13500, 12, {}, QStringLiteral("最大地盤支持力")},
        {"bearing: qmax", Doc::Worked, 2, 8015, 14100, 12, {QStringLiteral("= ")}, FF::max_bearing},
        // ケース .１
        {"case 1: page title", Doc::Worked, 3, 600, 90, 17, {QStringLiteral("ケース ")}, QStringLiteral(".１")},
        {"case 1: part a title", Doc::Worked, 3, 2000, 500, 17, {}, QStringLiteral("ａ、側壁外側に生じるせん断力及び曲げモーメント")},
        {"case 1: KA from its slot", Doc::Worked, 3, 4100, 1800, 12, {QStringLiteral("KA : ")}, FF::carried_2},
        {"case 1: q from its slot", Doc::Worked, 3, 4100, 2100, 12, {QStringLiteral("ｑ : ")}, FF::carried_3},
        {"case 1: H'1", Doc::Worked, 3, 3860, 3900, 12, {QStringLiteral("Ｈ'1 : ")}, FF::slab_axis_to_groundwater},
        {"case 1: gamma ws", Doc::Worked, 3, 3860, 4800, 12, {QStringLiteral("γws : ")}, FF::submerged_soil_unit_weight},
        {"case 1: note Sso", Doc::Worked, 3, 1800, 6100, 10, {}, QStringLiteral("※深さｈにおける側壁に作用するせん断力")},
        {"case 1: groundwater Sso", Doc::Worked, 3, 7800, 6500, 12, {QStringLiteral("= ")}, FF::case1_wall_shear},
        {"case 1: groundwater Sso in N", Doc::Worked, 3, 7800, 6500, 12, {QStringLiteral("= "), FF::case1_wall_shear, QStringLiteral(" KN ( ")}, FF::case1_wall_shear_n},
        {"case 1: groundwater Mso", Doc::Worked, 3, 7800, 7500, 12, {QStringLiteral("= ")}, FF::case1_wall_moment},
        {"case 1: groundwater Mso in N cm", Doc::Worked, 3, 7800, 7810, 12, {QStringLiteral("( ")}, FF::case1_wall_moment_ncm},
        {"case 1: dry Sso", Doc::Dry, 3, 6750, 6500, 12, {}, FF::case1_wall_shear},
        {"case 1: dry Mso", Doc::Dry, 3, 6750, 7500, 12, {}, FF::case1_wall_moment},
        {"case 1: dry Mso in N cm", Doc::Dry, 3, 6750, 7500, 12, {FF::case1_wall_moment, QStringLiteral(" KN・m ( ")}, FF::case1_wall_moment_ncm},
        {"case 1: part b gamma sc", Doc::Worked, 3, 3860, 10400, 12, {QStringLiteral("γsc : ")}, FF::carried_5},
        {"case 1: BL", Doc::Worked, 3, 4100, 11300, 12, {QStringLiteral("BL : ")}, FF::wall_spacing},
        {"case 1: note Mto", Doc::Worked, 3, 1800, 14900, 10, {}, QStringLiteral("※距離Ｘにおける曲げモーメント")},
        {"case 1: WR", Doc::Worked, 3, 6700, 13300, 12, {}, FF::slab_reaction},
        {"case 1: Sto", Doc::Worked, 3, 6700, 14300, 12, {}, FF::case1_slab_shear},
        {"case 1: Mto", Doc::Worked, 3, 6700, 15300, 12, {}, FF::case1_slab_moment},
        {"case 1: Mto in N cm", Doc::Dry, 3, 6700, 15300, 12, {FF::case1_slab_moment, QStringLiteral(" KN・m ( ")}, FF::case1_slab_moment_ncm},
        // ケース .２
        {"case 2: page title", Doc::Worked, 4, 600, 90, 17, {QStringLiteral("ケース ")}, QStringLiteral(".２")},
        {"case 2: gamma w from its slot", Doc::Worked, 4, 3700, 1500, 12, {QStringLiteral("γw : ")}, FF::carried_1},
        {"case 2: h'", Doc::Worked, 4, 3700, 1800, 12, {QStringLiteral("ｈ' : ")}, FF::case2_depth},
        {"case 2: Ss1", Doc::Worked, 4, 6600, 4940, 12, {}, FF::case2_wall_shear},
        {"case 2: Ms1 in N cm", Doc::Worked, 4, 6600, 5940, 12, {FF::case2_wall_moment, QStringLiteral(" KN・m ( ")}, FF::case2_wall_moment_ncm},
        {"case 2: part b title", Doc::Worked, 4, 2000, 8500, 17, {}, QStringLiteral("ｂ、底盤内側に作用するせん断力及び曲げモーメント")},
        {"case 2: X from its slot", Doc::Worked, 4, 3700, 9500, 12, {QStringLiteral("Ｘ : ")}, FF::carried_2},
        {"case 2: WR from its slot", Doc::Worked, 4, 3700, 10100, 12, {QStringLiteral("WR : ")}, FF::carried_3},
        {"case 2: St1", Doc::Worked, 4, 6700, 13110, 12, {}, FF::case2_slab_shear},
        {"case 2: Mt1", Doc::Worked, 4, 6700, 14110, 12, {}, FF::case2_slab_moment},
        // ケース .３
        {"case 3: page title", Doc::Worked, 5, 600, 90, 17, {QStringLiteral("ケース ")}, QStringLiteral(".３")},
        {"case 3: KA from its slot", Doc::Worked, 5, 4100, 1500, 12, {QStringLiteral("KA : ")}, FF::carried_1},
        {"case 3: delta' from its slot", Doc::Worked, 5, 3980, 2400, 12, {QStringLiteral("δ' : ")}, FF::carried_4},
        {"case 3: h' from its slot", Doc::Worked, 5, 3980, 2700, 12, {QStringLiteral("ｈ' : ")}, FF::carried_7},
        {"case 3: result heading", Doc::Worked, 5, 600, 4600, 15, {}, QStringLiteral("【計算結果】")},
        {"case 3: Ss1", Doc::Worked, 5, 6700, 5500, 12, {}, FF::case3_wall_shear},
        {"case 3: Ms1", Doc::Worked, 5, 6700, 6500, 12, {}, FF::case3_wall_moment},
        {"case 3: part b title", Doc::Worked, 5, 2000, 8500, 17, {}, QStringLiteral("ｂ、底版内側に作用するせん断力及び曲げモーメント")},
        {"case 3: WR from its slot", Doc::Worked, 5, 4100, 10100, 12, {QStringLiteral("WR : ")}, FF::carried_8},
        {"case 3: BL from its slot", Doc::Worked, 5, 4100, 10400, 12, {QStringLiteral("BL : ")}, FF::carried_5},
        {"case 3: St1 in N", Doc::Worked, 5, 6700, 13125, 12, {FF::case3_slab_shear, QStringLiteral(" KN ( ")}, FF::case3_slab_shear_n},
        {"case 3: Mt1", Doc::Worked, 5, 6700, 14125, 12, {}, FF::case3_slab_moment},
        // 鉄筋コンクリート応力度の検討
        // 部材の応力度照査: the table's first column and last row, 9 pt
        {"member check: title", Doc::Worked, 6, 4400, 500, 17, {}, QStringLiteral("部材の応力度照査")},
        {"member check: sigma ca typed", Doc::Worked, 6, 4300, 2000, 12, {QStringLiteral("σca : ")}, QStringLiteral("600＊")},
        {"member check: table heading", Doc::Worked, 6, 600, 3300, 15, {}, QStringLiteral("【部材の応力度】")},
        {"member check: Case 1 wall M", Doc::Worked, 6, 3060, 4300, 9, {}, FF::case1_wall_moment_ncm},
        {"member check: Case 3 slab S", Doc::Worked, 6, 9710, 4560, 9, {}, FF::case3_slab_shear_n},
        {"member check: Case 1 wall sigma c", Doc::Worked, 6, 3060, 8460, 9, {}, QStringLiteral("122 ≦ 600")},
        {"member check: Case 1 wall judgement", Doc::Worked, 6, 3060, 10280, 9, {}, QStringLiteral("OK")},
        {"member check: typed value note", Doc::Worked, 6, 700, 15580, 10, {}, QStringLiteral("＊：表または形状寸法の値に代えて入力した値")},
        {"rc stress: title", Doc::Morvik, 1, 2500, 500, 17, {}, QStringLiteral("鉄筋コンクリート応力度の検討（Kesmo）")},
        {"rc stress: input heading", Doc::Morvik, 1, 600, 1100, 15, {}, QStringLiteral("【入力データ】")},
        {"rc stress: column head", Doc::Morvik, 1, 8400, 1520, 12, {}, QStringLiteral("備考")},
        {"rc stress: As", Doc::Morvik, 1, 5100, 1820, 12, {}, RF::rebar_area},
        {"rc stress: U second on paper", Doc::Morvik, 1, 5100, 2120, 12, {}, RF::rebar_perimeter},
        {"rc stress: M unit", Doc::Morvik, 1, 6600, 3020, 12, {}, QStringLiteral("N・cm")},
        {"rc stress: S remark", Doc::Morvik, 1, 7400, 3320, 12, {}, QStringLiteral("計算結果より")},
        {"rc stress: P", Doc::Morvik, 1, 5200, 4000, 12, {QStringLiteral("＝   ")}, RF::steel_ratio},
        {"rc stress: k", Doc::Morvik, 1, 5200, 4400, 12, {QStringLiteral("＝   ")}, RF::neutral_axis_ratio},
        {"rc stress: sigma c caption", Doc::Morvik, 1, 1800, 6000, 10, {}, QStringLiteral("鉄筋コンクリート曲げ圧縮応力度（σｃ）")},
        {"rc stress: sigma c", Doc::Morvik, 1, 4100, 6500, 12, {QStringLiteral("＝  ")}, RF::concrete_stress},
        {"rc stress: sigma s", Doc::Morvik, 1, 4100, 8000, 12, {QStringLiteral("＝  ")}, RF::steel_stress},
        {"rc stress: tau", Doc::Morvik, 1, 4100, 9500, 12, {QStringLiteral("＝  ")}, RF::shear_stress},
        {"rc stress: tau o", Doc::Morvik, 1, 4100, 11000, 12, {QStringLiteral("＝  ")}, RF::bond_stress},
        {"rc stress: reference", Doc::Morvik, 1, 4800, 12500, 12, {}, QStringLiteral("－参考－")},
    };
    return table;
}

// Half-width characters advance half an em, all others a whole one.
double ems(const QString &text)
{
    double width = 0;
    for (QChar c : text)
        width += c.unicode() < 0x80 || (c.unicode() >= 0xff61 && c.unicode() <= 0xff9f) ? 0.5 : 1.0;
    return width;
}

double to_points(int twips) { return (twips + 200) / 20.0; }

} // namespace

Q_DECLARE_METATYPE(Doc)

class TestReportPdf : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::map<Doc, Pdf> pdfs_;
    std::map<Doc, test_support::ProcessRun> commands_;
    std::map<Doc, FlumeTexts> flume_texts_;
    std::array<QString, rcstress::field_count> rc_texts_;

    QString text_of(Doc doc, int page, const Item &item) const
    {
        if (const auto *literal = std::get_if<QString>(&item))
            return *literal;
        if (const auto *field = std::get_if<FF>(&item))
            return flume_texts_.at(doc)[std::size_t(page)][std::size_t(*field)];  // page n holds report n
        return rc_texts_[std::size_t(std::get<RF>(item))];
    }

    void write_flume_pdf(Doc doc, const QStringList &inputs, const QString &name,
                         const members::MemberCheckInputs &member_inputs = {})
    {
        const QString tvl = dir_.filePath(name + QStringLiteral(".tvl"));
        QVERIFY(inputfile::write_tvl_file(tvl, inputfile::TvlContents{inputs, member_inputs, {}, {}}));
        const QString pdf = dir_.filePath(name + QStringLiteral(".pdf"));
        commands_[doc] = test_support::run_process(QStringLiteral(TAVREL_PATH), {"--pdf", pdf, tvl});
        pdfs_[doc] = {pdf, test_support::pdf_words(pdf)};
        flume_texts_[doc] = flume_texts(inputs);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // Named with characters whose UTF-16 holds the byte of a carriage return (不 4E0D, 」 300D):
        // the title of a PDF of several reports is the file's name, and must read back exactly.
        // The worked example's members, σca typed over the tables' 800.
        members::MemberCheckInputs typed_members = test_support::worked_members();
        members::type_allowable(typed_members.materials, members::Allowable::Compression, QStringLiteral("600"));
        write_flume_pdf(Doc::Worked, worked_inputs, QStringLiteral("不等沈下「計算」"), typed_members);
        write_flume_pdf(Doc::Dry, dry_inputs, QStringLiteral("dry"));

        // The calculation document of the worked example with its members and 計算書の設定.
        const QString document = dir_.filePath(QStringLiteral("document.pdf"));
        inputfile::TvlContents contents{worked_inputs, test_support::worked_members(), {}, {}};
        contents.document.works_name = QStringLiteral("不等沈下「計算」対策工事");
        contents.document.designer_company = QStringLiteral("△△設計株式会社");
        contents.document.designer_person = QStringLiteral("山田太郎");
        QVERIFY(inputfile::write_tvl_file(dir_.filePath(QStringLiteral("document.tvl")), contents));
        commands_[Doc::Document] = test_support::run_process(QStringLiteral(TAVREL_PATH),
                                                             {"--document", document, dir_.filePath(QStringLiteral("document.tvl"))});
        pdfs_[Doc::Document] = {document, test_support::pdf_words(document)};

        const QString pdf = dir_.filePath(QStringLiteral("section.pdf"));
        commands_[Doc::Morvik] = test_support::run_process(QStringLiteral(MORVIK_PATH), QStringList{"--pdf", pdf} + morvik_inputs);
        pdfs_[Doc::Morvik] = {pdf, test_support::pdf_words(pdf)};
        rcstress::SectionSheet sheet;
        for (int i = 0; i < rcstress::input_count; ++i)
            sheet.set_text(rcstress::field_table[std::size_t(i)].field, morvik_inputs[i]);
        common::MessageRecorder messages;
        rcstress::compute_section_stress(sheet, messages);
        for (const rcstress::FieldInfo &field : rcstress::field_table)
            rc_texts_[std::size_t(field.field)] = sheet.text(field.field);
    }

    void documents_data()
    {
        QTest::addColumn<Doc>("doc");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("bookmarks");  // "title page"
        QTest::addColumn<int>("links");
        QTest::addColumn<int>("most_bytes");
        const QStringList reports = {"主働土圧 1", "浮上り・基礎地盤支持力の検討 2", "ケース . 1 3", "ケース . 2 4", "ケース . 3 5"};
        QTest::newRow("flume, worked example with member data")
            << Doc::Worked << 6 << QStringLiteral("不等沈下「計算」") << reports + QStringList{"部材の応力度照査 6"} << 0 << 96'000;
        QTest::newRow("flume, without groundwater or member data") << Doc::Dry << 5 << QStringLiteral("dry") << reports << 0 << 80'000;
        QTest::newRow("rc stress") << Doc::Morvik << 1 << QStringLiteral("鉄筋コンクリート応力度の検討")
                                   << QStringList{"鉄筋コンクリート応力度の検討 1"} << 0 << 80'000;
        QTest::newRow("calculation document")
            << Doc::Document << 12 << QStringLiteral("不等沈下「計算」対策工事 構造計算書")
            << QStringList{"1　結果一覧 3", "2　設計条件 4", "3　主働土圧 7", "4　浮上り・基礎地盤支持力の検討 8", "5　ケース.1 9",
                           "6　ケース.2 10", "7　ケース.3 11", "8　部材の応力度照査 12"}
            << 8 << 150'000;
    }
    void documents()
    {
        QFETCH(Doc, doc);
        QFETCH(int, pages);
        QFETCH(QString, title);
        QFETCH(QStringList, bookmarks);
        QFETCH(int, links);
        QFETCH(int, most_bytes);
        QCOMPARE(commands_[doc].status, 0);
        const QString path = pdfs_[doc].path;
        QCOMPARE(pdfs_[doc].pages.size(), pages);

        // Title, language and bookmarks as qpdf reads them, and nothing qpdf finds fault with.
        const test_support::PdfOutline outline = test_support::pdf_outline(path);
        QCOMPARE(outline.information.value(QStringLiteral("/Title")), title);
        QCOMPARE(outline.catalog.value(QStringLiteral("/Lang")), QStringLiteral("ja"));
        if (doc == Doc::Document)
            QCOMPARE(outline.information.value(QStringLiteral("/Author")), QStringLiteral("△△設計株式会社　山田太郎"));
        QStringList titles;  // "title page"
        for (const test_support::PdfBookmark &bookmark : outline.bookmarks)
            titles.append(bookmark.title + u' ' + QString::number(bookmark.page));
        QCOMPARE(titles, bookmarks);
        QCOMPARE(outline.links.size(), links);
        // Each link of the contents lies over its line, where a click finds it.
        const QList<Word> &contents = pdfs_[doc].pages.value(1);
        for (const QRectF &link : outline.links)
            QVERIFY(std::any_of(contents.begin(), contents.end(),
                                [&link](const Word &w) { return link.contains((w.x + w.right) / 2, 841.89 - (w.y + w.bottom) / 2); }));
        const test_support::ProcessRun check = test_support::run_process(QStringLiteral("qpdf"), {"--check", path});
        QVERIFY2(check.status == 0 && check.out.contains(QStringLiteral("No syntax or stream encoding errors")),
                 qPrintable(check.out + check.err));

        // Every page A4 portrait.
        const QString info = test_support::run_process(QStringLiteral("pdfinfo"), {"-f", "1", "-l", QString::number(pages), path}).out;
        static const QRegularExpression page_size(QStringLiteral("Page +\\d+ size: +([0-9.]+) x ([0-9.]+) pts \\(A4\\)"));
        int a4_pages = 0;
        for (const QRegularExpressionMatch &m : page_size.globalMatch(info)) {
            QVERIFY(m.captured(1).toDouble() < m.captured(2).toDouble());
            ++a4_pages;
        }
        QCOMPARE(a4_pages, pages);
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\\n").arg(pages))));

        // IPA Gothic and the formulas' serif face with its italics embedded, as subsets: the
        // pictures' lettering is text too, and the pages together stay within their size: five
        // reports within 80 KB, a sixth within 16 KB more.
        const QStringList fonts = test_support::run_process(QStringLiteral("pdffonts"), {path}).out.split(u'\n', Qt::SkipEmptyParts).mid(2);
        QStringList embedded;
        for (const QString &line : fonts) {
            const QStringList columns = line.simplified().split(u' ');
            QVERIFY2(columns.size() >= 8, qPrintable(line));
            QCOMPARE(columns[columns.size() - 5], QStringLiteral("yes"));  // emb
            if (line.contains(QStringLiteral("TrueType")))
                embedded.append(columns[0].mid(columns[0].indexOf(u'+') + 1));
        }
        for (const char *face : {"IPAGothic", "DejaVuSerif", "DejaVuSerif-Italic"})
            QVERIFY2(embedded.contains(QString::fromLatin1(face)), qPrintable(embedded.join(u' ')));
        QVERIFY2(QFileInfo(path).size() <= most_bytes, qPrintable(QString::number(QFileInfo(path).size())));
    }

    void runs_stand_at_their_positions_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < runs().size(); ++i)
            QTest::newRow(runs()[i].name) << i;
    }
    void runs_stand_at_their_positions()
    {
        QFETCH(int, row);
        const Run &run = runs()[row];
        const Pdf &pdf = pdfs_[run.doc];
        QVERIFY(run.page <= pdf.pages.size());
        const QList<Word> &words = pdf.pages[run.page - 1];

        QString before;
        for (const Item &item : run.before)
            before += text_of(run.doc, run.page, item);
        const QStringList expected = text_of(run.doc, run.page, run.checked).split(u' ', Qt::SkipEmptyParts);
        QVERIFY2(!expected.isEmpty(), "the sample must print something");
        const double x = to_points(run.x) + ems(before) * run.points;
        const double y = to_points(run.y);

        // The first word at the run's position, the rest of the text after it on the same line.
        double at = -1;
        for (const Word &word : words)
            if (word.text == expected[0] && qAbs(word.x - x) <= 1 && qAbs(word.y - y) <= 1)
                at = word.x;
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("\"%1\" not at (%2, %3) pt").arg(expected[0]).arg(x).arg(y)));
        for (const QString &token : expected.mid(1)) {
            double next = -1;
            for (const Word &word : words)
                if (word.text == token && qAbs(word.y - y) <= 1 && word.x > at && (next < 0 || word.x < next))
                    next = word.x;
            QVERIFY2(next >= 0, qPrintable(QStringLiteral("\"%1\" does not follow").arg(token)));
            at = next;
        }
    }

    // The pictures' lettering is text in the PDF: what a reader searches for or copies is found
    // inside the picture's box.
    void picture_lettering_is_text_data()
    {
        QTest::addColumn<Doc>("doc");
        QTest::addColumn<int>("page");
        QTest::addColumn<QRect>("box");  // twips, as the report's table places the picture
        QTest::addColumn<QStringList>("letters");
        QTest::newRow("Image1, the cross-section's labels")
            << Doc::Worked << 1 << QRect(5600, 1300, 5100, 3840) << QStringList{"T1", "T2", "T3", "T4", "H", "B"};
        QTest::newRow("Image2, Coulomb's KA")
            << Doc::Worked << 1 << QRect(2200, 7500, 4875, 1125) << QStringList{"KA", "sin", "θ", "φ", "δ", "="};
        QTest::newRow("Image11, Mso with groundwater")
            << Doc::Worked << 3 << QRect(900, 7300, 6855, 675) << QStringList{"Mso", "γt", "cos", "δ′", "γws"};
        QTest::newRow("allowable bond stress, corner headings")
            << Doc::Morvik << 1 << QRect(8300, 10500, 2100, 1200) << QStringList{"鉄筋", "コンクリート", "異形鉄筋"};
    }
    void picture_lettering_is_text()
    {
        QFETCH(Doc, doc);
        QFETCH(int, page);
        QFETCH(QRect, box);
        QFETCH(QStringList, letters);
        QVERIFY(page <= pdfs_[doc].pages.size());
        const QRectF points(to_points(box.left()), to_points(box.top()), box.width() / 20.0, box.height() / 20.0);
        QString inside;
        for (const Word &word : pdfs_[doc].pages[page - 1])
            if (points.contains(word.x, word.y))
                inside += word.text;
        for (const QString &letter : letters)
            QVERIFY2(inside.contains(letter), qPrintable(QStringLiteral("\"%1\" not in \"%2\"").arg(letter, inside)));
    }

    // The Case 1 report prints the formula set the last wall calculation used: with the
    // groundwater term the values follow "= " at x 7800 and the moment in N·cm takes a second line.
    void case1_formula_set_data()
    {
        QTest::addColumn<Doc>("doc");
        QTest::addColumn<bool>("groundwater");
        QTest::newRow("h below the groundwater level") << Doc::Worked << true;
        QTest::newRow("h above it") << Doc::Dry << false;
    }
    void case1_formula_set()
    {
        QFETCH(Doc, doc);
        QFETCH(bool, groundwater);
        const QList<Word> &words = pdfs_[doc].pages.value(2);
        auto word_at = [&](int x_twips, int y_twips) {
            for (const Word &word : words)
                if (qAbs(word.x - to_points(x_twips)) <= 1 && qAbs(word.y - to_points(y_twips)) <= 1)
                    return word.text;
            return QString();
        };
        QCOMPARE(word_at(7800, 6500), groundwater ? QStringLiteral("=") : QString());
        QCOMPARE(word_at(7800, 7500), groundwater ? QStringLiteral("=") : QString());
        QCOMPARE(word_at(7800, 7810), groundwater ? QStringLiteral("(") : QString());
        QCOMPARE(word_at(6750, 6500).isEmpty(), groundwater);
        QCOMPARE(word_at(6750, 7500).isEmpty(), groundwater);
    }
};

QTEST_MAIN(TestReportPdf)
#include "test_report_pdf.moc"
