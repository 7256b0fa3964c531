#include "gui/tavrel/launcher.h"

#include "flume/captions.h"
#include "gui/tavrel/companion_files.h"
#include "gui/tavrel/flume_window.h"
#include "gui/tavrel/launcher_icons.h"
#include "gui/common/twips.h"

#include <QEvent>
#include <QToolButton>

namespace tavrel {

Launcher::Launcher(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tavrel"));
    setWindowIcon(flume_icon());

    // The three buttons in a row, their places fixed in twips like the other windows', so that
    // nothing of the window waits for the captions' face to be measured before it is shown.
    constexpr int margin = 180, spacing = 120, button_width = 2850, button_height = 1080;
    setFixedSize(gui::common::twips_size(2 * margin + 3 * button_width + 2 * spacing, 2 * margin + button_height));
    const struct {
        const char *control;
        QString caption;
        QIcon icon;
    } buttons[] = {
        {"Command1", flume::words::book_button, reference_book_icon()},
        {"Command2", flume::words::flume_button, flume_icon()},
        {"Command3", flume::words::morvik_button, rc_section_icon()},
    };
    QList<QToolButton *> made;
    int left = margin;
    for (const auto &b : buttons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(b.control));
        button->setText(b.caption);
        button->setIcon(b.icon);
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        gui::common::place(button, left, margin, button_width, button_height);
        left += button_width + spacing;
        made.append(button);
    }
    // The keyboard starts on the flume calculation, the launcher's main work.
    made[1]->setFocus(Qt::OtherFocusReason);
    connect(made[0], &QToolButton::clicked, this, [this] { open_reference_pdf(this); });
    connect(made[1], &QToolButton::clicked, this, &Launcher::show_flume_window);
    connect(made[2], &QToolButton::clicked, this, [this] { start_morvik(this); });
}

bool Launcher::event(QEvent *event)
{
    // The button with the keyboard shows it from the start, before any Tab.
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        setAttribute(Qt::WA_KeyboardFocusChange);
    return handled;
}

FlumeWindow *Launcher::show_flume_window()
{
    // The flume window has no owner: it stays when the launcher is closed.
    if (!flume_window_)
        flume_window_ = new FlumeWindow;
    flume_window_->show();
    flume_window_->raise();
    flume_window_->activateWindow();
    return flume_window_;
}

} // namespace tavrel
