#include "drawing/formula_layout.h"

#include "drawing/picture_fonts.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace drawing::formula {

using pictures::Face;

namespace {

// Proportions of the layout, in ems of the current size.
constexpr double kScriptScale = 0.7;       // superscripts and subscripts
constexpr double kRule = 0.05;             // fraction bar and radical strokes
constexpr double kFractionGap = 0.12;      // between bar and numerator or denominator
constexpr double kFractionOverhang = 0.08; // bar beyond the wider of numerator and denominator
constexpr double kFractionSide = 0.06;     // space outside the bar
constexpr double kRelationSpace = 0.28;
constexpr double kOperatorSpace = 0.2;
constexpr double kDotSpace = 0.12;
constexpr double kCapHeight = 0.68;        // least ascent of a text run, so rows share a top line

// Adds a child's ink, rules and letters at (dx, dy) to a parent's.
void place(Box &parent, const Box &child, double dx, double dy)
{
    const QTransform shift = QTransform::fromTranslate(dx, dy);
    if (!child.ink.isNull())
        parent.ink |= child.ink.translated(dx, dy);
    parent.rules.addPath(shift.map(child.rules));
    for (Letters letters : child.letters) {
        letters.origin += QPointF(dx, dy);
        parent.letters.append(std::move(letters));
    }
}

// Adds a shape drawn by the piece itself.
void add_rule(Box &box, const QPainterPath &shape)
{
    box.ink |= shape.boundingRect();
    box.rules.addPath(shape);
}

QPainterPath stroked(const QPainterPath &path, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(path);
}

} // namespace

double axis_height()
{
    // The middle of the minus sign: where fraction bars and the centres of delimiters sit.
    static const double axis = [] {
        const QRectF bar = pictures::text_ink(QStringLiteral("\u2212"), Face::Serif, 1.0);
        return -bar.center().y();
    }();
    return axis;
}

struct Expr::Node {
    virtual ~Node() = default;
    virtual Box layout(double size) const = 0;
};

QPainterPath Box::outline() const
{
    QPainterPath path = rules;
    for (const Letters &run : letters)
        path.addPath(pictures::text_path(run.text, run.face, run.size).translated(run.origin));
    path.setFillRule(Qt::WindingFill);
    return path;
}

Expr::Expr(std::shared_ptr<const Node> node) : node_(std::move(node)) {}

Box Expr::layout(double size) const
{
    return node_->layout(size);
}

namespace {

class TextNode : public Expr::Node {
public:
    TextNode(QString text, Face face, double side) : text_(std::move(text)), face_(face), side_(side) {}

    Box layout(double size) const override
    {
        Box box;
        const pictures::TextMetrics metrics = pictures::text_metrics(text_, face_, size);
        const double side = side_ * size;
        const QRectF ink = pictures::text_ink(text_, face_, size);
        // An italic letter leans past its advance; count the overhang so a following delimiter
        // does not touch it.
        const double width = std::max(metrics.advance, ink.right());
        box.ink = ink.translated(side, 0);
        box.letters.append({text_, face_, QPointF(side, 0), size});
        box.width = width + 2 * side;
        box.ascent = std::max(-ink.top(), kCapHeight * size);
        box.descent = std::max(ink.bottom(), 0.0);
        return box;
    }

private:
    QString text_;
    Face face_;
    double side_;  // space on either side, in ems
};

class SpaceNode : public Expr::Node {
public:
    explicit SpaceNode(double ems) : ems_(ems) {}
    Box layout(double size) const override
    {
        Box box;
        box.width = ems_ * size;
        return box;
    }

private:
    double ems_;
};

class RowNode : public Expr::Node {
public:
    explicit RowNode(std::vector<Expr> items) : items_(std::move(items)) {}
    Box layout(double size) const override
    {
        Box box;
        for (const Expr &item : items_) {
            const Box child = item.layout(size);
            place(box, child, box.width, 0);
            box.width += child.width;
            box.ascent = std::max(box.ascent, child.ascent);
            box.descent = std::max(box.descent, child.descent);
        }
        return box;
    }

private:
    std::vector<Expr> items_;
};

class FractionNode : public Expr::Node {
public:
    FractionNode(Expr numerator, Expr denominator)
        : numerator_(std::move(numerator)), denominator_(std::move(denominator)) {}

    Box layout(double size) const override
    {
        const Box num = numerator_.layout(size);
        const Box den = denominator_.layout(size);
        const double axis = axis_height() * size;
        const double rule = kRule * size;
        const double gap = kFractionGap * size;
        const double bar_width = std::max(num.width, den.width) + 2 * kFractionOverhang * size;
        const double left = kFractionSide * size;

        Box box;
        box.width = bar_width + 2 * left;
        const double num_baseline = -(axis + rule / 2 + gap + num.descent);
        const double den_baseline = -(axis - rule / 2 - gap) + den.ascent;
        place(box, num, left + (bar_width - num.width) / 2, num_baseline);
        place(box, den, left + (bar_width - den.width) / 2, den_baseline);
        QPainterPath bar;
        bar.addRect(QRectF(left, -axis - rule / 2, bar_width, rule));
        add_rule(box, bar);
        box.ascent = -num_baseline + num.ascent;
        box.descent = den_baseline + den.descent;
        return box;
    }

private:
    Expr numerator_;
    Expr denominator_;
};

class RootNode : public Expr::Node {
public:
    explicit RootNode(Expr radicand) : radicand_(std::move(radicand)) {}

