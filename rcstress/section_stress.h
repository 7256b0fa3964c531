#pragma once

#include <QString>
#include <optional>

namespace common {
class MessageSink;
}

namespace rcstress {

class SectionSheet;
enum class Field;

// The six inputs of a section as typed: As (cm²), b (cm), d (cm), M (N·cm), S (N), U (cm).
struct SectionInputs {
    QString rebar_area, unit_width, effective_depth, bending_moment, shear_force, rebar_perimeter;
};

// How "計算" reads each of the six inputs: by the leading-number rule, where a value that reads as
// 0 (an empty field included) is missing input, and so is a negative As, b, d or U, the section's
// dimensions (a negative stress is no result); the steel ratio's As, b and d moreover only when the
// whole text is a number ("20cm" is then missing input too).
struct InputReading {
    Field field;
    QString SectionInputs::*text;
    bool whole_text;
    bool positive;  // a dimension of the section, not a force: only a value above 0 is one
};
extern const InputReading input_readings[6];

// The seven results as the window shows them: P, k and j, then σc, σs, τ and τo with their units.
struct SectionResults {
    QString steel_ratio, neutral_axis_ratio, lever_arm_ratio;
    QString concrete_stress, steel_stress, shear_stress, bond_stress;
};

// Why a section could not be calculated: an input that reads as zero, or an As, b or d that is not
// wholly a number (missing input); a section the formulas cannot take (invalid number).
enum class SectionFault { MissingInput, InvalidNumber };

// Whether a moment or shear that reads as 0 is a section of its own: in Morvik's window it is an
// empty field (missing input); a member whose force is zero has zero stresses.
enum class ZeroForces { Missing, Allowed };

// Steel ratio P, neutral-axis ratio k and lever-arm ratio j for n = 15, then the concrete, steel,
// shear and bond stresses σc, σs, τ, τo, each from the displayed P, k and j. Fills results and
// returns nothing, or returns the fault.
std::optional<SectionFault> calculate_section(const SectionInputs &inputs, SectionResults *results,
                                              ZeroForces zero_forces = ZeroForces::Missing);

// Morvik's "計算": the calculation on the sheet's six inputs; on a fault the message and every
// result emptied.
void compute_section_stress(SectionSheet &sheet, common::MessageSink &messages);

} // namespace rcstress
