#include "gui/tavrel/flume_window.h"

#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "flume/page_chain.h"
#include "inputfile/file_commands.h"
#include "members/member_sheet.h"
#include "gui/print_dialog/print_dialog.h"
#include "printing/calculation_document.h"
#include "printing/flume_reports.h"
#include "gui/tavrel/about_box.h"
#include "gui/tavrel/case1_page.h"
#include "gui/tavrel/case2_page.h"
#include "gui/tavrel/case3_page.h"
#include "gui/tavrel/companion_files.h"
#include "gui/tavrel/document_settings.h"
#include "gui/tavrel/earth_pressure_page.h"
#include "gui/tavrel/field_edit.h"
#include "gui/tavrel/launcher_icons.h"
#include "gui/tavrel/left_panel.h"
#include "gui/tavrel/member_check_window.h"
#include "gui/tavrel/page_button.h"
#include "gui/tavrel/shape_input_page.h"
#include "gui/tavrel/tools_menu.h"
#include "gui/tavrel/uplift_bearing_page.h"
#include "gui/common/dialog_folder.h"
#include "gui/common/exit_question.h"
#include "gui/common/twips.h"
#include "gui/common/window_messages.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

namespace tavrel {

using flume::Page;

namespace {

const double page_left = 2675;
const double page_top = 390;

std::size_t index(Page page)
{
    return std::size_t(page);
}

// What the window has for each page: its panel (none for the member check, which has a window of
// its own), whether a page button opens it, and the control name of its print entry in the
// プリント menu (null for a page without a report).
struct PageRow {
    Page page;
    Panel *(*make_panel)(flume::FlumeSheet &, common::MessageSink &, QWidget *);
    bool has_button;
    const char *print_control;
};

template <typename PagePanel>
Panel *make(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent)
{
    return new PagePanel(sheet, messages, parent);
}

constexpr PageRow page_table[] = {
    {Page::ShapeInput, [](flume::FlumeSheet &, common::MessageSink &, QWidget *parent) -> Panel * {
         return new ShapeInputPage(parent);
     }, false, nullptr},
    {Page::EarthPressure, make<EarthPressurePage>, true, "MNUP_1"},
    {Page::UpliftBearing, make<UpliftBearingPage>, true, "mnup_2"},
    {Page::Case1, make<Case1Page>, true, "mnup_3"},
    {Page::Case2, make<Case2Page>, true, "mnup_4"},
    {Page::Case3, make<Case3Page>, true, "mnup_5"},
    {Page::MemberCheck, nullptr, false, "mnup_6"},
};
static_assert(flume::keyed_by_page(page_table));

// The first field of an area that the user can type into, top to bottom and left to right, among
// the given fields when there are any; null when there is none.
FieldEdit *first_input(QWidget *area, const QList<flume::Field> &among = {})
{
    FieldEdit *first = nullptr;
    QPoint first_at;
    for (FieldEdit *field : area->findChildren<FieldEdit *>()) {
        if (!field->isVisible() || field->isReadOnly() || (!among.isEmpty() && !among.contains(field->field())))
            continue;
        const QPoint at = field->mapTo(area, QPoint(0, 0));
        if (!first || at.y() < first_at.y() || (at.y() == first_at.y() && at.x() < first_at.x())) {
            first = field;
            first_at = at;
        }
    }
    return first;
}

// Puts the keyboard in a field with its text selected, so that typing replaces it.
void take_to(FieldEdit *field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

} // namespace

FlumeWindow::FlumeWindow(QWidget *parent)
    : QMainWindow(parent), sheet_(new flume::FlumeSheet(this)), member_sheet_(new members::MemberSheet(*sheet_, this)),
      messages_(this)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("地震時を考慮しなくてよいQuenfor"));
    setWindowIcon(flume_icon());

    // The client area holds the page buttons and the panels below them: 8910 twips wide less the
    // window frame, and as high as the panels reach.
    auto *client = new QWidget(this);
    client->setFixedSize(gui::common::twips_size(8790, 6150));
    setCentralWidget(client);

