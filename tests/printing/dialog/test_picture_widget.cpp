#include "printing/dialog/picture_widget.h"

#include <QImage>
#include <QtTest>

using printing::Picture;
using printing::PictureWidget;

class TestPictureWidget : public QObject {
    Q_OBJECT

private slots:
    void shows_its_picture_at_natural_size_data();
    void shows_its_picture_at_natural_size();
};

void TestPictureWidget::shows_its_picture_at_natural_size_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QSize>("size");
    // Natural size in twips over 15 twips to the pixel.
    QTest::newRow("Image1 5100 x 3840") << Picture::Image1 << QSize(340, 256);
    QTest::newRow("Image5 1965 x 255") << Picture::Image5 << QSize(131, 17);
    QTest::newRow("Image12 2940 x 645") << Picture::Image12 << QSize(196, 43);
    QTest::newRow("bar table 8010 x 3015") << Picture::BarTable << QSize(534, 201);
    QTest::newRow("printed bar table 5655 x 2010") << Picture::BarTableSmall << QSize(377, 134);
}

void TestPictureWidget::shows_its_picture_at_natural_size()
{
    QFETCH(Picture, picture);
    QFETCH(QSize, size);
    QWidget parent;
    parent.setStyleSheet(QStringLiteral("background: white"));
    PictureWidget widget(picture, &parent);
    parent.resize(size + QSize(20, 20));
    widget.move(10, 10);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    QCOMPARE(widget.size(), size);
    QCOMPARE(widget.sizeHint(), size);
    QCOMPARE(widget.objectName(), printing::picture_name(picture));

    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    QVERIFY2(dark > image.width() * image.height() / 100, "the widget shows (nearly) nothing");
}

QTEST_MAIN(TestPictureWidget)
#include "test_picture_widget.moc"
