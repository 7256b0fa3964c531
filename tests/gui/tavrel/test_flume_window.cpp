// The flume window driven as a user drives it: typing, clicks on page and calculate buttons, the
// Case 1 scroll bar, the menus and the message boxes.
#include "tests/support/box_answer.h"
#include "tests/support/process_run.h"
#include "tests/support/stand_in_program.h"
#include "tests/support/worked_example.h"

#include "common/messages.h"
#include "flume/flume_sheet.h"
#include "flume/full_check.h"
#include "flume/sheet_inputs.h"
#include "book/reference_book.h"
#include "inputfile/tvl_file.h"
#include "document/era_date.h"
#include "gui/tavrel/batch_window.h"
#include "members/member_sheet.h"
#include "gui/tavrel/case1_page.h"
#include "gui/tavrel/document_settings.h"
#include "gui/tavrel/flume_window.h"
#include "gui/tavrel/tavrel_windows.h"
#include "inputfile/tvl_file.h"
#include "gui/common/application_setup.h"
#include "gui/common/screen_font.h"
#include "members/member_sheet.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>

using flume::Field;
using flume::Page;
using tavrel::FlumeWindow;

namespace {

// A field named by its role, or by its control as the older tests name it.
struct FieldName {
    FieldName(Field field) : control(flume::control_name(field)) {}
    FieldName(const char *name) : control(QString::fromLatin1(name)) {}
    QString control;
};

struct Typed {
    FieldName field;
    QString text;
};

struct Shown {
    FieldName field;
    QString text;
};

} // namespace

class TestFlumeWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_in_shape_input_mode();
    void walks_every_page_with_the_worked_example();
    void case1_scroll_moves_every_control_by_the_value();
    void case1_wheel_turns_the_scroll_bar_data();
    void case1_wheel_turns_the_scroll_bar();
    void case1_focus_scrolls_into_view_data();
    void case1_focus_scrolls_into_view();
    void enter_presses_the_focused_button_data();
    void enter_presses_the_focused_button();
    void click_selects_the_whole_text_data();
    void click_selects_the_whole_text();
    void rejected_calculation_warns_then_clears_page_one();
    void opening_a_page_takes_the_keyboard_to_its_first_input_data();
    void opening_a_page_takes_the_keyboard_to_its_first_input();
    void missing_input_takes_the_keyboard_to_it_data();
    void missing_input_takes_the_keyboard_to_it();
    void unsaved_changes_are_offered_to_be_saved_data();
    void unsaved_changes_are_offered_to_be_saved();
    void about_box_blocks_the_window_until_ok();
    void saved_inputs_come_back_through_open();
    void document_after_open_holds_only_the_opened_flume();
    void tool_entry_hands_the_member_forces_to_morvik_data();
    void tool_entry_hands_the_member_forces_to_morvik();
    void help_references_name_chapters_of_the_book();
    void document_settings_keep_the_date_as_entered_data();
    void document_settings_keep_the_date_as_entered();
    void member_check_follows_the_cases();
    void batch_window_checks_each_row_over_the_screens_flume();
    void member_check_designs_the_bars_and_undoes();

private:
    // Case 1 a of the worked flume computed, the member check window opened.
    QWidget *open_member_check_on_case1();
    template<typename T = QWidget>
    T *control(const char *name)
    {
        T *found = window_->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *field(const FieldName &name) { return control<QLineEdit>(qPrintable(name.control)); }
    QAction *entry(const char *name) { return control<QAction>(name); }

    void type(const Typed &typed)
    {
        QLineEdit *edit = field(typed.field);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, typed.text);
    }
    void type_all(std::initializer_list<Typed> rows)
    {
        for (const Typed &row : rows)
            type(row);
    }
    // Types the worked example's texts into the given inputs.
    void type_worked(std::initializer_list<Field> inputs)
    {
        for (Field input : inputs)
            type({input, test_support::worked_text(input)});
    }
    void press(const char *button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void expect_texts(std::initializer_list<Shown> rows)
    {
        for (const Shown &row : rows)
            QCOMPARE(field(row.field)->text(), row.text);
    }
    // The print entries enabled, as the five bits MNUP_1..mnup_5.
    QString print_entries()
    {
        QString bits;
        for (const char *name : {"MNUP_1", "mnup_2", "mnup_3", "mnup_4", "mnup_5"})
            bits += entry(name)->isEnabled() ? u'1' : u'0';
        return bits;
    }
    // The member entries of "ツール(&T)" enabled, as six bits mnumorvik_1..mnumorvik_6.
    QString tool_entries()
    {
        QString bits;
        for (int i = 1; i <= 6; ++i)
            bits += entry(qPrintable(QStringLiteral("mnumorvik_%1").arg(i)))->isEnabled() ? u'1' : u'0';
        return bits;
    }
    QString page_buttons()
    {
        QString bits;
        for (const char *name : {"Command1", "Command2", "Command3", "Command4", "Command5"})
            bits += control<QPushButton>(name)->isEnabled() ? u'1' : u'0';
        return bits;
    }
    // The texts of the visible labels of the left panel, top to bottom.
    QStringList left_panel_labels()
    {
        QList<QLabel *> labels = control("Picture1")->findChildren<QLabel *>();
        labels.removeIf([](QLabel *l) { return !l->isVisible(); });
        std::stable_sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->y() < b->y(); });
        QStringList texts;
        for (QLabel *l : labels)
            texts << l->text();
        return texts;
    }
    void walk_to_page_one()
    {
        type_worked({Field::t1, Field::t2, Field::t3, Field::t4, Field::wall_height, Field::outer_water_height,
                     Field::inner_width});
        press("Command1");
        type_worked({Field::wall_inclination, Field::repose_angle, Field::soil_unit_weight, Field::ground_slope,
                     Field::surcharge, Field::wall_friction_angle});
    }

    // Opens Case 1 at its top, with its page and scroll bar.
    std::pair<tavrel::Case1Page *, QScrollBar *> open_case1()
    {
        window_->sheet().set_page_button_enabled(Page::Case1, true);
        press("Command3");
        return {control<tavrel::Case1Page>("Picture5"), control<QScrollBar>("VScroll1")};
    }
    // True when the control stands wholly within the visible rows of the Case 1 page.
    static bool in_view(tavrel::Case1Page *page, QWidget *control)
    {
        const QRect on_page(control->mapTo(page->content(), QPoint(0, 0)), control->size());
        return page->content()->rect().contains(on_page);
    }

    // Japanese typed as an input method hands it over: committed into the focused field.
    static void commit_text(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
    }
    // What a file dialog showed: its filter, the folder it started in and the caption of the name box.
    struct DialogShown {
        QString filter;
        QString folder;
        QString name_caption;
    };
    // Answers the next file dialog of the window with a name typed into its name box and confirmed
    // as the user confirms it (or cancels it when the name is empty).
    void answer_file_dialog(const QString &chosen, DialogShown *shown = nullptr)
    {
        auto *poll = new QTimer(window_);
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, chosen, shown] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->stop();
            poll->deleteLater();
            if (shown)
                *shown = {dialog->nameFilters().join(u';'), dialog->directory().absolutePath(),
                          dialog->findChild<QLabel *>(QStringLiteral("fileNameLabel"))->text()};
            if (chosen.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(chosen);
            static_cast<QDialog *>(dialog)->accept();  // the file dialog's own checks and extension
        });
        poll->start();
    }

    // Opens 計算書の設定 from the プリント menu.
    tavrel::DocumentSettings *document_settings()
    {
        entry("mnudocset")->trigger();
        return window_->findChild<tavrel::DocumentSettings *>();
    }

    QPointer<FlumeWindow> window_;
};

