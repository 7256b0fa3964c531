// The print dialog as the user sees it: its controls for each report, the printer box and labels
// over the real printers (scripts/setup-test-printer.sh), the owner's state, properties, preview,
// PDF and the reported failures.
#include "gui/print_dialog/print_dialog.h"
#include "gui/print_dialog/printer_choice.h"
#include "gui/common/dialog_folder.h"
#include "tests/support/box_answer.h"
#include "tests/support/pdf_outline.h"
#include "tests/support/process_run.h"

#include <QApplication>
#include <QAbstractFileIconProvider>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

const QString first_queue = QStringLiteral("tavrel-pdf-1");
const QString second_queue = QStringLiteral("tavrel-pdf-2");

// A page with one run of text, enough for the preview and the PDF to have something to show.
printing::ReportPage sample_page()
{
    printing::ReportPage page;
    page.font(17);
    page.text(4800, 500, {QStringLiteral("主働土圧")});
    page.line(500, 400, 11050, 400);
    return page;
}

using Opener = std::function<print_dialog::PrintDialog *(QWidget *owner)>;

// True in the run of no_printer_is_reported whose print system has no printer.
bool seeing_no_printer()
{
    return qEnvironmentVariable("CUPS_SERVER") == QLatin1String("127.0.0.1:1");
}

Opener flume_opener(int button)
{
    return [button](QWidget *owner) { return print_dialog::open_print_dialog(owner, button, QStringLiteral("報告書"), sample_page); };
}

Opener rc_stress_opener()
{
    return [](QWidget *owner) { return print_dialog::open_rc_stress_print_dialog(owner, QStringLiteral("報告書"), sample_page); };
}

QPushButton *button(QWidget *dialog, const QString &name)
{
    return dialog->findChild<QPushButton *>(name);
}

// Types the name into the file dialog's name field and presses the save button.
void type_file_name(QFileDialog *files, const QString &path)
{
    auto *name_field = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name_field);
    name_field->setText(path);
    static_cast<QDialog *>(files)->accept();  // what the save button does
}


} // namespace

Q_DECLARE_METATYPE(Opener)

class TestPrintDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The file dialogs' folder is kept in the test's own settings, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        if (seeing_no_printer())
            return;
        for (const QString &queue : {first_queue, second_queue})
            QVERIFY2(QPrinterInfo::printerInfo(queue).printerName() == queue,
                     "the test printers are missing: run scripts/setup-test-printer.sh as root");
        QCOMPARE(QPrinterInfo::defaultPrinterName(), first_queue);
    }

    // Runs first: nothing has been chosen in this process yet, so the system default shows.
    void starts_with_the_default_printer()
    {
        QWidget owner;
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 1, QStringLiteral("報告書"), sample_page);
        auto *box = dialog->findChild<QComboBox *>(QStringLiteral("Combo1"));
        QStringList listed;
        for (int i = 0; i < box->count(); ++i)
            listed.append(box->itemText(i));
        QCOMPARE(listed, QPrinterInfo::availablePrinterNames());
        QVERIFY(listed.contains(first_queue) && listed.contains(second_queue));
        QCOMPARE(box->currentText(), first_queue);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("種類：　tavrel-pdf-1"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("場所：　cups-pdf:/tavrel-pdf-1"));
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }

    void controls_for_each_report_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("print_button");

        QTest::newRow("主働土圧") << flume_opener(1) << "Form5" << QSize(402, 136) << "Command1";
        QTest::newRow("浮上り・基礎地盤支持力の検討") << flume_opener(2) << "Form5" << QSize(402, 136) << "Command2";
        QTest::newRow("ケース . 1") << flume_opener(3) << "Form5" << QSize(402, 136) << "Command3";
        QTest::newRow("ケース . 2") << flume_opener(4) << "Form5" << QSize(402, 136) << "Command4";
        QTest::newRow("ケース . 3") << flume_opener(5) << "Form5" << QSize(402, 136) << "Command5";
        QTest::newRow("構造計算書") << Opener([](QWidget *owner) {
            return print_dialog::open_document_print_dialog(owner, [] { return printing::single_report(sample_page(), QStringLiteral("報告書")); });
        }) << "Form5" << QSize(402, 136) << "document_print";
        QTest::newRow("鉄筋コンクリート応力度の検討") << rc_stress_opener() << "Form4" << QSize(400, 134) << "Command1";
    }

    // 15 twips to the pixel: (2820, 1680) is (188, 112).
    void controls_for_each_report()
    {
        QFETCH(Opener, open);
        QFETCH(QString, form);
        QFETCH(QSize, client);
        QFETCH(QString, print_button);

        QWidget owner;
        owner.show();
        QPointer<print_dialog::PrintDialog> dialog = open(&owner);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->objectName(), form);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("印刷"));
        QCOMPARE(dialog->size(), client);
        QCOMPARE(dialog->font().family(), QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(dialog->font().pointSize(), 9);
        QCOMPARE(dialog->findChild<QGroupBox *>()->title(), QStringLiteral("プリンタ"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("プリンタ名："));
        QCOMPARE(button(dialog, "Command7")->text(), QStringLiteral("プロパティ"));
        QCOMPARE(button(dialog, "Command7")->geometry(), QRect(280, 22, 95, 20));

        QStringList visible_print_buttons;
        for (auto *b : dialog->findChildren<QPushButton *>()) {
            if (b->isVisible() && b->text() == QStringLiteral("印刷"))
                visible_print_buttons.append(b->objectName());
        }
        QCOMPARE(visible_print_buttons, QStringList{print_button});
        QCOMPARE(button(dialog, print_button)->geometry(), QRect(188, 112, 100, 20));
        QVERIFY(button(dialog, print_button)->isDefault());  // Enter prints

        QPushButton *cancel = button(dialog, "Command6");
        QCOMPARE(cancel->text(), QStringLiteral("キャンセル"));
        QCOMPARE(cancel->geometry(), QRect(292, 112, 100, 20));

        // The two added buttons share the row, left of the print button.
        for (const char *name : {"preview_button", "pdf_button"}) {
            QPushButton *added = button(dialog, name);
            QVERIFY(added->isVisible());
            QCOMPARE(added->y(), 112);
            QVERIFY(added->geometry().right() < 188);
        }
        QCOMPARE(button(dialog, "preview_button")->text(), QStringLiteral("プレビュー"));
        QCOMPARE(button(dialog, "pdf_button")->text(), QStringLiteral("PDF保存"));
        QVERIFY(!button(dialog, "preview_button")->geometry().intersects(button(dialog, "pdf_button")->geometry()));

        // Tab follows the screen: the printer row, then the buttons' row from left to right.
        QStringList tabbed;
        QWidget *combo = dialog->findChild<QComboBox *>(QStringLiteral("Combo1"));
        QWidget *at = combo;
        for (int i = 0; i < 5; ++i) {
            do
                at = at->nextInFocusChain();
            while (!at->isVisible() || !(at->focusPolicy() & Qt::TabFocus) || at->parentWidget() == combo);
            tabbed.append(at->objectName());
        }
        QCOMPARE(tabbed, QStringList({"Command7", "preview_button", "pdf_button", print_button, "Command6"}));

        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }

    // Opening for another report while the dialog exists shows the same dialog with the new button.
    void reopening_switches_the_print_button()
    {
        QWidget owner;
        QPointer<print_dialog::PrintDialog> first = print_dialog::open_print_dialog(&owner, 4, QStringLiteral("報告書"), sample_page);
        QPointer<print_dialog::PrintDialog> second = print_dialog::open_print_dialog(&owner, 2, QStringLiteral("報告書"), sample_page);
        QCOMPARE(first, second);
        QVERIFY(!button(second, "Command4")->isVisible());
        QVERIFY(button(second, "Command2")->isVisible());
        QCOMPARE(button(second, "Command2")->pos(), QPoint(188, 112));
        second->reject();
        QTRY_VERIFY(second.isNull());
    }

    void owner_blocked_while_the_dialog_is_up_data()
    {
        QTest::addColumn<QString>("closing");
        QTest::newRow("キャンセル") << "cancel";
        QTest::newRow("close box") << "close";
        QTest::newRow("Esc") << "escape";
    }

    // The dialog is modal to its owner and stays above it: the owner keeps its look (it is not
    // disabled) but takes no click until the dialog is closed.
    void owner_blocked_while_the_dialog_is_up()
    {
        QFETCH(QString, closing);
        QWidget owner;
        auto *owners_button = new QPushButton(QStringLiteral("計算"), &owner);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 3, QStringLiteral("報告書"), sample_page);
        QCOMPARE(dialog->parentWidget(), &owner);
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QVERIFY(owner.isEnabled());
        QVERIFY(!test_support::click_gets_through(owners_button));
        if (closing == "cancel")
            QTest::mouseClick(button(dialog, "Command6"), Qt::LeftButton);
        else if (closing == "close")
            dialog->close();
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(test_support::click_gets_through(owners_button));
    }

    // An owner that goes takes its dialog with it, so nothing can be printed for a closed window.
    void dialog_goes_with_its_owner()
    {
        auto *owner = new QWidget;
        owner->show();
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(owner, 1, QStringLiteral("報告書"), sample_page);
        QVERIFY(dialog->isVisible());
        delete owner;
        QVERIFY(dialog.isNull());
    }

    // The choice is the process's: the labels follow it, and the next dialog starts with it.
    void a_chosen_printer_stays_chosen()
    {
        QWidget owner;
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 1, QStringLiteral("報告書"), sample_page);
        auto *box = dialog->findChild<QComboBox *>(QStringLiteral("Combo1"));
        box->setCurrentIndex(box->findText(second_queue));
        emit box->activated(box->currentIndex());
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("種類：　tavrel-pdf-2"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("場所：　cups-pdf:/tavrel-pdf-2"));

        // A typed name that no printer has leaves the current printer as it was.
        box->setEditText(QStringLiteral("no such printer"));
        emit box->activated(box->currentIndex());
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("種類：　tavrel-pdf-2"));
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());

        dialog = print_dialog::open_rc_stress_print_dialog(&owner, QStringLiteral("報告書"), sample_page);
        QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(), second_queue);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("種類：　tavrel-pdf-2"));
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(print_dialog::choose_printer(first_queue));
    }

    void properties_data()
    {
        QTest::addColumn<QString>("box_text");
        QTest::addColumn<bool>("shown");
        QTest::newRow("installed printer") << first_queue << true;
        QTest::newRow("empty name") << QString() << false;
        QTest::newRow("unknown name") << QStringLiteral("no such printer") << false;
    }

    void properties()
    {
        QFETCH(QString, box_text);
        QFETCH(bool, shown);
        QWidget owner;
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 1, QStringLiteral("報告書"), sample_page);
        dialog->findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(box_text);
        bool page_setup = false;
        test_support::ModalWatcher watcher([&](QWidget *modal) {
            page_setup = qobject_cast<QPageSetupDialog *>(modal) != nullptr;
            qobject_cast<QDialog *>(modal)->reject();
        });
        QTest::mouseClick(button(dialog, "Command7"), Qt::LeftButton);
        QCOMPARE(watcher.opened(), shown);
        QCOMPARE(page_setup, shown);
        QVERIFY(!dialog.isNull());
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }

    // The failure is told and the dialog stays for another choice; with no name at all, only that
    // nothing was printed; with no printer set up, that there is none (in the run of
    // no_printer_is_reported).
    void failed_print_is_reported_data()
    {
        QTest::addColumn<QString>("box_text");
        QTest::addColumn<QString>("message");
        if (seeing_no_printer()) {
            QTest::newRow("no printer set up") << "" << "印刷できませんでした。\nプリンタが設定されていません。";
            return;
        }
        QTest::newRow("unknown name") << "ＬＰ３" << "印刷できませんでした。\nＬＰ３";
        QTest::newRow("no printer chosen") << "" << "印刷できませんでした。";
    }

    void failed_print_is_reported()
    {
        QFETCH(QString, box_text);
        QFETCH(QString, message);
        QWidget owner;
        owner.show();
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 5, QStringLiteral("報告書"), sample_page);
        dialog->findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(box_text);
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        test_support::ModalWatcher watcher([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(button(dialog, "Command5"), Qt::LeftButton);
        QCOMPARE(text, message);
        QCOMPARE(title, QStringLiteral("印刷"));
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(!dialog.isNull() && dialog->isVisible());
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }

    // Runs failed_print_is_reported again in a process whose print system has no printer: one that
    // cannot reach its print server.
    void no_printer_is_reported()
    {
        if (seeing_no_printer())
            QSKIP("this run has no printer");
        QProcess again;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("127.0.0.1:1"));
        again.setProcessEnvironment(environment);
        again.start(QCoreApplication::applicationFilePath(), {QStringLiteral("failed_print_is_reported")});
        QVERIFY(again.waitForFinished(60000));
        const QByteArray out = again.readAllStandardOutput();
        QVERIFY2(again.exitCode() == 0 && out.contains("PASS   : TestPrintDialog::failed_print_is_reported(no printer set up)"),
                 out.constData());
    }

    void preview_fits_the_page_width()
    {
        QWidget owner;
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 1, QStringLiteral("報告書"), sample_page);
        QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
        int pages = 0;
        QSize size;
        test_support::ModalWatcher watcher([&](QWidget *modal) {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(modal);
            QVERIFY(preview);
            auto *view = preview->findChild<QPrintPreviewWidget *>();
            zoom = view->zoomMode();
            pages = view->pageCount();
            size = preview->size();
            QPageLayout layout = preview->printer()->pageLayout();
            QCOMPARE(layout.pageSize().id(), QPageSize::A4);
            QCOMPARE(layout.orientation(), QPageLayout::Portrait);
            preview->reject();
        });
        QTest::mouseClick(button(dialog, "preview_button"), Qt::LeftButton);
        QVERIFY(watcher.opened());
        QCOMPARE(zoom, QPrintPreviewWidget::FitToWidth);
        QCOMPARE(pages, 1);
        QVERIFY2(size.width() >= 600, qPrintable(QString::number(size.width())));
        QVERIFY(!dialog.isNull());
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }

    void pdf_is_saved_where_the_user_says()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("報告書"));  // the .pdf is added
        QWidget owner;
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 1, QStringLiteral("報告書"), sample_page);
        QStringList filters;
        test_support::ModalWatcher watcher([&](QWidget *modal) {
            auto *files = qobject_cast<QFileDialog *>(modal);
            QVERIFY(files);
            filters = files->nameFilters();
            type_file_name(files, path);
        });
        QTest::mouseClick(button(dialog, "pdf_button"), Qt::LeftButton);
        QCOMPARE(filters, QStringList{QStringLiteral("*.pdf")});
        const QString pdf = path + QStringLiteral(".pdf");
        QVERIFY(QFile::exists(pdf));
        QVERIFY(test_support::run_process(QStringLiteral("pdfinfo"), {pdf}).out.contains(QStringLiteral("(A4)")));
        QVERIFY(test_support::run_process(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out.contains(QStringLiteral("主働土圧")));
        QCOMPARE(test_support::pdf_outline(pdf).information.value(QStringLiteral("/Title")), QStringLiteral("報告書"));
        QVERIFY(!dialog.isNull());
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }

    // A PDF that cannot be written is reported, and the next file dialog still starts where the
    // last good one left off.
    void unwritable_pdf_is_reported_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << QStringLiteral("/nonexistent-folder/報告書.pdf");
        QTest::newRow("the kernel's /proc") << QStringLiteral("/proc/報告書.pdf");
    }
    void unwritable_pdf_is_reported()
    {
        QFETCH(QString, path);
        QTemporaryDir kept;
        gui::common::remember_dialog_folder(kept.filePath(QStringLiteral("earlier.pdf")));
        QWidget owner;
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 1, QStringLiteral("報告書"), sample_page);
        QString text;
        test_support::ModalWatcher watcher([&](QWidget *modal) {
            if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                type_file_name(files, path);
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                text = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        QTest::mouseClick(button(dialog, "pdf_button"), Qt::LeftButton);
        QCOMPARE(text, QStringLiteral("保存できませんでした。\n") + path
                           + QStringLiteral(" (ファイルまたはフォルダーが見つかりません。)"));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(gui::common::dialog_folder(), kept.path());
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }

    // Where PDF保存 starts after a file was kept in the given folder: there while it is a folder
    // of files, else the documents folder (or home).
    void file_dialog_starts_in_a_usable_folder_data()
    {
        QTest::addColumn<QString>("kept");  // the file last saved; "TMP" for a temporary folder
        QTest::addColumn<bool>("stays");
        QTest::newRow("an ordinary folder") << QStringLiteral("TMP/a.pdf") << true;
        QTest::newRow("a folder since removed") << QStringLiteral("TMP/gone/a.pdf") << false;
        QTest::newRow("/proc") << QStringLiteral("/proc/a.pdf") << false;
        QTest::newRow("a process in /proc") << QStringLiteral("/proc/self/a.pdf") << false;
        QTest::newRow("/sys") << QStringLiteral("/sys/kernel/a.pdf") << false;
        QTest::newRow("/dev") << QStringLiteral("/dev/null") << false;
    }
    void file_dialog_starts_in_a_usable_folder()
    {
        QFETCH(QString, kept);
        QFETCH(bool, stays);
        QTemporaryDir temporary;
        kept.replace(QStringLiteral("TMP"), temporary.path());
        gui::common::remember_dialog_folder(kept);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString expected = stays ? QFileInfo(kept).absolutePath()
                                       : QFileInfo(documents).isDir() ? documents : QDir::homePath();
        QWidget owner;
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 1, QStringLiteral("報告書"), sample_page);
        QString started;
        test_support::ModalWatcher watcher([&](QWidget *modal) {
            auto *files = qobject_cast<QFileDialog *>(modal);
            QVERIFY(files);
            started = files->directory().absolutePath();
            files->reject();
        });
        QTest::mouseClick(button(dialog, "pdf_button"), Qt::LeftButton);
        QCOMPARE(started, expected);
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }

    // The file dialogs tell types and icons by name and never open a file for it: a file whose
    // name says nothing of its type (as /proc/kmsg, whose reading never returns) is not opened.
    void file_dialog_reads_names_only()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kmsg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<6>a kernel message\n") > 0);
        file.close();
        const int watch = inotify_init1(IN_NONBLOCK);
        QVERIFY(watch >= 0 && inotify_add_watch(watch, QFile::encodeName(path).constData(), IN_OPEN | IN_ACCESS) >= 0);
        const auto closing = qScopeGuard([watch] { ::close(watch); });
        QWidget owner;
        QPointer<print_dialog::PrintDialog> dialog = print_dialog::open_print_dialog(&owner, 1, QStringLiteral("報告書"), sample_page);
        QString type;
        test_support::ModalWatcher watcher([&](QWidget *modal) {
            auto *files = qobject_cast<QFileDialog *>(modal);
            QVERIFY(files && files->iconProvider());
            QVERIFY(!files->iconProvider()->icon(QFileInfo(path)).isNull());
            type = files->iconProvider()->type(QFileInfo(path));
            files->reject();
        });
        QTest::mouseClick(button(dialog, "pdf_button"), Qt::LeftButton);
        QVERIFY(!type.isEmpty());
        char events[4096];
        QCOMPARE(::read(watch, events, sizeof events), ssize_t(-1));  // nothing opened or read it
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }
};

QTEST_MAIN(TestPrintDialog)
#include "test_print_dialog.moc"
