#pragma once

#include "flume/field.h"
#include "members/member_inputs.h"

#include <QStringList>

#include <initializer_list>
#include <utility>

namespace test_support {

// The worked example, typed here once for every test that needs it: the 25 inputs in the order of
// the input file, which take page 1 to Case 3 without a message. δ 20 gives PV 1.950, as the book's
// worked example shows it.
inline const QStringList worked_inputs = {
    "0.1", "0.15", "0.15", "0.1", "1.0", "0.5", "1.0",  // T1 T2 T3 T4 H H1 B
    "90", "30", "18", "0", "10", "20",                  // θ φ γ i q δ
    "9.8", "24.0", "100",                               // γw γsc qa
    "1.0", "1.15", "0.5", "18", "9", "20",              // h H' H'1 γt γws δ'
    "1.3", "0.3", "1.1",                                // BL X h'
};

// Inputs named by their roles, each with the text it is given.
using InputTexts = std::initializer_list<std::pair<flume::Field, QString>>;

// The worked example, or a variant of it, with the given inputs changed.
inline QStringList worked_with(InputTexts changes, QStringList inputs = worked_inputs)
{
    for (const auto &[field, text] : changes)
        inputs[int(field)] = text;
    return inputs;
}

// The variant with δ 20.54, which makes PV 2.000: the value the Case pages' own worked examples
// start from, so that one file reproduces the worked examples of page 2 and Cases 1 to 3.
inline const QStringList worked_inputs_pv_2 = worked_with({{flume::Field::wall_friction_angle, QStringLiteral("20.54")}});

// The text the worked example gives an input.
inline QString worked_text(flume::Field input)
{
    return worked_inputs[int(input)];
}

// The worked example's members: D13 × 5 and a cover of 3 cm each.
inline members::MemberCheckInputs worked_members()
{
    members::MemberCheckInputs inputs;
    for (members::MemberInputs &member : inputs.members)
        member = {QStringLiteral("D13"), members::Spacing::Count, QStringLiteral("5"), {}, {}, {}, {}, QStringLiteral("3")};
    return inputs;
}

} // namespace test_support
