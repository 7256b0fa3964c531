#pragma once

#include "drawing/formula_layout.h"
#include "drawing/picture.h"

#include <optional>

namespace drawing::pictures {

// The formula of one of the section-stress pictures (k, σc, σs, τ, τo); none for any other.
std::optional<formula::Expr> stress_formula(Picture picture);

// The same formula with its left-hand side (σc =, σs =, τ =, τo =), which the window and the report
// set as the caption before it.
std::optional<formula::Expr> stress_equation(Picture picture);

// The section's ratios and depth with their left-hand sides, as the member check's page states
// them beside the stresses: P = As/(b × d), k for n = 15, j = 1 − k/3, d = 総厚 − かぶり − 鉄筋径/2.
QList<formula::Expr> section_ratio_equations();

} // namespace drawing::pictures
