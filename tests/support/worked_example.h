#pragma once

#include "members/member_inputs.h"

#include <QStringList>

namespace test_support {

// The 25 inputs of the worked example, in the order of the input file: page 1 to Case 3 without a
// message.
inline const QStringList worked_inputs = {
    "0.1", "0.15", "0.15", "0.1", "1.0", "0.5", "1.0",  // T1 T2 T3 T4 H H1 B
    "90", "30", "18", "0", "10", "20",                  // θ φ γ i q δ
    "9.8", "24.0", "100",                               // γw γsc qa
    "1.0", "1.15", "0.5", "18", "9", "20",              // h H' H'1 γt γws δ'
    "1.3", "0.3", "1.1",                                // BL X h'
};

// The worked example with one input changed.
inline QStringList worked_with(int index, const QString &text)
{
    QStringList inputs = worked_inputs;
    inputs[index] = text;
    return inputs;
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
