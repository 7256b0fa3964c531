#include "apps/tavrel/batch_command.h"

#include "batch/batch_run.h"
#include "batch/results_csv.h"
#include "batch/results_xlsx.h"
#include "common/command_output.h"
#include "common/same_file.h"
#include "inputfile/file_commands.h"
#include "printing/batch_list.h"
#include "printing/pdf_output.h"
#include "printing/report_application.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

const char help_text[] =
    "使い方: tavrel --batch 表.csv --base 基本.tvl [--design] --out 結果.csv|結果.xlsx|結果.pdf...\n"
    "                [--encoding cp932] [--force]\n"
    "\n"
    "表のフルームを 1 行ずつ、画面を開かずにまとめて検討します（一括計算）。\n"
    "表の 1 行目は見出しで、入力の記号（B、H、T1～T4、H1、q、h、X、… と、部材の入力の鉄筋、\n"
    "本数、ピッチ、かぶり、総厚、σck、鋼種、σca～τoa。部材ごとには「かぶり(ケース.1 側壁)」）と\n"
    "「名称」を並べます。記号の後ろに単位を括弧で書いても構いません（「B (m)」）。2 行目からの\n"
    "各行が 1 基のフルームで、表にない入力と空欄は 基本.tvl の入力と部材のデータを使います。\n"
    "各行は tavrel --check と同じ手順でページを開いて「計算」を押し、部材の応力度照査をします。\n"
    "表は CSV で、UTF-8（BOM の有無を問わない）か CP932、コンマ区切りかタブ区切りです。\n"
    "  --base      各行のもとにする .tvl ファイル。\n"
    "  --design    照査の前に各行の部材ごとに自動配筋をします（tavrel --design と同じ探し方）。\n"
    "              結果に部材ごとの鉄筋とピッチが加わります。\n"
    "  --out       結果を書くファイル。拡張子で形式が決まります: .csv（UTF-8、BOM 付き）、\n"
    "              .xlsx（表計算のファイル）、.pdf（A4 横の一覧表）。- は標準出力への CSV です。\n"
    "              いくつでも指定できます。\n"
    "  --encoding  cp932 のとき CSV を CP932 で書きます（既定は utf-8）。\n"
    "  --force     読み取り専用の結果のファイルも置き換えます。\n"
    "  --help      この説明を表示します。\n"
    "\n"
    "結果は表の 1 行に 1 行: 行、名称、表の入力（使った値）、KA、PA、Fs と判定（1.2 を超えて OK）、\n"
    "qmax と判定（qa 以下で OK）、部材ごとの（--design では鉄筋・ピッチと）応力度比・決定する\n"
    "応力度・判定、総合判定、理由。\n"
    "数値でない値などの表の誤りは、その行と列を標準エラー出力に示し、その行を飛ばして\n"
    "理由を結果に書きます。ほかの行は計算します。メッセージで止まった行も標準エラー出力に示します。\n"
    "終了コード: 0 すべての行が OK / 1 NG の行か、計算しきれない行がある /\n"
    "            2 引数の誤り、表や基本ファイルが読めない、分からない見出し、結果を書けない。\n"
    "\n"
    "Usage: tavrel --batch TABLE.csv --base BASE.tvl [--design] --out RESULT.csv|RESULT.xlsx|RESULT.pdf...\n"
    "              [--encoding cp932] [--force]\n"
    "\n"
    "Checks the flumes of a table, one per row, without a display. The table's first line names\n"
    "its columns by the symbols of the inputs (B, H, T1 to T4, H1, q, h, X, ... and the member check's\n"
    "鉄筋, 本数, ピッチ, かぶり, 総厚, σck, 鋼種, σca to τoa; for one member \"かぶり(ケース.1 側壁)\")\n"
    "and 名称; a unit in parentheses may follow a symbol (\"B (m)\"). Every further line is a flume;\n"
    "inputs the table does not give, and empty cells, come from BASE.tvl and its member data. Each\n"
    "row is walked as tavrel --check walks a file, then its members are checked.\n"
    "The table is CSV, UTF-8 (with or without a byte-order mark) or CP932, comma- or tab-separated.\n"
    "  --base      the .tvl file every row starts from.\n"
    "  --design    chooses each member's bars (自動配筋, searched as tavrel --design does) before the\n"
    "              check; the results gain each member's bar and pitch.\n"
    "  --out       a file to write the results to, its kind by its extension: .csv (UTF-8 with a\n"
    "              byte-order mark), .xlsx (a spreadsheet), .pdf (a list, A4 landscape); \"-\" is CSV\n"
    "              on standard output. Give it as often as needed.\n"
    "  --encoding  cp932 writes the CSV in CP932 (the default is utf-8).\n"
    "  --force     replaces result files made read-only as well.\n"
    "  --help      shows this text.\n"
    "\n"
    "The results have one line per row of the table: line, name, the table's inputs (the values\n"
    "used), KA, PA, Fs and its verdict (OK above 1.2), qmax and its verdict (OK up to qa), each\n"
    "member's stress ratio, governing stress and verdict (with --design after its bar and pitch),\n"
    "the overall verdict and the reason.\n"
    "A fault of the table (a value that is not a number, ...) is reported on standard error with its\n"
    "line and column; that row is skipped with the reason in the results, the others are computed.\n"
    "Rows that a message stopped are reported on standard error as well.\n"
    "Exit status: 0 every row is OK; 1 some row is NG or could not be checked through;\n"
    "             2 wrong arguments, an unreadable table or base file, an unknown header, or results\n"
    "             that could not be written.\n";

