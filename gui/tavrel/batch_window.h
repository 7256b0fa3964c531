#pragma once

#include "batch/batch_run.h"
#include "batch/batch_words.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace tavrel {

class FlumeWindow;

// The window's messages, titled "一括計算": the first line says what failed, a second one why.
namespace batch_message {
inline const QString &title = batch::words::window_title;
inline const QString table_not_read = QStringLiteral("表を読めませんでした。");
inline const QString table_faults = QStringLiteral("表の見出しに誤りがあります。");
inline const QString no_rows = QStringLiteral("計算する行がありません。");
inline const QString base_not_read = QStringLiteral("基本ファイルを読めませんでした。");
inline const QString no_screen = QStringLiteral("フルームの画面が閉じられています。基本ファイルを選んでください。");
inline const QString not_saved = QStringLiteral("保存できませんでした。");
} // namespace batch_message

// The window "一括計算": a table of flumes, typed or opened from a CSV file, its first row the
// header, every further row a flume; the base each row starts from, a .tvl file or the inputs of
// the flume window it was opened from; "自動配筋" to choose each member's bars before the check;
// "計算" with a progress bar and "中止"; the results to the
// right of each row (NG in red, the reason as the row's tooltip), saved as CSV, .xlsx or PDF,
// printed, and any row opened as a flume window of its own. Not modal, and owned by no window, so
// that it stays when the flume window closes. It remembers the last table and base file the user
// chose (restore_remembered). It holds
// no arithmetic: the rows are computed by the batch layer on a thread pool.
class BatchWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BatchWindow(FlumeWindow *screen);
    ~BatchWindow() override;

    // Reads a table file into the grid; a file that cannot be read is reported, and false returned.
    bool load_table(const QString &path);
    // Puts rows into the grid as if typed, the first the header.
    void put_table(const QList<QStringList> &rows);
    // Opens the table and chooses the base file this window had when it was last used.
    void restore_remembered();
    // The base file the rows start from; empty: the flume window's inputs.
    void set_base(const QString &path);
    // The flume window whose inputs are the base while no base file is chosen.
    void set_screen(FlumeWindow *screen);

    // Computes every row; the results come when the run has finished.
    void compute();
    const std::optional<batch::BatchResults> &results() const { return results_; }

signals:
    void computed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void choose_table();
    void save_table();
    void choose_base();
    // The table in the grid and the base; none after the reason was shown.
    std::shared_ptr<batch::BatchJob> make_job();
    void run_finished();
    void show_results();
    void clear_results();
    void keep_spare_cells();
    void open_row();
    void save_results(const QString &filter, const QString &suffix);
    void print_list();
    void set_running(bool running);
    void warn(const QString &text, const QString &detail = {});

    QPointer<FlumeWindow> screen_;
    QString table_path_, base_path_;
    QTableWidget *grid_;
    QLabel *table_label_, *base_label_, *summary_;
    QCheckBox *design_box_;
    QPushButton *compute_button_, *cancel_button_;
    QList<QPushButton *> result_buttons_;
    QProgressBar *progress_;
    QFutureWatcher<void> watcher_;
    std::shared_ptr<const batch::BatchJob> job_;  // of the run going on, or of the results shown
    std::shared_ptr<QList<batch::RowResult>> rows_;  // where the run puts each row's result
    std::optional<batch::BatchResults> results_;
    int result_column_ = -1;  // the grid's first column of results; -1 while none are shown
    bool filling_ = false;    // the window itself is writing the grid
};

// Shows the one 一括計算 window, creating it when none is open; screen is the flume window whose
// inputs are the default base.
BatchWindow *show_batch_window(FlumeWindow *screen);

} // namespace tavrel
