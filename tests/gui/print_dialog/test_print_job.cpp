// Prints every report through the print dialog to a real CUPS queue (cups-pdf, set up by
// scripts/setup-test-printer.sh) and reads back the PDF the queue produced.
#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "gui/print_dialog/print_dialog.h"
#include "printing/flume_reports.h"
#include "printing/rc_stress_report.h"
#include "rcstress/field_captions.h"
#include "rcstress/section_sheet.h"
#include "gui/morvik/section_window.h"
#include "gui/tavrel/document_settings.h"
#include "gui/tavrel/flume_window.h"
#include "members/member_sheet.h"
#include "common/messages.h"
#include "flume/full_check.h"
#include "flume/sheet_inputs.h"
#include "printing/calculation_document.h"
#include "printing/pdf_output.h"
#include "tests/support/worked_example.h"
#include "tests/support/box_answer.h"
#include "tests/support/pdf_words.h"
#include "tests/support/process_run.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QListView>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>
#include <QtTest>

using flume::Field;
using RcField = rcstress::Field;

namespace {

const QString first_queue = QStringLiteral("tavrel-pdf-1");
const QString second_queue = QStringLiteral("tavrel-pdf-2");

QString output_folder(const QString &queue)
{
    return QStringLiteral("/var/spool/tavrel-test-printers/") + queue;
}

// The standard output of a tool that succeeded; empty otherwise.
QString run(const QString &program, const QStringList &arguments)
{
    const test_support::ProcessRun run = test_support::run_process(program, arguments);
    return run.status == 0 ? run.out : QString();
}

QSet<QString> pdfs_in(const QString &queue)
{
    const QStringList names = QDir(output_folder(queue)).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

bool queue_has_jobs(const QString &queue)
{
    return !run(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue}).trimmed().isEmpty();
}

bool complete_pdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(qMax<qint64>(0, file.size() - 64));
    return file.readAll().contains("%%EOF");
}

// The PDFs the queue wrote since `before`, once the queue has no job left and every new file is
// whole; empty when nothing came within a minute.
QStringList wait_for_printed(const QString &queue, const QSet<QString> &before)
{
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QStringList fresh;
        bool whole = true;
        for (const QString &name : pdfs_in(queue)) {
            if (before.contains(name))
                continue;
            const QString path = output_folder(queue) + QLatin1Char('/') + name;
            fresh.append(path);
            whole = whole && complete_pdf(path);
        }
        if (!fresh.isEmpty() && whole && !queue_has_jobs(queue))
            return fresh;
        QTest::qWait(100);
    }
    return {};
}

// A word expected on the page: its text and where the run that starts with it was placed, in twips
// from the printable area's origin. x < 0: somewhere on that run's line, right of its start.
struct Sample {
    QString text;
    int x, y;
};

// The top-left corner of the printer's printable area on A4 portrait, in points.
QPointF printable_origin(const QString &queue)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    const QMarginsF least = printer.pageLayout().minimumMargins();
    const double to_points = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, least,
                                         printer.pageLayout().units()).fullRectPoints().width()
                             / printer.pageLayout().fullRect().width();
    return QPointF(least.left() * to_points, least.top() * to_points);
}

