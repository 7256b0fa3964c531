// The launcher: showing the flume window, the lifecycle of the windows, finding and starting the
// companions, and the single instance across two processes.
#include "tests/support/box_answer.h"
#include "tests/support/process_run.h"
#include "tests/support/stand_in_program.h"

#include "common/file_names.h"
#include "common/safe_file_write.h"
#include "flume/flume_sheet.h"
#include "gui/tavrel/companion_files.h"
#include "gui/tavrel/flume_window.h"
#include "gui/tavrel/launcher.h"
#include "gui/common/screen_font.h"
#include "gui/tavrel/single_instance.h"
#include "gui/tavrel/tavrel_windows.h"

#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <grp.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <iostream>

using tavrel::FlumeWindow;
using tavrel::Launcher;
using test_support::write_file;

namespace {

QList<FlumeWindow *> flume_windows()
{
    QList<FlumeWindow *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *f = qobject_cast<FlumeWindow *>(w); f && f->isVisible())
            found << f;
    }
    return found;
}

// The child process of the single-instance tests: takes the instance named on the command line,
// says whether it got it (or why the lock failed) and whenever a later start asks for its windows,
// and keeps it until its standard input closes.
int hold_instance(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const tavrel::SingleInstance instance(QString::fromLocal8Bit(argv[2]));
    QObject::connect(&instance, &tavrel::SingleInstance::show_requested,
                     [] { std::cout << "show requested" << std::endl; });
    if (!instance.failure().isEmpty())
        std::cout << "failed: " << QString(instance.failure()).replace(u'\n', u' ').toStdString() << std::endl;
    else
        std::cout << (instance.is_first() ? "first" : "second") << std::endl;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&app] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    return app.exec();
}

} // namespace

class TestLauncher : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void flume_button_shows_one_window();
    void windows_live_on_their_own_and_start_afresh();
    void companions_are_looked_for_beside_the_program_then_in_curdir_data();
    void companions_are_looked_for_beside_the_program_then_in_curdir();
    void reference_book_button_opens_the_book_beside_the_program_data();
    void reference_book_button_opens_the_book_beside_the_program();
    void morvik_starts_in_the_companion_directory();
    void morvik_that_cannot_start_is_reported_data();
    void morvik_that_cannot_start_is_reported();
    void second_instance_is_refused_while_the_first_runs();
    void lock_is_kept_in_a_folder_of_the_users_own_data();
    void lock_is_kept_in_a_folder_of_the_users_own();
    void a_file_is_handed_to_the_running_instance_data();
    void a_file_is_handed_to_the_running_instance();
    void requests_not_whole_are_no_requests_data();
    void requests_not_whole_are_no_requests();

private:
    QTemporaryDir curdir_;
};

void TestLauncher::cleanup()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<FlumeWindow *>(w) || qobject_cast<Launcher *>(w))
            windows << w;
    }
    qDeleteAll(windows);
    qunsetenv("curdir");
}

void TestLauncher::flume_button_shows_one_window()
{
    auto *launcher = new Launcher;
    launcher->show();
    QCOMPARE(launcher->windowTitle(), QStringLiteral("Tavrel"));
    QStringList captions;
    for (const char *name : {"Command1", "Command2", "Command3"}) {
        auto *button = launcher->findChild<QToolButton *>(QString::fromLatin1(name));
        QCOMPARE(button->iconSize(), QSize(32, 32));
        QVERIFY(!button->icon().isNull());
        captions << button->text();
    }
    QCOMPARE(captions, QStringList({"参考図書：「Tavrel」(PDF)", "Quenfor", "鉄筋コンクリート応力度の検討"}));

    auto *quenfor = launcher->findChild<QToolButton *>(QStringLiteral("Command2"));
    QCOMPARE(launcher->focusWidget(), quenfor);  // the keyboard starts on the flume calculation
    QTest::mouseClick(quenfor, Qt::LeftButton);
    QTest::mouseClick(quenfor, Qt::LeftButton);
    QCOMPARE(flume_windows().size(), 1);
}

void TestLauncher::windows_live_on_their_own_and_start_afresh()
{
    QApplication::setQuitOnLastWindowClosed(false);  // the test process outlives its windows
    QPointer<Launcher> launcher = new Launcher;
    launcher->show();
    QPointer<FlumeWindow> first = launcher->show_flume_window();
    first->sheet().set_text(flume::Field::t1, QStringLiteral("0.1"));

    // Closing the launcher leaves the flume window.
    launcher->close();
    QTRY_VERIFY(!launcher);
    QVERIFY(first && first->isVisible());

    // A close without saving unloads the flume window; the next one starts empty.
    test_support::BoxAnswer discard(QMessageBox::No);
    first->close();
    QTRY_VERIFY(!first);

    launcher = new Launcher;
    launcher->show();
    FlumeWindow *second = launcher->show_flume_window();
    QCOMPARE(second->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QString());
    QCOMPARE(flume_windows().size(), 1);
}

