#pragma once

#include "drawing/picture.h"

#include <QWidget>

namespace gui::common {

// An image control: shows one picture at its natural size, 15 twips to the logical pixel, with
// the parent's background showing around its lines.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(drawing::Picture picture, QWidget *parent = nullptr);

    drawing::Picture picture() const { return picture_; }
    QSize sizeHint() const override;

    // The natural size of a picture in logical pixels.
    static QSize pixel_size(drawing::Picture picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    drawing::Picture picture_;
};

} // namespace gui::common