const QString command_name = QStringLiteral("tavrel --batch");

enum Status { AllOk = 0, NotAllOk = 1, Unusable = 2 };

int fail(const QString &reason)
{
    return common::command_failure(command_name, reason, Unusable);
}

enum class OutputKind { Csv, Xlsx, Pdf };

struct Output {
    QString path;
    OutputKind kind;
};

// The kind of an output by its name's extension; none for an unknown one.
std::optional<OutputKind> output_kind(const QString &argument)
{
    if (argument == QLatin1String("-"))
        return OutputKind::Csv;
    const QString suffix = QFileInfo(argument).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return OutputKind::Csv;
    if (suffix == QLatin1String("xlsx"))
        return OutputKind::Xlsx;
    if (suffix == QLatin1String("pdf"))
        return OutputKind::Pdf;
    return std::nullopt;
}

common::FileResult write_output(const Output &out, const batch::BatchJob &job, const batch::BatchResults &results,
                                batch::CsvEncoding encoding, const QString &table_path, common::ReadOnlyFile read_only)
{
    switch (out.kind) {
    case OutputKind::Csv: return batch::write_results_csv(out.path, results, encoding, read_only);
    case OutputKind::Xlsx: return batch::write_results_xlsx(out.path, results, read_only);
    case OutputKind::Pdf: break;
    }
    QString error;
    const printing::PrintDocument list = printing::batch_list(job, results, table_path);
    if (!printing::write_document_pdf(out.path, list, &error, read_only))
        return {false, error};
    return {};
}

