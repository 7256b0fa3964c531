#include "members/member_sheet.h"

#include "flume/flume_sheet.h"

namespace members {

MemberSheet::MemberSheet(flume::FlumeSheet &flume_sheet, QObject *parent)
    : QObject(parent), flume_sheet_(flume_sheet)
{
    connect(&flume_sheet_, &flume::FlumeSheet::text_changed, this, &MemberSheet::follow);
    connect(&flume_sheet_, &flume::FlumeSheet::display_state_changed, this, &MemberSheet::follow);
    connect(&flume_sheet_, &flume::FlumeSheet::result_written, this, &MemberSheet::note_forces_computed);
}

void MemberSheet::set_inputs(const MemberCheckInputs &inputs)
{
    if (inputs_ == inputs)
        return;
    inputs_ = inputs;
    follow();
}

void MemberSheet::set_materials(const Materials &materials)
{
    MemberCheckInputs changed = inputs_;
    changed.materials = materials;
    changed.unreadable[std::size_t(InputPart::Materials)] = false;
    set_inputs(changed);
}

void MemberSheet::set_detailing(const DetailingRules &detailing)
{
    MemberCheckInputs changed = inputs_;
    changed.detailing = detailing;
    changed.unreadable[std::size_t(InputPart::Detailing)] = false;
    set_inputs(changed);
}

void MemberSheet::set_member(std::size_t index, const MemberInputs &member)
{
    if (index >= member_count)
        return;
    MemberCheckInputs changed = inputs_;
    changed.members[index] = member;
    // Bars typed over the search's are the user's.
    const MemberInputs &before = inputs_.members[index];
    if (member.bar != before.bar || member.spacing != before.spacing || member.spacing_text != before.spacing_text)
        changed.members[index].designed = false;
    changed.unreadable[std::size_t(InputPart::Members)] = false;
    set_inputs(changed);
}

void MemberSheet::type_thickness(std::size_t index, const QString &text)
{
    if (index >= member_count)
        return;
    MemberInputs member = inputs_.members[index];
    member.thickness = text == shape_thickness(flume_sheet_, flume::member_forces[index]) ? QString() : text;
    set_member(index, member);
}

void MemberSheet::set_design_lists(const DesignLists &lists)
{
    MemberCheckInputs changed = inputs_;
    changed.design_lists = lists;
    set_inputs(changed);
}

MemberCheckReport MemberSheet::report() const
{
    return check_members(inputs_, flume_sheet_, outdated());
}

std::array<MemberDesign, member_count> MemberSheet::designs() const
{
    return design_members(inputs_, flume_sheet_, outdated());
}

MemberDesign MemberSheet::design(std::size_t index) const
{
    return index < member_count ? design_member(inputs_, flume_sheet_, index, outdated()) : MemberDesign{};
}

void MemberSheet::note_forces_computed(flume::Field result)
{
    bool noted = false;
    for (std::size_t i = 0; i < member_count; ++i) {
        const flume::MemberForces &member = flume::member_forces[i];
        if (result == member.moment || result == member.shear) {
            computed_from_[i] = inputs_behind(flume_sheet_, member);
            noted = true;
        }
    }
    if (noted)
        follow();
}

OutdatedForces MemberSheet::outdated() const
{
    OutdatedForces outdated{};
    for (std::size_t i = 0; i < member_count; ++i)
        outdated[i] = !computed_from_[i].isEmpty() && computed_from_[i] != inputs_behind(flume_sheet_, flume::member_forces[i]);
    return outdated;
}

void MemberSheet::follow()
{
    flume_sheet_.set_print_entry_enabled(flume::Page::MemberCheck, report().any_stresses());
    emit changed();
}

} // namespace members
