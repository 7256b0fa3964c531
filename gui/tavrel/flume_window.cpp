#include "gui/tavrel/flume_window.h"

#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "flume/full_check.h"
#include "flume/page_chain.h"
#include "flume/sheet_inputs.h"
#include "inputfile/file_commands.h"
#include "members/member_sheet.h"
#include "gui/print_dialog/print_dialog.h"
#include "printing/calculation_document.h"
#include "printing/flume_reports.h"
#include "gui/tavrel/about_box.h"
#include "gui/tavrel/batch_window.h"
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
#include "common/window_words.h"
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
// its own), whether a page button opens it, and the control name of its print entry in the プリント
// menu (null for a page without a report).
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
// the given fields when there are any; null when there is none. A field counts as shown when it is
// shown with its window, so that the window's first input takes the keys before the window is up.
FieldEdit *first_input(QWidget *area, const QList<flume::Field> &among = {})
{
    FieldEdit *first = nullptr;
    QPoint first_at;
    for (FieldEdit *field : area->findChildren<FieldEdit *>()) {
        if (!field->isVisibleTo(area->window()) || field->isReadOnly() ||
            (!among.isEmpty() && !among.contains(field->field())))
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
        auto *button = new PageButton(common::with_access_key(flume::page_caption(page), flume::page_access_key(page)), client);
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
    mark_saved(QString());
}

void FlumeWindow::build_menus()
{
    QMenu *file = menuBar()->addMenu(common::words::file_menu);
    file->setObjectName(QStringLiteral("MNUFILE"));
    QAction *open = file->addAction(flume::words::open_entry, this, &FlumeWindow::open_input_file);
    open->setObjectName(QStringLiteral("mnuopen"));
    file->addSeparator();
    QAction *save = file->addAction(flume::words::save_as_entry, this, &FlumeWindow::save_input_file_as);
    save->setObjectName(QStringLiteral("mnurewrit"));
    file->addSeparator();
    QAction *batch = file->addAction(flume::words::batch_entry, this, [this] { show_batch_window(this); });
    batch->setObjectName(QStringLiteral("mnubatch"));
    file->addSeparator();
    QAction *exit = file->addAction(common::words::exit_entry, this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuexit"));

    QMenu *print = menuBar()->addMenu(flume::words::print_menu);
    print->setObjectName(QStringLiteral("MNUPRINT"));
    for (const PageRow &row : page_table) {
        if (!row.print_control)
            continue;
        QAction *entry = print->addAction(common::with_access_key(flume::report_title(row.page), flume::page_access_key(row.page)), this,
                                          [this, page = row.page] { print_report(page); });
        entry->setObjectName(QString::fromLatin1(row.print_control));
        entry->setEnabled(sheet_->print_entry_enabled(row.page));
        print_entries_[index(row.page)] = entry;
    }
    print->addSeparator();
    QAction *settings = print->addAction(flume::words::settings_entry, this, &FlumeWindow::edit_document_settings);
    settings->setObjectName(QStringLiteral("mnudocset"));
    QAction *document = print->addAction(flume::words::document_entry, this, &FlumeWindow::print_document);
    document->setObjectName(QStringLiteral("mnudocument"));

    add_tools_menu(menuBar(), *sheet_, this, [this] { show_member_check(); });

    QMenu *help = menuBar()->addMenu(flume::words::help_menu);
    help->setObjectName(QStringLiteral("MNUHELPE"));
    QAction *pdf = help->addAction(flume::words::book_entry, this, [this] { open_reference_pdf(this); });
    pdf->setObjectName(QStringLiteral("mnuh_pdf"));
    help->addSeparator();
    QAction *version = help->addAction(flume::words::version_entry, this, &FlumeWindow::show_about_box);
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
    if (!settle_unsaved_changes())
        return;
    QFileDialog dialog(this, QString(), QString(), inputfile::dialog_filter);
    gui::common::prepare_file_dialog(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString path = gui::common::ask_for_file(dialog);
    if (!path.isEmpty() && open_file(path))
        gui::common::remember_dialog_folder(path);
}

bool FlumeWindow::open_file(const QString &path)
{
    const auto message = inputfile::open_file(file_state(), path);
    if (message)
        gui::common::warning_box(this, message->text, message->title);
    const bool opened = !message || message->read;
    if (opened)
        mark_saved(path);
    return opened;
}

inputfile::TvlContents FlumeWindow::contents()
{
    return inputfile::file_contents(file_state());
}

void FlumeWindow::put_contents(const inputfile::TvlContents &contents)
{
    inputfile::put_contents(file_state(), contents);
}

bool FlumeWindow::save_input_file_as()
{
    // The dialog asks before it replaces an existing file.
    QFileDialog dialog(this, QString(), QString(), inputfile::dialog_filter);
    gui::common::prepare_file_dialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension is given the file type's, so that 開く finds it again.
    dialog.setDefaultSuffix(QStringLiteral("tvl"));
    const QString path = gui::common::ask_for_file(dialog);
    if (path.isEmpty() || !save_to(path))
        return false;
    gui::common::remember_dialog_folder(path);
    return true;
}

bool FlumeWindow::save_to(const QString &path)
{
    const auto read_only = gui::common::read_only_choice(this, path, inputfile::message::save_title);
    if (!read_only)
        return false;
    if (const auto failure = inputfile::save_as(file_state(), path, *read_only)) {
        gui::common::warning_box(this, failure->text, failure->title);
        return false;
    }
    mark_saved(path);
    return true;
}

QByteArray FlumeWindow::file_bytes()
{
    return inputfile::tvl_file_bytes(inputfile::file_contents(file_state()));
}

bool FlumeWindow::has_unsaved_changes()
{
    return file_bytes() != saved_contents_;
}

void FlumeWindow::mark_saved(const QString &path)
{
    saved_contents_ = file_bytes();
    file_path_ = path;
}

bool FlumeWindow::settle_unsaved_changes()
{
    if (!has_unsaved_changes())
        return true;
    switch (gui::common::ask_to_save(this)) {
    case gui::common::SaveAnswer::Save:
        return file_path_.isEmpty() ? save_input_file_as() : save_to(file_path_);
    case gui::common::SaveAnswer::Discard:
        return true;
    case gui::common::SaveAnswer::Stay:
        break;
    }
    return false;
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
    // The document is made from the inputs, member data and settings on the screen at the moment a
    // button is pressed: every page computed afresh on a sheet of its own, so that results shown
    // for earlier inputs never stand beside these ones and the window's own results stay as they
    // are. What the calculations would say goes into 目次 as the reason a chapter is 未計算, not
    // into message boxes over the print dialog. Dated the day it is printed unless a date was fixed.
    print_dialog::open_document_print_dialog(this, [this] {
        return printing::calculation_document(flume::walk_flume(flume::input_texts(*sheet_)), member_sheet_->inputs(),
                                              document_data_, QDate::currentDate());
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
    // With nothing to save, "終了しますか？" is the only question.
    const bool close = has_unsaved_changes() ? settle_unsaved_changes() : gui::common::confirm_exit(this);
    if (!close) {
        event->ignore();
        return;
    }
    gui::common::close_owned_dialogs(this);
    event->accept();
}

} // namespace tavrel
