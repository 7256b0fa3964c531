#include "drawing/worked_formula.h"

#include "drawing/flume_formulas.h"
#include "drawing/formula_layout.h"
#include "drawing/formula_pictures.h"
#include "drawing/stress_formulas.h"

#include <optional>

namespace drawing {

namespace {

std::optional<formula::Box> laid_out(const WorkedFormula &worked)
{
    using namespace formula;
    std::optional<Expr> expr;
    if (const auto *picture = std::get_if<Picture>(&worked.source)) {
        expr = pictures::flume_formula_before_value(*picture);
        if (!expr)
            expr = pictures::stress_equation(*picture);
    } else {
        expr = std::get<Expr>(worked.source);
    }
    if (!expr)
        return std::nullopt;
    if (!worked.value.isEmpty())
        expr = row({*expr, rel("="), text(worked.value)});
    return expr->layout(1.0);
}

} // namespace

QSizeF worked_formula_size(const WorkedFormula &formula)
{
    const std::optional<formula::Box> box = laid_out(formula);
    if (!box)
        return {};
    return box->ink.size() * pictures::report_formula_em();
}

void draw_worked_formula(QPainter &painter, const WorkedFormula &formula, const QRectF &target)
{
    if (const std::optional<formula::Box> box = laid_out(formula))
        formula::draw(painter, *box, target, target.width() / box->ink.width());
}

} // namespace drawing
