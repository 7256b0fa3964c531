#pragma once

namespace common {
class MessageSink;
}

namespace rcstress {

class SectionSheet;

// Morvik's "計算": steel ratio P, neutral-axis ratio k and lever-arm ratio j for n = 15, then the
// concrete, steel, shear and bond stresses σc, σs, τ, τo, each from the displayed P, k and j.
void compute_section_stress(SectionSheet &sheet, common::MessageSink &messages);

} // namespace rcstress
