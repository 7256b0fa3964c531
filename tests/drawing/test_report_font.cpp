// The report face resolves to IPA Gothic through the program's own substitution, and its
// half-width glyphs are exactly half an em, so labels padded with full-width blanks form columns.
#include "drawing/report_font.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestReportFont : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { drawing::install_font_substitutions(); }

    void face_resolves_to_ipa_gothic_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("full-width name") << QStringLiteral("ＭＳ ゴシック");
        QTest::newRow("latin name") << QStringLiteral("MS Gothic");
    }
    void face_resolves_to_ipa_gothic()
    {
        QFETCH(QString, family);
        QFont font(family);
        font.setPointSizeF(12);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(QFontInfo(drawing::report_font(12)).family(), QStringLiteral("IPAGothic"));
    }

    void half_width_is_half_an_em_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("pdf");
        QTest::newRow("PDF 1200 dpi") << 1200 << true;
        QTest::newRow("PDF 300 dpi") << 300 << true;
        QTest::newRow("screen image 96 dpi") << 96 << false;
        QTest::newRow("printer image 600 dpi") << 600 << false;
    }
    void half_width_is_half_an_em()
    {
        QFETCH(int, dpi);
        QFETCH(bool, pdf);
        QTemporaryDir dir;
        std::unique_ptr<QPaintDevice> device;
        if (pdf) {
            auto writer = std::make_unique<QPdfWriter>(dir.filePath(QStringLiteral("m.pdf")));
            writer->setResolution(dpi);
            device = std::move(writer);
        } else {
            auto image = std::make_unique<QImage>(10, 10, QImage::Format_RGB32);
            image->setDotsPerMeterX(qRound(dpi / 0.0254));
            image->setDotsPerMeterY(qRound(dpi / 0.0254));
            device = std::move(image);
        }
        const QFontMetricsF metrics(drawing::report_font(12), device.get());
        const double a = metrics.horizontalAdvance(QStringLiteral("A"));
        QCOMPARE(2 * a, metrics.horizontalAdvance(QStringLiteral("あ")));
        QCOMPARE(2 * a, metrics.horizontalAdvance(QStringLiteral("　")));
        // 12 pt is a sixth of an inch: the em must match the device's resolution.
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("　")), dpi / 6.0);
        // A padded label and a label of as many full-width characters end at the same place.
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("壁高　　　　　　　")),
                 metrics.horizontalAdvance(QStringLiteral("仮想背面との摩擦角")));
    }
};

QTEST_MAIN(TestReportFont)
#include "test_report_font.moc"