void TestLauncher::companions_are_looked_for_beside_the_program_then_in_curdir_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("placed");    // where the test puts a file of that name
    QTest::addColumn<QString>("expected");  // "curdir", "program" or "" for not found
    QTest::newRow("book beside tavrel before curdir's, as the build writes it")
        << "file/Tavrel.pdf" << "curdir" << "program";
    QTest::newRow("missing beside tavrel, found in curdir") << "file/nothing.pdf" << "curdir" << "curdir";
    QTest::newRow("curdir others may write is not used") << "file/nothing.pdf" << "curdir open to all" << "";
    QTest::newRow("curdir below a folder others may write is not used")
        << "file/nothing.pdf" << "below a folder open to all" << "";
    QTest::newRow("current folder is not searched") << "file/nothing.pdf" << "current folder" << "";
    QTest::newRow("nowhere") << "file/nothing.pdf" << "" << "";
}

void TestLauncher::companions_are_looked_for_beside_the_program_then_in_curdir()
{
    QFETCH(QString, relative);
    QFETCH(QString, placed);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString current = QDir::currentPath();
    const auto restore = qScopeGuard([&current] { QDir::setCurrent(current); });
    const QDir curdir(placed.startsWith(QLatin1String("below")) ? dir.filePath(QStringLiteral("inner")) : dir.path());
    if (placed == QLatin1String("current folder"))
        QDir::setCurrent(curdir.path());
    else
        qputenv("curdir", curdir.path().toLocal8Bit());
    if (!placed.isEmpty())
        write_file(curdir.filePath(relative), "x", false);
    if (placed.endsWith(QLatin1String("open to all")))
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);

    QString want;
    if (expected == QLatin1String("curdir"))
        want = curdir.filePath(relative);
    else if (expected == QLatin1String("program"))
        want = QDir(QCoreApplication::applicationDirPath()).filePath(relative);
    QCOMPARE(tavrel::find_companion(relative), want);
}

void TestLauncher::reference_book_button_opens_the_book_beside_the_program_data()
{
    QTest::addColumn<QByteArray>("default_viewer");  // what xdg-mime answers for application/pdf
    QTest::addColumn<int>("opener_status");          // how xdg-open ends
    QTest::addColumn<QString>("message");            // before the book's path; empty for none
    QTest::newRow("viewer opens the book") << QByteArray("org.gnome.Evince.desktop") << 0 << "";
    QTest::newRow("no program for PDF files") << QByteArray() << 0
                                              << "PDFファイルを開けませんでした。\nPDFファイルを表示するプログラムが登録されていません。";
    QTest::newRow("viewer that cannot start") << QByteArray("broken.desktop") << 4 << "PDFファイルを開けませんでした。";
}

void TestLauncher::reference_book_button_opens_the_book_beside_the_program()
{
    QFETCH(QByteArray, default_viewer);
    QFETCH(int, opener_status);
    QFETCH(QString, message);
    // xdg-mime and xdg-open of the desktop, stood in for on the PATH.
    QTemporaryDir dir;
    const QString record = dir.filePath(QStringLiteral("opened.txt"));
    write_file(dir.filePath(QStringLiteral("bin/xdg-mime")), "#!/bin/sh\necho '" + default_viewer + "'\n", true);
    test_support::write_recording_program(dir.filePath(QStringLiteral("bin/record-open")), record);
    write_file(dir.filePath(QStringLiteral("bin/xdg-open")),
               QStringLiteral("#!/bin/sh\n'%1' \"$@\"\nexit %2\n").arg(dir.filePath(QStringLiteral("bin/record-open"))).arg(opener_status).toUtf8(),
               true);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.filePath(QStringLiteral("bin")).toLocal8Bit() + ':' + path);
    qputenv("curdir", dir.path().toLocal8Bit());
    auto *launcher = new Launcher;
    launcher->show();
    test_support::BoxAnswer box;
    QTest::mouseClick(launcher->findChild<QToolButton *>(QStringLiteral("Command1")), Qt::LeftButton);

    // The book the build wrote beside the program is the one opened or named.
    const QString book = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("file/Tavrel.pdf"));
    if (default_viewer.isEmpty()) {
        QVERIFY(box.seen);
        QVERIFY(test_support::recorded_starts(record).isEmpty());
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(test_support::recorded_starts(record).size(), 1, 10000);
        QCOMPARE(test_support::recorded_starts(record).first().mid(1), QStringList{book});
        if (!message.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(box.seen, 10000);
        else
            QTest::qWait(200);
    }
    qputenv("PATH", path);
    QCOMPARE(box.seen > 0, !message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.text, message + u'\n' + book);
    }
}

