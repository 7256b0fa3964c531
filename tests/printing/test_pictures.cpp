#include "members/reinforcement_tables.h"
#include "printing/flume_reports.h"
#include "drawing/formula_layout.h"
#include "drawing/formula_pictures.h"
#include "drawing/picture.h"
#include "drawing/picture_fonts.h"
#include "printing/pdf_output.h"
#include "printing/rc_stress_report.h"
#include "printing/report_renderer.h"
#include "tests/support/pdf_words.h"

#include <QDir>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using drawing::Picture;
namespace f = drawing::formula;

namespace {

// How a picture is expected to sit in its box: a formula at its type size, 40 twips clear of the
// left and right edges, against the right one and centred vertically; a drawing or table reaches
// out to all four sides.
enum class Fill { Formula, Drawing };

// A paint device that keeps what a painter draws on it instead of pixels: where each run of text
// starts and the em it is set at, and every path, in device pixels. The pictures set their letters
// from glyphs of the reference size, scaled: the scale of a run gives its em. It shows the type
// size each picture sets its letters in, and where its lines run.
class Recorder : public QPaintDevice {
public:
    struct Run {
        QPointF origin;  // the left end of its baseline
        double em;
    };

    explicit Recorder(int dpi) : dpi_(dpi) {}
    QPaintEngine *paintEngine() const override { return &engine_; }