    // The page buttons stand in a row, 1740 twips apart.
    double left = 60;
    for (const PageRow &row : page_table) {
        if (!row.has_button)
            continue;
        const Page page = row.page;
        auto *button = new PageButton(flume::page_caption(page), client);
        button->setObjectName(QStringLiteral("Command%1").arg(int(page)));
        gui::common::place(button, left, 60, 1740, 300);
        button->setEnabled(sheet_->page_button_enabled(page));
        connect(button, &QPushButton::clicked, this, [this, page] { flume::open_page(*sheet_, page); });
        page_buttons_[index(page)] = button;
        left += 1740;
    }

    left_panel_ = new LeftPanel(*sheet_, client);
    gui::common::place(left_panel_, 30, 390);

    for (const PageRow &row : page_table) {
        if (!row.make_panel)
            continue;
        Panel *panel = row.make_panel(*sheet_, messages_, client);
        gui::common::place(panel, page_left, page_top);
        pages_[index(row.page)] = panel;
    }
    case1_page_ = static_cast<Case1Page *>(pages_[index(Page::Case1)]);

    case1_scroll_ = new QScrollBar(Qt::Vertical, client);
    case1_scroll_->setObjectName(QStringLiteral("VScroll1"));
    gui::common::place(case1_scroll_, 8520, 390, 255, 5700);
    // The page moves when the value has changed, not while the thumb is dragged.
    case1_scroll_->setTracking(false);
    case1_scroll_->setSingleStep(1);
    case1_scroll_->setPageStep(5);
    case1_page_->attach_scroll_bar(case1_scroll_);

    build_menus();

    connect(sheet_, &flume::FlumeSheet::page_button_changed, this, [this](Page page, bool enabled) {
        if (PageButton *button = page_buttons_[index(page)])
            button->setEnabled(enabled);
    });
    connect(sheet_, &flume::FlumeSheet::print_entry_changed, this, [this](Page page, bool enabled) {
        if (QAction *entry = print_entries_[index(page)])
            entry->setEnabled(enabled);
    });
    connect(sheet_, &flume::FlumeSheet::current_page_changed, this, &FlumeWindow::show_page);
    // After "数値が入力されていません。" the keyboard goes to the first of the missing inputs on the
    // page in view; one that is carried or typed on another page leaves it where it was.
    connect(sheet_, &flume::FlumeSheet::inputs_missing, this, [this](const QList<flume::Field> &fields) {
        if (FieldEdit *field = first_input(pages_[index(sheet_->current_page())], fields))
            take_to(field);
    });

    show_page(sheet_->current_page());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FlumeWindow::build_menus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("MNUFILE"));
    QAction *open = file->addAction(QStringLiteral("開く(&O)"), this, &FlumeWindow::open_input_file);
    open->setObjectName(QStringLiteral("mnuopen"));
    file->addSeparator();
    QAction *save = file->addAction(QStringLiteral("名前を付けて保存(&A)"), this, &FlumeWindow::save_input_file_as);
    save->setObjectName(QStringLiteral("mnurewrit"));
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("終了(&X)"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuexit"));

    QMenu *print = menuBar()->addMenu(QStringLiteral("プリント(&P)"));
    print->setObjectName(QStringLiteral("MNUPRINT"));
    for (const PageRow &row : page_table) {
        if (!row.print_control)
            continue;
        QAction *entry = print->addAction(flume::report_title(row.page), this, [this, page = row.page] { print_report(page); });
        entry->setObjectName(QString::fromLatin1(row.print_control));
        entry->setEnabled(sheet_->print_entry_enabled(row.page));
        print_entries_[index(row.page)] = entry;
    }
    print->addSeparator();
    QAction *settings = print->addAction(QStringLiteral("計算書の設定(&S)..."), this, &FlumeWindow::edit_document_settings);
    settings->setObjectName(QStringLiteral("mnudocset"));
    QAction *document = print->addAction(QStringLiteral("構造計算書(&D)"), this, &FlumeWindow::print_document);
    document->setObjectName(QStringLiteral("mnudocument"));

    add_tools_menu(menuBar(), *sheet_, this, [this] { show_member_check(); });

    QMenu *help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("MNUHELPE"));
    QAction *pdf = help->addAction(QStringLiteral("Tavrel(PDF)"), this, [this] { open_reference_pdf(this); });
    pdf->setObjectName(QStringLiteral("mnuh_pdf"));
    help->addSeparator();
    QAction *version = help->addAction(QStringLiteral("バージョン情報"), this, &FlumeWindow::show_about_box);
    version->setObjectName(QStringLiteral("mnuver"));
}

