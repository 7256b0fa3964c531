// The yardstick of scripts/bench-batch.sh for memory: reads a table and a base file, checks every
// row as `tavrel --batch` does and makes the results' CSV in memory, then prints the peak resident
// memory of the process in KiB and the size of the CSV in bytes. Run for two lengths of table, the
// difference of the peaks less that of the outputs is what each further row costs.
// Usage: batch_memory TABLE.csv BASE.tvl
#include "batch/batch_run.h"
#include "batch/results_csv.h"

#include <QCoreApplication>

#include <cstdio>
#include <sys/resource.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: batch_memory TABLE.csv BASE.tvl\n");
        return 2;
    }
    batch::BatchJob job;
    if (!batch::read_table_file(QString::fromLocal8Bit(argv[1]), job.table) || !job.table.usable()
        || !inputfile::read_tvl_file(QString::fromLocal8Bit(argv[2]), job.base)) {
        std::fprintf(stderr, "batch_memory: cannot read the table or the base\n");
        return 2;
    }
    const batch::BatchResults results = batch::run_batch(job);
    QString reason;
    const std::optional<QByteArray> csv = batch::results_csv(results, batch::CsvEncoding::Utf8, &reason);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld %lld\n", usage.ru_maxrss, static_cast<long long>(csv ? csv->size() : 0));
    return 0;
}