// Picks the queue in the dialog's printer box as a user would: opens the list and clicks the entry.
void choose_in_box(QComboBox *box, const QString &queue)
{
    const int index = box->findText(queue, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(queue));
    box->showPopup();
    auto *list = box->view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex entry = box->model()->index(index, 0);
    list->scrollTo(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(box->currentText(), queue);
}

QPushButton *visible_print_button(QWidget *dialog)
{
    for (auto *button : dialog->findChildren<QPushButton *>(QRegularExpression(QStringLiteral("^(Command[1-58]|document_print)$")))) {
        if (button->isVisible())
            return button;
    }
    return nullptr;
}

// Presses the button and answers the message box it brings up; the box's text, empty when none came.
QString press_and_answer(QPushButton *button, QMessageBox::Icon *icon = nullptr)
{
    test_support::BoxAnswer answer;
    QTest::mouseClick(button, Qt::LeftButton);
    if (icon)
        *icon = answer.icon;
    return answer.text;
}

// A4 portrait pages, their text in IPA Gothic embedded in the file.
void check_paper_and_font(const QString &pdf, int pages = 1)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral(R"re(Pages:\s+%1\n)re").arg(pages))), qPrintable(info));
    const auto paper = QRegularExpression(QStringLiteral(R"re(Page size:\s+([\d.]+) x ([\d.]+) pts)re")).match(info);
    QVERIFY2(paper.hasMatch(), qPrintable(info));
    QVERIFY2(qAbs(paper.captured(1).toDouble() - 595.28) < 1 && qAbs(paper.captured(2).toDouble() - 841.89) < 1,
             qPrintable(info));  // A4 portrait

    const QString fonts = run(QStringLiteral("pdffonts"), {pdf});
    static const QRegularExpression embedded_ipa(QStringLiteral(R"re(IPAGothic\S*\s.*\syes\s+yes\s)re"));
    QVERIFY2(fonts.contains(embedded_ipa), qPrintable(fonts));
}

using MakeDialog = std::function<print_dialog::PrintDialog *(QWidget *owner)>;

} // namespace

Q_DECLARE_METATYPE(MakeDialog)
Q_DECLARE_METATYPE(QList<Sample>)
Q_DECLARE_METATYPE(Sample)
Q_DECLARE_METATYPE(flume::Field)

class TestPrintJob : public QObject
{
    Q_OBJECT

    flume::FlumeSheet flume_sheet_;
    rcstress::SectionSheet section_sheet_;

    // Fields as a user leaves them: typed inputs (one not a number, one with trailing zeros) and
    // results as their calculations write them.
    void fill_sheets()
    {
        const QList<std::pair<Field, QString>> flume_texts = {
            {Field::t1, "0.080"}, {Field::t2, "0.100"}, {Field::wall_height, "3.000"},
            {Field::inner_width, "1.2"}, {Field::wall_inclination, "90"}, {Field::repose_angle, "abc"},
            {Field::ka, "0.297"}, {Field::pv, "12.34"}, {Field::uplift_safety_factor, "1.567"},
            {Field::max_bearing, "45.60"}, {Field::slab_reaction, "22.47"}, {Field::case2_wall_shear, "4.41"},
            {Field::case2_wall_shear_n, "4410"}, {Field::case3_wall_shear, "-1.08"},
        };
        for (const auto &[field, text] : flume_texts)
            flume_sheet_.set_text(field, text);
        const QList<std::pair<RcField, QString>> section_texts = {
            {RcField::rebar_area, "6.34"}, {RcField::effective_depth, "20.0"},
            {RcField::concrete_stress, "512.3 （N/c㎡） "},
        };
        for (const auto &[field, text] : section_texts)
            section_sheet_.set_text(field, text);
    }

    // Opens the dialog, chooses the queue, presses 印刷 and returns the one PDF the queue wrote.
    QString print_through_dialog(const MakeDialog &make_dialog, const QString &queue)
    {
        QWidget owner;
        owner.show();
        QPointer<print_dialog::PrintDialog> dialog = make_dialog(&owner);
        if (!dialog)
            return {};
        auto *box = dialog->findChild<QComboBox *>(QStringLiteral("Combo1"));
        choose_in_box(box, queue);
        const QSet<QString> before_first = pdfs_in(first_queue), before_second = pdfs_in(second_queue);
        QPushButton *print = visible_print_button(dialog);
        if (!print)
            return {};
        QTest::mouseClick(print, Qt::LeftButton);
        // A printed report closes the dialog and gives the owner its input back.
        if (!QTest::qWaitFor([&] { return dialog.isNull(); }))
            return {};
        if (!owner.isEnabled())
            return {};
        const QStringList printed = wait_for_printed(queue, queue == first_queue ? before_first : before_second);
        // Exactly one job, and none on the other queue.
        const QString other = queue == first_queue ? second_queue : first_queue;
        if (printed.size() != 1 || pdfs_in(other) != (queue == first_queue ? before_second : before_first))
            return {};
        return printed.constFirst();
    }

private slots:
    void initTestCase()
    {
        for (const QString &queue : {first_queue, second_queue}) {
            QVERIFY2(QDir(output_folder(queue)).exists() && QPrinterInfo::printerInfo(queue).printerName() == queue,
                     "the test printers are missing: run scripts/setup-test-printer.sh as root");
        }
        fill_sheets();
    }

