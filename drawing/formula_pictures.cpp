#include "drawing/formula_pictures.h"

#include "drawing/flume_formulas.h"
#include "drawing/formula_layout.h"
#include "drawing/stress_formulas.h"

#include <QList>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace drawing::pictures {

namespace {

constexpr double kBodySize = 240;     // 12 pt, the size of the reports' values beside the formulas
constexpr double kClearance = 40;     // 2 pt of paper between a formula and the text beside its box
constexpr double kOutlierShare = 0.75;

enum class Program { Tavrel, Morvik };

struct FormulaPicture {
    Program program;
    formula::Box box;  // laid out at an em of 1
    double fit;        // the largest em, in twips, at which it fits its box with the clearance
};

// The picture's formula and the program it belongs to; none for a picture that is no formula.
std::optional<std::pair<formula::Expr, Program>> formula_of(Picture picture)
{
    if (std::optional<formula::Expr> expr = flume_formula(picture))
        return std::pair{*expr, Program::Tavrel};
    if (std::optional<formula::Expr> expr = stress_formula(picture))
        return std::pair{*expr, Program::Morvik};
    return std::nullopt;
}

// A formula picture laid out when it is first drawn, and kept: a report or window draws the same
// few on every paint, and a program's window needs only its own.
const FormulaPicture *find(Picture picture)
{
    static std::map<Picture, std::optional<FormulaPicture>> laid_out;
    auto found = laid_out.find(picture);
    if (found == laid_out.end()) {
        std::optional<FormulaPicture> entry;
        if (const auto formula = formula_of(picture)) {
            entry = FormulaPicture{formula->second, formula->first.layout(1.0), 0};
            const QRectF ink = entry->box.ink;
            const QSizeF size = natural_size(picture);
            entry->fit = std::min((size.width() - 2 * kClearance) / ink.width(), size.height() / ink.height());
        }
        found = laid_out.emplace(picture, std::move(entry)).first;
    }
    return found->second ? &*found->second : nullptr;
}

double on_pixels(double twips, PictureTarget where)
{
    if (where.twips_per_pixel <= 0)
        return twips;
    return std::max(1.0, std::floor(twips / where.twips_per_pixel)) * where.twips_per_pixel;
}

// The size every formula of a program is set at: on paper the least fit of them all, in a window
// the least but that of a formula far tighter than the rest.
double common_size(Program program, bool on_paper)
{
    static std::map<std::pair<Program, bool>, double> sizes;
    if (const auto found = sizes.find({program, on_paper}); found != sizes.end())
        return found->second;
    QList<double> fits;
    for (Picture picture : all_pictures()) {
        const FormulaPicture *entry = find(picture);
        if (entry && entry->program == program)
            fits.append(entry->fit);
    }
    std::sort(fits.begin(), fits.end());
    const double median = fits.isEmpty() ? kBodySize : fits[fits.size() / 2];
    double size = kBodySize;
    for (double fit : fits) {
        if (on_paper || fit >= kOutlierShare * median)
            size = std::min(size, fit);
    }
    sizes.emplace(std::pair{program, on_paper}, size);
    return size;
}

} // namespace

double report_formula_em()
{
    return common_size(Program::Tavrel, true);
}

bool is_formula(Picture picture)
{
    return find(picture) != nullptr;
}

double formula_size(Picture picture, PictureTarget where)
{
    const FormulaPicture *entry = find(picture);
    if (!entry)
        return 0;
    const bool on_paper = where.twips_per_pixel <= 0;
    return on_pixels(std::min(common_size(entry->program, on_paper), entry->fit), where);
}

void draw_formula_picture(QPainter &painter, Picture picture, const QRectF &target, PictureTarget where,
                          std::optional<FormulaLine> line)
{
    const FormulaPicture *entry = find(picture);
    const QSizeF natural = natural_size(picture);
    if (!entry || natural.isEmpty())
        return;
    // A window may give the picture another box than its natural one: the type size follows the
    // box's scale in its tighter direction, and the formula is reduced further only to fit.
    const double sx = target.width() / natural.width();
    const double sy = target.height() / natural.height();
    const QRectF area = target.adjusted(kClearance * sx, 0, -kClearance * sx, 0);
    formula::draw(painter, entry->box, area, formula_size(picture, where) * std::min(sx, sy), line);
}

} // namespace drawing::pictures
