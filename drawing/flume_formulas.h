#pragma once

#include "drawing/formula_layout.h"
#include "drawing/picture.h"

#include <optional>

namespace drawing::pictures {

// The formula of one of the flume reports' formula pictures (KA to Case 3's Mt1); none for any
// other picture.
std::optional<formula::Expr> flume_formula(Picture picture);

// The same formula without the "=" that ends it on a report before the value.
std::optional<formula::Expr> flume_formula_before_value(Picture picture);

} // namespace drawing::pictures