    void prints_each_report_data()
    {
        QTest::addColumn<MakeDialog>("make_dialog");
        QTest::addColumn<QList<Sample>>("samples");

        auto flume_dialog = [this](int button, flume::Page page) -> MakeDialog {
            return [this, button, page](QWidget *owner) {
                return print_dialog::open_print_dialog(owner, button, flume::report_title(page), [this, page] {
                    return printing::flume_report(page, printing::snapshot(flume_sheet_));
                });
            };
        };
        QTest::newRow("主働土圧") << flume_dialog(1, flume::Page::EarthPressure)
                              << QList<Sample>{{"主働土圧", 4800, 500}, {"【入力データ】", 600, 1000},
                                               {"Ｈ", 3300, 1500}, {"3.000", -1, 1500},
                                               {"abc", -1, 2400}, {"0.297", 7300, 7720},
                                               {"12.34", 7300, 12030}};
        QTest::newRow("浮上り・基礎地盤支持力の検討")
            << flume_dialog(2, flume::Page::UpliftBearing)
            << QList<Sample>{{"浮上りに対する検討", 4500, 500}, {"安全率", 1900, 6300},
                             {"1.567", 7300, 6300}, {"0.080", -1, 1500}, {"基礎地盤支持力の検討", 4500, 7500},
                             {"45.60", -1, 14100}};
        QTest::newRow("ケース . 1") << flume_dialog(3, flume::Page::Case1)
                                 << QList<Sample>{{"【入力データ】", 600, 1000}, {"22.47", 6700, 13300},
                                                  {"0.100", -1, 9800}};
        QTest::newRow("ケース . 2") << flume_dialog(4, flume::Page::Case2)
                                 << QList<Sample>{{"【計算結果】", 600, 4000}, {"4.41", 6600, 4940},
                                                  {"4410", -1, 4940}};
        QTest::newRow("ケース . 3") << flume_dialog(5, flume::Page::Case3)
                                 << QList<Sample>{{"【計算結果】", 600, 4600}, {"-1.08", 6700, 5500}};
        QTest::newRow("部材の応力度照査") << flume_dialog(6, flume::Page::MemberCheck)
                                   << QList<Sample>{{"部材の応力度照査", 4400, 500}, {"【使用材料】", 600, 1000},
                                                    {"800", -1, 2000}, {"【部材の応力度】", 600, 3300}};
        QTest::newRow("鉄筋コンクリート応力度の検討")
            << MakeDialog([this](QWidget *owner) {
                   return print_dialog::open_rc_stress_print_dialog(owner, rcstress::report_title, [this] {
                       return printing::rc_stress_report(printing::snapshot(section_sheet_));
                   });
               })
            << QList<Sample>{{"【入力データ】", 600, 1100}, {"6.34", 5100, 1820}, {"20.0", 5100, 2720},
                             {"【計算結果】", 600, 5500}, {"512.3", -1, 6500}, {"（N/c㎡）", -1, 6500}};
    }

