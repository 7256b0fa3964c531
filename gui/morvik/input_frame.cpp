#include "gui/morvik/input_frame.h"

#include "rcstress/quantities.h"
#include "gui/morvik/section_field_edit.h"
#include "gui/common/twips.h"

#include <QLabel>

namespace morvik {

namespace {

struct InputPlace {
    rcstress::Field field;
    const char *control;
    int column_left;  // left of the field in the frame, twips
    int top;
};

const InputPlace input_places[] = {
    {rcstress::Field::rebar_area, "Text1", 2160, 360},     {rcstress::Field::unit_width, "Text2", 2160, 705},
    {rcstress::Field::effective_depth, "Text3", 2160, 1050}, {rcstress::Field::bending_moment, "Text7", 5790, 360},
    {rcstress::Field::shear_force, "Text8", 5790, 705},    {rcstress::Field::rebar_perimeter, "Text9", 5790, 1050},
};

constexpr int field_width = 1005;
constexpr int field_height = 270;
constexpr int caption_gap = 30;  // between a caption and its field, and a field and its unit

} // namespace

InputFrame::InputFrame(rcstress::SectionSheet &sheet, QWidget *parent) : QGroupBox(QStringLiteral("入力データ"), parent)
{
    setObjectName(QStringLiteral("Frame1"));
    for (const InputPlace &place : input_places) {
        // The left column's captions start near the frame's edge, the right column's after the
        // left column's units; each caption ends just before its field.
        const int caption_left = place.column_left == 2160 ? 75 : 4050;
        auto *caption = new QLabel(rcstress::quantity(place.field).caption, this);
        gui::common::place(caption, caption_left, place.top, place.column_left - caption_gap - caption_left,
                        field_height);

        auto *edit = new SectionFieldEdit(sheet, place.field, this);
        edit->setObjectName(QString::fromLatin1(place.control));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        gui::common::place(edit, place.column_left, place.top, field_width, field_height);
        inputs_.append(edit);

        auto *unit = new QLabel(rcstress::quantity(place.field).unit, this);
        const int unit_left = place.column_left + field_width + caption_gap;
        gui::common::place(unit, unit_left, place.top, 960, field_height);
    }
}

} // namespace morvik
