#include "gui/morvik/section_window.h"

#include "gui/print_dialog/print_dialog.h"
#include "printing/rc_stress_report.h"
#include "drawing/report_font.h"
#include "rcstress/field_captions.h"
#include "rcstress/section_stress.h"
#include "gui/morvik/input_frame.h"
#include "gui/morvik/reference_window.h"
#include "gui/morvik/result_rows.h"
#include "gui/morvik/section_field_edit.h"
#include "gui/common/colours.h"
#include "gui/common/exit_question.h"
#include "gui/common/twips.h"
#include "common/window_words.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <utility>

namespace morvik {

namespace {

const QString window_caption = QStringLiteral("鉄筋コンクリート応力度の検討計算 （Kesmo）V3.0");

// A one-pixel line across the top of the client area, under the menu bar.
void add_rule(QWidget *client, int top, const QColor &colour)
{
    auto *rule = new QWidget(client);
    rule->setAutoFillBackground(true);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, colour);
    rule->setPalette(palette);
    rule->setGeometry(0, top, client->width(), 1);
}

// Shows a reference window, loading it first if it is not loaded; one of each at most.
template <typename Make>
void show_reference(QPointer<ReferenceWindow> &window, Make make)
{
    if (!window)
        window = make();
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

SectionWindow::SectionWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(window_caption);

    auto *client = new QWidget(this);
    client->setFixedSize(gui::common::twips_size(7965, 7515));
    client->setFont(drawing::report_font(9));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, gui::common::panel_colour);
    client->setPalette(palette);
    setCentralWidget(client);

    add_rule(client, 0, palette.color(QPalette::Shadow));
    add_rule(client, 1, palette.color(QPalette::HighlightedText));

    auto *inputs = new InputFrame(sheet_, client);
    gui::common::place(inputs, 90, 120, 7800, 1545);
    add_ratio_rows(client, sheet_);
    add_stress_blocks(client, sheet_);

    auto *calculate_button = new QPushButton(common::words::calculate, client);
    calculate_button->setObjectName(QStringLiteral("Command1"));
    gui::common::place(calculate_button, 6090, 2040, 1455, 375);
    connect(calculate_button, &QPushButton::clicked, this, &SectionWindow::calculate);

    QWidget *previous = inputs->inputs().first();
    for (QWidget *next : inputs->inputs().mid(1)) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, calculate_button);
    inputs->inputs().first()->setFocus();

    build_menus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

SectionWindow::~SectionWindow()
{
    delete bar_table_.data();
    delete schematic_.data();
}

void SectionWindow::fill_forces(const common::SectionForces &forces)
{
    const std::pair<rcstress::Field, QString> typed[] = {
        {rcstress::Field::bending_moment, forces.moment}, {rcstress::Field::shear_force, forces.shear}, {rcstress::Field::unit_width, forces.width}};
    for (const auto &[field, text] : typed) {
        if (!text.isEmpty())
            sheet_.set_text(field, text);
    }
    // Windows of several members open side by side are told apart by their titles.
    member_ = forces.member;
    if (!member_.isEmpty())
        setWindowTitle(window_caption + QStringLiteral(" （") + member_ + QStringLiteral("）"));
}

void SectionWindow::build_menus()
{
    QMenu *file = menuBar()->addMenu(common::words::file_menu);
    file->setObjectName(QStringLiteral("MNUFILE"));
    print_action_ = file->addAction(rcstress::words::print_entry, this, &SectionWindow::print_report);
    print_action_->setObjectName(QStringLiteral("MNUPRINT"));
    // Printing is there exactly while τo's field holds text, whoever changed it.
    print_action_->setEnabled(sheet_.printable());
    connect(&sheet_, &rcstress::SectionSheet::printable_changed, print_action_, &QAction::setEnabled);
    file->addSeparator()->setObjectName(QStringLiteral("MNUSTP1"));
    QAction *exit = file->addAction(common::words::exit_entry, this, &SectionWindow::exit_requested);
    exit->setObjectName(QStringLiteral("MNUEXIT"));

    QMenu *help = menuBar()->addMenu(rcstress::words::help_menu);
    help->setObjectName(QStringLiteral("mnuhelpe"));
    help->addAction(rcstress::words::bar_table_entry, this, &SectionWindow::show_bar_table)
        ->setObjectName(QStringLiteral("MNU_H"));
    help->addAction(rcstress::words::schematic_entry, this, &SectionWindow::show_schematic)
        ->setObjectName(QStringLiteral("MNU_H2"));
}

void SectionWindow::calculate()
{
    rcstress::compute_section_stress(sheet_, messages_);
}

void SectionWindow::print_report()
{
    // Form4; the report is made from the field texts at the moment its button is pressed.
    print_dialog::open_rc_stress_print_dialog(
        this, rcstress::report_title,
        [this] {
            printing::SectionSnapshot texts = printing::snapshot(sheet_);
            texts.member = member_;
            return printing::rc_stress_report(texts);
        },
        member_);
}

void SectionWindow::exit_requested()
{
    close();
    // The reference windows close whatever the answer was.
    close_reference_windows();
}

void SectionWindow::show_bar_table()
{
    show_reference(bar_table_, make_bar_table_window);
}

void SectionWindow::show_schematic()
{
    show_reference(schematic_, make_schematic_window);
}

void SectionWindow::close_reference_windows()
{
    if (bar_table_)
        bar_table_->close();
    if (schematic_)
        schematic_->close();
}

void SectionWindow::closeEvent(QCloseEvent *event)
{
    if (!gui::common::confirm_exit(this)) {
        event->ignore();
        return;
    }
    gui::common::close_owned_dialogs(this);
    close_reference_windows();
    event->accept();
}

} // namespace morvik