    void prints_each_report()
    {
        QFETCH(MakeDialog, make_dialog);
        QFETCH(QList<Sample>, samples);

        const QString pdf = print_through_dialog(make_dialog, first_queue);
        QVERIFY2(!pdf.isEmpty(), "the queue produced no single PDF for the job");

        check_paper_and_font(pdf);
        if (QTest::currentTestFailed())
            return;

        const QPointF origin = printable_origin(first_queue);
        const QList<test_support::PdfWord> words = test_support::pdf_words(pdf).value(0);
        for (const Sample &sample : samples) {
            const double x = origin.x() + sample.x / 20.0, y = origin.y() + sample.y / 20.0;
            const auto found = std::find_if(words.begin(), words.end(), [&](const test_support::PdfWord &w) {
                return w.text == sample.text && qAbs(w.y - y) <= 1.0 && (sample.x < 0 || qAbs(w.x - x) <= 1.0);
            });
            QVERIFY2(found != words.end(),
                     qPrintable(QStringLiteral("\"%1\" not at (%2, %3) pt").arg(sample.text).arg(x).arg(y)));
        }
    }

    void the_chosen_printer_receives_the_job()
    {
        const MakeDialog earth_pressure = [this](QWidget *owner) {
            return print_dialog::open_print_dialog(owner, 1, QStringLiteral("報告書"), [this] {
                return printing::earth_pressure_report(printing::snapshot(flume_sheet_));
            });
        };
        const QString pdf = print_through_dialog(earth_pressure, second_queue);
        QVERIFY2(!pdf.isEmpty(), "the second queue produced no single PDF for the job");
        // That printer's own defaults are Letter landscape.
        check_paper_and_font(pdf);
        const QList<test_support::PdfWord> words = test_support::pdf_words(pdf).value(0);
        const QPointF title = printable_origin(second_queue) + QPointF(4800 / 20.0, 500 / 20.0);
        QVERIFY(std::any_of(words.begin(), words.end(), [&](const test_support::PdfWord &w) {
            return w.text == QStringLiteral("主働土圧") && qAbs(w.x - title.x()) <= 1 && qAbs(w.y - title.y()) <= 1;
        }));
    }