void TestFlumeWindow::init()
{
    window_ = new FlumeWindow;
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void TestFlumeWindow::cleanup()
{
    delete window_;
    qunsetenv("curdir");
}

void TestFlumeWindow::opens_in_shape_input_mode()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("地震時を考慮しなくてよいQuenfor"));
    QCOMPARE(page_buttons(), QStringLiteral("10000"));
    QCOMPARE(print_entries(), QStringLiteral("00000"));
    QCOMPARE(tool_entries(), QStringLiteral("000000"));
    QStringList menus;
    for (QAction *menu : window_->menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, QStringList({"ファイル(&F)", "プリント(&P)", "ツール(&T)", "ヘルプ(&H)"}));
    QCOMPARE(entry("mnumorvik")->text(), QStringLiteral("鉄筋コンクリート応力度の検討(&R)"));
    QVERIFY(entry("mnumorvik")->isEnabled());
    QVERIFY(control("Picture2")->isVisible());
    for (const char *page : {"Picture3", "Picture4", "Picture5", "Picture6", "Picture7"})
        QVERIFY2(!control(page)->isVisible(), page);
    QVERIFY(!control("Command11")->isVisible());
    QVERIFY(!control("VScroll1")->isVisible());
    QCOMPARE(left_panel_labels(), QStringList({"形状寸法（共通）", "T1 =            ｍ", "T2 =            ｍ",
                                                "T3 =            ｍ", "T4 =            ｍ", " H =            ｍ",
                                                "H1 =            ｍ", "B =            ｍ"}));
    QCOMPARE(field("Text6")->toolTip(), QStringLiteral("水路低版底面から外水位までの高さ"));
    for (const char *shape : {"Text1", "Text4", "Text7"})
        QVERIFY2(!field(shape)->isReadOnly(), shape);
    QVERIFY(field("Text14")->isReadOnly());
    QCOMPARE(control<QPushButton>("Command3")->text(), QStringLiteral("ケース.&1"));  // Alt+1
}

void TestFlumeWindow::walks_every_page_with_the_worked_example()
{
    walk_to_page_one();
    QVERIFY(field("Text5")->isVisible() && field("Text5")->isReadOnly());
    QVERIFY(!field("Text1")->isVisible());
    QCOMPARE(field("Text7")->y(), field("Text5")->y() + 32);  // B moved up under H
    QVERIFY(control("Command11")->isVisible());
    // The current page's button shows a solid face of RGB(255, 224, 192); the others do not.
    const QImage page1 = control<QPushButton>("Command1")->grab().toImage();
    QCOMPARE(page1.pixelColor(6, page1.height() / 2), QColor(255, 224, 192));
    const QImage page2 = control<QPushButton>("Command2")->grab().toImage();
    QVERIFY(page2.pixelColor(6, page2.height() / 2) != QColor(255, 224, 192));
    QCOMPARE(print_entries(), QStringLiteral("00000"));

    press("Command6");
    expect_texts({{"Text14", "0.30"}, {"Text15", "5.70"}, {"Text16", "1.950"}, {"Text17", "1.950"}});
    QCOMPARE(field("Text17")->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(page_buttons(), QStringLiteral("11000"));
    QCOMPARE(print_entries(), QStringLiteral("10000"));

    press("Command2");
    expect_texts({{"Text23", "1.950"}});
    QCOMPARE(left_panel_labels().mid(7), QStringList({" Pv =", "（主働土圧より）"}));
    QCOMPARE(print_entries(), QStringLiteral("00000"));  // qmax still empty
    type_worked({Field::water_unit_weight, Field::flume_unit_weight, Field::allowable_bearing});
    press("Command7");
    press("Command8");
    expect_texts({{"Text20", "2.02"}, {"Text22", "18.9"}});
    QCOMPARE(page_buttons(), QStringLiteral("11100"));
    QCOMPARE(print_entries(), QStringLiteral("01000"));

    press("Command3");
    expect_texts({{"Text23", "1.950"}, {"Text39", "0.30"}, {"Text32", "10"}, {"Text33", "9.8"}, {"Text40", "24.0"}});
    QCOMPARE(left_panel_labels(),
             QStringList({"T1 =            ｍ", "T2 =            ｍ", " Pv =", "（主働土圧より）", "KA =",
                          "（主働土圧より）", "ｑ =            KN/m2", "（主働土圧より）", "γw =            KN/m3",
                          "（浮上り・地盤支持力より）", "γsc =            KN/m3", "（浮上り・地盤支持力より）"}));
    type_worked({Field::case1_depth, Field::wall_top_to_slab_axis, Field::slab_axis_to_groundwater,
                 Field::wet_soil_unit_weight, Field::submerged_soil_unit_weight, Field::back_friction_angle});
    press("Command9");
    expect_texts({{"Text30", "5.801"}, {"Text31", "2.307"}});
    QCOMPARE(tool_entries(), QStringLiteral("100000"));
    QVERIFY(window_->sheet().case1_groundwater_formula());
    control<QScrollBar>("VScroll1")->setValue(17);  // part b lies below the panel's lower edge
    type_worked({Field::wall_spacing, Field::slab_position});
    press("Command10");
    expect_texts({{"Text36", "8.308"}, {"Text37", "2.908"}, {"Text38", "1.061"}});
    QCOMPARE(page_buttons(), QStringLiteral("11110"));
    QCOMPARE(print_entries(), QStringLiteral("00100"));
    QCOMPARE(tool_entries(), QStringLiteral("110000"));

    press("Command4");
    QVERIFY(!control("VScroll1")->isVisible());
    expect_texts({{"Text23", "9.8"}, {"Text39", "0.3"}, {"Text32", "8.308"}, {"Text33", "1.3"}});
    QCOMPARE(left_panel_labels(),
             QStringList({"γw =            KN/m3", "（浮上り・地盤支持力より）", "  X =              ｍ", "（ケース1-ｂより）",
                          "WR =            KN/m2", "（ケース1-ｂより）", " BL =            ｍ", "（ケース1-ｂより）"}));
    type_worked({Field::case2_depth});
    press("Command12");
    expect_texts({{"Text42", "5.929"}, {"Text43", "2.174"}, {"Text44", "2.908"}, {"Text45", "3.420"}});
    QCOMPARE(page_buttons(), QStringLiteral("11111"));
    QCOMPARE(print_entries(), QStringLiteral("00010"));
    QCOMPARE(tool_entries(), QStringLiteral("111100"));

    press("Command5");
    expect_texts({{"Text23", "0.30"}, {"Text39", "9.8"}, {"Text32", "18"}, {"Text33", "20"}, {"Text40", "1.3"},
                  {"Text50", "0.3"}, {"Text51", "1.1"}, {"Text52", "8.308"}});
    QCOMPARE(left_panel_labels().size(), 16);
    QCOMPARE(left_panel_labels().last(), QStringLiteral("（ケース2-ａより）"));
    press("Command14");
    expect_texts({{"Text46", "2.859"}, {"Text47", "1.048"}, {"Text48", "2.908"}, {"Text49", "2.294"}});
    QCOMPARE(print_entries(), QStringLiteral("00001"));
    QCOMPARE(tool_entries(), QStringLiteral("111111"));

    // Back to shape input: the chain starts again, later results stay until page 1 is recalculated.
    press("Command11");
    QCOMPARE(page_buttons(), QStringLiteral("10000"));
    QCOMPARE(print_entries(), QStringLiteral("00000"));
    QCOMPARE(tool_entries(), QStringLiteral("111111"));
    expect_texts({{"Text14", ""}, {"Text17", ""}, {"Text22", "18.9"}, {"Text49", "2.294"}});
    QVERIFY(control("Picture2")->isVisible());
    QVERIFY(!field("Text1")->isReadOnly());
}

void TestFlumeWindow::case1_scroll_moves_every_control_by_the_value()
{
    window_->sheet().set_page_button_enabled(Page::Case1, true);
    press("Command3");
    auto *page = control<tavrel::Case1Page>("Picture5");
    auto *bar = control<QScrollBar>("VScroll1");
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->maximum(), 17);  // 40.5 rows of content in 23.5 visible rows

    QList<QWidget *> controls;
    QList<int> tops;
    for (QWidget *w : page->content()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        controls << w;
        tops << w->y();
        QVERIFY2(page->base_row(w) >= 0, qPrintable(w->objectName()));  // every control scrolls
    }
    QVERIFY(controls.size() > 40);

    bar->setValue(17);
    for (int i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->y(), tops[i] - 17 * 16);
    QCOMPARE(field("Text38")->y(), int(19.75 * 16));  // Mto, 36.75 rows down, now at 19.75
    QVERIFY(field("Text38")->geometry().bottom() < page->content()->height());

    // Another page hides the bar; Case 1 opens at its top again.
    window_->sheet().set_page_button_enabled(Page::Case2, true);
    press("Command4");
    QVERIFY(!bar->isVisible());
    press("Command3");
    QCOMPARE(bar->value(), 0);
    for (int i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->y(), tops[i]);
}

