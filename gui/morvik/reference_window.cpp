#include "gui/morvik/reference_window.h"

#include "gui/common/picture_widget.h"
#include "gui/common/twips.h"

namespace morvik {

ReferenceWindow::ReferenceWindow(drawing::Picture picture, QSize client_twips) : QWidget(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("参考資料"));
    const QSize client = gui::common::twips_size(client_twips.width(), client_twips.height());
    setFixedSize(client);
    auto *shown = new gui::common::PictureWidget(picture, this);
    shown->move(0, 0);
}

ReferenceWindow *make_bar_table_window()
{
    auto *window = new ReferenceWindow(drawing::Picture::BarTable, {8010, 3015});
    window->setObjectName(QStringLiteral("Form2"));
    return window;
}

ReferenceWindow *make_schematic_window()
{
    auto *window = new ReferenceWindow(drawing::Picture::Schematic, {7875, 4950});
    window->setObjectName(QStringLiteral("Form3"));
    return window;
}

} // namespace morvik
