#include "flume/member_forces.h"

#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "flume/quantities.h"
#include "flume/input_rules.h"

namespace flume {

namespace {

QString symbol(Field result)
{
    return quantity(result).printed;
}

QString converted_text(const FlumeSheet &sheet, Field result)
{
    const ConvertedCompanion *companion = converted_companion(result);
    return companion ? sheet.text(companion->converted) : QString();
}

} // namespace

QString member_title(const MemberForces &member)
{
    return page_caption(member.page) + u' ' + QString::fromUtf8(member.part);
}

QString member_caption(const MemberForces &member)
{
    return member_title(member) + QStringLiteral(" (") + symbol(member.moment) + QStringLiteral(", ")
        + symbol(member.shear) + u')';
}

QList<Field> inputs_behind(const MemberForces &member)
{
    QList<Field> read;
    for (Page page : calculation_pages) {
        if (int(page) > int(member.page))
            break;
        for (Calculation button : page_calculations(page)) {
            read.append(inputs_read(button));
            if (button == member.computed_by)
                break;
        }
    }
    QList<Field> inputs;
    for (int i = 0; i < input_count; ++i) {
        if (read.contains(input_field(i)))
            inputs.append(input_field(i));
    }
    return inputs;
}

bool member_forces_shown(const FlumeSheet &sheet, const MemberForces &member)
{
    return sheet.is_shown(member.moment) && sheet.is_shown(member.shear);
}

common::SectionForces member_section_forces(const FlumeSheet &sheet, const MemberForces &member)
{
    // The Case forces act on one metre of flume, so the section is 100 cm wide.
    return {converted_text(sheet, member.moment), converted_text(sheet, member.shear), QStringLiteral("100"),
            member_title(member)};
}

} // namespace flume
