#include "gui/tavrel/page_picture.h"

#include "gui/common/picture_widget.h"

namespace tavrel {

QWidget *make_page_picture(PagePicture picture, QWidget *parent)
{
    const drawing::Picture drawing = picture == PagePicture::ShapeInputDiagram ? drawing::Picture::ShapeInputDiagram
                                                                                 : drawing::Picture::Case1Diagram;
    auto *widget = new gui::common::PictureWidget(drawing, parent);
    widget->setObjectName(drawing::picture_name(drawing));
    widget->resize(widget->sizeHint());
    return widget;
}

} // namespace tavrel