int run(int argc, char *argv[], const common::CommandLine &line)
{
    if (line.operands.size() != 1)
        return fail(QStringLiteral("表のファイルを一つ指定します / one table file expected (--help)"));
    const QString table_path = line.operands.first();
    const QString base_path = line.values.value(QStringLiteral("--base"));
    if (base_path.isEmpty())
        return fail(QStringLiteral("--base に基本の .tvl ファイルが必要です / --base BASE.tvl expected (--help)"));
    const QStringList out_arguments = line.value_lists.value(QStringLiteral("--out"));
    if (out_arguments.isEmpty())
        return fail(QStringLiteral("--out に結果のファイルが必要です / --out RESULT expected (--help)"));
    const QString encoding_name = line.values.value(QStringLiteral("--encoding"), QStringLiteral("utf-8")).toLower();
    if (encoding_name != QLatin1String("utf-8") && encoding_name != QLatin1String("cp932"))
        return fail(QStringLiteral("--encoding は utf-8 か cp932 です / --encoding is utf-8 or cp932"));
    const batch::CsvEncoding encoding = encoding_name == QLatin1String("cp932") ? batch::CsvEncoding::Cp932
                                                                                : batch::CsvEncoding::Utf8;
    QList<Output> outputs;
    bool pdf = false;
    for (const QString &argument : out_arguments) {
        const std::optional<OutputKind> kind = output_kind(argument);
        if (!kind)
            return fail(argument + QStringLiteral(": 結果の形式は .csv、.xlsx、.pdf のどれかです / the results are .csv, .xlsx or .pdf"));
        const Output out{common::output_file(argument), *kind};
        for (const QString &input : {table_path, base_path}) {
            if (common::is_same_file(out.path, input))
                return fail(out.path + QStringLiteral(": 入力ファイルと同じファイルです / the output is an input file"));
        }
        pdf = pdf || *kind == OutputKind::Pdf;
        outputs.append(out);
    }

    // The list is drawn in the reports' face, which needs the application of the reports.
    std::unique_ptr<QCoreApplication> app;
    if (pdf)
        app = printing::start_report_application(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    common::write_left_recovery_copies(command_name);

    auto job = std::make_shared<batch::BatchJob>();
    job->base_name = base_path;
    job->design = line.has(QStringLiteral("--design"));
    inputfile::ExtensionNotes notes;
    if (const common::FileResult read = inputfile::read_tvl_file(base_path, job->base, &notes); !read)
        return fail(base_path + QStringLiteral(": ") + read.reason);
    for (const QString &note : inputfile::extension_note_lines(notes))
        common::write_utf8(stderr, command_name + QStringLiteral(": ") + base_path + QStringLiteral(": ") + note + u'\n');
    if (const common::FileResult read = batch::read_table_file(table_path, job->table); !read)
        return fail(table_path + QStringLiteral(": ") + read.reason);
    if (!job->table.usable()) {
        for (const batch::TableProblem &problem : job->table.problems)
            common::write_utf8(stderr, command_name + QStringLiteral(": ") + table_path + u':' + problem.line_text() + u'\n');
        return Unusable;
    }
    if (job->table.rows.isEmpty())
        return fail(table_path + QStringLiteral(": 表に行がありません / the table has no rows"));

    const batch::BatchResults results = batch::run_batch(*job);
    Status status = AllOk;
    const qsizetype reason = results.column(batch::ColumnRole::Reason);
    for (const batch::RowResult &row : results.rows) {
        if (row.overall != batch::Overall::Ok)
            status = NotAllOk;
        if (!row.cells[reason].isEmpty()) {
            const QString where = row.computed ? QString::number(row.line) + QStringLiteral(": ") : QString();
            common::write_utf8(stderr, command_name + QStringLiteral(": ") + table_path + u':' + where + row.cells[reason] + u'\n');
        }
    }

    QStringList out_paths;
    for (const Output &out : outputs)
        out_paths << out.path;
    std::FILE *lines = common::line_stream(out_paths);
    for (const Output &out : outputs) {
        if (const common::FileResult written =
                write_output(out, *job, results, encoding, table_path, common::read_only_output(line));
            !written)
            return fail(out.path + QStringLiteral(": ") + common::output_failure_reason(written.reason));
        common::write_utf8(lines, out.path + QStringLiteral(": %1 行 / rows\n").arg(results.rows.size()));
    }
    std::fflush(stdout);
    return status;
}

} // namespace

common::ProgramCommand batch_command()
{
    return {QStringLiteral("--batch"), help_text, run};
}
