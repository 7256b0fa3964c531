#include "batch/results_xlsx.h"

#include "common/numeric_reading.h"
#include "common/safe_file_write.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>

namespace batch {

namespace {

constexpr uint8_t a4_paper = 9;
constexpr double least_width = 6, most_width = 60;

// The decimals a number's text shows: 2 for "0.30", 0 for "150".
int decimals_shown(const QString &text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return 0;
    qsizetype digits = 0;
    while (point + 1 + digits < text.size() && text[point + 1 + digits].isDigit())
        ++digits;
    return int(digits);
}

// How wide a text stands in a cell, in the widths of a half-width character.
double text_width(const QString &text)
{
    double width = 0;
    for (QChar c : text)
        width += c.unicode() > 0xff ? 2 : 1;
    return width;
}

// The formats of a workbook, made once each: a number's decimals, red or not.
class Formats
{
public:
    explicit Formats(lxw_workbook *workbook) : workbook_(workbook)
    {
        header_ = workbook_add_format(workbook_);
        format_set_bold(header_);
    }

    lxw_format *header() const { return header_; }

    // A number format "0", "0.0", "0.00" …; a text cell's format with decimals -1.
    lxw_format *cell(int decimals, bool red)
    {
        const int key = decimals * 2 + (red ? 1 : 0);
        if (lxw_format *made = made_.value(key))
            return made;
        lxw_format *format = workbook_add_format(workbook_);
        if (decimals >= 0) {
            const QByteArray pattern = decimals > 0 ? "0." + QByteArray(decimals, '0') : QByteArray("0");
            format_set_num_format(format, pattern.constData());
        }
        if (red)
            format_set_font_color(format, LXW_COLOR_RED);
        made_.insert(key, format);
        return format;
    }

private:
    lxw_workbook *workbook_;
    lxw_format *header_;
    QHash<int, lxw_format *> made_;
};

// Writes the sheet; the first error of the library, or LXW_NO_ERROR.
lxw_error write_sheet(lxw_workbook *workbook, const BatchResults &results)
{
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "一括計算");
    if (!sheet)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    Formats formats(workbook);
    QList<double> widths;
    for (qsizetype c = 0; c < results.columns.size(); ++c) {
        const QString header = results.columns[c].header();
        widths.append(text_width(header));
        if (const lxw_error e = worksheet_write_string(sheet, 0, lxw_col_t(c), header.toUtf8().constData(), formats.header()))
            return e;
    }
    lxw_row_t r = 1;
    for (const RowResult &row : results.rows) {
        for (qsizetype c = 0; c < row.cells.size(); ++c) {
            const QString &text = row.cells[c];
            if (text.isEmpty())
                continue;
            const ResultColumn &column = results.columns[c];
            widths[c] = std::max(widths[c], text_width(text));
            double number = 0;
            lxw_error e;
            if (column.kind == CellKind::Number && common::read_whole_number(text, &number))
                e = worksheet_write_number(sheet, r, lxw_col_t(c), number, formats.cell(decimals_shown(text), false));
            else
                e = worksheet_write_string(sheet, r, lxw_col_t(c), text.toUtf8().constData(),
                                           formats.cell(-1, column.kind == CellKind::Verdict && is_ng(text)));
            if (e)
                return e;
        }
        ++r;
    }
    for (qsizetype c = 0; c < widths.size(); ++c) {
        const double width = std::clamp(widths[c] + 2, least_width, most_width);
        if (const lxw_error e = worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr))
            return e;
    }
    worksheet_freeze_panes(sheet, 1, 2);
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, a4_paper);
    worksheet_fit_to_pages(sheet, 1, 0);
    return worksheet_repeat_rows(sheet, 0, 0);
}

QString library_failure(lxw_error error)
{
    return QStringLiteral("表計算のファイルを作れませんでした（%1）。").arg(QString::fromUtf8(lxw_strerror(error)));
}

} // namespace

std::optional<QByteArray> results_xlsx(const BatchResults &results, QString *reason)
{
    // The library writes a named file: it goes into a folder of its own, to be read back whole.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        *reason = QStringLiteral("一時フォルダを作れませんでした。");
        return std::nullopt;
    }
    const QString file_path = folder.filePath(QStringLiteral("results.xlsx"));
    const QByteArray path = QFile::encodeName(file_path);
    QByteArray tmpdir = QFile::encodeName(folder.path());
    lxw_workbook_options options{};
    options.tmpdir = tmpdir.data();
    lxw_workbook *workbook = workbook_new_opt(path.constData(), &options);
    if (!workbook) {
        *reason = library_failure(LXW_ERROR_MEMORY_MALLOC_FAILED);
        return std::nullopt;
    }
    const lxw_error written = write_sheet(workbook, results);
    const lxw_error closed = workbook_close(workbook);
    if (written || closed) {
        *reason = library_failure(written ? written : closed);
        return std::nullopt;
    }
    QFile file(file_path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

common::FileResult write_results_xlsx(const QString &path, const BatchResults &results, common::ReadOnlyFile read_only)
{
    QString reason;
    const std::optional<QByteArray> bytes = results_xlsx(results, &reason);
    if (!bytes)
        return {false, reason};
    return common::write_file_safely(path, *bytes, read_only);
}

} // namespace batch
