// `tavrel --pdf`, `tavrel --document`, `tavrel --reference-book` and `morvik --pdf` as a user runs
// them: exit statuses as for --check, a page for each printable report, and no file at all (an
// earlier one left alone) when nothing is printable or the output cannot be written.
#include "common/file_names.h"
#include "inputfile/tvl_file.h"
#include "members/member_inputs.h"
#include "tests/support/failing_calls.h"
#include "tests/support/process_run.h"
#include "tests/support/small_file_system.h"
#include "tests/support/worked_example.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using flume::Field;
using test_support::worked_inputs;
using test_support::worked_with;

const QStringList &worked = worked_inputs;

int page_count(const QString &pdf)
{
    const test_support::ProcessRun info = test_support::run_process(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages: +(\\d+)")).match(info.out);
    return info.status == 0 && m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Files by their names' bytes (common::native_name), whatever their encoding.
QByteArray file_bytes(const QString &path)
{
    QFile file;
    const int fd = ::open(common::native_name(path).constData(), O_RDONLY | O_CLOEXEC);
    return fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? file.readAll() : QByteArray();
}

bool write_bytes(const QString &path, const QByteArray &bytes)
{
    QFile file;
    const int fd = ::open(common::native_name(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)
           && file.write(bytes) == bytes.size();
}

// What the pipe holds now, without waiting for more.
QByteArray drain(int fd)
{
    QByteArray bytes;
    char buffer[65536];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, got);
    return bytes;
}

} // namespace

class TestPdfCommands : public QObject
{
    Q_OBJECT

private slots:
    void pdf_command_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("tvl");        // inputs of a file the row writes, or empty
        QTest::addColumn<QStringList>("arguments");  // "OUT" and "TVL" stand for the paths
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("pages");              // 0: no file written
        QTest::addColumn<QString>("output");         // where OUT is: a file written before, a link to
                                                     // the input, on a disk with too little room; or
                                                     // names that are not UTF-8 for OUT and TVL; or
                                                     // the PDF goes to standard output, a pipe, or
                                                     // appended to the earlier file
        QTest::addColumn<QString>("reason");         // in the error output

        const QString tavrel = QStringLiteral(TAVREL_PATH);
        const QString morvik = QStringLiteral(MORVIK_PATH);
        const QString earlier = QStringLiteral("earlier file");
        QTest::newRow("tavrel: whole chain") << tavrel << worked << QStringList{"--pdf", "OUT", "TVL"} << 0 << 5
                                             << earlier << QString();
        QTest::newRow("tavrel: bearing exceeded, earth pressure only")
            << tavrel << worked_with({{Field::allowable_bearing, "1"}}) << QStringList{"--pdf", "OUT", "TVL"} << 1 << 1 << earlier << QString();
        QTest::newRow("tavrel: Case 2 without h', stops after Case 1")
            << tavrel << worked_with({{Field::case2_depth, ""}}) << QStringList{"--pdf", "OUT", "TVL"} << 1 << 3 << earlier << QString();
        QTest::newRow("tavrel: page 1 rejected, nothing printable")
            << tavrel << worked_with({{Field::wall_inclination, "0"}}) << QStringList{"--pdf", "OUT", "TVL"} << 1 << 0 << earlier << QString();
        QTest::newRow("tavrel: missing input file")
            << tavrel << QStringList{} << QStringList{"--pdf", "OUT", "TVL"} << 2 << 0 << earlier
            << QStringLiteral("ファイルまたはフォルダーが見つかりません。");
        QTest::newRow("tavrel: paths after --")
            << tavrel << worked << QStringList{"--pdf", "--", "OUT", "TVL"} << 0 << 5 << earlier << QString();
        QTest::newRow("tavrel: no output path") << tavrel << worked << QStringList{"--pdf", "TVL"} << 2 << 0 << earlier
                                                << QString();
        QTest::newRow("tavrel: output folder missing")
            << tavrel << worked << QStringList{"--pdf", "no/such/folder/out.pdf", "TVL"} << 2 << 0 << earlier
            << QStringLiteral("ファイルまたはフォルダーが見つかりません。");
        QTest::newRow("tavrel: output is the input file")
            << tavrel << worked << QStringList{"--pdf", "TVL", "TVL"} << 2 << 0 << earlier
            << QStringLiteral("入力ファイルと同じファイルです");
        QTest::newRow("tavrel: output is a link to the input file")
            << tavrel << worked << QStringList{"--pdf", "OUT", "TVL"} << 2 << 0 << QStringLiteral("link to input")
            << QStringLiteral("入力ファイルと同じファイルです");
        // Room for all of the report but its last page: only the last write fails.
        QTest::newRow("tavrel: disk full") << tavrel << worked << QStringList{"--pdf", "OUT", "TVL"} << 2 << 0
                                           << QStringLiteral("full disk")
                                           << QStringLiteral("ディスクの空き領域が足りません。");
        // The document is written whenever the file can be read: 表紙, 目次, 結果一覧, two pages of
        // 設計条件 and a page for each report computed.
        QTest::newRow("tavrel: document of the whole chain")
            << tavrel << worked << QStringList{"--document", "OUT", "TVL"} << 0 << 10 << earlier << QString();
        QTest::newRow("tavrel: document stopped after Case 1")
            << tavrel << worked_with({{Field::case2_depth, ""}}) << QStringList{"--document", "OUT", "TVL"} << 1 << 8 << earlier << QString();
        QTest::newRow("tavrel: document with page 1 rejected")
            << tavrel << worked_with({{Field::wall_inclination, "0"}}) << QStringList{"--document", "OUT", "TVL"} << 1 << 5 << earlier << QString();
        QTest::newRow("tavrel: document onto its input file")
            << tavrel << worked << QStringList{"--document", "TVL", "TVL"} << 2 << 0 << earlier
            << QStringLiteral("入力ファイルと同じファイルです");
        QTest::newRow("tavrel: names that are not UTF-8")
            << tavrel << worked << QStringList{"--pdf", "OUT", "TVL"} << 0 << 5 << QStringLiteral("not UTF-8")
            << QString();
        QTest::newRow("tavrel: /dev/stdout into a pipe")
            << tavrel << worked << QStringList{"--pdf", "/dev/stdout", "TVL"} << 0 << 5
            << QStringLiteral("standard output") << QStringLiteral("/dev/stdout: 5 ページ / pages");
        // Standard output is written where it stands: after the log's earlier lines.
        QTest::newRow("tavrel: - appended to a log with >>")
            << QStringLiteral("/bin/sh") << worked
            << QStringList{"-c", "out=$1; shift; exec \"$@\" >> \"$out\"", "sh", "OUT", tavrel, "--pdf", "-", "TVL"} << 0
            << 5 << QStringLiteral("appended") << QStringLiteral("/dev/stdout: 5 ページ / pages");
        QTest::newRow("tavrel: read-only output")
            << tavrel << worked << QStringList{"--pdf", "OUT", "TVL"} << 2 << 0 << QStringLiteral("read-only")
            << QStringLiteral("読み取り専用のファイルです。置き換えるには --force を付けます");
        QTest::newRow("tavrel: read-only output with --force")
            << tavrel << worked << QStringList{"--document", "--force", "OUT", "TVL"} << 0 << 10
            << QStringLiteral("read-only") << QString();
        QTest::newRow("tavrel: reference book takes no outline file")
            << tavrel << QStringList{} << QStringList{"--reference-book", "OUT", "--pictures", "PICTURES", "--outline", "OUT"} << 2 << 0
            << earlier << QStringLiteral("--outline");
        QTest::newRow("tavrel: reference book onto one of its pictures")
            << tavrel << QStringList{} << QStringList{"--reference-book", "PICTURE", "--pictures", "PICTURES"} << 2 << 0
            << QStringLiteral("pictures copied") << QStringLiteral("入力の図と同じファイルです");
        QTest::newRow("tavrel: reference book without a path")
            << tavrel << QStringList{} << QStringList{"--reference-book"} << 2 << 0 << earlier << QString();
        QTest::newRow("tavrel: reference book, output folder missing")
            << tavrel << QStringList{} << QStringList{"--reference-book", "no/such/folder/book.pdf", "--pictures", "PICTURES"} << 2 << 0 << earlier
            << QStringLiteral("ファイルまたはフォルダーが見つかりません。");
        QTest::newRow("morvik: worked example")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "10", "100", "20", "1000000", "20000", "30"} << 0
            << 1 << earlier << QString();
        QTest::newRow("morvik: negative moment is a value")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "10", "100", "20", "-1000000", "20000", "30"} << 0
            << 1 << earlier << QString();
        QTest::newRow("morvik: As missing, nothing printable")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "0", "100", "20", "1000000", "20000", "30"} << 1
            << 0 << earlier << QString();
        QTest::newRow("morvik: five values")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "10", "100", "20", "1000000", "20000"} << 2 << 0
            << earlier << QString();
        QTest::newRow("morvik: - is standard output")
            << morvik << QStringList{} << QStringList{"--pdf", "-", "10", "100", "20", "1000000", "20000", "30"} << 0
            << 1 << QStringLiteral("standard output") << QStringLiteral("/dev/stdout: 1 ページ / page");
        QTest::newRow("morvik: disk full")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "10", "100", "20", "1000000", "20000", "30"} << 2
            << 0 << QStringLiteral("full disk") << QStringLiteral("ディスクの空き領域が足りません。");
        // A program copied away from its modules/ writes no unfinished PDF and says why.
        QTest::newRow("morvik: without its finishing module")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "10", "100", "20", "1000000", "20000", "30"} << 2
            << 0 << QStringLiteral("program alone") << QStringLiteral("PDF を仕上げるモジュールが見つかりません");
        // One planted where another user could have put it is not loaded, and the place is named.
        QTest::newRow("morvik: finishing module in a folder others may write")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "10", "100", "20", "1000000", "20000", "30"} << 2
            << 0 << QStringLiteral("module planted") << QStringLiteral("/modules にはほかの利用者も書き込めます。");
    }
    void pdf_command()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, tvl);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(int, pages);
        QFETCH(QString, output);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const bool not_utf8 = output == QLatin1String("not UTF-8");
        QString out = dir.filePath(not_utf8 ? common::name_from_native("\xe9.pdf") : QStringLiteral("report.pdf"));
        const QString tvl_path = dir.filePath(not_utf8 ? common::name_from_native("\xff\xfe.tvl")
                                                       : QStringLiteral("flume.tvl"));
        // QTemporaryDir removes only names that are UTF-8.
        const auto remove = qScopeGuard([&] {
            for (const QString &path : {out, tvl_path})
                ::unlink(common::native_name(path).constData());
        });
        if (!tvl.isEmpty())
            QVERIFY(inputfile::write_tvl_file(tvl_path, tvl));
        if (output == QLatin1String("program alone") || output == QLatin1String("module planted")) {
            const QString alone = dir.filePath(QStringLiteral("alone/") + QFileInfo(program).fileName());
            QVERIFY(QDir().mkpath(QFileInfo(alone).path()) && QFile::copy(program, alone));
            program = alone;
        }
        if (output == QLatin1String("module planted")) {
            const QString modules = dir.filePath(QStringLiteral("modules"));
            QVERIFY(QDir().mkpath(modules) && ::chmod(QFile::encodeName(modules).constData(), 0777) == 0);
            QVERIFY(QFile::copy(QStringLiteral(FINISHING_MODULE_PATH), modules + QStringLiteral("/tavrel-pdf-finishing.so")));
        }
        std::unique_ptr<test_support::SmallFileSystem> disk;
        if (output == QLatin1String("full disk")) {
            disk = std::make_unique<test_support::SmallFileSystem>();
            if (!disk->mounted())
                QSKIP(qPrintable(disk->why_not()));
            out = disk->path(QStringLiteral("report.pdf"));
        }
        // The pictures of the book in a folder of the row's own, one of them standing for OUT.
        QString pictures = QStringLiteral(WINDOW_PICTURES_PATH);
        if (output == QLatin1String("pictures copied")) {
            pictures = dir.filePath(QStringLiteral("pictures"));
            QVERIFY(QDir().mkpath(pictures));
            for (const QString &picture : QDir(QStringLiteral(WINDOW_PICTURES_PATH)).entryList(QDir::Files))
                QVERIFY(QFile::copy(QStringLiteral(WINDOW_PICTURES_PATH "/") + picture, pictures + u'/' + picture));
            out = pictures + u'/' + QDir(pictures).entryList({QStringLiteral("*.png")}).first();
        }
        for (QString &argument : arguments) {
            if (argument == QLatin1String("OUT") || argument == QLatin1String("PICTURE"))
                argument = out;
            else if (argument == QLatin1String("TVL"))
                argument = tvl_path;
            else if (argument == QLatin1String("PICTURES"))
                argument = pictures;
        }
        if (disk) {
            // The report once, for its size; then all the room it needs but one page.
            QCOMPARE(test_support::run_process(program, arguments).status, 0);
            const qint64 pages_needed = (QFileInfo(out).size() + disk->page_bytes - 1) / disk->page_bytes;
            QVERIFY(QFile::remove(out));
            QVERIFY(write_bytes(out, "earlier"));
            QVERIFY(disk->leave_free((pages_needed - 1) * disk->page_bytes));
        } else if (output == QLatin1String("link to input")) {
            QVERIFY(QFile::link(tvl_path, out));
        } else {
            // A file already at the output path is replaced only by a written report.
            QVERIFY(write_bytes(out, "earlier"));
            if (output == QLatin1String("read-only"))
                QVERIFY(::chmod(QFile::encodeName(out).constData(), 0444) == 0);
        }
        const QByteArray tvl_bytes = file_bytes(tvl_path);

        const test_support::ProcessRun run = test_support::run_process(program, arguments, test_support::Display::Inherited,
                                                                        dir.path());
        QCOMPARE(run.status, status);
        if (status == 2)
            QVERIFY(!run.err.isEmpty());
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
        QCOMPARE(file_bytes(tvl_path), tvl_bytes);
        if (output == QLatin1String("standard output")) {
            // Standard output holds the PDF alone; what the command says goes to standard error.
            const QString piped = dir.filePath(QStringLiteral("piped.pdf"));
            QVERIFY(write_bytes(piped, run.out_bytes));
            QCOMPARE(page_count(piped), pages);
        } else if (output == QLatin1String("link to input")) {
            QVERIFY(QFileInfo(out).isSymLink());
        } else if (output == QLatin1String("appended")) {
            QVERIFY(file_bytes(out).startsWith("earlier%PDF-"));
            const QString piped = dir.filePath(QStringLiteral("piped.pdf"));
            QVERIFY(write_bytes(piped, file_bytes(out).mid(7)));
            QCOMPARE(page_count(piped), pages);
        } else if (pages == 0) {
            QCOMPARE(file_bytes(out), QByteArray("earlier"));
        } else {
            QCOMPARE(page_count(out), pages);
        }
    }

    // Each system call of writing the report fails in turn: status 2 with the reason and the earlier
    // file kept, or the whole report written.
    void pdf_when_a_call_fails_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < test_support::call_failures().size(); ++i)
            QTest::newRow(test_support::row_name(test_support::call_failures()[i]).c_str()) << int(i);
    }
    void pdf_when_a_call_fails()
    {
        QFETCH(int, row);
        QTemporaryDir dir;
        const QString tvl_path = dir.filePath(QStringLiteral("flume.tvl"));
        QVERIFY(inputfile::write_tvl_file(tvl_path, worked));
        const test_support::SaveTarget target{dir.filePath(QStringLiteral("out")), QStringLiteral("report.pdf"),
                                              QByteArray("earlier")};
        const QStringList arguments = {QStringLiteral("--pdf"), target.folder + QStringLiteral("/report.pdf"), tvl_path};
        const QStringList problems = test_support::walk_call_failures(
            test_support::call_failures()[std::size_t(row)], target,
            [&] {
                const test_support::ProcessRun run = test_support::run_process(QStringLiteral(TAVREL_PATH), arguments);
                return test_support::SaveOutcome{run.status == 0, run.status == 2 ? run.err
                                                                                   : QStringLiteral("status %1: %2").arg(run.status).arg(run.err)};
            },
            [](const QByteArray &now) { return now.startsWith("%PDF-") && now.trimmed().endsWith("%%EOF"); });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The member check's page follows Case 3 when the file carries member data and some member
    // has stresses.
    void member_page_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<bool>("member_data");
        QTest::addColumn<int>("pages");
        QTest::newRow("whole chain with member data") << worked << true << 6;
        QTest::newRow("whole chain without member data") << worked << false << 5;
        QTest::newRow("stopped after Case 1, its members checked") << worked_with({{Field::case2_depth, ""}}) << true << 4;
        QTest::newRow("stopped before Case 1, no member has stresses") << worked_with({{Field::allowable_bearing, "1"}}) << true << 1;
    }
    void member_page()
    {
        QFETCH(QStringList, inputs);
        QFETCH(bool, member_data);
        QFETCH(int, pages);
        QTemporaryDir dir;
        inputfile::TvlContents contents{inputs, {}, {}, {}};
        if (member_data)
            contents.members.members[0] = {QStringLiteral("D13"), members::Spacing::Count, QStringLiteral("5"), {}, {}, {}, {}, QStringLiteral("3")};
        const QString tvl_path = dir.filePath(QStringLiteral("flume.tvl"));
        QVERIFY(inputfile::write_tvl_file(tvl_path, contents));
        const QString out = dir.filePath(QStringLiteral("report.pdf"));
        test_support::run_process(QStringLiteral(TAVREL_PATH), {QStringLiteral("--pdf"), out, tvl_path});
        QCOMPARE(page_count(out), pages);
        const QString last = test_support::run_process(QStringLiteral("pdftotext"),
                                                       {QStringLiteral("-f"), QString::number(pages), out, QStringLiteral("-")}).out;
        QCOMPARE(last.contains(QStringLiteral("部材の応力度照査")), pages == 6 || pages == 4);
    }

    // A pipe as the output is written, not replaced by a file.
    void pdf_onto_a_pipe()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("report.pdf"));
        const QString tvl_path = dir.filePath(QStringLiteral("flume.tvl"));
        QVERIFY(inputfile::write_tvl_file(tvl_path, worked));
        QCOMPARE(::mkfifo(QFile::encodeName(out).constData(), 0600), 0);
        const int reader = ::open(QFile::encodeName(out).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);

        QProcess tavrel;
        tavrel.start(QStringLiteral(TAVREL_PATH), {QStringLiteral("--pdf"), out, tvl_path});
        QByteArray piped;
        while (!tavrel.waitForFinished(20))
            piped += drain(reader);
        piped += drain(reader);
        ::close(reader);
        QCOMPARE(tavrel.exitCode(), 0);
        struct stat status {};
        QVERIFY(::stat(QFile::encodeName(out).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
        const QString copy = dir.filePath(QStringLiteral("piped.pdf"));
        QVERIFY(write_bytes(copy, piped));
        QCOMPARE(page_count(copy), 5);
    }
};

QTEST_GUILESS_MAIN(TestPdfCommands)
#include "test_pdf_commands.moc"
