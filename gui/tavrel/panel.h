#pragma once

#include "flume/field.h"

#include <QFrame>

class QLabel;
class QPushButton;

namespace flume {
class FlumeSheet;
}

namespace tavrel {

class FieldEdit;

// A field with the caption to its left and the unit label to its right (either may be absent).
struct FieldRow {
    QLabel *caption = nullptr;
    FieldEdit *field = nullptr;
    QLabel *unit = nullptr;
};

// A sunken grey panel of the flume window. Controls are placed in twips inside its border, on
// the content area, so that they never draw over the border (the Case 1 page moves them past it).
class Panel : public QFrame
{
    Q_OBJECT

public:
    Panel(double width, double height, QWidget *parent);

    QWidget *content() const { return content_; }

    // The height of the content area in twips.
    double inner_height() const;

    static constexpr double field_height = 285;
    static constexpr double field_width = 1000;
    // A caption stands this far below the top of the field beside it.
    static constexpr double caption_drop = 60;

    QLabel *add_label(const QString &text, double x, double y);
    // A label whose right edge stands at right.
    QLabel *add_label_right(const QString &text, double right, double y);
    // A page's title, larger than the rest.
    QLabel *add_title(const QString &text, double x, double y);
    QPushButton *add_button(const QString &caption, double x, double y, double width = 1215,
                            double height = 375);
    QFrame *add_line(double x, double y, double width);
    FieldEdit *add_field(flume::FlumeSheet &sheet, flume::Field field, double x, double y,
                         double width = field_width);
    // A field that stands in the run of blanks of its caption ("T1 =            ｍ"), level with it.
    FieldEdit *add_field_in_caption(flume::FlumeSheet &sheet, flume::Field field, QLabel *caption);
    // A field at (x, y) with its caption ending just left of it and its unit just right of it,
    // both level with the field's text.
    FieldRow add_field_row(flume::FlumeSheet &sheet, flume::Field field, const QString &caption, double x,
                           double y, const QString &unit = {}, double width = field_width);
    // An input's or a result's row with its caption and unit as the catalogue of quantities names them.
    FieldRow add_quantity_row(flume::FlumeSheet &sheet, flume::Field field, double x, double y,
                              double width = field_width);
    // A caption that holds its field in its run of blanks, right-aligned at right, so that the
    // fields of captions with equal endings stand in one column.
    FieldRow add_field_in_caption_right(flume::FlumeSheet &sheet, flume::Field field, const QString &caption,
                                        double right, double y);

private:
    QWidget *content_;
};

// Puts a field into the run of blanks of a caption standing at the caption's level.
void place_in_caption(QWidget *field, const QLabel *caption);

} // namespace tavrel
