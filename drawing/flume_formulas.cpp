#include "drawing/flume_formulas.h"

namespace drawing::pictures {

using namespace formula;

namespace {

// The vocabulary of the flume formulas: symbols as the flume window names them, set with their
// indices lowered as on paper (KA as K with index A, γsc as γ with index sc).
Expr n(const QString &digits) { return text(digits); }
Expr v(const QString &symbol) { return var(symbol); }
Expr s(const QString &symbol, const QString &index) { return sub(var(symbol), text(index)); }
// A symbol with a prime (δ', H', h'): the prime upright after the italic letter.
Expr primed(const QString &symbol) { return row({var(symbol), text("\u2032")}); }
Expr squared(Expr base) { return sup(std::move(base), n("2")); }
Expr cubed(Expr base) { return sup(std::move(base), n("3")); }

Expr eq() { return rel("="); }
Expr plus() { return op("+"); }
Expr minus() { return op("\u2212"); }
Expr dot() { return op("\u00b7"); }
Expr times() { return op("\u00d7"); }
Expr half() { return frac(n("1"), n("2")); }
Expr sixth() { return frac(n("1"), n("6")); }

Expr sin(Expr argument) { return row({text("sin"), std::move(argument)}); }
Expr sin_of(std::initializer_list<Expr> argument) { return sin(parens(row(argument))); }
Expr sin_theta() { return row({text("sin"), space(0.1), v("\u03b8")}); }
Expr cos_delta() { return row({text("cos"), space(0.12), primed("\u03b4")}); }

Expr theta() { return v("\u03b8"); }
Expr phi() { return v("\u03c6"); }
Expr delta() { return v("\u03b4"); }
Expr gamma() { return v("\u03b3"); }
Expr ka() { return s("K", "A"); }
Expr t(const char *index) { return s("T", index); }
Expr pv() { return s("P", "v"); }
Expr gamma_sc() { return s("\u03b3", "sc"); }
Expr gamma_w() { return s("\u03b3", "w"); }
Expr gamma_t() { return s("\u03b3", "t"); }
Expr gamma_ws() { return s("\u03b3", "ws"); }
Expr h() { return v("h"); }
Expr h_prime() { return primed("h"); }
Expr big_h_prime() { return primed("H"); }
Expr big_h_prime_1() { return sub(primed("H"), n("1")); }
Expr wr() { return s("W", "R"); }
Expr bl() { return s("B", "L"); }
Expr x() { return v("X"); }

// {(T1 + T2) · H + T3(2 · T2 + B) + T4²}: the flume's section area, shared by Fs and qmax.
Expr section_area()
{
    return braces(row({parens(row({t("1"), plus(), t("2")})), dot(), v("H"), plus(), t("3"),
                       parens(row({n("2"), dot(), t("2"), plus(), v("B")})), plus(),
                       subsup(v("T"), n("4"), n("2"))}));
}

// KA · cos δ', the horizontal share of the active earth pressure of the Case 1 and 3 formulas.
Expr ka_cos_delta() { return row({ka(), dot(), cos_delta()}); }

// {γw − (γt − γws) KA · cos δ'} (h + H'1 − H')^power: the groundwater term of Case 1.
Expr groundwater_term(const char *power)
{
    return row({braces(row({gamma_w(), minus(), parens(row({gamma_t(), minus(), gamma_ws()})),
                            ka_cos_delta()})),
                sup(parens(row({h(), plus(), big_h_prime_1(), minus(), big_h_prime()})), n(power))});
}

Expr sso_without_water()
{
    return row({s("S", "so"), eq(),
                parens(row({half(), dot(), gamma_t(), dot(), squared(h()), plus(), v("q"), dot(), h()})),
                ka_cos_delta()});
}

Expr mso_without_water()
{
    return row({s("M", "so"), eq(),
                parens(row({sixth(), dot(), gamma_t(), dot(), cubed(h()), plus(), half(), dot(), v("q"),
                            dot(), squared(h())})),
                ka_cos_delta()});
}

// St1 = 1/2 · WR (BL − 2 · X), the slab shear of Cases 2 and 3.
Expr slab_shear()
{
    return row({s("S", "t1"), eq(), half(), dot(), wr(), parens(row({bl(), minus(), n("2"), dot(), x()}))});
}

// Mt1 = Ms1 + 1/2 · WR · X (BL − X), the slab moment of Cases 2 and 3.
Expr slab_moment()
{
    return row({s("M", "t1"), eq(), s("M", "s1"), plus(), half(), dot(), wr(), dot(), x(),
                parens(row({bl(), minus(), x()}))});
}

} // namespace

namespace {

// A report's formula without the "=" that ends it on the report before the value.
std::optional<Expr> left_of_value(Picture picture)
{
    switch (picture) {
    case Picture::EarthPressureCoefficient: {
        // Coulomb's coefficient of active earth pressure.
        const Expr inner = frac(row({sin_of({phi(), plus(), delta()}), dot(), sin_of({phi(), minus(), v("i")})}),
                                row({sin_of({theta(), minus(), delta()}), dot(), sin_of({theta(), plus(), v("i")})}));
        const Expr denominator =
            row({squared(text("sin")), theta(), dot(), sin_of({theta(), minus(), delta()}), dot(),
                 squared(brackets(row({n("1"), plus(), root(inner)})))});
        return row({ka(), eq(), frac(row({squared(text("sin")), parens(row({theta(), plus(), phi()}))}), denominator)});
    }
    case Picture::ActiveEarthPressure:
        return row({s("P", "A"), eq(),
                    parens(row({half(), dot(), gamma(), dot(), squared(v("H")), plus(), v("q"), dot(), v("H"),
                                dot(), frac(sin_theta(), sin_of({theta(), plus(), v("i")}))})),
                    times(), ka()});
    case Picture::EarthPressureVertical:
        return row({s("P", "AV"), eq(), s("P", "A"), dot(), sin_of({delta(), plus(), n("90"), minus(), theta()})});
    case Picture::VerticalLoad:
        return row({s("P", "V"), eq(), s("P", "AV"), times(), n("0.5"), times(), n("2")});
    case Picture::UpliftSafetyFactor:
        // Safety against uplift: the flume's weight and the earth's vertical share over the uplift.
        return row({s("F", "s"), rel("\u2266"),
                    frac(row({section_area(), dot(), gamma_sc(), plus(), pv()}),
                         row({s("H", "1"), dot(), gamma_w(), parens(row({n("2"), dot(), t("2"), plus(), v("B")}))}))});
    case Picture::MaximumGroundReaction:
        return row({s("q", "max"), eq(),
                    frac(row({section_area(), dot(), gamma_sc(), plus(), v("B"), dot(), v("H"), dot(), gamma_w(),
                              plus(), n("2"), dot(), pv()}),
                         row({v("B"), plus(), n("2"), dot(), t("2")}))});
    case Picture::Case1WallShear:
        return sso_without_water();
    case Picture::Case1WallShearGroundwater:
        return row({sso_without_water(), plus(), half(), groundwater_term("2")});
    case Picture::Case1WallMoment:
        return mso_without_water();
    case Picture::Case1WallMomentGroundwater:
        return row({mso_without_water(), plus(), sixth(), groundwater_term("3")});
    case Picture::SlabReaction:
        return row({wr(), eq(),
                    frac(row({parens(row({t("1"), plus(), t("2")})), big_h_prime(), dot(), gamma_sc(), plus(), n("2"),
                              pv()}),
                         bl())});
    case Picture::Case1SlabShear:
        return row({s("S", "to"), eq(), half(), dot(), wr(), parens(row({bl(), minus(), n("2"), x()}))});
    case Picture::Case1SlabMoment:
        return row({s("M", "to"), eq(), s("M", "so"), minus(), half(), dot(), wr(), dot(), x(),
                    parens(row({bl(), minus(), x()}))});
    case Picture::Case2WallShear:
        return row({s("S", "s1"), eq(), s("P", "w"), eq(), half(), dot(), gamma_w(), dot(), squared(h_prime())});
    case Picture::Case2WallMoment:
        return row({s("M", "s1"), eq(), s("M", "w"), eq(), sixth(), dot(), gamma_w(), dot(), cubed(h_prime())});
    case Picture::Case2SlabShear:
    case Picture::Case3SlabShear:
        return slab_shear();
    case Picture::Case2SlabMoment:
    case Picture::Case3SlabMoment:
        return slab_moment();
    case Picture::Case3WallShear:
        return row({s("S", "s1"), eq(), half(), dot(), gamma_w(), dot(), squared(h_prime()), minus(), half(), dot(),
                    gamma_t(), dot(), squared(h_prime()), dot(), ka_cos_delta()});
    case Picture::Case3WallMoment:
        return row({s("M", "s1"), eq(), sixth(), dot(), gamma_w(), dot(), cubed(h_prime()), minus(), sixth(), dot(),
                    gamma_t(), dot(), cubed(h_prime()), dot(), ka_cos_delta()});
    default:
        return std::nullopt;
    }
}

// The formulas the reports draw without the "=" before the value: those whose value the report
// sets on a line of its own.
bool ends_without_equals(Picture picture)
{
    return picture == Picture::MaximumGroundReaction || picture == Picture::Case1WallShearGroundwater
        || picture == Picture::Case1WallMomentGroundwater;
}

} // namespace

std::optional<Expr> flume_formula(Picture picture)
{
    std::optional<Expr> formula = left_of_value(picture);
    if (formula && !ends_without_equals(picture))
        return row({*formula, eq()});
    return formula;
}

std::optional<Expr> flume_formula_before_value(Picture picture)
{
    return left_of_value(picture);
}

} // namespace drawing::pictures
