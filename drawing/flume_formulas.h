#pragma once

#include "drawing/formula_layout.h"
#include "drawing/picture.h"

#include <optional>

namespace drawing::pictures {

// The formula of one of the flume reports' formula pictures (KA to Case 3's Mt1); none for any
// other picture.
std::optional<formula::Expr> flume_formula(Picture picture);

} // namespace drawing::pictures
