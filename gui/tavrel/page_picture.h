#pragma once

class QWidget;

namespace tavrel {

// The drawings that stand on the flume window's pages.
enum class PagePicture {
    ShapeInputDiagram,  // the flume section with its dimensions, on the shape-input page
    Case1Diagram,       // on the Case 1 page beside the slab reaction
};

// A widget showing the drawing at its natural size.
QWidget *make_page_picture(PagePicture picture, QWidget *parent);

} // namespace tavrel
