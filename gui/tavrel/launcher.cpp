#include "gui/tavrel/launcher.h"

#include "gui/tavrel/companion_files.h"
#include "gui/tavrel/flume_window.h"
#include "gui/tavrel/launcher_icons.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace shell {

Launcher::Launcher(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tavrel"));
    setWindowIcon(flume_icon());

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(8);
    const struct {
        const char *control;
        const char *caption;
        QIcon icon;
    } buttons[] = {
        {"Command1", "参考図書：「Tavrel」(PDF)", reference_book_icon()},
        {"Command2", "Quenfor", flume_icon()},
        {"Command3", "鉄筋コンクリート応力度の検討", rc_section_icon()},
    };
    QList<QToolButton *> made;
    for (const auto &b : buttons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(b.control));
        button->setText(QString::fromUtf8(b.caption));
        button->setIcon(b.icon);
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setMinimumSize(190, 72);
        row->addWidget(button);
        made.append(button);
    }
    connect(made[0], &QToolButton::clicked, this, [this] { open_reference_pdf(this); });
    connect(made[1], &QToolButton::clicked, this, &Launcher::show_flume_window);
    connect(made[2], &QToolButton::clicked, this, [this] { start_morvik(this); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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

} // namespace shell
