#pragma once

#include "printing/print_document.h"
#include "printing/report_page.h"

#include <QDialog>
#include <QList>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace print_dialog {

class PrintDialog;

// The print dialog's messages, titled "印刷": the first line says what failed, a second one why or
// which printer or file.
namespace message {
inline const QString title = QStringLiteral("印刷");
inline const QString print_failed = QStringLiteral("印刷できませんでした。");
inline const QString no_printer = QStringLiteral("プリンタが設定されていません。");
inline const QString pdf_not_saved = QStringLiteral("保存できませんでした。");
} // namespace message

// Opens Tavrel's print dialog ("印刷", Form5) for one report, modal to its owner (the flume window),
// which takes no input while the dialog is up. print_button is the report's print button, 1..n in
// the order of printing::report_pages() (Command1..Command5 for 主働土圧 to ケース . 3, Command8 for
// 部材の応力度照査).
// make_report builds the page from the current field texts when 印刷, プレビュー or PDF保存 is
// pressed. title names the report, as its print entry does, for the print job and the PDF file.
// While the dialog exists, another call shows the same dialog for the new report.
PrintDialog *open_print_dialog(QWidget *owner, int print_button, const QString &title,
                               std::function<printing::ReportPage()> make_report);

// Opens Tavrel's print dialog for a document of many pages (the 構造計算書), with the document's own
// print button. make_document builds it when 印刷, プレビュー or PDF保存 is pressed; 印刷 sends all
// its pages as one job.
PrintDialog *open_document_print_dialog(QWidget *owner, std::function<printing::PrintDocument()> make_document);

// Opens Morvik's print dialog ("印刷", Form4): the same dialog with its single print button.
// pdf_name, when given, is the name PDF保存 proposes instead of the title (the member a Morvik
// window was started for).
PrintDialog *open_rc_stress_print_dialog(QWidget *owner, const QString &title,
                                         std::function<printing::ReportPage()> make_report,
                                         const QString &pdf_name = {});

// The print dialog: the printer box and its two information labels, the printer's properties,
// print, preview, PDF and cancel. It draws nothing itself: the report's page goes to the print job,
// the preview or the PDF output. Owned by its window and modal to it; unloaded (deleted) when closed
// by any means, and with its window. The printer chosen in the box stays the process's current
// printer.
class PrintDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Form {
        Flume,     // Tavrel's Form5: a print button per report, one visible at a time
        RcStress,  // Morvik's Form4: a single print button
    };

    PrintDialog(Form form, QWidget *owner);

    // Shows print button k (1-based; the last one prints the document) in the print place and
    // hides the others.
    void set_document(int print_button, std::function<printing::PrintDocument()> make_document);

private:
    void fill_printer_box();
    void show_current_printer();
    void printer_chosen();
    void show_properties();
    void print_clicked();
    void preview_clicked();
    void save_pdf_clicked();
    void warn(const QString &text);

    QComboBox *printer_box_ = nullptr;
    QPushButton *save_pdf_ = nullptr;
    QLabel *kind_label_ = nullptr;
    QLabel *port_label_ = nullptr;
    QList<QPushButton *> print_buttons_;
    std::function<printing::PrintDocument()> make_document_;
};

} // namespace print_dialog
