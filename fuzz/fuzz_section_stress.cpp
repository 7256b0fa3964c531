// Morvik's "計算" on six texts of any kind, after an earlier successful run: either one message and
// all seven results emptied, or no message and all seven results shown with their units; the inputs
// are never changed.
#include "common/messages.h"
#include "common/numeric_reading.h"
#include "rcstress/section_sheet.h"
#include "rcstress/section_stress.h"

#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using rcstress::Field;

namespace {

void check(bool property, const char *what, const QStringList &inputs)
{
    if (!property) {
        std::fprintf(stderr, "property failed: %s\ninputs: %s\n", what, inputs.join(u'|').toUtf8().constData());
        std::abort();
    }
}

const Field result_fields[] = {Field::steel_ratio,  Field::neutral_axis_ratio, Field::lever_arm_ratio,
                               Field::concrete_stress, Field::steel_stress, Field::shear_stress,
                               Field::bond_stress};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The six inputs, one a line.
    QStringList inputs = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(u'\n');
    inputs.resize(rcstress::input_count);

    rcstress::SectionSheet sheet;
    common::MessageRecorder messages;
    const QStringList worked = {"10", "100", "20", "1000000", "20000", "30"};
    for (int i = 0; i < rcstress::input_count; ++i)
        sheet.set_text(rcstress::field_table[std::size_t(i)].field, worked[i]);
    rcstress::compute_section_stress(sheet, messages);
    check(messages.messages.isEmpty() && sheet.printable(), "the worked example computes", worked);

    for (int i = 0; i < rcstress::input_count; ++i)
        sheet.set_text(rcstress::field_table[std::size_t(i)].field, inputs[i]);
    rcstress::compute_section_stress(sheet, messages);

    for (int i = 0; i < rcstress::input_count; ++i)
        check(sheet.text(rcstress::field_table[std::size_t(i)].field) == inputs[i], "the inputs stay as typed", inputs);
    check(messages.messages.size() <= 1, "at most one message", inputs);
    if (!messages.messages.isEmpty()) {
        const common::Message &message = messages.messages.constFirst();
        check(message.title == common::message::input_check_title
                  && (message.text == common::message::missing_input || message.text == common::message::invalid_number),
              "the message is one of the input check's", inputs);
        for (Field f : result_fields)
            check(sheet.text(f).isEmpty(), "a message empties every result", inputs);
        check(!sheet.printable(), "nothing to print after a message", inputs);
        return 0;
    }
    for (Field f : result_fields) {
        const QString shown = sheet.text(f);
        const qsizetype unit = shown.indexOf(QStringLiteral(" （N/c㎡）"));
        double value = 0;
        check(common::read_whole_number(unit < 0 ? shown : shown.left(unit), &value),
              "every result is a number, then its unit", inputs);
    }
    check(sheet.printable(), "a computed section can be printed", inputs);
    return 0;
}