    Box layout(double size) const override
    {
        const Box body = radicand_.layout(size);
        const double rule = kRule * size;
        const double top = -(body.ascent + 0.14 * size + rule);  // top of the overbar
        const double bottom = body.descent + 0.1 * size;
        const double height = bottom - top;

        // The sign: a short tick rising to the right, a heavy stroke down to the bottom, a long
        // stroke up to the overbar, and the bar over the radicand.
        const double tick_y = bottom - std::min(0.5 * height, 0.55 * size);
        const QPointF tick_start(0.02 * size, tick_y + 0.06 * size);
        const QPointF tick_end(0.14 * size, tick_y);
        const QPointF low(0.36 * size, bottom - rule / 2);
        const QPointF high(0.62 * size + 0.04 * height, top + rule / 2);
        const double body_left = high.x() + 0.06 * size;
        const QPointF bar_end(body_left + body.width + 0.06 * size, top + rule / 2);

        Box box;
        QPainterPath light;
        light.moveTo(tick_start);
        light.lineTo(tick_end);
        QPainterPath heavy;
        heavy.moveTo(tick_end);
        heavy.lineTo(low);
        QPainterPath rising;
        rising.moveTo(low);
        rising.lineTo(high);
        rising.lineTo(bar_end);
        add_rule(box, stroked(light, rule));
        add_rule(box, stroked(heavy, 1.8 * rule));
        add_rule(box, stroked(rising, rule));
        place(box, body, body_left, 0);
        box.width = bar_end.x() + 0.04 * size;
        box.ascent = -top;
        box.descent = bottom;
        return box;
    }

private:
    Expr radicand_;
};

class ScriptNode : public Expr::Node {
public:
    ScriptNode(Expr base, const Expr *index, const Expr *exponent)
        : base_(std::move(base)),
          index_(index ? std::make_shared<Expr>(*index) : nullptr),
          exponent_(exponent ? std::make_shared<Expr>(*exponent) : nullptr) {}