void TestFlumeWindow::case1_wheel_turns_the_scroll_bar_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("notches");  // away from the user, as on a wheel turned down the page
    QTest::addColumn<int>("key");      // pressed instead, with Ctrl when control is set
    QTest::addColumn<bool>("control");
    QTest::addColumn<int>("value");
    // One notch scrolls three rows: the desktop's three lines of a single step each.
    QTest::newRow("one notch down") << 0 << 1 << 0 << false << 3;
    QTest::newRow("one notch up") << 10 << -1 << 0 << false << 7;
    QTest::newRow("up at the top") << 0 << -1 << 0 << false << 0;
    QTest::newRow("down at the bottom") << 17 << 2 << 0 << false << 17;
    // A page is the 23 whole rows in view less one; an arrow is a row.
    QTest::newRow("PageDown from the top to the bottom") << 0 << 0 << int(Qt::Key_PageDown) << false << 17;
    QTest::newRow("PageUp") << 17 << 0 << int(Qt::Key_PageUp) << false << 0;
    QTest::newRow("Down") << 4 << 0 << int(Qt::Key_Down) << false << 5;
    QTest::newRow("Ctrl+End") << 0 << 0 << int(Qt::Key_End) << true << 17;
    QTest::newRow("Ctrl+Home") << 9 << 0 << int(Qt::Key_Home) << true << 0;
    QTest::newRow("End alone stays in the field") << 0 << 0 << int(Qt::Key_End) << false << 0;
}

void TestFlumeWindow::case1_wheel_turns_the_scroll_bar()
{
    QFETCH(int, start);
    QFETCH(int, notches);
    QFETCH(int, key);
    QFETCH(bool, control);
    QFETCH(int, value);
    auto [page, bar] = open_case1();
    bar->setValue(start);
    // Over a field of the page, or in it, as the window system delivers it: the field passes on
    // what it does not use.
    QLineEdit *h = field("Text24");
    if (key) {
        QTest::keyClick(h, Qt::Key(key), control ? Qt::ControlModifier : Qt::NoModifier);
    } else {
        const QPoint at = h->rect().center();
        QWheelEvent wheel(at, h->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QCoreApplication::instance()->notify(h, &wheel);
    }
    QCOMPARE(bar->value(), value);
    QCOMPARE(h->y(), int((3.5 - value) * 16));  // h stands at base top − value
}

void TestFlumeWindow::case1_focus_scrolls_into_view_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");  // Shift+Tab
    QTest::addColumn<QString>("to");
    // δ' → 計算 → Sso → Mso → BL, whose row lies below the visible rows at the top.
    QTest::newRow("Tab from δ' down to BL") << 0 << "Text29" << false << "Text34";
    // At the bottom, Shift+Tab from Sto climbs back up to h.
    QTest::newRow("Shift+Tab from Sto up to h") << 17 << "Text37" << true << "Text24";
}

void TestFlumeWindow::case1_focus_scrolls_into_view()
{
    QFETCH(int, start);
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, to);
    auto [page, bar] = open_case1();
    bar->setValue(start);
    QApplication::setActiveWindow(window_);
    field(qPrintable(from))->setFocus();
    QVERIFY(in_view(page, field(qPrintable(from))));
    for (int step = 0; step < 20 && QApplication::focusWidget() != field(qPrintable(to)); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY2(in_view(page, focused), qPrintable(focused->objectName()));
    }
    QCOMPARE(QApplication::focusWidget(), field(qPrintable(to)));
    QVERIFY(bar->value() != start);
    // Typing goes into the field the user sees.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1.3"));
    QVERIFY(in_view(page, field(qPrintable(to))));
}

