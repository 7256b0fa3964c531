#include "printing/pictures/formula_layout.h"
#include "printing/pictures/picture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>

using printing::Picture;
namespace f = printing::formula;

namespace {

// How a picture is expected to fill its box: a formula is scaled with its proportions kept, so
// it touches the left edge and either the right edge or the top and bottom; a drawing or table
// reaches out to all four sides.
enum class Fill { Formula, Drawing };

struct Ink {
    QRect bounds;      // of the pixels with any ink
    int outside = 0;   // inked pixels outside the target box
    int count = 0;
};

// Renders a picture onto a transparent image with a margin around its box of natural size,
// or of that size stretched by the given factors.
QImage render(Picture picture, double twips_per_pixel, int margin, QRectF *box, QSizeF stretch = {1, 1})
{
    QSizeF size = printing::natural_size(picture) / twips_per_pixel;
    size = QSizeF(size.width() * stretch.width(), size.height() * stretch.height());
    QImage image(QSize(qCeil(size.width()) + 2 * margin, qCeil(size.height()) + 2 * margin),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    *box = QRectF(QPointF(margin, margin), size);
    QPainter painter(&image);
    printing::draw_picture(painter, picture, *box);
    return image;
}

Ink measure(const QImage &image, const QRectF &box)
{
    Ink ink;
    // A pixel half covered by an edge of the box still belongs to it.
    const QRectF allowed = box.adjusted(-1, -1, 1, 1);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 40)
                continue;
            ++ink.count;
            ink.bounds |= QRect(x, y, 1, 1);
            if (!allowed.contains(QPointF(x + 0.5, y + 0.5)))
                ++ink.outside;
        }
    }
    return ink;
}

