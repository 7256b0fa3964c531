#pragma once

namespace common {
class MessageSink;
}

namespace rcstress {

class SectionSheet;
enum class Field;

// How "計算" reads each of the six inputs: by the leading-number rule, where a value that reads as
// 0 (an empty field included) is missing input; the steel ratio's As, b and d moreover only when
// the whole text is a number ("20cm" is then missing input too).
struct InputReading {
    Field field;
    bool whole_text;
};
extern const InputReading input_readings[6];

// Morvik's "計算": steel ratio P, neutral-axis ratio k and lever-arm ratio j for n = 15, then the
// concrete, steel, shear and bond stresses σc, σs, τ, τo, each from the displayed P, k and j.
void compute_section_stress(SectionSheet &sheet, common::MessageSink &messages);

} // namespace rcstress
