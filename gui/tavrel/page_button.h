#pragma once

#include <QPushButton>

namespace tavrel {

// A page button of the flume window. The button of the page being shown has a solid face in the
// shown-page colour, RGB(255, 224, 192), inside the style's own button frame, so that it reads
// plainly as the current page and still as a button of the program's style.
class PageButton : public QPushButton
{
    Q_OBJECT

public:
    PageButton(const QString &caption, QWidget *parent);

    void set_current(bool current);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool current_ = false;
};

} // namespace tavrel
