#pragma once

#include "rcstress/section_sheet.h"

class QWidget;

namespace morvik {

// The rows of P, k and j on the window's client area: caption and read-only field, the steel
// ratio's formula and the k formula picture beside them.
void add_ratio_rows(QWidget *client, rcstress::SectionSheet &sheet);

// The four stress blocks σc, σs, τ, τo: a caption, below it the formula picture, "＝" and the
// stress field; beside each its table of allowable stresses.
void add_stress_blocks(QWidget *client, rcstress::SectionSheet &sheet);

} // namespace morvik
