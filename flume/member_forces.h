#pragma once

#include "common/section_forces.h"
#include "flume/calculations.h"
#include "flume/field.h"
#include "flume/full_check.h"

#include <QList>
#include <QString>
#include <array>

namespace flume {

class FlumeSheet;

// A member whose sectional forces a Case gives, to be checked as a reinforced concrete section: the
// side wall or the bottom slab. The moment and shear results are in kN·m and kN; their hidden
// converted fields hold the same values in N·cm and N.
struct MemberForces {
    Page page;         // the Case
    const char *part;  // "側壁" or "底版", UTF-8
    Field moment;
    Field shear;
    Calculation computed_by;  // the Case's "計算" button that writes them
};

inline constexpr std::array member_forces = {
    MemberForces{Page::Case1, "側壁", Field::case1_wall_moment, Field::case1_wall_shear, compute_case1_wall},
    MemberForces{Page::Case1, "底版", Field::case1_slab_moment, Field::case1_slab_shear, compute_case1_slab},
    MemberForces{Page::Case2, "側壁", Field::case2_wall_moment, Field::case2_wall_shear, compute_case2},
    MemberForces{Page::Case2, "底版", Field::case2_slab_moment, Field::case2_slab_shear, compute_case2},
    MemberForces{Page::Case3, "側壁", Field::case3_wall_moment, Field::case3_wall_shear, compute_case3},
    MemberForces{Page::Case3, "底版", Field::case3_slab_moment, Field::case3_slab_shear, compute_case3},
};

// The member as a title names it: "ケース.1 側壁".
QString member_title(const MemberForces &member);

// The member with the symbols of its forces, moment first: "ケース.1 側壁 (Mso, Sso)".
QString member_caption(const MemberForces &member);

// The inputs the member's forces are computed from: those the "計算" buttons read, each of the pages
// before the Case and of the Case up to the button that writes the forces (Case 1's wall does not
// depend on part b's BL and X). Taken from the buttons' rules, with a carried slot standing for the
// input it copies; T1 first and h' last, each once.
QList<Field> inputs_behind(const MemberForces &member);

// True while both the moment and the shear of the member are shown.
bool member_forces_shown(const FlumeSheet &sheet, const MemberForces &member);

// The member's forces as Morvik takes them: M in N·cm and S in N from the converted fields, on a
// unit width of 100 cm, with the member's title.
common::SectionForces member_section_forces(const FlumeSheet &sheet, const MemberForces &member);

} // namespace flume
