#include "apps/morvik/section_command.h"

#include "common/messages.h"
#include "rcstress/section_sheet.h"
#include "rcstress/section_stress.h"

void compute_typed_section(rcstress::SectionSheet &sheet, const QStringList &values, common::MessageRecorder &messages)
{
    for (int i = 0; i < rcstress::input_count && i < values.size(); ++i)
        sheet.set_text(rcstress::field_table[std::size_t(i)].field, values[i]);
    rcstress::compute_section_stress(sheet, messages);
}