void save_for_review(Picture picture)
{
    // PICTURES_PNG_DIR=/some/dir writes every picture on white for a look, at twice 96 dpi or
    // at PICTURES_PNG_TWIPS twips to the pixel (15 is the windows' scale).
    const QString dir = qEnvironmentVariable("PICTURES_PNG_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    bool given = false;
    const double twips = qEnvironmentVariable("PICTURES_PNG_TWIPS").toDouble(&given);
    QRectF box;
    QImage image = render(picture, given && twips > 0 ? twips : 7.5, 8, &box);
    QImage page(image.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(QColor(200, 200, 255));
    painter.drawRect(box.adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.drawImage(0, 0, image);
    painter.end();
    page.save(dir + QLatin1Char('/') + printing::picture_name(picture) + QStringLiteral(".png"));
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void fills_its_box_data();
    void fills_its_box();
    void stays_inside_a_stretched_box_data();
    void stays_inside_a_stretched_box();
    void fraction_stacks_over_its_bar();
    void radical_covers_its_radicand();
    void superscript_is_small_and_raised();
    void delimiters_enclose_a_fraction();
};

void TestPictures::fills_its_box_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<Fill>("fill");
    for (Picture picture : printing::all_pictures()) {
        const bool drawing = picture == Picture::FlumeSection || picture == Picture::ShapeInputDiagram ||
                             picture == Picture::Case1Diagram || picture >= Picture::AllowableStress1;
        QTest::newRow(qPrintable(printing::picture_name(picture)))
            << picture << (drawing ? Fill::Drawing : Fill::Formula);
    }
}

void TestPictures::fills_its_box()
{
    QFETCH(Picture, picture);
    QFETCH(Fill, fill);
    save_for_review(picture);

    // 5 twips to the pixel (288 dpi), so one pixel is a small fraction of every picture.
    QRectF box;
    const QImage image = render(picture, 5, 12, &box);
    const Ink ink = measure(image, box);
    QVERIFY2(ink.count > 0.01 * box.width() * box.height(), "the picture is (nearly) blank");
    QCOMPARE(ink.outside, 0);

    const double left = ink.bounds.left() - box.left();
    const double right = box.right() - (ink.bounds.right() + 1);
    const double top = ink.bounds.top() - box.top();
    const double bottom = box.bottom() - (ink.bounds.bottom() + 1);
    if (fill == Fill::Formula) {
        const double tolerance = 2;
        QVERIFY2(left <= tolerance, qPrintable(QStringLiteral("left gap %1 px").arg(left)));
        // A formula that ends with "=" keeps a narrow space after it, so the value printed next to
        // the picture does not touch the sign.
        const bool ends_with_equals = picture != Picture::MaximumGroundReaction && picture != Picture::Case1WallShearGroundwater &&
                                      picture != Picture::Case1WallMomentGroundwater && picture <= Picture::Case3SlabMoment;
        const bool wide = ends_with_equals ? right > tolerance && right <= 0.3 * box.height()
                                           : right <= tolerance;
        const bool tall = top <= tolerance && bottom <= tolerance;
        QVERIFY2(wide || tall, qPrintable(QStringLiteral("gaps right %1, top %2, bottom %3 px")
                                              .arg(right).arg(top).arg(bottom)));
        QVERIFY2(qAbs(top - bottom) <= tolerance,
                 qPrintable(QStringLiteral("not centred: top %1, bottom %2 px").arg(top).arg(bottom)));
    } else {
        // Drawings keep a narrow margin of their own, never more than 6 % of a side.
        const double horizontal = 0.06 * box.width();
        const double vertical = 0.06 * box.height();
        QVERIFY2(left <= horizontal && right <= horizontal && top <= vertical && bottom <= vertical,
                 qPrintable(QStringLiteral("gaps left %1, right %2, top %3, bottom %4 px")
                                .arg(left).arg(right).arg(top).arg(bottom)));
    }
}

void TestPictures::stays_inside_a_stretched_box_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QSizeF>("stretch");
    for (Picture picture : printing::all_pictures()) {
        const QString name = printing::picture_name(picture);
        QTest::newRow(qPrintable(name + QStringLiteral(" wider"))) << picture << QSizeF(1.6, 1);
        QTest::newRow(qPrintable(name + QStringLiteral(" taller"))) << picture << QSizeF(1, 1.6);
    }
}

void TestPictures::stays_inside_a_stretched_box()
{
    // A window may give a picture another box than its own; it is drawn within it all the same.
    QFETCH(Picture, picture);
    QFETCH(QSizeF, stretch);
    QRectF box;
    const QImage image = render(picture, 10, 12, &box, stretch);
    const Ink ink = measure(image, box);
    QVERIFY(ink.count > 0);
    QCOMPARE(ink.outside, 0);
}

void TestPictures::fraction_stacks_over_its_bar()
{
    const f::Box numerator = f::text("1").layout();
    const f::Box denominator = f::row({f::var("b"), f::op("×"), f::var("d")}).layout();
    const f::Box fraction = f::frac(f::text("1"), f::row({f::var("b"), f::op("×"), f::var("d")})).layout();
    const double axis = f::axis_height();

    QVERIFY(fraction.width > denominator.width);
    // The bar lies on the axis, across the middle of the box.
    QVERIFY(fraction.ink.contains(QPointF(fraction.width / 2, -axis)));
    QVERIFY(!fraction.ink.contains(QPointF(fraction.width / 2, -axis - 0.1)));
    // Numerator wholly above the bar, denominator wholly below, neither touching it.
    const QRectF ink = fraction.ink.boundingRect();
    QVERIFY(ink.top() < -axis - 0.1 - (numerator.ascent - 0.1));
    QVERIFY(ink.bottom() > -axis + 0.1 + denominator.ascent - 0.2);
    QVERIFY(fraction.ascent >= numerator.ascent + axis + 0.1);
    QVERIFY(fraction.descent >= denominator.ascent - axis + 0.1);
}

void TestPictures::radical_covers_its_radicand()
{
    const f::Expr radicand = f::row({f::text("30"), f::var("P")});
    const f::Box body = radicand.layout();
    const f::Box radical = f::root(radicand).layout();

    QVERIFY(radical.width > body.width + 0.5);
    QVERIFY(radical.ascent > body.ascent + 0.1);
    // The overbar spans the radicand just above its top; below it, over the radicand, is clear.
    const double bar_y = -radical.ascent + 0.03;
    const double body_left = radical.width - body.width - 0.1;
    QVERIFY(radical.ink.contains(QPointF(body_left + 0.1, bar_y)));
    QVERIFY(radical.ink.contains(QPointF(radical.width - 0.1, bar_y)));
    QVERIFY(!radical.ink.contains(QPointF(body_left + body.width / 2, -body.ascent - 0.07)));
    // The sign reaches below the baseline at its foot, left of the radicand.
    QVERIFY(radical.ink.boundingRect().bottom() > 0);
}

void TestPictures::superscript_is_small_and_raised()
{
    const f::Box base = f::var("h").layout();
    const f::Box alone = f::text("2").layout(0.7);
    const f::Box squared = f::sup(f::var("h"), f::text("2")).layout();

    QVERIFY(squared.width >= base.width + alone.width);
    // The exponent's ink: what the script box draws right of the base.
    QPainterPath right_part;
    right_part.addRect(QRectF(base.width, -5, 10, 10));
    const QRectF exponent = squared.ink.intersected(right_part).boundingRect();
    QVERIFY(!exponent.isEmpty());
    QCOMPARE_LE(exponent.height(), alone.ink.boundingRect().height() + 0.01);
    QVERIFY(exponent.bottom() < -0.3);                 // well clear of the baseline
    QVERIFY(exponent.top() < base.ink.boundingRect().top());  // above the letter's top
}

void TestPictures::delimiters_enclose_a_fraction()
{
    const f::Expr half = f::frac(f::text("1"), f::text("2"));
    const f::Box inner = half.layout();
    for (const f::Box &fenced : {f::parens(half).layout(), f::brackets(half).layout(), f::braces(half).layout()}) {
        const QRectF ink = fenced.ink.boundingRect();
        QVERIFY(ink.top() < inner.ink.boundingRect().top());
        QVERIFY(ink.bottom() > inner.ink.boundingRect().bottom());
        QVERIFY(fenced.width > inner.width + 0.3);
        // Symmetric about the axis, as a reader expects delimiters to sit.
        QVERIFY(qAbs((-fenced.ascent + fenced.descent) / 2 + f::axis_height()) < 1e-9);
    }
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
