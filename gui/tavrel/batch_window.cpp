#include "gui/tavrel/batch_window.h"

#include "batch/batch_words.h"
#include "batch/results_csv.h"
#include "batch/results_xlsx.h"
#include "batch/table_text.h"
#include "common/file_error.h"
#include "common/file_read.h"
#include "common/numeric_reading.h"
#include "common/safe_file_write.h"
#include "flume/member_forces.h"
#include "gui/common/dialog_folder.h"
#include "gui/common/window_messages.h"
#include "gui/print_dialog/print_dialog.h"
#include "gui/tavrel/flume_window.h"
#include "inputfile/file_commands.h"
#include "printing/batch_list.h"
#include "printing/pdf_output.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>

namespace tavrel {

namespace {

const QString table_key = QStringLiteral("batch/table");
const QString base_key = QStringLiteral("batch/base");
const QString table_filter = QStringLiteral("CSV (*.csv *.txt)");
const QColor ng_colour(Qt::red);
const QColor result_background(0xf0, 0xf0, 0xf0);

QString cell_text(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

bool row_blank(const QTableWidget *grid, int row, int columns)
{
    for (int c = 0; c < columns; ++c) {
        if (!common::is_blank(cell_text(grid, row, c)))
            return false;
    }
    return true;
}

// How many columns of the grid hold the table: up to the last header that is not blank.
int table_columns(const QTableWidget *grid, int limit)
{
    int columns = 0;
    for (int c = 0; c < limit; ++c) {
        if (!common::is_blank(cell_text(grid, 0, c)))
            columns = c + 1;
    }
    return columns;
}

// The result columns the grid adds to the right of the table: from KA on.
bool shown_beside_the_table(const batch::ResultColumn &column)
{
    return column.role != batch::ColumnRole::Line && column.role != batch::ColumnRole::Name
        && column.role != batch::ColumnRole::Input;
}

QString counted(const QList<batch::RowResult> &rows)
{
    int ok = 0, ng = 0, none = 0;
    for (const batch::RowResult &row : rows)
        (row.overall == batch::Overall::Ok ? ok : row.overall == batch::Overall::Ng ? ng : none) += 1;
    return QStringLiteral("%1 行　OK %2、NG %3、判定なし %4").arg(rows.size()).arg(ok).arg(ng).arg(none);
}

QPushButton *button(QWidget *parent, const QString &caption, const char *name)
{
    auto *made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

} // namespace

BatchWindow::BatchWindow(FlumeWindow *screen) : QWidget(nullptr, Qt::Window), screen_(screen)
{
    setObjectName(QStringLiteral("batch_window"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(batch_message::title);

    auto *layout = new QVBoxLayout(this);
    auto *table_row = new QHBoxLayout;
    QPushButton *open_table = button(this, batch::words::open_table, "batch_open_table");
    QPushButton *save_table = button(this, batch::words::save_table, "batch_save_table");
    table_label_ = new QLabel(this);
    table_label_->setObjectName(QStringLiteral("batch_table_name"));
    table_row->addWidget(open_table);
    table_row->addWidget(save_table);
    table_row->addWidget(table_label_, 1);
    layout->addLayout(table_row);

    auto *base_row = new QHBoxLayout;
    base_row->addWidget(new QLabel(batch::words::base_caption, this));
    base_label_ = new QLabel(this);
    base_label_->setObjectName(QStringLiteral("batch_base_name"));
    base_row->addWidget(base_label_, 1);
    QPushButton *choose_base = button(this, batch::words::choose_base, "batch_choose_base");
    QPushButton *screen_inputs = button(this, batch::words::screen_base, "batch_screen_base");
    base_row->addWidget(choose_base);
    base_row->addWidget(screen_inputs);
    layout->addLayout(base_row);
    auto *hint = new QLabel(batch::words::typing_hint, this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    grid_ = new QTableWidget(2, 2, this);
    grid_->setObjectName(QStringLiteral("batch_grid"));
    grid_->horizontalHeader()->setDefaultSectionSize(90);
    layout->addWidget(grid_, 1);

    auto *run_row = new QHBoxLayout;
    design_box_ = new QCheckBox(batch::words::design, this);
    design_box_->setObjectName(QStringLiteral("batch_design"));
    compute_button_ = button(this, batch::words::compute, "batch_compute");
    cancel_button_ = button(this, batch::words::cancel, "batch_cancel");
    cancel_button_->setShortcut(Qt::Key_Escape);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("batch_progress"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("batch_summary"));
    run_row->addWidget(design_box_);
    run_row->addWidget(compute_button_);
    run_row->addWidget(progress_, 1);
    run_row->addWidget(cancel_button_);
    run_row->addWidget(summary_, 1);
    layout->addLayout(run_row);

    auto *result_row = new QHBoxLayout;
    QPushButton *open_row = button(this, batch::words::open_row, "batch_open_row");
    QPushButton *save_csv = button(this, batch::words::save_csv, "batch_save_csv");
    QPushButton *save_xlsx = button(this, batch::words::save_xlsx, "batch_save_xlsx");
    QPushButton *save_pdf = button(this, batch::words::save_pdf, "batch_save_pdf");
    QPushButton *print = button(this, batch::words::print, "batch_print");
    result_row->addWidget(open_row);
    result_row->addStretch(1);
    for (QPushButton *b : {save_csv, save_xlsx, save_pdf, print}) {
        result_row->addWidget(b);
        result_buttons_.append(b);
    }
    layout->addLayout(result_row);

    connect(open_table, &QPushButton::clicked, this, &BatchWindow::choose_table);
    connect(save_table, &QPushButton::clicked, this, &BatchWindow::save_table);
    connect(choose_base, &QPushButton::clicked, this, &BatchWindow::choose_base);
    connect(screen_inputs, &QPushButton::clicked, this, [this] {
        set_base({});
        gui::common::remember_file(base_key, {});
    });
    connect(design_box_, &QCheckBox::toggled, this, &BatchWindow::clear_results);
    connect(compute_button_, &QPushButton::clicked, this, &BatchWindow::compute);
    connect(cancel_button_, &QPushButton::clicked, this, [this] { watcher_.cancel(); });
    connect(open_row, &QPushButton::clicked, this, &BatchWindow::open_row);
    connect(save_csv, &QPushButton::clicked, this, [this] { save_results(QStringLiteral("CSV (*.csv)"), QStringLiteral("csv")); });
    connect(save_xlsx, &QPushButton::clicked, this,
            [this] { save_results(QStringLiteral("Excel (*.xlsx)"), QStringLiteral("xlsx")); });
    connect(save_pdf, &QPushButton::clicked, this, [this] { save_results(QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf")); });
    connect(print, &QPushButton::clicked, this, &BatchWindow::print_list);
    connect(&watcher_, &QFutureWatcherBase::progressValueChanged, progress_, &QProgressBar::setValue);
    connect(&watcher_, &QFutureWatcherBase::finished, this, &BatchWindow::run_finished);
    connect(grid_, &QTableWidget::itemChanged, this, [this] {
        if (filling_)
            return;
        // Results stand only beside the inputs they were computed from.
        clear_results();
        keep_spare_cells();
    });

    set_running(false);
    set_base({});
    put_table({});
    resize(1100, 600);
}

BatchWindow::~BatchWindow()
{
    watcher_.cancel();
    watcher_.waitForFinished();
}

void BatchWindow::closeEvent(QCloseEvent *event)
{
    // The rows not yet started are left; those under way finish before the window goes.
    watcher_.cancel();
    watcher_.waitForFinished();
    event->accept();
}

bool BatchWindow::load_table(const QString &path)
{
    QByteArray bytes;
    const common::FileResult read = common::read_regular_file(path, batch::max_table_bytes, batch::table_too_large, bytes);
    if (!read) {
        warn(common::file_failure_text(batch_message::table_not_read, path, read.reason));
        return false;
    }
    const batch::SplitTable split = batch::split_table(bytes);
    QList<QStringList> rows;
    for (const batch::TableRecord &record : split.records)
        rows << record.fields.list();
    put_table(rows);
    table_path_ = path;
    table_label_->setText(path);
    if (!split.problems.isEmpty())
        warn(batch_message::table_not_read, split.problems.first().line_text());
    return true;
}

void BatchWindow::put_table(const QList<QStringList> &rows)
{
    clear_results();
    filling_ = true;
    grid_->clearContents();
    int columns = 0;
    for (const QStringList &fields : rows)
        columns = std::max(columns, int(fields.size()));
    grid_->setRowCount(int(rows.size()));
    grid_->setColumnCount(columns);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    }
    filling_ = false;
    keep_spare_cells();
    grid_->resizeColumnsToContents();
    table_path_.clear();
    table_label_->setText(QStringLiteral("（入力中の表）"));
}

void BatchWindow::restore_remembered()
{
    set_base(gui::common::remembered_file(base_key));
    if (const QString table = gui::common::remembered_file(table_key); !table.isEmpty())
        load_table(table);
}

void BatchWindow::set_base(const QString &path)
{
    base_path_ = path;
    base_label_->setText(path.isEmpty() ? batch::words::screen_base_name : path);
    clear_results();
}

void BatchWindow::set_screen(FlumeWindow *screen)
{
    screen_ = screen;
}

void BatchWindow::choose_table()
{
    QFileDialog dialog(this, QString(), QString(), table_filter);
    gui::common::prepare_file_dialog(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString path = gui::common::ask_for_file(dialog);
    if (!path.isEmpty() && load_table(path)) {
        gui::common::remember_file(table_key, path);
        gui::common::remember_dialog_folder(path);
    }
}

void BatchWindow::save_table()
{
    QFileDialog dialog(this, QString(), QString(), table_filter);
    gui::common::prepare_file_dialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    const QString path = gui::common::ask_for_file(dialog);
    if (path.isEmpty())
        return;
    const int columns = table_columns(grid_, result_column_ >= 0 ? result_column_ : grid_->columnCount());
    QString text;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (row_blank(grid_, r, columns))
            continue;
        QStringList fields;
        for (int c = 0; c < columns; ++c)
            fields << batch::csv_field(cell_text(grid_, r, c));
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    if (const common::FileResult written = common::write_file_safely(path, "\xef\xbb\xbf" + text.toUtf8()); !written) {
        warn(common::file_failure_text(batch_message::not_saved, path, written.reason));
        return;
    }
    table_path_ = path;
    table_label_->setText(path);
    gui::common::remember_file(table_key, path);
    gui::common::remember_dialog_folder(path);
}

void BatchWindow::choose_base()
{
    QFileDialog dialog(this, QString(), QString(), inputfile::dialog_filter);
    gui::common::prepare_file_dialog(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (const QString path = gui::common::ask_for_file(dialog); !path.isEmpty()) {
        set_base(path);
        gui::common::remember_file(base_key, path);
        gui::common::remember_dialog_folder(path);
    }
}

std::shared_ptr<batch::BatchJob> BatchWindow::make_job()
{
    // The grid's rows as a table's records, each numbered by its row as the grid shows it.
    const int columns = table_columns(grid_, result_column_ >= 0 ? result_column_ : grid_->columnCount());
    batch::SplitTable split;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (row_blank(grid_, r, columns))
            continue;
        batch::TableRecord record{r + 1, {}};
        for (int c = 0; c < columns; ++c)
            record.fields << cell_text(grid_, r, c);
        split.records.append(record);
    }
    auto job = std::make_shared<batch::BatchJob>();
    job->table = batch::read_table(split);
    job->design = design_box_->isChecked();
    if (!job->table.usable()) {
        QStringList problems;
        for (const batch::TableProblem &problem : job->table.problems)
            problems << problem.line_text();
        warn(batch_message::table_faults, problems.join(u'\n'));
        return nullptr;
    }
    if (job->table.rows.isEmpty()) {
        warn(batch_message::no_rows);
        return nullptr;
    }
    if (base_path_.isEmpty()) {
        if (!screen_) {
            warn(batch_message::no_screen);
            return nullptr;
        }
        job->base = screen_->contents();
        job->base_name = batch::words::screen_base_name;
    } else {
        if (const common::FileResult read = inputfile::read_tvl_file(base_path_, job->base); !read) {
            warn(common::file_failure_text(batch_message::base_not_read, base_path_, read.reason));
            return nullptr;
        }
        job->base_name = base_path_;
    }
    return job;
}

void BatchWindow::compute()
{
    if (watcher_.isRunning())
        return;
    const std::shared_ptr<batch::BatchJob> job = make_job();
    if (!job)
        return;
    clear_results();
    job_ = job;
    progress_->setRange(0, int(job->table.rows.size()));
    progress_->setValue(0);
    set_running(true);
    rows_ = std::make_shared<QList<batch::RowResult>>();
    watcher_.setFuture(batch::start_batch(job, rows_));
}

void BatchWindow::run_finished()
{
    set_running(false);
    batch::BatchResults results{batch::result_columns(*job_), std::move(*rows_)};
    rows_.reset();
    for (qsizetype i = 0; i < results.rows.size(); ++i) {
        if (results.rows[i].line == 0)
            results.rows[i] = batch::skipped_row(*job_, i, batch::words::cancelled);
    }
    results_ = std::move(results);
    show_results();
    emit computed();
}

void BatchWindow::show_results()
{
    const batch::BatchResults &results = *results_;
    const int columns = table_columns(grid_, grid_->columnCount());
    result_column_ = columns;
    QList<qsizetype> shown;
    for (qsizetype i = 0; i < results.columns.size(); ++i) {
        if (shown_beside_the_table(results.columns[i]))
            shown << i;
    }
    filling_ = true;
    grid_->setColumnCount(columns + int(shown.size()));
    QFont bold = grid_->font();
    bold.setBold(true);
    const qsizetype reason = results.column(batch::ColumnRole::Reason);
    for (int k = 0; k < shown.size(); ++k) {
        const batch::ResultColumn &column = results.columns[shown[k]];
        // A member's heads in two lines, the member over what is shown of it, to keep its columns narrow.
        QString head_text = column.header();
        if (column.member >= 0) {
            const QString title = flume::member_title(flume::member_forces[std::size_t(column.member)]);
            head_text.replace(title + u' ', title + u'\n');
        }
        auto *head = new QTableWidgetItem(head_text);
        head->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        head->setFont(bold);
        head->setBackground(result_background);
        grid_->setItem(0, columns + k, head);
        for (int r = 1; r < grid_->rowCount(); ++r) {
            if (!grid_->item(r, columns + k))
                grid_->setItem(r, columns + k, new QTableWidgetItem);
            grid_->item(r, columns + k)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
    }
    for (const batch::RowResult &row : results.rows) {
        const int r = row.line - 1;
        for (int k = 0; k < shown.size(); ++k) {
            const batch::ResultColumn &column = results.columns[shown[k]];
            const QString &text = row.cells[shown[k]];
            QTableWidgetItem *item = grid_->item(r, columns + k);
            item->setText(text);
            item->setBackground(result_background);
            if (column.kind == batch::CellKind::Verdict && batch::is_ng(text))
                item->setForeground(ng_colour);
            if (column.kind == batch::CellKind::Number)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        // The reason stands over the whole row.
        for (int c = 0; c < grid_->columnCount(); ++c) {
            if (!grid_->item(r, c))
                grid_->setItem(r, c, new QTableWidgetItem);
            grid_->item(r, c)->setToolTip(row.cells[reason]);
        }
    }
    filling_ = false;
    grid_->resizeColumnsToContents();
    grid_->resizeRowToContents(0);
    summary_->setText(counted(results.rows));
    for (QPushButton *b : result_buttons_)
        b->setEnabled(true);
}

void BatchWindow::clear_results()
{
    if (result_column_ < 0) {
        for (QPushButton *b : result_buttons_)
            b->setEnabled(results_.has_value());
        return;
    }
    filling_ = true;
    grid_->setColumnCount(result_column_);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        for (int c = 0; c < grid_->columnCount(); ++c) {
            if (QTableWidgetItem *item = grid_->item(r, c))
                item->setToolTip(QString());
        }
    }
    filling_ = false;
    result_column_ = -1;
    results_.reset();
    summary_->clear();
    for (QPushButton *b : result_buttons_)
        b->setEnabled(false);
}

void BatchWindow::keep_spare_cells()
{
    // An empty row and an empty column at the end, to type a new flume or a new input into.
    if (result_column_ >= 0)
        return;
    const int columns = table_columns(grid_, grid_->columnCount());
    int rows = grid_->rowCount();
    while (rows > 1 && row_blank(grid_, rows - 1, grid_->columnCount()) && row_blank(grid_, rows - 2, grid_->columnCount()))
        --rows;
    if (rows == 0 || !row_blank(grid_, rows - 1, grid_->columnCount()))
        ++rows;
    filling_ = true;
    grid_->setRowCount(std::max(rows, 2));
    grid_->setColumnCount(std::max(grid_->columnCount(), columns + 1));
    filling_ = false;
}

void BatchWindow::open_row()
{
    const int row = grid_->currentRow();
    const std::shared_ptr<batch::BatchJob> job = make_job();
    if (!job || row < 1)
        return;
    for (const batch::TableRow &table_row : job->table.rows) {
        if (table_row.line != row + 1)
            continue;
        auto *window = new FlumeWindow;
        window->put_contents(batch::checked_contents(*job, table_row));
        window->show();
        window->raise();
        window->activateWindow();
        return;
    }
}

void BatchWindow::save_results(const QString &filter, const QString &suffix)
{
    if (!results_)
        return;
    QFileDialog dialog(this, QString(), QString(), filter);
    gui::common::prepare_file_dialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(QStringLiteral("一括計算.") + suffix);
    const QString path = gui::common::ask_for_file(dialog);
    if (path.isEmpty())
        return;
    const auto read_only = gui::common::read_only_choice(this, path, batch_message::title);
    if (!read_only)
        return;
    common::FileResult written;
    if (suffix == QLatin1String("csv")) {
        written = batch::write_results_csv(path, *results_, batch::CsvEncoding::Utf8, *read_only);
    } else if (suffix == QLatin1String("xlsx")) {
        written = batch::write_results_xlsx(path, *results_, *read_only);
    } else {
        QString error;
        if (!printing::write_document_pdf(path, printing::batch_list(*job_, *results_, table_label_->text()), &error,
                                          *read_only))
            written = {false, error};
    }
    if (!written) {
        warn(common::file_failure_text(batch_message::not_saved, path, written.reason));
        return;
    }
    gui::common::remember_dialog_folder(path);
}

void BatchWindow::print_list()
{
    if (!results_)
        return;
    print_dialog::open_document_print_dialog(
        this, [job = job_, results = *results_, table = table_label_->text()] { return printing::batch_list(*job, results, table); });
}

void BatchWindow::set_running(bool running)
{
    compute_button_->setEnabled(!running);
    design_box_->setEnabled(!running);
    cancel_button_->setEnabled(running);
    grid_->setEditTriggers(running ? QAbstractItemView::NoEditTriggers : QAbstractItemView::AllEditTriggers);
}

void BatchWindow::warn(const QString &text, const QString &detail)
{
    gui::common::warning_box(this, detail.isEmpty() ? text : text + u'\n' + detail, batch_message::title);
}

BatchWindow *show_batch_window(FlumeWindow *screen)
{
    static QPointer<BatchWindow> window;
    if (!window) {
        window = new BatchWindow(screen);
        window->restore_remembered();
        // A new window within the screen's room, title bar and frame included, centred in it.
        const QRect room = (screen ? screen->screen() : QGuiApplication::primaryScreen())->availableGeometry();
        const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
        window->resize(window->size().boundedTo(room.size() - QSize(8, title + 8)));
        window->move(room.center() - QPoint(window->width() / 2, (window->height() + title) / 2));
    } else if (screen)
        window->set_screen(screen);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace tavrel
