#pragma once

#include "gui/tavrel/panel.h"

#include <QList>

class QScrollBar;

namespace common {
class MessageSink;
}

namespace tavrel {

// Case 1, "ケース . １": the side-wall forces (part a) and the bottom-slab forces (part b) under
// earth pressure, surcharge and groundwater. The page is taller than its panel; it is laid out in
// rows of 240 twips and scrolled a whole number of rows at a time.
class Case1Page : public Panel
{
    Q_OBJECT

public:
    Case1Page(flume::FlumeSheet &sheet, common::MessageSink &messages, QWidget *parent);

    static constexpr double row_height = 240;
    static constexpr double content_rows = 40.5;

    // The scroll bar's maximum: the rows the panel cannot show, rounded half to even.
    int scroll_maximum() const;
    // Sets every control to its base row less the scroll value.
    void scroll_to(int rows);

    // The control's row on the unscrolled page.
    double base_row(const QWidget *control) const;

    // Binds the page to its scroll bar: the bar's value places the controls, the wheel and the
    // keys over the page turn the bar, and a control of the page that takes the focus (Tab,
    // Shift+Tab, a click) outside the visible rows changes the value just enough to show it.
    void attach_scroll_bar(QScrollBar *bar);

protected:
    // PageUp, PageDown, Up, Down, Ctrl+Home and Ctrl+End turn the scroll bar.
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // After a calculation of the page, brings its last result into view when it is shown.
    void show_result(const flume::FlumeSheet &sheet, FieldEdit *last_result);

    // The value nearest to the current one at which the control (or the page's control holding it)
    // stands wholly within the visible rows.
    int value_showing(const QWidget *control) const;

    void put(QWidget *control, double row);
    void put(const FieldRow &row, double field_row, double caption_row, double unit_row);

    struct Placed {
        QWidget *control;
        double row;
    };
    QList<Placed> placed_;
    int scroll_ = 0;
    QScrollBar *scroll_bar_ = nullptr;
};

} // namespace tavrel
