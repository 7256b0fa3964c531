#include "drawing/stress_formulas.h"

namespace drawing::pictures {

using namespace formula;

namespace {

Expr times() { return op("\u00d7"); }

// b × j × d style products of the stress formulas' denominators.
Expr product(std::initializer_list<Expr> factors)
{
    std::vector<Expr> items;
    for (const Expr &factor : factors) {
        if (!items.empty())
            items.push_back(times());
        items.push_back(factor);
    }
    return row(std::move(items));
}

} // namespace

std::optional<Expr> stress_formula(Picture picture)
{
    switch (picture) {
    case Picture::MorvikNeutralAxis: {
        // Neutral-axis ratio of a singly reinforced section for the modular ratio n = 15.
        const Expr fifteen_p = row({text("15"), var("P")});
        return row({var("k"), rel("="),
                    root(row({text("30"), var("P"), op("+"), sup(parens(fifteen_p), text("2"))})),
                    op("\u2212"), fifteen_p});
    }
    case Picture::MorvikConcreteStress:
        return frac(row({text("2"), var("M")}),
                    product({var("k"), var("j"), var("b"), sup(var("d"), text("2"))}));
    case Picture::MorvikSteelStress:
        return frac(var("M"), product({sub(var("A"), text("s")), var("j"), var("d")}));
    case Picture::MorvikShearStress:
        return frac(var("S"), product({var("b"), var("j"), var("d")}));
    case Picture::MorvikBondStress:
        return frac(var("S"), product({var("U"), var("j"), var("d")}));
    default:
        return std::nullopt;
    }
}

std::optional<Expr> stress_equation(Picture picture)
{
    std::optional<Expr> formula = stress_formula(picture);
    if (!formula)
        return std::nullopt;
    switch (picture) {
    case Picture::MorvikConcreteStress: return row({sub(var("\u03c3"), text("c")), rel("="), *formula});
    case Picture::MorvikSteelStress: return row({sub(var("\u03c3"), text("s")), rel("="), *formula});
    case Picture::MorvikShearStress: return row({var("\u03c4"), rel("="), *formula});
    case Picture::MorvikBondStress: return row({sub(var("\u03c4"), text("o")), rel("="), *formula});
    default: return formula;
    }
}

QList<Expr> section_ratio_equations()
{
    const Expr rebar_area = sub(var("A"), text("s"));
    return {
        row({var("P"), rel("="), frac(rebar_area, product({var("b"), var("d")}))}),
        row({*stress_formula(Picture::MorvikNeutralAxis), space(1), parens(row({var("n"), rel("="), text("15")}))}),
        row({var("j"), rel("="), text("1"), op("\u2212"), frac(var("k"), text("3"))}),
        row({var("d"), rel("="), words(QStringLiteral("総厚")), op("\u2212"), words(QStringLiteral("かぶり")), op("\u2212"),
             frac(words(QStringLiteral("鉄筋径")), text("2"))}),
    };
}

} // namespace drawing::pictures
