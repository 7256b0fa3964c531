#include "common/command_line.h"
#include "common/section_forces.h"
#include "gui/common/picture_widget.h"
#include "drawing/report_font.h"
#include "gui/morvik/section_window.h"
#include "tests/support/box_answer.h"
#include "tests/support/process_run.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const char *const input_names[] = {"Text1", "Text2", "Text3", "Text7", "Text8", "Text9"};
const char *const result_names[] = {"Text4", "Text5", "Text6", "Text10", "Text11", "Text12", "Text13"};

// Types text as key presses; characters beyond Latin-1 (full-width digits from an input method)
// arrive as key events carrying their text.
void type_text(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

int shown_count(const QString &name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            ++count;
    return count;
}

} // namespace

class TestSectionWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<morvik::SectionWindow> window;

    QLineEdit *field(const char *name) const { return window->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(QString::fromLatin1(name)); }
    QPushButton *calculate_button() const { return window->findChild<QPushButton *>(QStringLiteral("Command1")); }

    // A user clicks into each input and types its value over whatever was there.
    void type_inputs(const QStringList &values)
    {
        for (int i = 0; i < 6; ++i) {
            QLineEdit *edit = field(input_names[i]);
            QTest::mouseClick(edit, Qt::LeftButton);
            if (values[i].isEmpty())
                QTest::keyClick(edit, Qt::Key_Delete);
            else
                type_text(edit, values[i]);
            QCOMPARE(edit->text(), values[i]);
        }
    }

    void type_worked_example() { type_inputs({"10", "100", "20", "1000000", "20000", "30"}); }