void TestFlumeWindow::enter_presses_the_focused_button_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TestFlumeWindow::enter_presses_the_focused_button()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    walk_to_page_one();
    auto *calculate = control<QPushButton>("Command6");
    calculate->setFocus();
    QTest::keyClick(calculate, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    expect_texts({{"Text14", "0.30"}, {"Text17", "1.950"}});

    // The page button now enabled opens its page the same way.
    auto *page2 = control<QPushButton>("Command2");
    page2->setFocus();
    QTest::keyClick(page2, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(control("Picture4")->isVisible());
}

void TestFlumeWindow::click_selects_the_whole_text_data()
{
    QTest::addColumn<QString>("source");   // the field given the text 12.5
    QTest::addColumn<QString>("control");  // the field clicked on the page
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("selects");
    QTest::newRow("shape input T1") << "Text1" << "Text1" << 0 << true;
    QTest::newRow("input theta") << "Text8" << "Text8" << 1 << true;
    QTest::newRow("carried Pv") << "Text17" << "Text23" << 2 << true;
    QTest::newRow("result KA") << "Text14" << "Text14" << 1 << false;
}

void TestFlumeWindow::click_selects_the_whole_text()
{
    QFETCH(QString, source);
    QFETCH(QString, control);
    QFETCH(int, page);
    QFETCH(bool, selects);
    auto field_named = [](const QString &name) {
        for (const flume::FieldInfo &info : flume::field_table) {
            if (QString::fromLatin1(info.control) == name)
                return info.field;
        }
        return Field::t1;
    };
    window_->sheet().set_text(field_named(source), QStringLiteral("12.5"));
    if (page > 0) {
        window_->sheet().set_page_button_enabled(Page(page), true);
        press(qPrintable(QStringLiteral("Command%1").arg(page)));
    }
    QLineEdit *edit = field(qPrintable(control));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
    QCOMPARE(edit->selectedText(), selects ? QStringLiteral("12.5") : QString());
    if (selects && !edit->isReadOnly()) {
        QTest::keyClicks(edit, QStringLiteral("7"));
        QCOMPARE(window_->sheet().text(field_named(control)), QStringLiteral("7"));
    }
}

void TestFlumeWindow::rejected_calculation_warns_then_clears_page_one()
{
    walk_to_page_one();
    press("Command6");
    QCOMPARE(field("Text17")->text(), QStringLiteral("1.950"));

    type({"Text9", "0"});
    test_support::BoxAnswer box;
    press("Command6");
    QVERIFY(box.seen);
    QCOMPARE(box.text, QStringLiteral("数値が入力されていません。"));
    QCOMPARE(box.title, QStringLiteral("入力データ確認"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    expect_texts({{"Text14", ""}, {"Text15", ""}, {"Text16", ""}, {"Text17", ""}, {"Text9", "0"}, {"Text8", "90"}});
    QCOMPARE(field("Text14")->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    QCOMPARE(page_buttons(), QStringLiteral("10000"));
    QCOMPARE(print_entries(), QStringLiteral("00000"));
}

void TestFlumeWindow::opening_a_page_takes_the_keyboard_to_its_first_input_data()
{
    QTest::addColumn<int>("page");  // 0: back to shape input from page 1; -1: the window as it first shows
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");  // Shift+Tab
    QTest::addColumn<QString>("to");      // locked fields, results and carried slots are passed by
    QTest::newRow("a new window") << -1 << "Text1" << "Text1" << false << "Text2";
    QTest::newRow("形状寸法入力") << 0 << "Text1" << "Text1" << true << "Command1";
    QTest::newRow("主働土圧: 計算 to the page buttons") << 1 << "Text8" << "Command6" << false << "Command1";
    QTest::newRow("浮上り・支持力") << 2 << "Text18" << "Text18" << true << "Command11";
    QTest::newRow("ケース.1") << 3 << "Text24" << "Text24" << true << "Command11";
    QTest::newRow("ケース.2") << 4 << "Text41" << "Text41" << true << "Command11";
    QTest::newRow("ケース.3: no input, its 計算") << 5 << "Command14" << "Command14" << true << "Command11";
}

void TestFlumeWindow::opening_a_page_takes_the_keyboard_to_its_first_input()
{
    QFETCH(int, page);
    QFETCH(QString, first);
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, to);
    QApplication::setActiveWindow(window_);
    if (page >= 0) {
        for (int p = 1; p <= 5; ++p)
            window_->sheet().set_page_button_enabled(Page(p), true);
        press("Command1");  // which locks the shape dimensions
        press(qPrintable(page == 0 ? QStringLiteral("Command11") : QStringLiteral("Command%1").arg(page)));
    }
    QCOMPARE(QApplication::focusWidget(), control(qPrintable(first)));
    control(qPrintable(from))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

void TestFlumeWindow::missing_input_takes_the_keyboard_to_it_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("typed");  // control, text, …
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("focused");   // the field, its text selected; else the button stays
    QTest::newRow("θ empty") << 1 << QStringList{"Text8", ""} << "Command6" << "Text8";
    QTest::newRow("i negative") << 1 << QStringList{"Text11", "-1"} << "Command6" << "Text11";
    QTest::newRow("q negative and γ 0: γ stands higher") << 1 << QStringList{"Text12", "-1", "Text10", "0"}
                                                         << "Command6" << "Text10";
    QTest::newRow("qa 0 and T1 0: qa is on the page") << 2 << QStringList{"Text21", "0", "Text1", "0"} << "Command8"
                                                      << "Text21";
    QTest::newRow("T1 0 belongs to shape input") << 2 << QStringList{"Text1", "0"} << "Command8" << "Command8";
    QTest::newRow("γw carried into ケース.2") << 4 << QStringList{"Text18", ""} << "Command12" << "Command12";
}

void TestFlumeWindow::missing_input_takes_the_keyboard_to_it()
{
    QFETCH(int, page);
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, focused);
    QApplication::setActiveWindow(window_);
    // The worked example's inputs, then the page opened with every page button enabled.
    flume::FlumeSheet &sheet = window_->sheet();
    common::MessageRecorder quiet;
    flume::run_full_check(sheet, test_support::worked_inputs, quiet);
    for (int i = 0; i < typed.size(); i += 2) {
        for (const flume::FieldInfo &info : flume::field_table) {
            if (QString::fromLatin1(info.control) == typed[i])
                sheet.set_text(info.field, typed[i + 1]);
        }
    }
    for (int p = 1; p <= 5; ++p)
        sheet.set_page_button_enabled(Page(p), true);
    press("Command1");
    press(qPrintable(QStringLiteral("Command%1").arg(page)));
    control(qPrintable(button))->setFocus();

    test_support::BoxAnswer box;
    press(qPrintable(button));
    QCOMPARE(box.text, QStringLiteral("数値が入力されていません。"));
    QVERIFY(window_->focusWidget());
    QCOMPARE(window_->focusWidget()->objectName(), focused);
    if (auto *edit = qobject_cast<QLineEdit *>(window_->focusWidget()))
        QCOMPARE(edit->selectedText(), edit->text());
}

void TestFlumeWindow::unsaved_changes_are_offered_to_be_saved_data()
{
    QTest::addColumn<QString>("command");  // 終了, 開く or a file handed over by a later start
    QTest::addColumn<QString>("change");   // made after the inputs were opened from first.tvl: θ, 計算書の設定 or none
    QTest::addColumn<bool>("opened");      // the inputs came from first.tvl; else the new window's
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("saved_in");  // the file the change was written to; empty: none
    QTest::addColumn<bool>("went_on");      // the window closed, or other.tvl's inputs came in
    const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
    const QString save = QStringLiteral("変更を保存しますか？"), exit = QStringLiteral("終了しますか？");
    QTest::newRow("終了, nothing changed, いいえ") << "exit" << "none" << true << no << exit << "" << false;
    QTest::newRow("終了, nothing changed, はい") << "exit" << "none" << true << yes << exit << "" << true;
    QTest::newRow("終了, θ, はい") << "exit" << "theta" << true << yes << save << "first.tvl" << true;
    QTest::newRow("終了, θ, いいえ") << "exit" << "theta" << true << no << save << "" << true;
    QTest::newRow("終了, θ, キャンセル") << "exit" << "theta" << true << cancel << save << "" << false;
    QTest::newRow("終了, 計算書の設定, はい") << "exit" << "settings" << true << yes << save << "first.tvl" << true;
    // A new window's inputs go through 名前を付けて保存, which adds .tvl to a name typed without it.
    QTest::newRow("終了, new window, はい") << "exit" << "theta" << false << yes << save << "saved.tvl" << true;
    QTest::newRow("開く, θ, はい") << "open" << "theta" << true << yes << save << "first.tvl" << true;
    QTest::newRow("開く, θ, いいえ") << "open" << "theta" << true << no << save << "" << true;
    QTest::newRow("開く, θ, キャンセル") << "open" << "theta" << true << cancel << save << "" << false;
    QTest::newRow("開く, nothing changed") << "open" << "none" << true << yes << "" << "" << true;
    QTest::newRow("hand-over, 計算書の設定, はい") << "hand-over" << "settings" << true << yes << save << "first.tvl" << true;
    QTest::newRow("hand-over, θ, いいえ") << "hand-over" << "theta" << true << no << save << "" << true;
    QTest::newRow("hand-over, θ, キャンセル") << "hand-over" << "theta" << true << cancel << save << "" << false;
    QTest::newRow("hand-over, nothing changed") << "hand-over" << "none" << false << yes << "" << "" << true;
}

void TestFlumeWindow::unsaved_changes_are_offered_to_be_saved()
{
    QFETCH(QString, command);
    QFETCH(QString, change);
    QFETCH(bool, opened);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QString, saved_in);
    QFETCH(bool, went_on);
    QTemporaryDir dir;
    QSettings(QSettings::UserScope, QStringLiteral("Tavrel"), QStringLiteral("Tavrel"))
        .setValue(QStringLiteral("dialogs/folder"), dir.path());
    const QString first = dir.filePath(QStringLiteral("first.tvl")), other = dir.filePath(QStringLiteral("other.tvl"));
    QVERIFY(inputfile::write_tvl_file(first, QStringList{"0.1", "0.15", "0.15", "0.1", "1.0", "0.5", "1.0", "90"}));
    QVERIFY(inputfile::write_tvl_file(other, QStringList{"0.2", "0.15", "0.15", "0.1", "1.0", "0.5", "1.0", "70"}));
    if (opened)
        QVERIFY(window_->open_file(first));
    if (change == QLatin1String("theta")) {
        press("Command1");
        type({"Text8", "80"});
    } else if (change == QLatin1String("settings")) {
        commit_text(document_settings()->findChild<QLineEdit *>(QStringLiteral("works_name")), QStringLiteral("用水路改修工事"));
        QTest::mouseClick(window_->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    const QString typed = window_->sheet().text(Field::wall_inclination);
    QStringList before;
    for (const flume::FieldInfo &info : flume::field_table)
        before << window_->sheet().text(info.field);

    test_support::BoxAnswer box{QMessageBox::StandardButton(answer)};
    answer_file_dialog(command == QLatin1String("open") ? other : QStringLiteral("saved"));
    if (command == QLatin1String("exit"))
        entry("mnuexit")->trigger();
    else if (command == QLatin1String("open"))
        entry("mnuopen")->trigger();
    else
        tavrel::open_in_flume_window(other);
    QCOMPARE(box.text, question);
    if (!question.isEmpty()) {
        QCOMPARE(box.title, question == QStringLiteral("終了しますか？") ? QStringLiteral("終了確認") : QStringLiteral("保存確認"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
    }

    // What the files hold: the change only where it was saved.
    for (const QString &name : {QStringLiteral("first.tvl"), QStringLiteral("saved.tvl")}) {
        inputfile::TvlContents contents;
        const bool read = bool(inputfile::read_tvl_file(dir.filePath(name), contents));
        QCOMPARE(read && (contents.inputs.value(7) == QLatin1String("80") || !contents.document.works_name.isEmpty()),
                 name == saved_in);
    }
    if (command == QLatin1String("exit")) {
        QTRY_COMPARE(window_.isNull(), went_on);
        if (went_on)
            return;
        QVERIFY(window_->isVisible());
        // Staying keeps every value and the page in view.
        QStringList after;
        for (const flume::FieldInfo &info : flume::field_table)
            after << window_->sheet().text(info.field);
        QCOMPARE(after, before);
        QCOMPARE(control("Picture3")->isVisible(), change == QLatin1String("theta"));
    } else {
        QCOMPARE(window_->sheet().text(Field::wall_inclination), went_on ? QStringLiteral("70") : typed);
    }
}

void TestFlumeWindow::about_box_blocks_the_window_until_ok()
{
    entry("mnuver")->trigger();
    auto *about = window_->findChild<QDialog *>(QStringLiteral("Form4"));
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("バージョン情報"));
    QStringList labels;
    for (const char *name : {"Label1", "Label2"})
        labels << about->findChild<QLabel *>(QString::fromLatin1(name))->text();
    QCOMPARE(labels, QStringList({"地震時を考慮しなくてよいQuenfor", "Ver.3.01"}));
    QVERIFY(!about->findChild<QLabel *>(QStringLiteral("Label3"))->text().isEmpty());
    // Modal to the window, which keeps its look but takes no click.
    QCOMPARE(about->windowModality(), Qt::WindowModal);
    QVERIFY(window_->isEnabled());
    QVERIFY(!test_support::click_gets_through(control<QPushButton>("Command1")));
    QVERIFY(control("Picture2")->isVisible());

    QPointer<QDialog> guard(about);
    QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QTRY_VERIFY(!guard);
    QVERIFY(test_support::click_gets_through(control<QPushButton>("Command1")));
    QVERIFY(control("Picture3")->isVisible());
}

void TestFlumeWindow::saved_inputs_come_back_through_open()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("example.tvl"));
    walk_to_page_one();
    press("Command6");

    DialogShown shown;
    answer_file_dialog(path, &shown);
    entry("mnurewrit")->trigger();
    QCOMPARE(shown.filter, QStringLiteral("Tavrelファイル(*.tvl)"));
    QCOMPARE(shown.name_caption, QStringLiteral("ファイル名(&N):"));  // Qt's own texts in Japanese
    QVERIFY(QFile::exists(path));

    type({"Text8", "80"});
    type({"Text12", "5"});
    test_support::BoxAnswer discard(QMessageBox::No);  // to "変更を保存しますか？"
    answer_file_dialog(QString(), &shown);  // a cancelled open changes nothing
    entry("mnuopen")->trigger();
    expect_texts({{"Text8", "80"}, {"Text12", "5"}});
    QCOMPARE(shown.folder, dir.path());  // where the file was just saved

    // A file made read-only is replaced only when the user says so.
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    answer_file_dialog(path, &shown);
    test_support::BoxAnswer replace(QMessageBox::Yes);  // the file dialog's own question on a file that exists
    test_support::BoxAnswer keep(QMessageBox::No);
    entry("mnurewrit")->trigger();
    QTRY_COMPARE(keep.text, QStringLiteral("読み取り専用のファイルです。置き換えますか？\n") + path);

    test_support::BoxAnswer discard_again(QMessageBox::No);
    answer_file_dialog(path, &shown);
    entry("mnuopen")->trigger();
    expect_texts({{"Text8", "90"}, {"Text12", "10"}, {"Text1", "0.1"}, {"Text13", "20"}});
    expect_texts({{"Text17", "1.950"}});  // results are not recomputed or cleared by opening
}

// 構造計算書 printed after 開く computes every page from the opened inputs, never beside the old
// results the window still shows, which printing leaves as they are; what stops a page is the
// reason in 目次, not a message box over the print dialog.
void TestFlumeWindow::document_after_open_holds_only_the_opened_flume()
{
    flume::put_input_texts(window_->sheet(), test_support::worked_inputs);
    for (const char *button : {"Command1", "Command6", "Command2", "Command7", "Command8", "Command3", "Command9",
                               "Command10", "Command4", "Command12", "Command5", "Command14"})
        press(button);
    QCOMPARE(field("Text49")->text(), QStringLiteral("2.294"));
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("other.tvl"));
    // h' missing stops Case 2.
    const QStringList inputs = test_support::worked_with({{flume::Field::case1_depth, QStringLiteral("0.68")},
                                                          {flume::Field::wet_soil_unit_weight, QStringLiteral("17.9")},
                                                          {flume::Field::case2_depth, QString()}});
    QVERIFY(inputfile::write_tvl_file(other, inputs));
    QVERIFY(window_->open_file(other));

    const QString pdf = dir.filePath(QStringLiteral("document.pdf"));
    QStringList modals;
    test_support::ModalWatcher watcher([&](QWidget *modal) {
        modals.append(QString::fromLatin1(modal->metaObject()->className()));
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(pdf);
            static_cast<QDialog *>(files)->accept();
        }
    });
    entry("mnudocument")->trigger();
    QPointer<QWidget> dialog = window_->findChild<QWidget *>(QStringLiteral("Form5"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pdf_button")), Qt::LeftButton);
    QCOMPARE(modals, QStringList{QStringLiteral("QFileDialog")});
    delete dialog;

    const QString text = test_support::run_process(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out;
    const flume::WalkedFlume opened = flume::walk_flume(inputs);
    const QString sso = opened.sheet->text(Field::case1_wall_shear);
    QVERIFY2(!sso.isEmpty() && text.contains(sso) && !text.contains(QStringLiteral("5.801")), qPrintable(sso));
    QVERIFY(text.contains(QStringLiteral("（数値が入力されていません。）")));
    QVERIFY(!text.contains(QStringLiteral("2.294")));
    // The window still shows what it computed before 開く.
    QCOMPARE(field("Text30")->text(), QStringLiteral("5.801"));
    QCOMPARE(field("Text49")->text(), QStringLiteral("2.294"));
}

void TestFlumeWindow::tool_entry_hands_the_member_forces_to_morvik_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("moment");  // N·cm
    QTest::addColumn<QString>("shear");   // N
    QTest::newRow("ケース.1 側壁") << "mnumorvik_1" << "&1 ケース.1 側壁 (Mso, Sso)" << "230700" << "5801";
    QTest::newRow("ケース.1 底版") << "mnumorvik_2" << "&2 ケース.1 底版 (Mto, Sto)" << "104900" << "2935";
    QTest::newRow("ケース.2 側壁") << "mnumorvik_3" << "&3 ケース.2 側壁 (Ms1, Ss1)" << "217400" << "5929";
    QTest::newRow("ケース.2 底版") << "mnumorvik_4" << "&4 ケース.2 底版 (Mt1, St1)" << "343200" << "2935";
    QTest::newRow("ケース.3 側壁") << "mnumorvik_5" << "&5 ケース.3 側壁 (Ms1, Ss1)" << "104800" << "2859";
    QTest::newRow("ケース.3 底版") << "mnumorvik_6" << "&6 ケース.3 底版 (Mt1, St1)" << "230600" << "2935";
}

void TestFlumeWindow::tool_entry_hands_the_member_forces_to_morvik()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, moment);
    QFETCH(QString, shear);
    QTemporaryDir dir;
    qputenv("curdir", dir.path().toLocal8Bit());
    const QString record = dir.filePath(QStringLiteral("started.txt"));
    test_support::write_recording_program(dir.filePath(QStringLiteral("file/morvik")), record);

    QAction *member = entry(qPrintable(control));
    QCOMPARE(member->text(), caption);
    QCOMPARE(member->parent()->objectName(), QStringLiteral("mnutool"));
    QVERIFY(!member->isEnabled());

    // The worked examples of every page: PV 2.000 (δ = 20.54) gives the Case forces of the examples.
    common::MessageRecorder messages;
    QVERIFY(flume::run_full_check(window_->sheet(), test_support::worked_inputs_pv_2, messages).reached_case3);
    QVERIFY(messages.messages.isEmpty());
    QVERIFY(member->isEnabled());

    // Each choice starts a Morvik of its own.
    member->trigger();
    member->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(test_support::recorded_starts(record).size(), 2, 10000);
    const QString title = caption.section(u' ', 1, 2);  // "ケース.1 側壁"
    const QStringList expected = {"--moment", moment, "--shear", shear, "--width", "100", "--member", title};
    for (const QStringList &start : test_support::recorded_starts(record))
        QCOMPARE(start.mid(1), expected);

    // The entry follows the results, not the page: shape input keeps them, page 1's calculation
    // clears them.
    press("Command11");
    QVERIFY(member->isEnabled());
    press("Command1");
    press("Command6");
    QCOMPARE(field("Text17")->text(), QStringLiteral("2.000"));
    QVERIFY(!member->isEnabled());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The dialogs' folder is kept in the test's own settings, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    gui::common::prepare_application(app, QStringLiteral("Tavrel"));
    gui::common::install_screen_font(app);
    TestFlumeWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_flume_window.moc"

void TestFlumeWindow::help_references_name_chapters_of_the_book()
{
    // The chapters' titles without their numbers ("6　主働土圧").
    QStringList chapters;
    for (const book::OutlineEntry &entry : book::reference_book({}).outline) {
        if (entry.level == 1)
            chapters.append(entry.title.section(u'　', 1));
    }
    // "（ヘルプ：「Tavrel」断面寸法の設計参照）", "（ヘルプ：「Tavrel」　ケース.1 参照）": the name between
    // the book's title and "参照", blanks around it aside.
    const QRegularExpression reference(QStringLiteral("^（ヘルプ：「Tavrel」[ 　]*(.*?)[ 　]*参照）$"));
    QStringList named;
    for (const QLabel *label : window_->findChildren<QLabel *>()) {
        const QRegularExpressionMatch m = reference.match(label->text());
        if (m.hasMatch())
            named.append(m.captured(1));
    }
    QCOMPARE(named.size(), 6);
    for (const QString &name : named)
        QVERIFY2(chapters.contains(name), qPrintable(name));
}

// 作成日 is stored only once typed or confirmed; an untouched one is the day of printing.
void TestFlumeWindow::document_settings_keep_the_date_as_entered_data()
{
    QTest::addColumn<QString>("typed");        // into 作成日; empty: nothing typed
    QTest::addColumn<bool>("untick");          // 印刷する日 unticked afterwards
    QTest::addColumn<bool>("ok");              // OK, or キャンセル
    QTest::addColumn<QString>("stored");       // "today": the era date of today
    QTest::newRow("untouched, the day of printing") << QString() << false << true << QString();
    QTest::newRow("typed date kept") << QStringLiteral("令和8年11月") << false << true << QStringLiteral("令和8年11月");
    QTest::newRow("today confirmed by unticking") << QString() << true << true << QStringLiteral("today");
    QTest::newRow("cancelled, nothing kept") << QStringLiteral("令和8年11月") << false << false << QString();
}

void TestFlumeWindow::document_settings_keep_the_date_as_entered()
{
    QFETCH(QString, typed);
    QFETCH(bool, untick);
    QFETCH(bool, ok);
    QFETCH(QString, stored);
    tavrel::DocumentSettings *settings = document_settings();
    QVERIFY(settings && settings->isVisible());
    QCOMPARE(settings->windowTitle(), QStringLiteral("計算書の設定"));
    auto *date = settings->findChild<QLineEdit *>(QStringLiteral("creation_date"));
    auto *printing_day = settings->findChild<QCheckBox *>(QStringLiteral("printing_day"));
    QCOMPARE(date->text(), document::era_date(QDate::currentDate()));
    QVERIFY(printing_day->isChecked());

    commit_text(settings->findChild<QLineEdit *>(QStringLiteral("works_name")), QStringLiteral("用水路改修工事"));
    if (!typed.isEmpty()) {
        date->selectAll();
        commit_text(date, typed);
        QVERIFY(!printing_day->isChecked());
    }
    if (untick)
        QTest::mouseClick(printing_day, Qt::LeftButton, {}, QPoint(5, printing_day->height() / 2));
    auto *buttons = settings->findChild<QDialogButtonBox *>();
    QTest::mouseClick(buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
    QTRY_VERIFY(!window_->findChild<tavrel::DocumentSettings *>());

    QCOMPARE(window_->document_data().creation_date,
             stored == QLatin1String("today") ? document::era_date(QDate::currentDate()) : stored);
    QCOMPARE(window_->document_data().works_name, ok ? QStringLiteral("用水路改修工事") : QString());
    // The dialog opens again with what was kept.
    settings = document_settings();
    QCOMPARE(settings->findChild<QCheckBox *>(QStringLiteral("printing_day"))->isChecked(), window_->document_data().creation_date.isEmpty());
    settings->reject();
}

QWidget *TestFlumeWindow::open_member_check_on_case1()
{
    // Case 1 of the worked flume, its earlier pages' values given.
    type_worked({Field::t1, Field::t2, Field::t3, Field::wall_height});
    window_->sheet().show_result(Field::ka, QStringLiteral("0.30"));
    window_->sheet().show_result(Field::pv, QStringLiteral("2.000"));
    window_->sheet().set_text(Field::surcharge, QStringLiteral("10"));
    window_->sheet().set_text(Field::water_unit_weight, QStringLiteral("9.8"));
    open_case1();
    type_worked({Field::case1_depth, Field::wall_top_to_slab_axis, Field::slab_axis_to_groundwater,
                 Field::wet_soil_unit_weight, Field::submerged_soil_unit_weight, Field::back_friction_angle});
    press("Command9");

    entry("mnumembers")->trigger();
    QWidget *members = control("member_check_window");
    if (!QTest::qWaitForWindowExposed(members))
        qFatal("the member check window is not shown");
    return members;
}

void TestFlumeWindow::member_check_follows_the_cases()
{
    QWidget *members = open_member_check_on_case1();
    QCOMPARE(entry("mnumembers")->text(), QStringLiteral("部材の応力度照査(&M)"));
    QCOMPARE(members->windowTitle(), QStringLiteral("部材の応力度照査"));
    const auto label = [members](const char *name) { return members->findChild<QLabel *>(QString::fromLatin1(name))->text(); };
    const auto edit = [members](const char *name) { return members->findChild<QLineEdit *>(QString::fromLatin1(name)); };
    QCOMPARE(edit("allowable_compression")->text(), QStringLiteral("800"));
    QCOMPARE(label("judgement_1"), QStringLiteral("鉄筋未入力"));
    QCOMPARE(label("judgement_3"), QStringLiteral("未計算"));

    // It fits the screen's room, scrolls to what it cannot show and can be made smaller.
    const QRect room = members->screen()->availableGeometry();
    QCOMPARE(room.size(), QSize(1280, 720));
    QVERIFY2(room.contains(members->frameGeometry()), qPrintable(QStringLiteral("%1 × %2").arg(members->width()).arg(members->height())));
    QLabel *judgement = members->findChild<QLabel *>(QStringLiteral("judgement_1"));
    members->findChild<QScrollArea *>()->ensureWidgetVisible(judgement);
    QVERIFY(!judgement->visibleRegion().isEmpty());
    // Tab goes along the materials' rows, then down the detailing rules.
    QApplication::setActiveWindow(members);
    members->findChild<QComboBox *>(QStringLiteral("concrete_strength"))->setFocus();
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        QWidget *focused = QApplication::focusWidget();
        order << (qobject_cast<QComboBox *>(focused->parentWidget()) ? focused->parentWidget() : focused)->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"concrete_strength", "steel_grade", "allowable_compression", "allowable_tension",
                                 "tension_row", "allowable_shear", "allowable_bond", "bar_surface", "aggregate_size",
                                 "least_spacing", "largest_pitch", "least_steel_ratio"}));

    // D13 × 5 with a cover of 3 cm: Morvik's stresses for Mso and Sso.
    QTest::keyClicks(members->findChild<QComboBox *>(QStringLiteral("bar_1")), QStringLiteral("D13"));
    QTest::keyClicks(edit("spacing_text_1"), QStringLiteral("5"));
    QTest::keyClicks(edit("cover_1"), QStringLiteral("3"));
    QCOMPARE(label("moment_1"), QStringLiteral("230700"));
    QCOMPARE(edit("thickness_1")->text(), QStringLiteral("15.0"));
    QCOMPARE(edit("depth_1")->text(), QStringLiteral("11.3"));
    QCOMPARE(label("stress_1_1"), QStringLiteral("122 ≦ 800"));
    QCOMPARE(label("detail_1_2"), QStringLiteral("200 ≦ 300"));
    QCOMPARE(label("judgement_1"), QStringLiteral("OK"));
    QVERIFY(entry("mnup_6")->isEnabled());

    // A largest pitch typed below the bars' breaks that rule; a long judgement wraps in its cell.
    const int width = members->width();
    edit("largest_pitch")->selectAll();
    QTest::keyClicks(edit("largest_pitch"), QStringLiteral("150"));
    QCOMPARE(label("judgement_1"), QStringLiteral("NG（ピッチ）"));
    members->findChild<QComboBox *>(QStringLiteral("concrete_strength"))->setCurrentText(QStringLiteral("40"));
    QCOMPARE(label("judgement_1"), QStringLiteral("NG（ピッチ）"));
    edit("largest_pitch")->selectAll();
    QTest::keyClicks(edit("largest_pitch"), QStringLiteral("300"));
    QCOMPARE(label("judgement_1"), QStringLiteral("許容値未入力（σca、τa、τoa）"));
    QCOMPARE(judgement->toolTip(), judgement->text());
    QCOMPARE(members->width(), width);
    members->findChild<QComboBox *>(QStringLiteral("concrete_strength"))->setCurrentText(QStringLiteral("24"));
    members->resize(600, 400);
    QCOMPARE(members->size(), QSize(600, 400));

    // Switched to a pitch, the count typed becomes its pitch, and back.
    QComboBox *spacing = members->findChild<QComboBox *>(QStringLiteral("spacing_1"));
    QTest::keyClick(spacing, Qt::Key_Down);
    QCOMPARE(edit("spacing_text_1")->text(), QStringLiteral("200"));
    QCOMPARE(label("judgement_1"), QStringLiteral("OK"));
    QTest::keyClick(spacing, Qt::Key_Up);
    QCOMPARE(edit("spacing_text_1")->text(), QStringLiteral("5"));

    // h typed but not computed: the forces shown are h = 1.0 m's and are not judged. Recomputed at
    // h = 0.5 m, the row follows at once, its thickness too.
    type({"Text24", "0.5"});
    QCOMPARE(label("judgement_1"), QStringLiteral("未計算（入力変更）"));
    press("Command9");
    QCOMPARE(label("moment_1"), QString(QStringLiteral("%1")).arg(window_->sheet().text(Field::case1_wall_moment_ncm)));
    QVERIFY(label("moment_1") != QStringLiteral("230700"));
    QCOMPARE(edit("thickness_1")->text(), QStringLiteral("12.5"));
    QCOMPARE(label("judgement_1"), QStringLiteral("OK"));

    // A rejected calculation clears the Case: the row is 未計算 and nothing can be printed.
    {
        test_support::BoxAnswer box;
        type({"Text25", "0"});
        press("Command9");
        QCOMPARE(box.seen, 1);
    }
    QCOMPARE(label("judgement_1"), QStringLiteral("未計算"));
    QCOMPARE(label("stress_1_1"), QString());
    QVERIFY(!entry("mnup_6")->isEnabled());

    // Back at h = 1.0 m, σca typed below σc 120: marked as typed, the row NG in red.
    type_worked({Field::case1_depth, Field::wall_top_to_slab_axis});
    press("Command9");
    QVERIFY(!members->findChild<QLabel *>(QStringLiteral("allowable_compression_typed"))->isVisible());
    edit("allowable_compression")->selectAll();
    QTest::keyClicks(edit("allowable_compression"), QStringLiteral("50"));
    QVERIFY(members->findChild<QLabel *>(QStringLiteral("allowable_compression_typed"))->isVisible());
    QCOMPARE(label("judgement_1"), QStringLiteral("NG（σc）"));
    QCOMPARE(members->findChild<QLabel *>(QStringLiteral("judgement_1"))->palette().color(QPalette::WindowText),
             QColor(Qt::red));

    // Materials a file could not give judge nothing, whatever the window showed before, until they
    // are entered again.
    auto *strength = members->findChild<QComboBox *>(QStringLiteral("concrete_strength"));
    strength->setCurrentText(QStringLiteral("21"));
    members::MemberCheckInputs damaged = window_->member_sheet().inputs();
    damaged.materials = {};
    damaged.unreadable[std::size_t(members::InputPart::Materials)] = true;
    window_->member_sheet().set_inputs(damaged);
    QCOMPARE(label("judgement_1"), QStringLiteral("使用材料のデータが不正"));
    QCOMPARE(window_->member_sheet().report().members[0].judgement, label("judgement_1"));
    QCOMPARE(label("stress_1_1"), QStringLiteral("122"));
    strength->setCurrentText(QStringLiteral("24.0"));
    QCOMPARE(label("judgement_1"), QStringLiteral("OK"));

    // The window belongs to the flume window and goes with it.
    const QPointer<QWidget> gone = members;
    delete window_;
    QVERIFY(gone.isNull());
}

