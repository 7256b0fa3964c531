#include "shell/page_picture.h"

#include "widgets/picture_widget.h"

namespace shell {

QWidget *make_page_picture(PagePicture picture, QWidget *parent)
{
    const printing::Picture drawing = picture == PagePicture::ShapeInputDiagram ? printing::Picture::ShapeInputDiagram
                                                                                 : printing::Picture::Case1Diagram;
    auto *widget = new widgets::PictureWidget(drawing, parent);
    widget->setObjectName(printing::picture_name(drawing));
    widget->resize(widget->sizeHint());
    return widget;
}

} // namespace shell
