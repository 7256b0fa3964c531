#include "drawing/formula_pictures.h"

#include "drawing/flume_formulas.h"
#include "drawing/formula_layout.h"
#include "drawing/stress_formulas.h"

#include <QList>
#include <QMap>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace drawing::pictures {

namespace {

constexpr double kBodySize = 240;     // 12 pt, the size of the reports' values beside the formulas
constexpr double kClearance = 40;     // 2 pt of paper between a formula and the text beside its box
constexpr double kOutlierShare = 0.75;

enum class Program { Tavrel, Morvik };

struct FormulaPicture {
    Picture picture;
    Program program;
    formula::Box box;  // laid out at an em of 1
    double fit;        // the largest em, in twips, at which it fits its box with the clearance
};

// Every formula picture laid out once; a report or window draws the same few on every paint.
const QList<FormulaPicture> &formula_pictures()
{
    static const QList<FormulaPicture> pictures = [] {
        QList<FormulaPicture> list;
        for (Picture picture : all_pictures()) {
            Program program = Program::Tavrel;
            std::optional<formula::Expr> expr = flume_formula(picture);
            if (!expr) {
                program = Program::Morvik;
                expr = stress_formula(picture);
            }
            if (!expr)
                continue;
            FormulaPicture entry{picture, program, expr->layout(1.0), 0};
            const QRectF ink = entry.box.ink;
            const QSizeF size = natural_size(picture);
            entry.fit = std::min((size.width() - 2 * kClearance) / ink.width(), size.height() / ink.height());
            list.append(std::move(entry));
        }
        return list;
    }();
    return pictures;
}

const FormulaPicture *find(Picture picture)
{
    for (const FormulaPicture &entry : formula_pictures()) {
        if (entry.picture == picture)
            return &entry;
    }
    return nullptr;
}

double on_pixels(double twips, PictureTarget where)
{
    if (where.twips_per_pixel <= 0)
        return twips;
    return std::max(1.0, std::floor(twips / where.twips_per_pixel)) * where.twips_per_pixel;
}

// The size every formula of a program is set at on paper.
double common_size(Program program)
{
    static QMap<Program, double> sizes;
    if (const auto found = sizes.constFind(program); found != sizes.constEnd())
        return *found;
    QList<double> fits;
    for (const FormulaPicture &entry : formula_pictures()) {
        if (entry.program == program)
            fits.append(entry.fit);
    }
    std::sort(fits.begin(), fits.end());
    const double median = fits.isEmpty() ? kBodySize : fits[fits.size() / 2];
    double size = kBodySize;
    for (double fit : fits) {
        if (fit >= kOutlierShare * median)
            size = std::min(size, fit);
    }
    sizes.insert(program, size);
    return size;
}

} // namespace

double report_formula_em()
{
    return common_size(Program::Tavrel);
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
    return on_pixels(std::min(common_size(entry->program), entry->fit), where);
}

void draw_formula_picture(QPainter &painter, Picture picture, const QRectF &target, PictureTarget where)
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
    formula::draw(painter, entry->box, area, formula_size(picture, where) * std::min(sx, sy));
}

} // namespace drawing::pictures