    Box layout(double size) const override
    {
        Box box = base_.layout(size);
        const double script_size = kScriptScale * size;
        const double start = box.width + 0.02 * size;
        double width = box.width;
        if (exponent_) {
            const Box exponent = exponent_->layout(script_size);
            // Raised so that a tall base (a bracket) carries its exponent at its top.
            const double raise = std::max(0.42 * size, box.ascent - 0.55 * exponent.ascent);
            place(box, exponent, start, -raise);
            width = std::max(width, start + exponent.width);
            box.ascent = std::max(box.ascent, raise + exponent.ascent);
        }
        if (index_) {
            const Box index = index_->layout(script_size);
            const double drop = std::max(0.2 * size, box.descent > 0.3 * size ? box.descent - 0.3 * size : 0.0);
            place(box, index, start, drop);
            width = std::max(width, start + index.width);
            box.descent = std::max(box.descent, drop + index.descent);
        }
        box.width = width + 0.03 * size;
        return box;
    }

private:
    Expr base_;
    std::shared_ptr<Expr> index_;
    std::shared_ptr<Expr> exponent_;
};

enum class Delimiter { Paren, Bracket, Brace };

// One delimiter of the given kind between top and bottom, its outer side at x = 0 and opening to
// the right; the closing one is its mirror image.
QPainterPath delimiter_path(Delimiter kind, double top, double bottom, double width, double size)
{
    const double height = bottom - top;
    QPainterPath path;
    switch (kind) {
    case Delimiter::Paren: {
        // A crescent: thin at the ends, thickest in the middle, like a text parenthesis.
        const double thick = 0.075 * size;
        const double right = width;
        const double outer = (4 * 0.0 - right) / 3;  // control x giving a bulge reaching x = 0
        const double inner = (4 * thick - right) / 3;
        path.moveTo(right, top);
        path.cubicTo(outer, top + 0.25 * height, outer, bottom - 0.25 * height, right, bottom);
        path.lineTo(right + 0.01 * size, bottom - 0.01 * size);
        path.cubicTo(inner, bottom - 0.25 * height, inner, top + 0.25 * height,
                     right + 0.01 * size, top + 0.01 * size);
        path.closeSubpath();
        break;
    }
    case Delimiter::Bracket: {
        const double stem = 0.06 * size;
        const double arm = 0.045 * size;
        path.addRect(QRectF(0, top, stem, height));
        path.addRect(QRectF(0, top, width, arm));
        path.addRect(QRectF(0, bottom - arm, width, arm));
        break;
    }
    case Delimiter::Brace: {
        const double middle = (top + bottom) / 2;
        const double stem_x = width / 2;
        const double curl = std::min(0.12 * size + 0.05 * height, height / 4);
        QPainterPath line;
        line.moveTo(width, top);
        line.quadTo(stem_x, top, stem_x, top + curl);
        line.lineTo(stem_x, middle - curl);
        line.quadTo(stem_x, middle, 0, middle);
        line.quadTo(stem_x, middle, stem_x, middle + curl);
        line.lineTo(stem_x, bottom - curl);
        line.quadTo(stem_x, bottom, width, bottom);
        QPainterPathStroker stroker;
        stroker.setWidth(0.055 * size);
        stroker.setCapStyle(Qt::FlatCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        path = stroker.createStroke(line);
        break;
    }
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

class FenceNode : public Expr::Node {
public:
    FenceNode(Delimiter kind, Expr body) : kind_(kind), body_(std::move(body)) {}

    Box layout(double size) const override
    {
        const Box body = body_.layout(size);
        const double axis = axis_height() * size;
        // Symmetric about the axis, at least as tall as a parenthesis of the text.
        const double half = std::max({body.ascent - axis, body.descent + axis, 0.5 * size}) + 0.08 * size;
        const double top = -axis - half;
        const double bottom = -axis + half;
        const double stretch = std::max(0.0, 2 * half - 1.16 * size);
        double width = 0;
        switch (kind_) {
        case Delimiter::Paren: width = 0.26 * size + 0.05 * stretch; break;
        case Delimiter::Bracket: width = 0.24 * size; break;
        case Delimiter::Brace: width = 0.36 * size + 0.05 * stretch; break;
        }
        const double outside = 0.05 * size;
        const double inside = 0.06 * size;

        Box box;
        const QPainterPath left = delimiter_path(kind_, top, bottom, width, size);
        add_rule(box, QTransform::fromTranslate(outside, 0).map(left));
        const double body_left = outside + width + inside;
        place(box, body, body_left, 0);
        const double close_right = body_left + body.width + inside + width;
        // The closing delimiter: the opening one mirrored about its own centre line.
        add_rule(box, QTransform(-1, 0, 0, 1, close_right, 0).map(left));
        box.rules.setFillRule(Qt::WindingFill);
        box.width = close_right + outside;
        box.ascent = -top;
        box.descent = bottom;
        return box;
    }

private:
    Delimiter kind_;
    Expr body_;
};

template <typename T, typename... Args>
Expr make(Args &&...args)
{
    return Expr(std::make_shared<const T>(std::forward<Args>(args)...));
}

} // namespace

Expr var(const QString &symbol) { return make<TextNode>(symbol, Face::SerifItalic, 0.0); }
Expr text(const QString &upright) { return make<TextNode>(upright, Face::Serif, 0.0); }
Expr words(const QString &japanese) { return make<TextNode>(japanese, Face::Gothic, 0.0); }
Expr op(const QString &sign)
{
    const bool dot = sign == QStringLiteral("\u00b7") || sign == QStringLiteral("\u22c5");
    return make<TextNode>(sign, Face::Serif, dot ? kDotSpace : kOperatorSpace);
}
Expr rel(const QString &sign) { return make<TextNode>(sign, Face::Serif, kRelationSpace); }
Expr space(double ems) { return make<SpaceNode>(ems); }
Expr row(std::initializer_list<Expr> items) { return make<RowNode>(std::vector<Expr>(items)); }
Expr row(std::vector<Expr> items) { return make<RowNode>(std::move(items)); }
Expr frac(Expr numerator, Expr denominator) { return make<FractionNode>(std::move(numerator), std::move(denominator)); }
Expr root(Expr radicand) { return make<RootNode>(std::move(radicand)); }
Expr sup(Expr base, Expr exponent) { return make<ScriptNode>(std::move(base), nullptr, &exponent); }
Expr sub(Expr base, Expr index) { return make<ScriptNode>(std::move(base), &index, nullptr); }
Expr subsup(Expr base, Expr index, Expr exponent) { return make<ScriptNode>(std::move(base), &index, &exponent); }
Expr parens(Expr body) { return make<FenceNode>(Delimiter::Paren, std::move(body)); }
Expr brackets(Expr body) { return make<FenceNode>(Delimiter::Bracket, std::move(body)); }
Expr braces(Expr body) { return make<FenceNode>(Delimiter::Brace, std::move(body)); }

void draw(QPainter &painter, const Box &box, const QRectF &area, double em, std::optional<FormulaLine> line)
{
    const QRectF &ink = box.ink;
    if (ink.isEmpty() || area.isEmpty())
        return;
    double scale = std::min(em, area.width() / ink.width());
    if (!line)
        scale = std::min(scale, area.height() / ink.height());
    double baseline = area.center().y() - scale * ink.center().y();
    if (line)
        baseline = line->bar ? line->y + axis_height() * scale : line->y;
    QTransform placement;
    placement.translate(area.right() - scale * ink.right(), baseline);
    placement.scale(scale, scale);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(placement, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    QPainterPath rules = box.rules;
    rules.setFillRule(Qt::WindingFill);
    painter.drawPath(rules);
    for (const Letters &letters : box.letters)
        pictures::draw_text(painter, letters.text, letters.face, letters.origin, letters.size);
    painter.restore();
}

} // namespace drawing::formula
