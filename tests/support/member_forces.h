#pragma once

#include "flume/flume_sheet.h"
#include "flume/member_forces.h"

#include <utility>

namespace test_support {

// The worked flume's shape as the members take it: T1 0.1, T2 0.15, T3 0.15 m, H 1.0 m, h 1.0 m,
// h' 1.1 m.
inline void type_member_shape(flume::FlumeSheet &sheet)
{
    using flume::Field;
    for (const auto &[field, text] : {std::pair{Field::t1, "0.1"}, {Field::t2, "0.15"}, {Field::t3, "0.15"},
                                      {Field::wall_height, "1.0"}, {Field::case1_depth, "1.0"},
                                      {Field::case2_depth, "1.1"}})
        sheet.set_text(field, QString::fromLatin1(text));
}

// A member's forces as its Case leaves them: the results shown, the converted N·cm and N texts.
inline void give_member_forces(flume::FlumeSheet &sheet, std::size_t member, const char *moment, const char *shear)
{
    const flume::MemberForces &forces = flume::member_forces[member];
    for (const auto &[result, converted] : {std::pair{forces.moment, moment}, {forces.shear, shear}}) {
        sheet.show_result(result, QStringLiteral("1.000"));
        sheet.set_text(flume::converted_companion(result)->converted, QString::fromLatin1(converted));
    }
}

} // namespace test_support
