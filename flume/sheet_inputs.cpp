#include "flume/sheet_inputs.h"

#include "flume/field.h"
#include "flume/flume_sheet.h"

namespace flume {

QStringList input_texts(const FlumeSheet &sheet)
{
    QStringList texts;
    texts.reserve(input_count);
    for (int i = 0; i < input_count; ++i)
        texts.append(sheet.text(input_field(i)));
    return texts;
}

void put_input_texts(FlumeSheet &sheet, const QStringList &texts)
{
    for (int i = 0; i < input_count; ++i)
        sheet.set_text(input_field(i), i < texts.size() ? texts.at(i) : QString());
}

} // namespace flume
