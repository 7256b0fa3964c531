#include "gui/print_dialog/print_dialog.h"

#include "common/file_error.h"
#include "common/file_names.h"
#include "gui/print_dialog/print_job.h"
#include "gui/print_dialog/printer_choice.h"
#include "gui/print_dialog/report_preview.h"
#include "printing/flume_reports.h"
#include "printing/pdf_output.h"
#include "drawing/report_font.h"
#include "gui/common/dialog_folder.h"
#include "gui/common/twips.h"
#include "common/window_words.h"
#include "gui/common/window_messages.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>

namespace print_dialog {

namespace {

const QString kind_caption = QStringLiteral("種類：　");
const QString port_caption = QStringLiteral("場所：　");

// The print place beside the cancel button, where the print button in use stands.
constexpr int print_left = 2820, print_top = 1680;

// Each print button's name and where it was placed; all but the first lie below the client area.
// Command6 and Command7 are the cancel and properties buttons, so the member check's is Command8.
// The reports' buttons come first, the document's last.
struct ButtonPlace {
    const char *name;
    int left, top;
};
constexpr ButtonPlace flume_button_places[] = {{"Command1", 2820, 1680}, {"Command2", 240, 2520},
                                               {"Command3", 270, 2820},  {"Command4", 240, 3120},
                                               {"Command5", 270, 3420},  {"Command8", 240, 3720},
                                               {"document_print", 270, 4020}};
static_assert(std::size(flume_button_places) == printing::report_page_count + 1,
              "one print button per report and one for the document");
constexpr int document_print_button = int(printing::report_page_count) + 1;

QPointer<PrintDialog> &open_dialog(PrintDialog::Form form)
{
    static QPointer<PrintDialog> flume, rc_stress;
    return form == PrintDialog::Form::Flume ? flume : rc_stress;
}

PrintDialog *open_dialog_for(PrintDialog::Form form, QWidget *owner, int print_button,
                             std::function<printing::PrintDocument()> make_document)
{
    QPointer<PrintDialog> &dialog = open_dialog(form);
    if (!dialog)
        dialog = new PrintDialog(form, owner);
    dialog->set_document(print_button, std::move(make_document));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

// One report as the document a print button prints; PDF保存 proposes pdf_name when given, else the
// title.
std::function<printing::PrintDocument()> single_report(const QString &title, std::function<printing::ReportPage()> make_report,
                                                       const QString &pdf_name = {})
{
    return [title, pdf_name, make_report = std::move(make_report)] {
        printing::PrintDocument document = printing::single_report(make_report(), title);
        if (!pdf_name.isEmpty())
            document.file_name = pdf_name;
        return document;
    };
}

} // namespace

PrintDialog *open_print_dialog(QWidget *owner, int print_button, const QString &title,
                               std::function<printing::ReportPage()> make_report)
{
    print_button = qBound(1, print_button, int(printing::report_page_count));
    return open_dialog_for(PrintDialog::Form::Flume, owner, print_button, single_report(title, std::move(make_report)));
}

PrintDialog *open_document_print_dialog(QWidget *owner, std::function<printing::PrintDocument()> make_document)
{
    return open_dialog_for(PrintDialog::Form::Flume, owner, document_print_button, std::move(make_document));
}

PrintDialog *open_rc_stress_print_dialog(QWidget *owner, const QString &title,
                                         std::function<printing::ReportPage()> make_report, const QString &pdf_name)
{
    // A name, not a path: a slash in it would name a folder.
    return open_dialog_for(PrintDialog::Form::RcStress, owner, 1,
                           single_report(title, std::move(make_report), QString(pdf_name).replace(u'/', u'／')));
}

PrintDialog::PrintDialog(Form form, QWidget *owner) : QDialog(owner)
{
    const bool flume = form == Form::Flume;
    setObjectName(flume ? QStringLiteral("Form5") : QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The owner takes no input while the dialog is up and keeps its look; the dialog stays above
    // it and goes with it.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QStringLiteral("印刷"));
    drawing::install_font_substitutions();
    setFont(QFont(drawing::report_face, 9));
    setFixedSize(flume ? gui::common::twips_size(6030, 2040) : gui::common::twips_size(6000, 2010));

    auto *frame = new QGroupBox(QStringLiteral("プリンタ"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(gui::common::twips_rect(120, 90, 5775, 1485));

    auto *name_caption = new QLabel(QStringLiteral("プリンタ名："), frame);
    name_caption->setObjectName(QStringLiteral("Label3"));
    name_caption->setGeometry(gui::common::twips_rect(150, 390, 1080, 180));

    printer_box_ = new QComboBox(frame);
    printer_box_->setObjectName(QStringLiteral("Combo1"));
    printer_box_->setEditable(true);
    printer_box_->setInsertPolicy(QComboBox::NoInsert);
    printer_box_->setGeometry(gui::common::twips_rect(1260, 330, 2865, 300));

    auto *properties = new QPushButton(common::words::properties, frame);
    properties->setObjectName(QStringLiteral("Command7"));
    properties->setAutoDefault(false);
    properties->setGeometry(gui::common::twips_rect(4200, 330, 1425, 300));

    kind_label_ = new QLabel(QStringLiteral("Label1"), frame);
    kind_label_->setObjectName(QStringLiteral("Label1"));
    kind_label_->setGeometry(gui::common::twips_rect(180, 810, 540, 180));

    port_label_ = new QLabel(QStringLiteral("Label2"), frame);
    port_label_->setObjectName(QStringLiteral("Label2"));
    port_label_->setGeometry(gui::common::twips_rect(180, 1170, 540, 180));

    const int button_count = flume ? document_print_button : 1;
    for (int i = 0; i < button_count; ++i) {
        auto *button = new QPushButton(common::words::print, this);
        button->setObjectName(QString::fromLatin1(flume_button_places[i].name));
        button->setAutoDefault(false);
        button->setGeometry(gui::common::twips_rect(flume_button_places[i].left, flume_button_places[i].top, 1500, 300));
        connect(button, &QPushButton::clicked, this, &PrintDialog::print_clicked);
        print_buttons_.append(button);
    }

    auto *cancel = new QPushButton(common::words::cancel, this);
    cancel->setObjectName(QStringLiteral("Command6"));
    cancel->setAutoDefault(false);
    cancel->setGeometry(gui::common::twips_rect(4380, 1680, 1500, 300));

    // The free place left of the print button, in the same row.
    auto *preview = new QPushButton(common::words::preview, this);
    preview->setObjectName(QStringLiteral("preview_button"));
    preview->setAutoDefault(false);
    preview->setGeometry(gui::common::twips_rect(120, 1680, 1290, 300));

    save_pdf_ = new QPushButton(common::words::save_pdf, this);
    save_pdf_->setObjectName(QStringLiteral("pdf_button"));
    save_pdf_->setAutoDefault(false);
    save_pdf_->setGeometry(gui::common::twips_rect(1470, 1680, 1290, 300));

    // Tab follows the screen: the printer row, then the buttons from left to right.
    QList<QWidget *> order{printer_box_, properties, preview, save_pdf_};
    for (QPushButton *button : std::as_const(print_buttons_))
        order.append(button);
    order.append(cancel);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(printer_box_, &QComboBox::activated, this, &PrintDialog::printer_chosen);
    connect(properties, &QPushButton::clicked, this, &PrintDialog::show_properties);
    connect(cancel, &QPushButton::clicked, this, &PrintDialog::reject);
    connect(preview, &QPushButton::clicked, this, &PrintDialog::preview_clicked);
    connect(save_pdf_, &QPushButton::clicked, this, &PrintDialog::save_pdf_clicked);

    fill_printer_box();
    show_current_printer();
}

void PrintDialog::set_document(int print_button, std::function<printing::PrintDocument()> make_document)
{
    make_document_ = std::move(make_document);
    for (int i = 0; i < print_buttons_.size(); ++i) {
        QPushButton *button = print_buttons_[i];
        const bool in_use = i == print_button - 1;
        if (in_use)
            button->move(gui::common::twips_point(print_left, print_top));
        button->setVisible(in_use);
        // Enter prints, wherever the keyboard is but on another button.
        button->setDefault(in_use);
    }
}

void PrintDialog::fill_printer_box()
{
    printer_box_->clear();
    printer_box_->addItems(installed_printer_names());
    printer_box_->setEditText(current_printer_name());
}

void PrintDialog::show_current_printer()
{
    const QString name = current_printer_name();
    kind_label_->setText(kind_caption + name);
    port_label_->setText(port_caption + printer_port(name));
    for (QLabel *label : {kind_label_, port_label_})
        label->resize(qMax(gui::common::pixels(540), label->sizeHint().width()), label->height());
}

void PrintDialog::printer_chosen()
{
    choose_printer(printer_box_->currentText());
    show_current_printer();
}

void PrintDialog::show_properties()
{
    const QString name = printer_box_->currentText();
    if (!printer_installed(name))
        return;
    QPageSetupDialog properties(&printer_for(name), this);
    properties.exec();
}

void PrintDialog::print_clicked()
{
    const QString name = printer_box_->currentText();
    if (choose_printer(name))
        show_current_printer();
    PrintOutcome outcome = PrintOutcome::PrinterFailed;
    if (make_document_) {
        const printing::PrintDocument document = make_document_();
        outcome = print_report(name, document.pages, document.description.title, document.orientation);
    }
    if (outcome == PrintOutcome::Printed) {
        accept();
        return;
    }
    // Unlike a silent close, the user learns that nothing was printed and why, and can choose again.
    if (installed_printer_names().isEmpty())
        warn(message::print_failed + QLatin1Char('\n') + message::no_printer);
    else
        warn(name.isEmpty() ? message::print_failed : message::print_failed + QLatin1Char('\n') + name);
}

void PrintDialog::preview_clicked()
{
    if (make_document_) {
        const printing::PrintDocument document = make_document_();
        show_report_preview(this, printer_box_->currentText(), document.pages, document.orientation);
    }
}

void PrintDialog::save_pdf_clicked()
{
    if (!make_document_)
        return;
    const printing::PrintDocument document = make_document_();
    QFileDialog file_dialog(this, QStringLiteral("PDF保存"), QString(), QStringLiteral("*.pdf"));
    file_dialog.setObjectName(QStringLiteral("pdf_file_dialog"));
    gui::common::prepare_file_dialog(file_dialog);
    file_dialog.setAcceptMode(QFileDialog::AcceptSave);
    file_dialog.setDefaultSuffix(QStringLiteral("pdf"));
    file_dialog.selectFile(document.file_name + QStringLiteral(".pdf"));
    const QString path = gui::common::ask_for_file(file_dialog);
    if (path.isEmpty())
        return;
    const auto read_only = gui::common::read_only_choice(this, path, message::title);
    if (!read_only)
        return;
    QString error;
    if (const common::FileResult name = common::check_dialog_name(path); !name) {
        error = name.reason;
    } else if (printing::write_document_pdf(path, document, &error, *read_only)) {
        gui::common::remember_dialog_folder(path);
        return;
    }
    warn(common::file_failure_text(message::pdf_not_saved, path, error));
    // Back where the user was, to choose another name or folder.
    save_pdf_->setFocus(Qt::OtherFocusReason);
}

void PrintDialog::warn(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, message::title, text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("print_failure"));
    box.exec();
}

} // namespace print_dialog