    const QList<Run> &runs() const { return engine_.runs; }
    const QList<QPainterPath> &paths() const { return engine_.paths; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return qRound(8.27 * dpi_);
        case PdmHeight: return qRound(11.69 * dpi_);
        case PdmWidthMM: return 210;
        case PdmHeightMM: return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return dpi_;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        Type type() const override { return QPaintEngine::User; }
        void drawPath(const QPainterPath &path) override { paths.append(painter()->combinedTransform().map(path)); }
        void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
        {
            QPainterPath path;
            path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
            drawPath(path);
        }
        void drawTextItem(const QPointF &origin, const QTextItem &) override
        {
            const QTransform transform = painter()->combinedTransform();
            runs.append({transform.map(origin),
                         drawing::pictures::kReferencePixels * std::sqrt(std::abs(transform.determinant()))});
        }
        QList<Run> runs;
        QList<QPainterPath> paths;
    };
    int dpi_;
    mutable Engine engine_;
};

struct Ink {
    QRect bounds;      // of the pixels with any ink
    int outside = 0;   // inked pixels outside the target box
    int count = 0;
};

// Renders a picture onto a transparent image with a margin around its box of natural size,
// or of that size stretched by the given factors.
QImage render(Picture picture, double twips_per_pixel, int margin, QRectF *box, QSizeF stretch = {1, 1},
             drawing::PictureTarget where = drawing::paper)
{
    QSizeF size = drawing::natural_size(picture) / twips_per_pixel;
    size = QSizeF(size.width() * stretch.width(), size.height() * stretch.height());
    QImage image(QSize(qCeil(size.width()) + 2 * margin, qCeil(size.height()) + 2 * margin),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    *box = QRectF(QPointF(margin, margin), size);
    QPainter painter(&image);
    drawing::draw_picture(painter, picture, *box, where);
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
    page.save(dir + QLatin1Char('/') + drawing::picture_name(picture) + QStringLiteral(".png"));
}

// The formula pictures as a program draws them together, each with its box in device pixels.
enum class Sheet { TavrelReports, MorvikReport, MorvikWindow };

struct Measured {
    Picture picture;
    QRectF box;
    double em = 0;  // the largest em of its letters (its main size), device pixels
};

// What a recorder holds of the formula pictures placed on it.
QList<Measured> measured(const Recorder &recorder, const QList<Measured> &placed)
{
    QList<Measured> result;
    for (Measured m : placed) {
        for (const Recorder::Run &run : recorder.runs()) {
            // Strictly inside: a value run may start right at a picture's right edge.
            if (m.box.adjusted(1, 1, -1, -1).contains(run.origin))
                m.em = std::max(m.em, run.em);
        }
        result.append(m);
    }
    return result;
}

QList<Measured> formulas_of_page(const printing::ReportPage &page, int dpi)
{
    Recorder recorder(dpi);
    QPainter painter(&recorder);
    printing::render_report(painter, page);
    painter.end();
    QList<Measured> placed;
    const double scale = dpi / 1440.0;
    for (const printing::ReportStep &step : page.steps) {
        const auto *picture = std::get_if<printing::PictureStep>(&step);
        if (picture && drawing::pictures::is_formula(picture->picture))
            placed.append({picture->picture, QRectF(QPointF(picture->x, picture->y) * scale,
                                                    drawing::natural_size(picture->picture) * scale)});
    }
    return measured(recorder, placed);
}

// Every report page with formulas, Case 1 with both of its formula sets.
QList<printing::ReportPage> formula_pages()
{
    printing::FlumeSnapshot dry;
    dry.texts.fill(QStringLiteral("1.5"));
    printing::FlumeSnapshot wet = dry;
    wet.case1_groundwater_formula = true;
    printing::SectionSnapshot section;
    section.texts.fill(QStringLiteral("1.5"));
    return {printing::earth_pressure_report(dry), printing::uplift_bearing_report(dry), printing::case1_report(wet),
            printing::case1_report(dry),          printing::case2_report(dry),          printing::case3_report(dry),
            printing::rc_stress_report(section)};
}

QImage page_image(const printing::ReportPage &page, int dpi)
{
    QImage image(qRound(8.27 * dpi), qRound(11.69 * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    printing::render_report(painter, page);
    return image;
}

const QList<Picture> morvik_formulas = {Picture::MorvikNeutralAxis, Picture::MorvikConcreteStress,
                                        Picture::MorvikSteelStress, Picture::MorvikShearStress,
                                        Picture::MorvikBondStress};

QList<Measured> formulas_of(Sheet sheet, int dpi)
{
    if (sheet == Sheet::MorvikWindow) {
        // The window's picture controls: natural size at 15 twips to the pixel, one below another.
        Recorder recorder(dpi);
        QPainter painter(&recorder);
        QList<Measured> placed;
        double top = 0;
        for (Picture picture : morvik_formulas) {
            const QRectF box(QPointF(0, top), drawing::natural_size(picture) / 15);
            drawing::draw_picture(painter, picture, box, drawing::PictureTarget{15});
            placed.append({picture, box});
            top += box.height() + 20;
        }
        painter.end();
        return measured(recorder, placed);
    }
    if (sheet == Sheet::MorvikReport)
        return formulas_of_page(printing::rc_stress_report({}), dpi);
    QList<printing::ReportPage> pages = formula_pages();
    pages.removeLast();  // Morvik's
    QList<Measured> all;
    for (const printing::ReportPage &page : pages)
        all += formulas_of_page(page, dpi);
    return all;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void sits_in_its_box_data();
    void sits_in_its_box();
    void formulas_share_one_type_size_data();
    void formulas_share_one_type_size();
    void formulas_stand_on_their_values_baseline_data();
    void formulas_stand_on_their_values_baseline();
    void allowable_stress_tables_share_one_type_size_data();
    void allowable_stress_tables_share_one_type_size();
    void corner_headings_on_their_sides_of_the_diagonal_data();
    void corner_headings_on_their_sides_of_the_diagonal();
    void stays_inside_a_stretched_box_data();
    void stays_inside_a_stretched_box();
    void fraction_stacks_over_its_bar();
    void radical_covers_its_radicand();
    void superscript_is_small_and_raised();
    void delimiters_enclose_a_fraction();
    void tables_give_the_member_checks_values_data();
    void tables_give_the_member_checks_values();
};

void TestPictures::sits_in_its_box_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<Fill>("fill");
    for (Picture picture : drawing::all_pictures()) {
        const bool drawing = picture == Picture::FlumeSection || picture == Picture::ShapeInputDiagram ||
                             picture == Picture::Case1Diagram || picture >= Picture::AllowableStress1;
        QTest::newRow(qPrintable(drawing::picture_name(picture)))
            << picture << (drawing ? Fill::Drawing : Fill::Formula);
    }
}

void TestPictures::sits_in_its_box()
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
        // 40 twips are 8 pixels here; one pixel more or less for the antialiased edge.
        const double clear = 8;
        QVERIFY2(left >= clear - 1 && right >= clear - 1 && right <= clear + 1,
                 qPrintable(QStringLiteral("gaps left %1, right %2 px").arg(left).arg(right)));
        QVERIFY2(qAbs(top - bottom) <= 2,
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
    for (Picture picture : drawing::all_pictures()) {
        const QString name = drawing::picture_name(picture);
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

void TestPictures::formulas_share_one_type_size_data()
{
    QTest::addColumn<Sheet>("sheet");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QList<Picture>>("reduced");  // formulas that fit their box only smaller
    QTest::newRow("Tavrel's five reports") << Sheet::TavrelReports << 1200 << QList<Picture>{};
    // k stands in a line of text between "ｎ＝15の時" and "＝": its box is the tightest by far.
    QTest::newRow("Morvik's report") << Sheet::MorvikReport << 1200 << QList<Picture>{};
    QTest::newRow("Morvik's window") << Sheet::MorvikWindow << 96 << QList<Picture>{Picture::MorvikNeutralAxis};
}

void TestPictures::formulas_share_one_type_size()
{
    QFETCH(Sheet, sheet);
    QFETCH(int, dpi);
    QFETCH(QList<Picture>, reduced);
    const QList<Measured> formulas = formulas_of(sheet, dpi);
    QVERIFY(formulas.size() >= 5);
    const auto em_pixels = [](const Measured &m) { return m.em; };
    const auto points = [&](const Measured &m) { return em_pixels(m) * 72 / dpi; };

    double smallest = 1e9;
    double largest = 0;
    QString sizes;
    for (const Measured &m : formulas) {
        QVERIFY2(m.em > 0, qPrintable(drawing::picture_name(m.picture)));
        sizes += QStringLiteral(" %1 %2 pt").arg(drawing::picture_name(m.picture)).arg(points(m), 0, 'f', 2);
        if (sheet == Sheet::MorvikWindow)
            QVERIFY2(qAbs(em_pixels(m) - std::round(em_pixels(m))) < 0.01, "a window's formula is set in whole pixels");
        if (!reduced.contains(m.picture)) {
            smallest = std::min(smallest, points(m));
            largest = std::max(largest, points(m));
        }
    }
    QVERIFY2(largest - smallest <= 0.5, qPrintable(sizes));
    // Never enlarged beyond the reports' body size to fill a box.
    QVERIFY2(largest <= 12.01, qPrintable(sizes));

    for (const Measured &m : formulas) {
        if (!reduced.contains(m.picture))
            continue;
        QVERIFY2(points(m) < smallest - 0.5, qPrintable(sizes));
        // Reduced no more than needed: its ink spans the box but for the 40 twips at either side,
        // or would at one pixel more in a window, whose formulas are set in whole pixels.
        // Measured at 5 twips to the pixel.
        QRectF box;
        const drawing::PictureTarget where{sheet == Sheet::MorvikWindow ? 15.0 : 0.0};
        const Ink ink = measure(render(m.picture, 5, 12, &box, {1, 1}, where), box);
        const double grown = sheet == Sheet::MorvikWindow ? (em_pixels(m) + 1) / em_pixels(m) : 1;
        QVERIFY2(ink.bounds.width() * grown >= box.width() - 2 * 8 - 2,
                 qPrintable(QStringLiteral("%1: ink %2 of %3 px").arg(drawing::picture_name(m.picture))
                                .arg(ink.bounds.width()).arg(box.width())));
    }
}

void TestPictures::formulas_stand_on_their_values_baseline_data()
{
    QTest::addColumn<int>("page");  // of formula_pages()
    const char *names[] = {"主働土圧", "浮上り・支持力", "ケース.1 地下水あり", "ケース.1 地下水なし",
                           "ケース.2", "ケース.3", "鉄筋コンクリート応力度"};
    for (int i = 0; i < 7; ++i)
        QTest::newRow(names[i]) << i;
}

void TestPictures::formulas_stand_on_their_values_baseline()
{
    // Each formula's main line on the baseline of the value it leads to within 0.3 pt (its
    // left-hand side on it, its main fraction bar on the math axis above it; a fraction alone
    // beside the "＝" its value begins with, its bar on the middle of that sign's ink), and its ink
    // 40 twips clear of everything else on the page. 288 dpi: 5 twips a pixel.
    QFETCH(int, page);
    const printing::ReportPage report = formula_pages()[page];
    const int dpi = 288;
    const double pixels_per_twip = dpi / 1440.0;
    Recorder recorder(dpi);
    QPainter recording(&recorder);
    printing::render_report(recording, report);
    recording.end();

    int checked = 0;
    for (qsizetype i = 0; i < report.steps.size(); ++i) {
        const auto *formula = std::get_if<printing::PictureStep>(&report.steps[i]);
        if (!formula || !formula->value_y)
            continue;
        const QString name = drawing::picture_name(formula->picture);
        // The value run is the step after the formula; its first item starts at its x.
        const auto &value = std::get<printing::TextRunStep>(report.steps[i + 1]);
        const QRectF box(QPointF(formula->x, formula->y) * pixels_per_twip,
                         drawing::natural_size(formula->picture) * pixels_per_twip);
        const double em = drawing::pictures::formula_size(formula->picture, drawing::paper) * pixels_per_twip;
        std::optional<QPointF> left_side;  // the leftmost letter
        std::optional<double> value_baseline;
        for (const Recorder::Run &run : recorder.runs()) {
            // The pictures' letters, not the report's runs: those are set at the reference size.
            const bool lettered = run.em < drawing::pictures::kReferencePixels - 1;
            if (lettered && box.contains(run.origin) && (!left_side || run.origin.x() < left_side->x()))
                left_side = run.origin;
            if (qAbs(run.origin.x() - value.x * pixels_per_twip) < 0.5 && run.origin.y() > value.y * pixels_per_twip &&
                run.origin.y() < (value.y + 300) * pixels_per_twip)
                value_baseline = run.origin.y();
        }
        QVERIFY2(left_side && value_baseline, qPrintable(name));
        // The widest fraction bar (a flat rule) is the main one: on the math axis above the baseline.
        QRectF bar;
        for (const QPainterPath &path : recorder.paths()) {
            for (const QPolygonF &part : path.toSubpathPolygons()) {
                const QRectF rule = part.boundingRect();
                if (box.contains(rule) && rule.height() < 0.1 * em && rule.width() > bar.width())
                    bar = rule;
            }
        }
        // The formula alone and the page without it, the fonts in force kept for both.
        printing::ReportPage alone;
        printing::ReportPage rest;
        for (qsizetype j = 0; j < report.steps.size(); ++j) {
            const bool font = std::holds_alternative<printing::FontStep>(report.steps[j]);
            if (j == i || font)
                alone.steps.append(report.steps[j]);
            if (j != i)
                rest.steps.append(report.steps[j]);
        }
        const QImage ink_image = page_image(alone, dpi);
        const QImage rest_image = page_image(rest, dpi);

        const auto check = [&](const char *what, double off_pixels) {
            const double off = off_pixels * 72 / dpi;
            return qAbs(off) <= 0.3 ? QString() : QStringLiteral("%1: %2 %3 pt off").arg(name, what).arg(off);
        };
        double axis = *value_baseline - f::axis_height() * em;
        if (formula->bar_on_sign) {
            // The rows of the sign's ink, in the 12 pt cell where the value's run begins.
            const int left = qRound(value.x * pixels_per_twip), cell = 12 * dpi / 72;
            int top = -1, bottom = -1;
            for (int y = qRound(*value_baseline) - cell; y <= qRound(*value_baseline); ++y) {
                for (int x = left; x < left + cell; ++x) {
                    if (qGray(rest_image.pixel(x, y)) < 160) {
                        top = top < 0 ? y : top;
                        bottom = y;
                    }
                }
            }
            QVERIFY2(top >= 0, qPrintable(name));
            axis = (top + bottom + 1) / 2.0;
        }
        if (!bar.isEmpty()) {
            const QString message = check("bar", bar.center().y() - axis);
            QVERIFY2(message.isEmpty(), qPrintable(message));
        }
        // A left-hand side stands on the main line itself.
        if (bar.isEmpty() || left_side->x() < bar.left()) {
            const QString message = check("left-hand side", left_side->y() - *value_baseline);
            QVERIFY2(message.isEmpty(), qPrintable(message));
        }
        QRect ink;
        for (int y = 0; y < ink_image.height(); ++y)
            for (int x = 0; x < ink_image.width(); ++x)
                if (qGray(ink_image.pixel(x, y)) < 160)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY2(!ink.isEmpty(), qPrintable(name));
        // 40 twips are 8 pixels; one less for the antialiased edges.
        const QRect around = ink.adjusted(-7, -7, 7, 7).intersected(rest_image.rect());
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x)
                QVERIFY2(qGray(rest_image.pixel(x, y)) >= 160,
                         qPrintable(QStringLiteral("%1: ink at (%2, %3) px near its ink %4,%5 %6x%7").arg(name)
                                        .arg(x).arg(y).arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
        ++checked;
    }
    QVERIFY(checked >= 2);
}

void TestPictures::allowable_stress_tables_share_one_type_size_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<double>("twips_per_pixel");  // 0 on paper
    QTest::addColumn<double>("least_pixels");     // the em, in pixels of the target
    // Room enough for a readable size at a millimetre from the rules: 5.5 pt.
    QTest::newRow("paper") << 1200 << 0.0 << 5.5 * 1200 / 72;
    // In Morvik's window at 96 dpi, a pixel from the rules: digits of 7 pixels and more.
    QTest::newRow("window") << 96 << 15.0 << 10.0;
}

void TestPictures::allowable_stress_tables_share_one_type_size()
{
    // Titles, notes and cells of the four tables in one size, none shrunk to fit its cell; the
    // millimetre to the rules is measured where it is tightest, in the bond table's corner.
    QFETCH(int, dpi);
    QFETCH(double, twips_per_pixel);
    QFETCH(double, least_pixels);
    Recorder recorder(dpi);
    QPainter painter(&recorder);
    for (Picture table : {Picture::AllowableStress1, Picture::AllowableStress2, Picture::AllowableStress3,
                          Picture::AllowableStress4})
        drawing::draw_picture(painter, table, QRectF(QPointF(0, 0), drawing::natural_size(table) * dpi / 1440.0),
                              drawing::PictureTarget{twips_per_pixel});
    painter.end();
    QVERIFY(recorder.runs().size() >= 40);
    const double em = recorder.runs().first().em;
    for (const Recorder::Run &run : recorder.runs())
        QVERIFY2(qAbs(run.em - em) < 0.01, qPrintable(QString::number(run.em)));
    QVERIFY2(em >= least_pixels - 0.01, qPrintable(QString::number(em)));
}

void TestPictures::corner_headings_on_their_sides_of_the_diagonal_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("1200 dpi") << 1200;
    QTest::newRow("300 dpi") << 300;
}

void TestPictures::corner_headings_on_their_sides_of_the_diagonal()
{
    // The bond-stress table's corner: 鉄筋 (the rows) below the diagonal on the left, コンクリート
    // (the columns) above it on the right, each a millimetre clear of the diagonal and the cell's lines.
    QFETCH(int, dpi);
    const Picture table = Picture::AllowableStress4;
    const QRectF area(QPointF(0, 0), drawing::natural_size(table) * dpi / 1440.0);
    Recorder recorder(dpi);
    QPainter recording(&recorder);
    drawing::draw_picture(recording, table, area, drawing::paper);
    recording.end();
    QLineF diagonal;
    for (const QPainterPath &path : recorder.paths()) {
        if (path.elementCount() == 2 && path.elementAt(0).x != path.elementAt(1).x &&
            path.elementAt(0).y != path.elementAt(1).y)
            diagonal = QLineF(path.elementAt(0), path.elementAt(1));
    }
    QVERIFY(!diagonal.isNull());
    const QRectF cell = QRectF(diagonal.p1(), diagonal.p2()).normalized();

    QImage image(area.size().toSize() + QSize(1, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawing::draw_picture(painter, table, area, drawing::paper);
    painter.end();

    // Half the table's outline (the widest of the cell's lines) and the antialiased pixel.
    const double line = 11.0 * dpi / 1440 + 1;
    const double clear = dpi / 25.4;  // a millimetre
    QRect above;
    QRect below;
    for (int y = int(cell.top()); y <= int(cell.bottom()); ++y) {
        for (int x = int(cell.left()); x <= int(cell.right()); ++x) {
            if (qGray(image.pixel(x, y)) >= 128)
                continue;
            const QPointF centre(x + 0.5, y + 0.5);
            // Distances to the diagonal (positive above it) and to the nearest side of the cell.
            const double side = std::min({centre.x() - cell.left(), cell.right() - centre.x(),
                                          centre.y() - cell.top(), cell.bottom() - centre.y()});
            const double off = (diagonal.p1().y() + (centre.x() - diagonal.p1().x()) * cell.height() / cell.width() -
                                centre.y()) * cell.width() / std::hypot(cell.width(), cell.height());
            if (std::abs(off) <= line || side <= line)
                continue;  // the lines themselves
            // Less the antialiased pixel at either edge.
            QVERIFY2(std::abs(off) >= line + clear - 2 && side >= line + clear - 2,
                     qPrintable(QStringLiteral("lettering at (%1, %2) px: %3 px from the diagonal, %4 px from a side")
                                    .arg(x).arg(y).arg(std::abs(off) - line).arg(side - line)));
            (off > 0 ? above : below) |= QRect(x, y, 1, 1);
        }
    }
    // The long column heading above and right, the short row heading below and left.
    QVERIFY(!above.isEmpty() && !below.isEmpty());
    QVERIFY(above.width() > 2 * below.width());
    QVERIFY(above.center().x() > below.center().x() && above.center().y() < below.center().y());
}

void TestPictures::fraction_stacks_over_its_bar()
{
    const f::Box numerator = f::text("1").layout();
    const f::Box denominator = f::row({f::var("b"), f::op("×"), f::var("d")}).layout();
    const f::Box fraction = f::frac(f::text("1"), f::row({f::var("b"), f::op("×"), f::var("d")})).layout();
    const double axis = f::axis_height();

    QVERIFY(fraction.width > denominator.width);
    // The bar lies on the axis, across the middle of the box.
    QVERIFY(fraction.outline().contains(QPointF(fraction.width / 2, -axis)));
    QVERIFY(!fraction.outline().contains(QPointF(fraction.width / 2, -axis - 0.1)));
    // Numerator wholly above the bar, denominator wholly below, neither touching it.
    const QRectF ink = fraction.ink;
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
    QVERIFY(radical.outline().contains(QPointF(body_left + 0.1, bar_y)));
    QVERIFY(radical.outline().contains(QPointF(radical.width - 0.1, bar_y)));
    QVERIFY(!radical.outline().contains(QPointF(body_left + body.width / 2, -body.ascent - 0.07)));
    // The sign reaches below the baseline at its foot, left of the radicand.
    QVERIFY(radical.ink.bottom() > 0);
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
    const QRectF exponent = squared.outline().intersected(right_part).boundingRect();
    QVERIFY(!exponent.isEmpty());
    QCOMPARE_LE(exponent.height(), alone.ink.height() + 0.01);
    QVERIFY(exponent.bottom() < -0.3);                 // well clear of the baseline
    QVERIFY(exponent.top() < base.ink.top());  // above the letter's top
}

void TestPictures::delimiters_enclose_a_fraction()
{
    const f::Expr half = f::frac(f::text("1"), f::text("2"));
    const f::Box inner = half.layout();
    for (const f::Box &fenced : {f::parens(half).layout(), f::brackets(half).layout(), f::braces(half).layout()}) {
        const QRectF ink = fenced.ink;
        QVERIFY(ink.top() < inner.ink.top());
        QVERIFY(ink.bottom() > inner.ink.bottom());
        QVERIFY(fenced.width > inner.width + 0.3);
        // Symmetric about the axis, as a reader expects delimiters to sit.
        QVERIFY(qAbs((-fenced.ascent + fenced.descent) / 2 + f::axis_height()) < 1e-9);
    }
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"

void TestPictures::tables_give_the_member_checks_values_data()
{
    // The cell drawn under a column heading in the row of a row label (none: the first cell below
    // the heading) begins with the value the member check takes from the table.
    QTest::addColumn<Picture>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("value");
    using namespace members;
    for (int strength : {21, 24})
        QTest::addRow("σca %d", strength) << Picture::AllowableStress1 << QString::number(strength) << QString()
                                          << table_compression(strength) + u'(';
    for (SteelGrade grade : {SteelGrade::SD295, SteelGrade::SD345}) {
        for (TensionRow row : {TensionRow::General, TensionRow::SlabBridge})
            QTest::addRow("σsa %s %s", qPrintable(tension_row_name(row)), qPrintable(grade_name(grade)))
                << Picture::AllowableStress2 << grade_name(grade) << tension_row_name(row) << table_tension(row, grade);
    }
    for (int strength : {18, 24}) {
        QTest::addRow("τa 梁 %d", strength) << Picture::AllowableStress3 << QString::number(strength)
                                           << QStringLiteral("梁") << table_shear(strength);
        for (BarSurface surface : {BarSurface::Deformed, BarSurface::Plain})
            QTest::addRow("τoa %s %d", qPrintable(bar_surface_name(surface)), strength)
                << Picture::AllowableStress4 << QString::number(strength) << bar_surface_name(surface)
                << table_bond(surface, strength);
    }
    // The bar table's cells: area and (perimeter) of n bars, n times the member check's one bar.
    for (const BarSize &bar : bar_sizes) {
        for (int n : {1, 2, 3, 4, 5, 6, 8}) {
            if (QByteArray("D13 D16 D19").contains(bar.name))
                QTest::addRow("%s × %d", bar.name, n) << Picture::BarTable << QString::number(n) << QString::fromLatin1(bar.name)
                                                      << QStringLiteral("%1 (%2)").arg(bar.area * n, 0, 'f', 2).arg(bar.perimeter * n);
        }
    }
}

void TestPictures::tables_give_the_member_checks_values()
{
    QFETCH(Picture, table);
    QFETCH(QString, column);
    QFETCH(QString, row);
    QFETCH(QString, value);
    // The table alone on a page of PDF, its words read back with their boxes.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("table.pdf"));
    printing::ReportPage page;
    page.picture(table, 1000, 1000);
    QVERIFY(printing::write_report_pdf(pdf, {page}, {}, nullptr));
    const QList<test_support::PdfWord> words = test_support::pdf_words(pdf).value(0);
    const auto word = [&words](const QString &text) {
        const auto it = std::find_if(words.begin(), words.end(), [&text](const auto &w) { return w.text == text; });
        return it == words.end() ? test_support::PdfWord{} : *it;
    };
    const auto middle = [](const test_support::PdfWord &w) { return QPointF(w.x + w.right, w.y + w.bottom) / 2; };
    const test_support::PdfWord heading = word(column);
    const test_support::PdfWord label = row.isEmpty() ? heading : word(row);
    QVERIFY(!heading.text.isEmpty() && !label.text.isEmpty());
    // The heading's column below it, nearest the label's line first; a bar cell is two lines.
    QList<test_support::PdfWord> cell;
    for (const test_support::PdfWord &w : words) {
        if (std::abs(middle(w).x() - middle(heading).x()) < 1 && w.y > heading.bottom)
            cell.append(w);
    }
    std::sort(cell.begin(), cell.end(), [&](const auto &a, const auto &b) {
        return std::abs(middle(a).y() - middle(label).y()) < std::abs(middle(b).y() - middle(label).y());
    });
    cell = cell.mid(0, table == Picture::BarTable ? 2 : 1);
    std::sort(cell.begin(), cell.end(), [](const auto &a, const auto &b) { return a.y < b.y; });
    QString drawn;
    for (const test_support::PdfWord &w : cell)
        drawn += (drawn.isEmpty() ? QString() : QStringLiteral(" ")) + w.text;
    QVERIFY2(drawn.startsWith(value), qPrintable(drawn + QStringLiteral(" drawn, ") + value + QStringLiteral(" expected")));
}