void TestFlumeWindow::batch_window_checks_each_row_over_the_screens_flume()
{
    flume::put_input_texts(window_->sheet(), test_support::worked_inputs);
    window_->member_sheet().set_inputs(test_support::worked_members());
    entry("mnubatch")->trigger();
    tavrel::BatchWindow *batch = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        batch = batch ? batch : qobject_cast<tavrel::BatchWindow *>(top);
    QVERIFY(batch && batch->isVisible() && !batch->isModal());
    batch->set_base({});
    batch->put_table({{"名称", "qa"}, {"A", "100"}, {"B", "10"}, {"C", "abc"}});
    QSignalSpy computed(batch, &tavrel::BatchWindow::computed);
    QTest::mouseClick(batch->findChild<QPushButton *>(QStringLiteral("batch_compute")), Qt::LeftButton);
    QVERIFY(computed.wait(20000));

    QStringList overall;
    for (const batch::RowResult &row : batch->results()->rows)
        overall << batch::verdict_text(row.overall);
    QCOMPARE(overall, QStringList({"OK", "NG", "－"}));
    auto *grid = batch->findChild<QTableWidget *>(QStringLiteral("batch_grid"));
    int verdict = 0;
    while (verdict < grid->columnCount() && grid->item(0, verdict)->text() != QStringLiteral("qmax 判定"))
        ++verdict;
    QCOMPARE(grid->item(2, verdict)->text(), QStringLiteral("NG"));
    QCOMPARE(grid->item(2, verdict)->foreground().color(), QColor(Qt::red));
    QVERIFY(grid->item(1, verdict)->foreground().color() != QColor(Qt::red));
    QCOMPARE(grid->item(2, 0)->toolTip(), QStringLiteral("浮上り・支持力：許容値をオーバーしました。"));
    QCOMPARE(grid->item(3, 1)->toolTip(), QStringLiteral("4:2: 「qa」の値「abc」は数値ではありません"));

    // A row opened as a flume window of its own: the base with the row's values, not computed.
    grid->setCurrentCell(2, 0);
    QTest::mouseClick(batch->findChild<QPushButton *>(QStringLiteral("batch_open_row")), Qt::LeftButton);
    FlumeWindow *opened = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *flume = qobject_cast<FlumeWindow *>(top); flume && flume != window_)
            opened = flume;
    }
    QVERIFY(opened);
    QCOMPARE(opened->sheet().text(Field::allowable_bearing), QStringLiteral("10"));
    QCOMPARE(opened->sheet().text(Field::t1), test_support::worked_text(Field::t1));
    QCOMPARE(opened->member_sheet().inputs(), test_support::worked_members());
    delete opened;

    // 自動配筋: the bars beside the row are those of the row opened.
    batch->findChild<QCheckBox *>(QStringLiteral("batch_design"))->setChecked(true);
    QTest::mouseClick(batch->findChild<QPushButton *>(QStringLiteral("batch_compute")), Qt::LeftButton);
    QVERIFY(computed.wait(20000));
    const QString chosen = batch->results()->rows[0].cells.value(batch->results()->column(batch::ColumnRole::MemberBar, 0));
    grid->setCurrentCell(1, 0);
    QTest::mouseClick(batch->findChild<QPushButton *>(QStringLiteral("batch_open_row")), Qt::LeftButton);
    opened = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *flume = qobject_cast<FlumeWindow *>(top); flume && flume != window_)
            opened = flume;
    }
    QVERIFY(opened);
    QCOMPARE(opened->member_sheet().inputs().members[0].bar, chosen);
    QVERIFY(opened->member_sheet().inputs().members[0].designed);
    delete opened;

    // Typing into the table takes the results away from beside it.
    grid->item(1, 1)->setText(QStringLiteral("90"));
    QVERIFY(!batch->results());
    QCOMPARE(grid->item(0, 2) ? grid->item(0, 2)->text() : QString(), QString());
    delete batch;
}