void TestLauncher::morvik_starts_in_the_companion_directory()
{
    QTemporaryDir dir;
    qputenv("curdir", dir.path().toLocal8Bit());
    const QString record = dir.filePath(QStringLiteral("started.txt"));
    test_support::write_recording_program(dir.filePath(QStringLiteral("file/morvik")), record);
    auto *launcher = new Launcher;
    launcher->show();
    QTest::mouseClick(launcher->findChild<QToolButton *>(QStringLiteral("Command3")), Qt::LeftButton);

    QTRY_COMPARE_WITH_TIMEOUT(test_support::recorded_starts(record).size(), 1, 10000);
    const QStringList start = test_support::recorded_starts(record).first();
    QCOMPARE(QFileInfo(start.first()).canonicalFilePath(), QFileInfo(dir.path()).canonicalFilePath());
    QCOMPARE(start.mid(1), QStringList());  // no arguments
}

void TestLauncher::morvik_that_cannot_start_is_reported_data()
{
    QTest::addColumn<bool>("curdir_exists");
    QTest::addColumn<QString>("message");  // followed by the path it names
    QTest::newRow("not a program") << true << "プログラムを起動できませんでした。";
    QTest::newRow("curdir names no folder") << false << "作業フォルダーが見つかりません。";
}

void TestLauncher::morvik_that_cannot_start_is_reported()
{
    QFETCH(bool, curdir_exists);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString curdir = curdir_exists ? dir.path() : dir.filePath(QStringLiteral("no such folder"));
    qputenv("curdir", curdir.toLocal8Bit());
    const QString program = dir.filePath(QStringLiteral("file/morvik"));
    write_file(program, "not a program", false);
    auto *launcher = new Launcher;
    launcher->show();
    test_support::BoxAnswer box;
    QTest::mouseClick(launcher->findChild<QToolButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    QVERIFY(box.seen);
    QCOMPARE(box.text, message + u'\n' + (curdir_exists ? program : curdir));
}

void TestLauncher::second_instance_is_refused_while_the_first_runs()
{
    const QString name = QStringLiteral("tavrel-test-%1").arg(QCoreApplication::applicationPid());
    QProcess first;
    first.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-instance"), name});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY(first.canReadLine());
    QCOMPARE(first.readLine().trimmed(), QByteArray("first"));

    {
        const tavrel::SingleInstance second(name);
        QVERIFY(!second.is_first());
        test_support::BoxAnswer box;
        QCOMPARE(tavrel::open_launcher(second), nullptr);
        QVERIFY(box.seen);
        QCOMPARE(box.text, QStringLiteral("アプリケーションは既に開かれています。"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        // The refused start asks the running one to bring its windows forward.
        QTRY_VERIFY(first.canReadLine());
        QCOMPARE(first.readLine().trimmed(), QByteArray("show requested"));
    }

    // When the first instance ends, the next start is the first again.
    first.closeWriteChannel();
    QVERIFY(first.waitForFinished());
    {
        const tavrel::SingleInstance later(name);
        QVERIFY(later.is_first());
    }

    // An instance that was killed leaves its lock behind; the next start takes it over.
    QProcess killed;
    killed.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-instance"), name});
    QVERIFY(killed.waitForStarted());
    QTRY_VERIFY(killed.canReadLine());
    QCOMPARE(killed.readLine().trimmed(), QByteArray("first"));
    killed.kill();
    QVERIFY(killed.waitForFinished());
    QVERIFY(QFile::exists(tavrel::SingleInstance::lock_path(name)));
    const tavrel::SingleInstance after_crash(name);
    QVERIFY(after_crash.is_first());
    // ... and its channel, whose socket the killed one left behind.
    QSignalSpy shown(&after_crash, &tavrel::SingleInstance::show_requested);
    tavrel::SingleInstance(name).ask_first_to_show();
    QTRY_COMPARE(shown.size(), 1);
}

void TestLauncher::lock_is_kept_in_a_folder_of_the_users_own_data()
{
    QTest::addColumn<QString>("runtime");   // XDG_RUNTIME_DIR: "own", "other's" or unset
    QTest::addColumn<QString>("expected");  // the lock's folder: "runtime", "cache", or "" for none: run
                                            // as nobody, whose home folder does not exist
    QTest::newRow("own runtime folder") << "own" << "runtime";
    QTest::newRow("runtime folder others may enter") << "open" << "cache";
    QTest::newRow("no runtime folder") << "" << "cache";
    QTest::newRow("runtime folder of another user") << "other's" << "cache";
    QTest::newRow("no folder of the user's own") << "other's" << "";
}

// The lock and the channel of later starts are never in a folder another user may write into, and
// a lock that cannot be taken says why instead of "already open".
void TestLauncher::lock_is_kept_in_a_folder_of_the_users_own()
{
    QFETCH(QString, runtime);
    QFETCH(QString, expected);
    QTemporaryDir runtime_folder, cache_folder;
    if (runtime == QLatin1String("other's"))
        QCOMPARE(::chown(QFile::encodeName(runtime_folder.path()).constData(), 12345, 12345), 0);
    if (runtime == QLatin1String("open"))
        QCOMPARE(::chmod(QFile::encodeName(runtime_folder.path()).constData(), 0755), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.isEmpty() ? QString() : runtime_folder.path());
    for (const char *cache : {"XDG_CACHE_HOME", "HOME"})
        environment.insert(QString::fromLatin1(cache), cache_folder.path());  // root's, not nobody's
    QProcess child;
    child.setProcessEnvironment(environment);
    // Nobody starts a copy of this program in a folder open to him, wherever the tree lies.
    QString program = QCoreApplication::applicationFilePath();
    QTemporaryDir open_folder;
    if (expected.isEmpty()) {
        if (::geteuid() != 0)
            QSKIP("only root can start the lock's holder as the user nobody");
        program = open_folder.filePath(QStringLiteral("lock-holder"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QCOMPARE(::chmod(QFile::encodeName(open_folder.path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(program).constData(), 0755), 0);
        child.setChildProcessModifier([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(3);
        });
    }
    const QString name = QStringLiteral("tavrel-lock-test-%1").arg(QCoreApplication::applicationPid());
    child.start(program, {QStringLiteral("--hold-instance"), name});
    if (expected.isEmpty() && !child.waitForStarted())
        QSKIP(qPrintable(QStringLiteral("the user nobody cannot start %1: %2").arg(program, child.errorString())));
    QTRY_VERIFY(child.canReadLine() || child.state() == QProcess::NotRunning);
    const QString said = QString::fromUtf8(child.readLine().trimmed());
    if (expected.isEmpty())
        QVERIFY2(said.startsWith(QStringLiteral("failed: ") + tavrel::lock_failed_message), qPrintable(said));
    else
        QCOMPARE(said, QStringLiteral("first"));
    const QString folder =
        expected == QLatin1String("runtime") ? runtime_folder.path() : cache_folder.filePath(QStringLiteral("tavrel"));
    QCOMPARE(QFile::exists(folder + u'/' + name + QStringLiteral(".lock")), !expected.isEmpty());
    // The channel of later starts is the user's alone.
    struct stat socket {};
    if (!expected.isEmpty()) {
        QCOMPARE(::stat(QFile::encodeName(folder + u'/' + name + QStringLiteral(".lock.socket")).constData(), &socket), 0);
        QCOMPARE(socket.st_mode & 07777, mode_t(0600));
    }
    child.closeWriteChannel();
    QVERIFY(child.waitForFinished());
}

void TestLauncher::a_file_is_handed_to_the_running_instance_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::newRow("plain name") << "example.tvl" << true;
    QTest::newRow("line break in the name") << "nl\nx.tvl" << true;
    QTest::newRow("name not UTF-8") << common::name_from_native("\xff\xfe.tvl") << true;
    QTest::newRow("missing file: the running one says so once") << "missing.tvl" << false;
}

// "tavrel FILE.tvl" while Tavrel runs: the later start hands the file over and ends at once, without
// the "already open" message (offscreen, such a message would never be answered); the running
// instance opens the file, whatever its name, in its one flume window.
void TestLauncher::a_file_is_handed_to_the_running_instance()
{
    QFETCH(QString, name);
    QFETCH(bool, exists);
    QTemporaryDir runtime, folder;
    const QByteArray runtime_before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const auto restore = qScopeGuard([&runtime_before] { qputenv("XDG_RUNTIME_DIR", runtime_before); });

    const tavrel::SingleInstance running;
    QVERIFY(running.is_first());
    tavrel::serve_later_starts(running);
    auto *launcher = new Launcher;
    launcher->show();
    FlumeWindow *window = launcher->show_flume_window();
    window->sheet().set_text(flume::Field::t1, QStringLiteral("9.9"));
    test_support::BoxAnswer discard(QMessageBox::No);  // the 9.9 typed is not saved

    const auto remove = qScopeGuard([&] { ::unlink(common::native_name(folder.filePath(name)).constData()); });
    QVERIFY(!exists || common::write_file_safely(folder.filePath(name),
                                                 "\"0.1\",\"0.15\",\"0.15\",\"0.1\",\"1.0\",\"0.5\",\"1.0\"\r\n\"90\"\r\n"));
    QStringList boxes;
    const test_support::ModalWatcher answer([&boxes](QWidget *modal) {
        // The message of a file that cannot be opened; the save question is left to `discard`.
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (QAbstractButton *ok = box ? box->button(QMessageBox::Ok) : nullptr) {
            boxes << box->text();
            ok->click();
        }
    });
    QProcess later;
    later.setWorkingDirectory(folder.path());  // the file is named relative to the later start's folder
    test_support::start_process(later, QStringLiteral(TAVREL_PATH), {name});
    QTRY_VERIFY_WITH_TIMEOUT(later.state() == QProcess::NotRunning, 20000);
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);
    QCOMPARE(later.readAllStandardError(), QByteArray());

    if (!exists) {
        QTRY_COMPARE(boxes.size(), 1);
        QTest::qWait(500);
        QCOMPARE(boxes, QStringList{QStringLiteral("ファイルを開けませんでした。\n%1 (ファイルまたはフォルダーが見つかりません。)")
                                        .arg(folder.filePath(name))});
        QCOMPARE(window->sheet().text(flume::Field::t1), QStringLiteral("9.9"));
        return;
    }
    QTRY_COMPARE(window->sheet().text(flume::Field::t1), QStringLiteral("0.1"));
    QCOMPARE(discard.text, QStringLiteral("変更を保存しますか？"));
    QCOMPARE(window->sheet().text(flume::Field::wall_inclination), QStringLiteral("90"));
    QCOMPARE(window->sheet().text(flume::Field::repose_angle), QString());  // as 開く(&O): missing items empty
    QCOMPARE(window->sheet().text(flume::Field::open_path), folder.filePath(name));
    QCOMPARE(flume_windows().size(), 1);
}

void TestLauncher::requests_not_whole_are_no_requests_data()
{
    QTest::addColumn<QByteArray>("request");  // the bytes a later start writes before it closes
    QTest::addColumn<int>("silent");          // how many connect before it and send nothing
    QTest::newRow("cut short") << QByteArray("\0\0\0\x09/tmp/a", 10) << 0;
    QTest::newRow("more than announced") << QByteArray("\0\0\0\x03/tmp/a.tvl", 13) << 0;
    QTest::newRow("no whole length") << QByteArray("\0\0", 2) << 0;
    QTest::newRow("longer than any path") << QByteArray("\0\x01\0\x01/tmp", 8) << 0;
    QTest::newRow("more silent connections than are served at once") << QByteArray() << 20;
}

// Whatever else reaches the running instance's socket opens nothing; the next whole request is
// still served.
void TestLauncher::requests_not_whole_are_no_requests()
{
    QFETCH(QByteArray, request);
    QFETCH(int, silent);
    const QString name = QStringLiteral("tavrel-request-test-%1").arg(QCoreApplication::applicationPid());
    const tavrel::SingleInstance running(name);
    QVERIFY(running.is_first());
    QSignalSpy opened(&running, &tavrel::SingleInstance::open_requested);
    QSignalSpy shown(&running, &tavrel::SingleInstance::show_requested);

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(tavrel::SingleInstance::lock_path(name) + QStringLiteral(".socket"));
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    QList<int> sockets;
    const auto close_all = qScopeGuard([&sockets] { std::for_each(sockets.begin(), sockets.end(), ::close); });
    for (int n = 0; n <= silent; ++n) {
        sockets << ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        QCOMPARE(::connect(sockets.last(), reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
        QCoreApplication::processEvents();  // the running instance takes what it serves
    }
    QCOMPARE(::write(sockets.last(), request.constData(), std::size_t(request.size())), ssize_t(request.size()));
    ::close(sockets.takeLast());

    const tavrel::SingleInstance later(name);
    later.ask_first_to_show();
    QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 10000);
    QCOMPARE(opened.size(), 0);
}

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--hold-instance") == 0)
        return hold_instance(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    gui::common::install_screen_font(app);
    TestLauncher test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_launcher.moc"
