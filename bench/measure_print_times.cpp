// Measures how long printing takes, report by report: the print job itself (drawing and spooling,
// the time the user waits with the dialog busy) and the time until the CUPS PDF printer has written
// its file; and, for comparison, writing the same page with the PDF output. Not a test: run it
// through scripts/measure-print-times.sh, which sets up the test printers first.
#include "flume/flume_sheet.h"
#include "gui/print_dialog/print_job.h"
#include "printing/flume_reports.h"
#include "printing/pdf_output.h"
#include "printing/print_document.h"
#include "printing/rc_stress_report.h"
#include "rcstress/section_sheet.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

const QString queue = QStringLiteral("tavrel-pdf-1");
const QString folder = QStringLiteral("/var/spool/tavrel-test-printers/tavrel-pdf-1");

QSet<QString> pdfs()
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

bool queue_idle()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue});
    lpstat.waitForFinished();
    return lpstat.readAllStandardOutput().trimmed().isEmpty();
}

// Milliseconds until a new, whole PDF is in the folder and the queue is idle; -1 after a minute.
qint64 wait_for_pdf(const QSet<QString> &before, const QElapsedTimer &since)
{
    while (since.elapsed() < 60000) {
        for (const QString &name : pdfs()) {
            if (before.contains(name))
                continue;
            QFile file(folder + QLatin1Char('/') + name);
            if (file.open(QIODevice::ReadOnly) && file.size() > 64) {
                file.seek(file.size() - 64);
                if (file.readAll().contains("%%EOF") && queue_idle())
                    return since.elapsed();
            }
        }
        QThread::msleep(10);
    }
    return -1;
}

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    flume::FlumeSheet flume_sheet;
    for (int i = 0; i < flume::field_count; ++i)
        flume_sheet.set_text(flume::field_table[std::size_t(i)].field, QStringLiteral("12.345"));
    rcstress::SectionSheet section_sheet;
    for (const auto &info : rcstress::field_table)
        section_sheet.set_text(info.field, QStringLiteral("12.345"));

    const QList<std::pair<QString, printing::ReportPage>> reports = {
        {QStringLiteral("earth pressure"), printing::earth_pressure_report(printing::snapshot(flume_sheet))},
        {QStringLiteral("uplift/bearing"), printing::uplift_bearing_report(printing::snapshot(flume_sheet))},
        {QStringLiteral("case 1"), printing::case1_report(printing::snapshot(flume_sheet))},
        {QStringLiteral("case 2"), printing::case2_report(printing::snapshot(flume_sheet))},
        {QStringLiteral("case 3"), printing::case3_report(printing::snapshot(flume_sheet))},
        {QStringLiteral("rc stress"), printing::rc_stress_report(printing::snapshot(section_sheet))},
    };

    QTemporaryDir scratch;
    std::printf("median of %d rounds, milliseconds\n", rounds);
    std::printf("%-16s %10s %12s %10s\n", "report", "print job", "PDF written", "PDF output");
    for (const auto &[name, page] : reports) {
        QList<qint64> job_times, pdf_times, output_times;
        for (int round = 0; round < rounds; ++round) {
            const QSet<QString> before = pdfs();
            QElapsedTimer clock;
            clock.start();
            if (print_dialog::print_report(queue, {page}, name) != print_dialog::PrintOutcome::Printed) {
                std::fprintf(stderr, "%s: printing failed\n", qPrintable(name));
                return 1;
            }
            job_times.append(clock.elapsed());
            pdf_times.append(wait_for_pdf(before, clock));

            clock.restart();
            printing::write_report_pdf(scratch.filePath(QStringLiteral("report.pdf")), {page}, printing::reports_description({name}, name));
            output_times.append(clock.elapsed());
        }
        std::printf("%-16s %10lld %12lld %10lld\n", qPrintable(name), median(job_times), median(pdf_times),
                    median(output_times));
    }
    return 0;
}
