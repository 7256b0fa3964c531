#include "gui/tavrel/about_box.h"

#include "common/program_title.h"
#include "flume/captions.h"
#include "gui/tavrel/launcher_icons.h"
#include "gui/common/twips.h"
#include "common/window_words.h"

#include <QLabel>
#include <QPushButton>

namespace tavrel {

AboutBox::AboutBox(QWidget *flume_window) : QDialog(flume_window)
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(flume::words::about_title);
    setFixedSize(gui::common::twips_size(5700, 2700));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(flume_icon().pixmap(32, 32));
    gui::common::place(icon, 300, 300, 480, 480);

    auto *title = new QLabel(common::program_title, this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont font = title->font();
    font.setPointSize(11);
    font.setBold(true);
    title->setFont(font);
    gui::common::place(title, 1080, 330);
    title->adjustSize();

    auto *version = new QLabel(common::program_version, this);
    version->setObjectName(QStringLiteral("Label2"));
    gui::common::place(version, 1080, 780);
    version->adjustSize();

    auto *notice = new QLabel(QStringLiteral("計算結果は設計者ご自身の責任で確認してください。"), this);
    notice->setObjectName(QStringLiteral("Label3"));
    gui::common::place(notice, 1080, 1230);
    notice->adjustSize();

    auto *ok = new QPushButton(common::words::ok, this);
    ok->setObjectName(QStringLiteral("Command1"));
    gui::common::place(ok, 4200, 1920, 1215, 375);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tavrel