void FlumeWindow::show_page(Page page)
{
    // Case 1 always opens at its top.
    const bool case1 = page == Page::Case1;
    if (case1) {
        case1_scroll_->setValue(0);
        case1_page_->scroll_to(0);
        case1_scroll_->setRange(0, case1_page_->scroll_maximum());
    }
    case1_scroll_->setVisible(case1);

    for (Panel *panel : pages_) {
        if (panel)
            panel->setVisible(panel == pages_[index(page)]);
    }
    left_panel_->arrange(page);

    for (PageButton *button : page_buttons_) {
        if (button)
            button->set_current(button == page_buttons_[index(page)]);
    }

    // The keyboard goes to the page's first input (the shape dimensions of the left panel in
    // shape-input mode); a page without inputs puts it on its first button.
    QWidget *inputs = page == Page::ShapeInput ? static_cast<QWidget *>(left_panel_) : pages_[index(page)];
    if (FieldEdit *field = first_input(inputs))
        take_to(field);
    else if (QPushButton *button = pages_[index(page)]->findChild<QPushButton *>())
        button->setFocus(Qt::OtherFocusReason);
}

void FlumeWindow::open_input_file()
{
    QFileDialog dialog(this, QString(), QString(), inputfile::dialog_filter);
    gui::common::prepare_file_dialog(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString path = gui::common::ask_for_file(dialog);
    if (!path.isEmpty() && open_file(path))
        gui::common::remember_dialog_folder(path);
}

bool FlumeWindow::open_file(const QString &path)
{
    const auto failure = inputfile::open_file(file_state(), path);
    if (failure)
        gui::common::warning_box(this, failure->text, failure->title);
    return !failure;
}

void FlumeWindow::save_input_file_as()
{
    // The dialog asks before it replaces an existing file.
    QFileDialog dialog(this, QString(), QString(), inputfile::dialog_filter);
    gui::common::prepare_file_dialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString path = gui::common::ask_for_file(dialog);
    if (path.isEmpty())
        return;
    const auto read_only = gui::common::read_only_choice(this, path, inputfile::message::save_title);
    if (!read_only)
        return;
    if (const auto failure = inputfile::save_as(file_state(), path, *read_only))
        gui::common::warning_box(this, failure->text, failure->title);
    else
        gui::common::remember_dialog_folder(path);
}

void FlumeWindow::print_report(Page page)
{
    // The report is made from the field texts at the moment the dialog's button is pressed.
    const int print_button = int(printing::report_pages().indexOf(page)) + 1;
    print_dialog::open_print_dialog(this, print_button, flume::report_title(page), [this, page] {
        return printing::flume_report(page, printing::snapshot(*sheet_, member_sheet_->inputs()));
    });
}

void FlumeWindow::edit_document_settings()
{
    if (!document_settings_) {
        document_settings_ = new DocumentSettings(document_data_, QDate::currentDate(), this);
        connect(document_settings_, &QDialog::accepted, this, [this] { document_data_ = document_settings_->data(); });
    }
    document_settings_->show();
    document_settings_->raise();
}

void FlumeWindow::print_document()
{
    // The document is made from the fields and the settings at the moment a button is pressed,
    // dated the day it is printed unless a date was fixed.
    print_dialog::open_document_print_dialog(this, [this] {
        return printing::calculation_document(*sheet_, member_sheet_->inputs(), document_data_, QDate::currentDate());
    });
}

void FlumeWindow::show_about_box()
{
    if (!about_box_)
        about_box_ = new AboutBox(this);
    about_box_->show();
    about_box_->raise();
}

void FlumeWindow::show_member_check()
{
    if (!member_check_window_)
        member_check_window_ = new MemberCheckWindow(*member_sheet_, this);
    member_check_window_->show();
    member_check_window_->raise();
    member_check_window_->activateWindow();
}

void FlumeWindow::closeEvent(QCloseEvent *event)
{
    if (!gui::common::confirm_exit(this)) {
        event->ignore();
        return;
    }
    gui::common::close_owned_dialogs(this);
    event->accept();
}

} // namespace tavrel