    // From Tavrel's flume window: each entry of プリント(&P) opens Form5 with its own print button over
    // the window that owns it, and 印刷 prints that page's report with the value its last result shows.
    void tavrel_prints_from_its_print_menu_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<flume::Field>("last_result");
        QTest::addColumn<QString>("print_button");
        QTest::addColumn<Sample>("sample");
        QTest::newRow("主働土圧") << "MNUP_1" << Field::pv << "Command1" << Sample{"10.51", 7300, 12030};
        QTest::newRow("浮上り・基礎地盤支持力の検討")
            << "mnup_2" << Field::max_bearing << "Command2" << Sample{"10.52", -1, 14100};
        QTest::newRow("ケース . 1") << "mnup_3" << Field::case1_slab_moment << "Command3" << Sample{"10.53", 6700, 15300};
        QTest::newRow("ケース . 2") << "mnup_4" << Field::case2_slab_moment << "Command4" << Sample{"10.54", 6700, 14110};
        QTest::newRow("ケース . 3") << "mnup_5" << Field::case3_slab_moment << "Command5" << Sample{"10.55", 6700, 14125};
    }

    void tavrel_prints_from_its_print_menu()
    {
        QFETCH(QString, entry);
        QFETCH(flume::Field, last_result);
        QFETCH(QString, print_button);
        QFETCH(Sample, sample);

        tavrel::FlumeWindow window;
        window.show();
        window.sheet().show_result(last_result, sample.text);
        auto *print_entry = window.findChild<QAction *>(entry);
        QVERIFY(print_entry && print_entry->isEnabled());
        print_entry->trigger();

        QPointer<QWidget> dialog;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QStringLiteral("Form5") && top->isVisible())
                dialog = top;
        }
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), &window);
        QCOMPARE(visible_print_button(dialog)->objectName(), print_button);
        choose_in_box(dialog->findChild<QComboBox *>(QStringLiteral("Combo1")), first_queue);
        const QSet<QString> before = pdfs_in(first_queue);
        QTest::mouseClick(visible_print_button(dialog), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());

        const QStringList printed = wait_for_printed(first_queue, before);
        QCOMPARE(printed.size(), 1);
        check_paper_and_font(printed.constFirst());
        const QPointF at = printable_origin(first_queue) + QPointF(sample.x / 20.0, sample.y / 20.0);
        const QList<test_support::PdfWord> words = test_support::pdf_words(printed.constFirst()).value(0);
        QVERIFY2(std::any_of(words.begin(), words.end(), [&](const test_support::PdfWord &w) {
                     return w.text == sample.text && qAbs(w.y - at.y()) <= 1 && (sample.x < 0 || qAbs(w.x - at.x()) <= 1);
                 }),
                 qPrintable(sample.text));
    }

    // From Tavrel's flume window: 構造計算書(&D) prints the whole document, the member check last, as
    // one job, the same pages as its PDF.
    void tavrel_prints_the_document_from_its_print_menu()
    {
        tavrel::FlumeWindow window;
        window.show();
        common::MessageRecorder messages;
        flume::run_full_check(window.sheet(), test_support::worked_inputs, messages);
        window.member_sheet().set_inputs(test_support::worked_members());
        window.findChild<QAction *>(QStringLiteral("mnudocset"))->trigger();
        auto *settings = window.findChild<tavrel::DocumentSettings *>();
        settings->findChild<QLineEdit *>(QStringLiteral("works_name"))->setText(QStringLiteral("○○地区用水路改修工事"));
        settings->accept();
        const printing::PrintDocument expected =
            printing::calculation_document(flume::walk_flume(flume::input_texts(window.sheet())), window.member_sheet().inputs(),
                                           window.document_data(), QDate::currentDate());
        QTemporaryDir dir;
        const QString expected_pdf = dir.filePath(QStringLiteral("expected.pdf"));
        QVERIFY(printing::write_report_pdf(expected_pdf, expected.pages, expected.description));

        window.findChild<QAction *>(QStringLiteral("mnudocument"))->trigger();
        QPointer<QWidget> dialog = window.findChild<QWidget *>(QStringLiteral("Form5"));
        QVERIFY(dialog);
        QCOMPARE(visible_print_button(dialog)->objectName(), QStringLiteral("document_print"));
        choose_in_box(dialog->findChild<QComboBox *>(QStringLiteral("Combo1")), first_queue);
        const QSet<QString> before = pdfs_in(first_queue);
        QTest::mouseClick(visible_print_button(dialog), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());

        const QStringList printed = wait_for_printed(first_queue, before);
        QCOMPARE(printed.size(), 1);
        check_paper_and_font(printed.constFirst(), int(expected.pages.size()));
        // Each page's characters, in whatever order they are read: where a formula's signs stand a
        // narrow space apart ("1 − k"), the two renderings may part them into words differently.
        const auto texts = [](const QString &pdf) {
            QList<QStringList> pages;
            for (const QList<test_support::PdfWord> &words : test_support::pdf_words(pdf)) {
                pages.append(QStringList());
                for (const test_support::PdfWord &word : words) {
                    for (QChar c : word.text)
                        pages.last().append(c);
                }
                pages.last().sort();
            }
            return pages;
        };
        const QList<QStringList> on_paper = texts(printed.constFirst()), in_pdf = texts(expected_pdf);
        QCOMPARE(on_paper.size(), in_pdf.size());
        for (int i = 0; i < in_pdf.size(); ++i)
            QCOMPARE(on_paper[i], in_pdf[i]);
        const auto words_of = [](const QString &pdf, qsizetype page) {
            QStringList words;
            for (const test_support::PdfWord &word : test_support::pdf_words(pdf).value(page))
                words.append(word.text);
            return words;
        };
        QVERIFY(words_of(printed.constFirst(), 2).contains(QStringLiteral("○○地区用水路改修工事")));
        QVERIFY(words_of(printed.constFirst(), on_paper.size() - 1).contains(QStringLiteral("判定")));
    }

    // From Morvik's window: 印刷(&P) opens Form4 over the window that owns it, and 印刷 prints the
    // report of the fields as shown and closes the dialog.
    void morvik_prints_from_its_window()
    {
        morvik::SectionWindow window;
        window.show();
        window.sheet().set_text(RcField::rebar_area, QStringLiteral("7.94"));
        window.sheet().set_text(RcField::bond_stress, QStringLiteral("55.1 （N/c㎡） "));
        auto *print_entry = window.findChild<QAction *>(QStringLiteral("MNUPRINT"));
        QVERIFY(print_entry && print_entry->isEnabled());
        print_entry->trigger();

        QPointer<QWidget> dialog;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QStringLiteral("Form4") && top->isVisible())
                dialog = top;
        }
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), &window);
        choose_in_box(dialog->findChild<QComboBox *>(QStringLiteral("Combo1")), first_queue);
        const QSet<QString> before = pdfs_in(first_queue);
        QTest::mouseClick(visible_print_button(dialog), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());

        const QStringList printed = wait_for_printed(first_queue, before);
        QCOMPARE(printed.size(), 1);
        check_paper_and_font(printed.constFirst());
        const QPointF origin = printable_origin(first_queue);
        const QList<test_support::PdfWord> words = test_support::pdf_words(printed.constFirst()).value(0);
        QVERIFY(std::any_of(words.begin(), words.end(), [&](const test_support::PdfWord &w) {
            return w.text == QStringLiteral("7.94") && qAbs(w.x - origin.x() - 5100 / 20.0) <= 1
                   && qAbs(w.y - origin.y() - 1820 / 20.0) <= 1;
        }));
        QVERIFY(std::any_of(words.begin(), words.end(), [&](const test_support::PdfWord &w) {
            return w.text == QStringLiteral("55.1") && qAbs(w.y - origin.y() - 11000 / 20.0) <= 1;
        }));
    }

    // A name no printer has must not reach the print system (which would print it on the default
    // printer): the user is told, the dialog stays, and the next job is the only one printed.
    void an_unknown_printer_is_reported_and_nothing_printed()
    {
        QWidget owner;
        owner.show();
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 2, QStringLiteral("報告書"), [this] {
            return printing::uplift_bearing_report(printing::snapshot(flume_sheet_));
        });
        auto *box = dialog->findChild<QComboBox *>(QStringLiteral("Combo1"));
        const QSet<QString> before = pdfs_in(first_queue);
        box->setEditText(first_queue.toUpper());  // the print system would take it, case-blind

        QMessageBox::Icon icon = QMessageBox::NoIcon;
        const QString message = press_and_answer(visible_print_button(dialog), &icon);
        QCOMPARE(message, QStringLiteral("印刷できませんでした。\nTAVREL-PDF-1"));
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(!dialog.isNull());
        QVERIFY(dialog->isVisible());

        choose_in_box(box, first_queue);
        QTest::mouseClick(visible_print_button(dialog), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(wait_for_printed(first_queue, before).size(), 1);
    }

    // A printer that turns the job away is reported like a missing one, and the dialog stays until the
    // printer takes jobs again.
    void a_refusing_printer_is_reported()
    {
        QCOMPARE(QProcess::execute(QStringLiteral("cupsreject"), {second_queue}), 0);
        auto accept_again = qScopeGuard([] { QProcess::execute(QStringLiteral("cupsaccept"), {second_queue}); });
        QWidget owner;
        owner.show();
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 3, QStringLiteral("報告書"), [this] {
            return printing::case1_report(printing::snapshot(flume_sheet_));
        });
        choose_in_box(dialog->findChild<QComboBox *>(QStringLiteral("Combo1")), second_queue);
        QCOMPARE(press_and_answer(visible_print_button(dialog)), QStringLiteral("印刷できませんでした。\ntavrel-pdf-2"));
        QVERIFY(!dialog.isNull() && dialog->isVisible());

        accept_again.dismiss();
        QCOMPARE(QProcess::execute(QStringLiteral("cupsaccept"), {second_queue}), 0);
        const QSet<QString> before = pdfs_in(second_queue);
        QCOMPARE(press_and_answer(visible_print_button(dialog)), QString());
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(wait_for_printed(second_queue, before).size(), 1);
    }
};

QTEST_MAIN(TestPrintJob)
#include "test_print_job.moc"