private slots:
    void initTestCase()
    {
        drawing::install_font_substitutions();
        // The file dialogs' folder is kept in the test's own settings, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        // The test owns the windows; closing the last one must not end the test.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        window = std::make_unique<morvik::SectionWindow>();
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        // Close without the question: the test owns the window.
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void starts_empty_with_printing_disabled()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("鉄筋コンクリート応力度の検討計算 （Kesmo）V3.0"));
        QCOMPARE(window->centralWidget()->size(), QSize(531, 501));
        for (const char *name : input_names)
            QVERIFY(field(name)->text().isEmpty());
        for (const char *name : result_names)
            QVERIFY(field(name)->text().isEmpty());
        QVERIFY(!action("MNUPRINT")->isEnabled());
        QVERIFY(action("MNUEXIT")->isEnabled());
    }

    void controls_at_their_places_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("geometry");  // logical pixels, 15 twips each
        QTest::newRow("計算") << "Command1" << QRect(406, 136, 97, 25);
        QTest::newRow("As") << "Text1" << QRect(144, 24, 67, 18);
        QTest::newRow("U") << "Text9" << QRect(386, 70, 67, 18);
        QTest::newRow("k") << "Text5" << QRect(160, 138, 67, 18);
        QTest::newRow("allowable compressive stress") << "AllowableStress1" << QRect(384, 184, 140, 66);
        QTest::newRow("allowable tensile stress") << "AllowableStress2" << QRect(384, 252, 140, 90);
        QTest::newRow("allowable shear stress") << "AllowableStress3" << QRect(384, 344, 140, 68);
        QTest::newRow("allowable bond stress") << "AllowableStress4" << QRect(384, 416, 140, 80);
    }

    void controls_at_their_places()
    {
        QFETCH(QString, control);
        QFETCH(QRect, geometry);
        auto *widget = window->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
        // Nothing may stick out of the client area.
        const QRect on_client(widget->mapTo(window->centralWidget(), QPoint(0, 0)), widget->size());
        QVERIFY(window->centralWidget()->rect().contains(on_client));
    }

    void formulas_beside_their_fields()
    {
        const QList<gui::common::PictureWidget *> pictures = window->findChildren<gui::common::PictureWidget *>();
        QCOMPARE(pictures.size(), 9);
        const char *const formulas[] = {"MorvikConcreteStress", "MorvikSteelStress", "MorvikShearStress",
                                        "MorvikBondStress"};
        const char *const fields[] = {"Text10", "Text11", "Text12", "Text13"};
        for (int i = 0; i < 4; ++i) {
            auto *formula = window->findChild<gui::common::PictureWidget *>(QString::fromLatin1(formulas[i]));
            QVERIFY(formula);
            const QRect stress = field(fields[i])->geometry();
            QVERIFY(formula->geometry().right() < stress.left());
            QVERIFY(qAbs(formula->geometry().center().y() - stress.center().y()) <= 1);
        }
    }

    void tables_stand_clear_of_the_next_data()
    {
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::newRow("the note under compression, tension's title") << "AllowableStress1" << "AllowableStress2";
        QTest::newRow("tension's last line, shear's title") << "AllowableStress2" << "AllowableStress3";
        QTest::newRow("shear's last line, bond's title") << "AllowableStress3" << "AllowableStress4";
    }

    void tables_stand_clear_of_the_next()
    {
        // The allowable-stress tables stand one above another: at least 4 pixels (60 twips) of
        // the window's grey between the ink of one and the title of the next.
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        auto *above = window->findChild<gui::common::PictureWidget *>(upper);
        auto *below = window->findChild<gui::common::PictureWidget *>(lower);
        QVERIFY(above && below);
        const QImage shown = window->centralWidget()->grab().toImage();
        const auto inked_rows = [&](QWidget *picture) {
            const QRect area(picture->mapTo(window->centralWidget(), QPoint(0, 0)), picture->size());
            int first = -1;
            int last = -1;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (qGray(shown.pixel(x, y)) < 128) {
                        first = first < 0 ? y : first;
                        last = y;
                        break;
                    }
            return std::pair(first, last);
        };
        const int gap = inked_rows(below).first - inked_rows(above).second - 1;
        QVERIFY2(gap >= 4, qPrintable(QStringLiteral("%1 px").arg(gap)));
    }

    void typed_section_shows_results_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("worked example")
            << QStringList{"10", "100", "20", "1000000", "20000", "30"}
            << QStringList{"0.0050", "0.319", "0.894", "175 （N/c㎡） ", "5593 （N/c㎡） ", "11.19 （N/c㎡）",
                           "37.29 （N/c㎡）"};
        QTest::newRow("k from the displayed ratio")
            << QStringList{"2.34", "100", "10", "500000", "10000", "20"}
            << QStringList{"0.0023", "0.230", "0.923", "471 （N/c㎡） ", "23150 （N/c㎡） ", "10.83 （N/c㎡）",
                           "54.17 （N/c㎡）"};
        QTest::newRow("thousands grouped, ASCII and full-width")
            << QStringList{"10", "100", "20", "1,000,000", "２０，０００", "30"}
            << QStringList{"0.0050", "0.319", "0.894", "175 （N/c㎡） ", "5593 （N/c㎡） ", "11.19 （N/c㎡）",
                           "37.29 （N/c㎡）"};
        QTest::newRow("full-width digits")
            << QStringList{"１０", "１００", "２０", "1000000N", "20000", "30"}
            << QStringList{"0.0050", "0.319", "0.894", "175 （N/c㎡） ", "5593 （N/c㎡） ", "11.19 （N/c㎡）",
                           "37.29 （N/c㎡）"};
    }

    void typed_section_shows_results()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        type_inputs(inputs);
        QTest::mouseClick(calculate_button(), Qt::LeftButton);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(field(result_names[i])->text(), results[i]);
        QVERIFY(action("MNUPRINT")->isEnabled());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(field(input_names[i])->text(), inputs[i]);
    }

    // Started by Tavrel with a member's forces: M, S and b are there as typed, nothing is calculated
    // until the user has typed As, d and U and pressed "計算".
    void started_with_member_forces_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("shown");  // the six inputs at start
        QTest::addColumn<QStringList>("typed");  // then typed by the user; empty: left as it is
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("pdf_name");     // what PDF保存 proposes
        QTest::addColumn<QString>("member_line");  // the report's line under the title; empty: none
        QTest::newRow("ケース.1 側壁")
            << QStringList{"--moment", "230700", "--shear", "5801", "--width", "100", "--member", "ケース.1 側壁"}
            << "鉄筋コンクリート応力度の検討計算 （Kesmo）V3.0 （ケース.1 側壁）"
            << QStringList{"", "100", "", "230700", "5801", ""} << QStringList{"5.08", "", "7", "", "", "16"}
            << QStringList{"0.0073", "0.371", "0.876", "290 （N/c㎡） ", "7406 （N/c㎡） ", "9.46 （N/c㎡）",
                           "59.13 （N/c㎡）"}
            << "ケース.1 側壁.pdf" << "部材：ケース.1 側壁";
        QTest::newRow("negative forces, no member")
            << QStringList{"--moment=-104800", "--shear", "-2859", "--width", "100"}
            << "鉄筋コンクリート応力度の検討計算 （Kesmo）V3.0"
            << QStringList{"", "100", "", "-104800", "-2859", ""} << QStringList{"5.08", "", "7", "", "", "16"}
            << QStringList{"0.0073", "0.371", "0.876", "-132 （N/c㎡） ", "-3364 （N/c㎡） ", "-4.66 （N/c㎡）",
                           "-29.14 （N/c㎡）"}
            << "鉄筋コンクリート応力度の検討.pdf" << "";
    }

    void started_with_member_forces()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, title);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, results);
        QFETCH(QString, pdf_name);
        QFETCH(QString, member_line);
        const common::CommandLine line = common::read_command_line(
            arguments, {{QStringLiteral("--check"), QStringLiteral("--pdf")}, common::section_force_options()});
        QCOMPARE(line.error, QString());
        window->fill_forces(common::read_section_forces(line));
        QCOMPARE(window->windowTitle(), title);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(field(input_names[i])->text(), shown[i]);
            QCOMPARE(field(input_names[i])->cursorPosition(), 0);  // a wide value shows its beginning
        }
        for (const char *name : result_names)
            QVERIFY2(field(name)->text().isEmpty(), name);
        QVERIFY(!action("MNUPRINT")->isEnabled());

        for (int i = 0; i < 6; ++i) {
            if (typed[i].isEmpty())
                continue;
            QTest::mouseClick(field(input_names[i]), Qt::LeftButton);
            type_text(field(input_names[i]), typed[i]);
        }
        QTest::mouseClick(calculate_button(), Qt::LeftButton);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(field(result_names[i])->text(), results[i]);

        QTemporaryDir folder;
        QString proposed;
        test_support::ModalWatcher watcher([&](QWidget *modal) {
            auto *name = modal->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            proposed = name->text();
            name->setText(folder.filePath(proposed));
            static_cast<QDialog *>(modal)->accept();
        });
        action("MNUPRINT")->trigger();
        QTest::mouseClick(shown_print_dialog()->findChild<QPushButton *>(QStringLiteral("pdf_button")), Qt::LeftButton);
        QCOMPARE(proposed, pdf_name);
        const QString pdf = test_support::run_process(QStringLiteral("pdftotext"), {folder.filePath(proposed), "-"}).out;
        QVERIFY(pdf.contains(QStringLiteral("鉄筋コンクリート応力度の検討（Kesmo）")));
        QCOMPARE(pdf.contains(QStringLiteral("部材：")), !member_line.isEmpty());
        QVERIFY(pdf.contains(member_line));
    }

    void rejected_run_empties_results_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString missing = QStringLiteral("数値が入力されていません。");
        const QString invalid = QStringLiteral("数値が正しくありません。");
        QTest::newRow("As emptied") << "Text1" << "" << missing;
        QTest::newRow("U zero") << "Text9" << "0" << missing;
        QTest::newRow("M letters") << "Text7" << "abc" << missing;
        QTest::newRow("b not wholly a number") << "Text2" << "100cm" << missing;
        QTest::newRow("decimal comma, not grouping") << "Text1" << "1,5" << missing;
        QTest::newRow("As negative") << "Text1" << "-1" << missing;
        QTest::newRow("ratio shown as zero") << "Text1" << "0.0001" << invalid;
    }

    void rejected_run_empties_results()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        type_worked_example();
        QTest::mouseClick(calculate_button(), Qt::LeftButton);
        QVERIFY(action("MNUPRINT")->isEnabled());

        QLineEdit *edit = field(control.toLatin1().constData());
        QTest::mouseClick(edit, Qt::LeftButton);
        if (typed.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            type_text(edit, typed);

        test_support::BoxAnswer answer(QMessageBox::Ok);
        QTest::mouseClick(calculate_button(), Qt::LeftButton);
        QCOMPARE(answer.seen, 1);
        QCOMPARE(answer.text, message);
        QCOMPARE(answer.title, QStringLiteral("入力データ確認"));
        QCOMPARE(answer.icon, QMessageBox::Warning);
        QCOMPARE(answer.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        for (const char *name : result_names)
            QVERIFY2(field(name)->text().isEmpty(), name);
        QVERIFY(!action("MNUPRINT")->isEnabled());
        QCOMPARE(edit->text(), typed);
    }

    void typing_into_bond_stress_follows_printing()
    {
        QLineEdit *bond = field("Text13");
        QTest::mouseClick(bond, Qt::LeftButton);
        QTest::keyClicks(bond, "1");
        QVERIFY(action("MNUPRINT")->isEnabled());
        QTest::keyClick(bond, Qt::Key_Backspace);
        QVERIFY(!action("MNUPRINT")->isEnabled());

        // Other results typed into do not make the report printable.
        QTest::mouseClick(field("Text12"), Qt::LeftButton);
        QTest::keyClicks(field("Text12"), "5");
        QVERIFY(!action("MNUPRINT")->isEnabled());
    }

    QWidget *shown_print_dialog() const
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Form4") && w->isVisible())
                return w;
        return nullptr;
    }

    void print_entry_opens_print_dialog()
    {
        type_worked_example();
        QTest::mouseClick(calculate_button(), Qt::LeftButton);
        action("MNUPRINT")->trigger();
        QWidget *dialog = shown_print_dialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("印刷"));
        // Modal to the window, above it and owned by it; the window keeps its look but takes no click.
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QCOMPARE(dialog->parentWidget(), window.get());
        QVERIFY(window->isEnabled());
        QVERIFY(!test_support::click_gets_through(calculate_button()));

        auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("Command6"));
        QVERIFY(cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QCOMPARE(shown_count("Form4"), 0);
        QVERIFY(test_support::click_gets_through(calculate_button()));
        QCOMPARE(field("Text13")->text(), QStringLiteral("37.29 （N/c㎡）"));
    }

    // Closing the window with its print dialog up leaves no dialog behind that could still print.
    void closing_the_window_takes_its_print_dialog()
    {
        type_worked_example();
        QTest::mouseClick(calculate_button(), Qt::LeftButton);
        action("MNUPRINT")->trigger();
        QPointer<QWidget> dialog = shown_print_dialog();
        QVERIFY(dialog);
        test_support::BoxAnswer yes(QMessageBox::Yes);
        QVERIFY(window->close());
        QCOMPARE(yes.seen, 1);
        QCOMPARE(shown_count("Form4"), 0);
        QTRY_VERIFY(!dialog);
    }

    void click_selects_whole_input_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("selects");
        for (const char *name : input_names)
            QTest::newRow(name) << name << true;
        QTest::newRow("Text13 (a result)") << "Text13" << false;
    }

    void click_selects_whole_input()
    {
        QFETCH(QString, control);
        QFETCH(bool, selects);
        QLineEdit *edit = field(control.toLatin1().constData());
        edit->setText(QStringLiteral("12.5"));
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
        QCOMPARE(edit->selectedText(), selects ? QStringLiteral("12.5") : QString());
        if (selects) {
            QTest::keyClicks(edit, "7");
            QCOMPARE(edit->text(), QStringLiteral("7"));
        }
    }

    void tab_runs_through_inputs_then_calculate()
    {
        field("Text1")->setFocus();
        QCOMPARE(QApplication::focusWidget(), field("Text1"));
        const char *const order[] = {"Text2", "Text3", "Text7", "Text8", "Text9", "Command1"};
        for (const char *name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
    }

    void exit_answered_no_closes_reference_windows()
    {
        type_worked_example();
        action("MNU_H")->trigger();
        action("MNU_H2")->trigger();
        QCOMPARE(shown_count("Form2"), 1);
        QCOMPARE(shown_count("Form3"), 1);

        test_support::BoxAnswer answer(QMessageBox::No);
        action("MNUEXIT")->trigger();
        QCOMPARE(answer.seen, 1);
        QCOMPARE(answer.text, QStringLiteral("終了しますか？"));
        QCOMPARE(answer.title, QStringLiteral("終了確認"));
        QCOMPARE(answer.icon, QMessageBox::NoIcon);
        QCOMPARE(answer.buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(window->isVisible());
        QCOMPARE(field("Text1")->text(), QStringLiteral("10"));
        QCOMPARE(shown_count("Form2"), 0);
        QCOMPARE(shown_count("Form3"), 0);
    }

    void close_box_answered_no_keeps_reference_windows()
    {
        action("MNU_H")->trigger();
        test_support::BoxAnswer answer(QMessageBox::No);
        QVERIFY(!window->close());
        QCOMPARE(answer.seen, 1);
        QVERIFY(window->isVisible());
        QCOMPARE(shown_count("Form2"), 1);
    }

    void exit_answered_yes_closes_everything()
    {
        action("MNU_H")->trigger();
        action("MNU_H2")->trigger();
        test_support::BoxAnswer answer(QMessageBox::Yes);
        action("MNUEXIT")->trigger();
        QCOMPARE(answer.seen, 1);
        QVERIFY(!window->isVisible());
        QCOMPARE(shown_count("Form2"), 0);
        QCOMPARE(shown_count("Form3"), 0);
    }

    void reference_window_chosen_twice_is_one_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("picture");
        QTest::newRow("模式図") << "MNU_H2" << "Form3" << QSize(525, 330) << "Schematic";
        QTest::newRow("異形鋼棒断面積表") << "MNU_H" << "Form2" << QSize(534, 201) << "BarTable";
    }

    void reference_window_chosen_twice_is_one()
    {
        QFETCH(QString, entry);
        QFETCH(QString, form);
        QFETCH(QSize, client);
        QFETCH(QString, picture);
        action(entry.toLatin1().constData())->trigger();
        action(entry.toLatin1().constData())->trigger();
        QCOMPARE(shown_count(form), 1);
        QWidget *shown = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == form)
                shown = w;
        QCOMPARE(shown->windowTitle(), QStringLiteral("参考資料"));
        QVERIFY(shown->findChild<gui::common::PictureWidget *>(picture));
        QCOMPARE(shown->size(), client);

        // Closed by its own close box, it opens afresh when chosen again.
        QVERIFY(shown->close());
        QCOMPARE(shown_count(form), 0);
        action(entry.toLatin1().constData())->trigger();
        QCOMPARE(shown_count(form), 1);
    }
};

QTEST_MAIN(TestSectionWindow)
#include "test_section_window.moc"