// 「自動配筋」 puts in the least steel that passes where a Case has given forces and leaves the
// other members; bars typed over it are 手入力; Ctrl+Z puts the bars back.
void TestFlumeWindow::member_check_designs_the_bars_and_undoes()
{
    QWidget *members = open_member_check_on_case1();
    const auto label = [members](const QString &name) { return members->findChild<QLabel *>(name)->text(); };
    const auto bars = [members](int i) {
        return members->findChild<QComboBox *>(QStringLiteral("bar_%1").arg(i))->currentText() + u' '
            + members->findChild<QLineEdit *>(QStringLiteral("spacing_text_%1").arg(i))->text();
    };
    members::MemberCheckInputs typed = window_->member_sheet().inputs();
    for (members::MemberInputs &m : typed.members)
        m = {QStringLiteral("D13"), members::Spacing::Count, QStringLiteral("5"), {}, {}, {}, {}, QStringLiteral("3")};
    window_->member_sheet().set_inputs(typed);

    QPushButton *design_all = members->findChild<QPushButton *>(QStringLiteral("design_all"));
    QCOMPARE(design_all->text(), QStringLiteral("自動配筋(&A)"));
    QTest::mouseClick(design_all, Qt::LeftButton);
    const members::MemberDesign wall = window_->member_sheet().design(0);
    QCOMPARE(bars(1), QStringLiteral("D10 300"));
    QCOMPARE(label("origin_1"), QStringLiteral("自動"));
    QCOMPARE(label("design_note_1"), wall.governing);
    QCOMPARE(label("judgement_1"), QStringLiteral("OK"));
    QCOMPARE(bars(3), QStringLiteral("D13 5"));
    QCOMPARE(label("origin_3"), QStringLiteral("手入力"));
    QCOMPARE(label("design_note_3"), QStringLiteral("未計算のため変更なし"));

    QTest::keyClick(members, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(bars(1), QStringLiteral("D13 5"));
    QCOMPARE(label("origin_1"), QStringLiteral("手入力"));
    QCOMPARE(label("design_note_1"), QString());
    QTest::keyClick(members, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(bars(1), QStringLiteral("D10 300"));

    // A pitch typed over the search's is the user's; a 6 cm wall takes no bar of the lists and its
    // row says which 総厚 would do.
    QLineEdit *pitch = members->findChild<QLineEdit *>(QStringLiteral("spacing_text_1"));
    pitch->selectAll();
    QTest::keyClicks(pitch, QStringLiteral("250"));
    QCOMPARE(label("origin_1"), QStringLiteral("手入力"));
    window_->member_sheet().type_thickness(0, QStringLiteral("6"));
    QTest::mouseClick(members->findChild<QPushButton *>(QStringLiteral("design_1")), Qt::LeftButton);
    QCOMPARE(bars(1), QStringLiteral("D10 250"));
    QCOMPARE(label("design_note_1"), QStringLiteral("σc：断面が不足（総厚を増やしてください）　総厚 7.5 cm で可"));
    // Undo takes back the search's bars only: the pitch typed since stays.
    QTest::keyClick(members, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(bars(1), QStringLiteral("D10 250"));
}
