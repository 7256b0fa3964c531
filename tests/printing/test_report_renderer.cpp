// The renderer on images of several resolutions: twips scale with the device, the items of a run
// continue exactly where the previous one ended, lines are one device pixel, pictures fill their
// natural size at their top-left corner.
#include "printing/report_renderer.h"

#include <QImage>
#include <QPainter>
#include <QTest>

Q_DECLARE_METATYPE(drawing::Picture)

namespace {

QImage blank_page(int dpi)
{
    // 3 × 2 inches is room enough for every step below.
    QImage image(3 * dpi, 2 * dpi, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

QImage rendered(int dpi, const printing::ReportPage &page)
{
    QImage image = blank_page(dpi);
    QPainter painter(&image);
    if (!printing::render_report(painter, page))
        return {};
    return image;
}

bool inked(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The bounding box of every non-white pixel.
QRect ink_box(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestReportRenderer : public QObject
{
    Q_OBJECT

private slots:
    void items_continue_where_the_previous_ended_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("whole");
        QTest::newRow("label and value, 96 dpi") << 96 << QStringList{"Ｈ : ", "1.0", " m"} << "Ｈ : 1.0 m";
        QTest::newRow("label and value, 300 dpi") << 300 << QStringList{"Ｈ : ", "1.0", " m"} << "Ｈ : 1.0 m";
        QTest::newRow("empty field draws nothing") << 96 << QStringList{"Pv : ", "", " KN/m"} << "Pv :  KN/m";
        QTest::newRow("value with units, 600 dpi")
            << 600 << QStringList{"5.801", " KN ( ", "5801", " N )"} << "5.801 KN ( 5801 N )";
    }
    void items_continue_where_the_previous_ended()
    {
        QFETCH(int, dpi);
        QFETCH(QStringList, items);
        QFETCH(QString, whole);
        printing::ReportPage pieces;
        pieces.font(12);
        pieces.text(200, 300, items);
        printing::ReportPage one;
        one.font(12);
        one.text(200, 300, {whole});
        const QImage a = rendered(dpi, pieces);
        QVERIFY(!a.isNull());
        QVERIFY(!ink_box(a).isEmpty());
        QCOMPARE(a, rendered(dpi, one));
    }

    void text_cell_starts_at_its_position_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("96 dpi") << 96;
        QTest::newRow("300 dpi") << 300;
    }
    void text_cell_starts_at_its_position()
    {
        QFETCH(int, dpi);
        // A full-width box-drawing block fills its cell: its ink starts at the cell's left edge and
        // lies inside the em below the top-left corner.
        printing::ReportPage page;
        page.font(12);
        page.text(1440, 720, {"■"});
        const QRect ink = ink_box(rendered(dpi, page));
        const double em = dpi / 6.0;
        QVERIFY2(ink.left() >= dpi && ink.left() <= dpi + em / 4, qPrintable(QString::number(ink.left())));
        QVERIFY(ink.top() >= dpi / 2 && ink.bottom() <= dpi / 2 + em);
        QVERIFY(ink.right() < dpi + em);
    }

    void lines_are_one_device_pixel_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("96 dpi") << 96;
        QTest::newRow("600 dpi") << 600;
    }
    void lines_are_one_device_pixel()
    {
        QFETCH(int, dpi);
        printing::ReportPage page;
        page.line(1440, 1440, 2880, 1440);  // one inch long, one inch down
        page.line(720, 360, 720, 2520);     // vertical, half an inch in
        const QImage image = rendered(dpi, page);
        const int middle = dpi * 3 / 2;
        int horizontal_rows = 0;
        for (int y = 0; y < image.height(); ++y)
            horizontal_rows += inked(image, middle, y) ? 1 : 0;
        QCOMPARE(horizontal_rows, 1);
        QVERIFY(inked(image, middle, dpi));
        QVERIFY(inked(image, dpi, dpi) && inked(image, 2 * dpi, dpi));
        QVERIFY(!inked(image, dpi - 2, dpi) && !inked(image, 2 * dpi + 2, dpi));
        int vertical_columns = 0;
        for (int x = 0; x < image.width(); ++x)
            vertical_columns += inked(image, x, dpi) && x < dpi - 2 ? 1 : 0;
        QCOMPARE(vertical_columns, 1);
        QVERIFY(inked(image, dpi / 2, dpi));
    }

    void pictures_fill_their_natural_size_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<drawing::Picture>("picture");
        QTest::newRow("PV formula, 96 dpi") << 96 << drawing::Picture::VerticalLoad;
        QTest::newRow("PV formula, 300 dpi") << 300 << drawing::Picture::VerticalLoad;
        QTest::newRow("Sto formula, 300 dpi") << 300 << drawing::Picture::Case1SlabShear;
    }
    void pictures_fill_their_natural_size()
    {
        QFETCH(int, dpi);
        QFETCH(drawing::Picture, picture);
        printing::ReportPage page;
        page.picture(picture, 720, 360);
        const QRect ink = ink_box(rendered(dpi, page));
        const QSizeF size = drawing::natural_size(picture) * dpi / 1440.0;
        const QRectF box(dpi / 2.0, dpi / 4.0, size.width(), size.height());
        QVERIFY(!ink.isEmpty());
        QVERIFY2(box.adjusted(-1, -1, 1, 1).contains(QRectF(ink)), qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                 .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
        // The drawing uses its box: its ink spans most of the width.
        QVERIFY(ink.width() > size.width() * 0.6);
    }
};

QTEST_MAIN(TestReportRenderer)
#include "test_report_renderer.moc"
