// `tavrel --pdf`, `tavrel --reference-book` and `morvik --pdf` as a user runs them: exit statuses
// as for --check, a page for each printable report, and no file at all (an earlier one left alone)
// when nothing is printable or the output cannot be written.
#include "inputfile/tvl_file.h"
#include "tests/support/process_run.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList worked = {
    "0.1", "0.15", "0.15", "0.1", "1.0", "0.5", "1.0", "90", "30", "18", "0", "10", "20",
    "9.8", "24.0", "100", "1.0", "1.15", "0.5", "18", "9", "20", "1.3", "0.3", "1.1",
};

QStringList with(int index, const QString &text)
{
    QStringList inputs = worked;
    inputs[index] = text;
    return inputs;
}

int page_count(const QString &pdf)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages: +(\\d+)"))
                                          .match(test_support::run_process(QStringLiteral("pdfinfo"), {pdf}).out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
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

        const QString tavrel = QStringLiteral(TAVREL_PATH);
        const QString morvik = QStringLiteral(MORVIK_PATH);
        QTest::newRow("tavrel: whole chain") << tavrel << worked << QStringList{"--pdf", "OUT", "TVL"} << 0 << 5;
        QTest::newRow("tavrel: bearing exceeded, earth pressure only")
            << tavrel << with(15, "1") << QStringList{"--pdf", "OUT", "TVL"} << 1 << 1;
        QTest::newRow("tavrel: Case 2 without h', stops after Case 1")
            << tavrel << with(24, "") << QStringList{"--pdf", "OUT", "TVL"} << 1 << 3;
        QTest::newRow("tavrel: page 1 rejected, nothing printable")
            << tavrel << with(7, "0") << QStringList{"--pdf", "OUT", "TVL"} << 1 << 0;
        QTest::newRow("tavrel: missing input file")
            << tavrel << QStringList{} << QStringList{"--pdf", "OUT", "TVL"} << 2 << 0;
        QTest::newRow("tavrel: paths after --")
            << tavrel << worked << QStringList{"--pdf", "--", "OUT", "TVL"} << 0 << 5;
        QTest::newRow("tavrel: no output path") << tavrel << worked << QStringList{"--pdf", "TVL"} << 2 << 0;
        QTest::newRow("tavrel: output folder missing")
            << tavrel << worked << QStringList{"--pdf", "no/such/folder/out.pdf", "TVL"} << 2 << 0;
        QTest::newRow("tavrel: reference book without a path")
            << tavrel << QStringList{} << QStringList{"--reference-book"} << 2 << 0;
        QTest::newRow("tavrel: reference book, output folder missing")
            << tavrel << QStringList{} << QStringList{"--reference-book", "no/such/folder/book.pdf"} << 2 << 0;
        QTest::newRow("morvik: worked example")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "10", "100", "20", "1000000", "20000", "30"} << 0 << 1;
        QTest::newRow("morvik: negative moment is a value")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "10", "100", "20", "-1000000", "20000", "30"} << 0 << 1;
        QTest::newRow("morvik: As missing, nothing printable")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "0", "100", "20", "1000000", "20000", "30"} << 1 << 0;
        QTest::newRow("morvik: five values")
            << morvik << QStringList{} << QStringList{"--pdf", "OUT", "10", "100", "20", "1000000", "20000"} << 2 << 0;
    }
    void pdf_command()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, tvl);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(int, pages);

        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("report.pdf"));
        const QString tvl_path = dir.filePath(QStringLiteral("flume.tvl"));
        if (!tvl.isEmpty())
            QVERIFY(inputfile::write_tvl_file(tvl_path, tvl));
        // A file already at the output path is replaced only by a written report.
        {
            QFile earlier(out);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier");
        }
        for (QString &argument : arguments) {
            if (argument == QLatin1String("OUT"))
                argument = out;
            else if (argument == QLatin1String("TVL"))
                argument = tvl_path;
        }

        const test_support::ProcessRun run = test_support::run_process(program, arguments, test_support::Display::Inherited,
                                                                        dir.path());
        QCOMPARE(run.status, status);
        if (status == 2)
            QVERIFY(!run.err.isEmpty());
        if (pages == 0) {
            QFile earlier(out);
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        } else {
            QCOMPARE(page_count(out), pages);
        }
    }
};

QTEST_GUILESS_MAIN(TestPdfCommands)
#include "test_pdf_commands.moc"
