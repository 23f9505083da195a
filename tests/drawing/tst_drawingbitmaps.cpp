// The built-in vehicle bitmaps: of the sizes the layout is made for, real
// artwork, and what the generator in tools/artwork draws.
#include "drawing/bitmaps.h"
#include "tools/artwork/vehicleart.h"

#include <QtTest>

class TestDrawingBitmaps : public QObject {
    Q_OBJECT

private slots:
    void bitmaps_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < VehicleBitmapCount; ++i)
            QTest::newRow(vehicleBitmapInfo(i)->path) << i;
    }

    void bitmaps() {
        QFETCH(int, index);
        const QImage image = vehicleBitmap(index).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage generated = drawVehicleArt(index);
        const VehicleBitmapInfo *info = vehicleBitmapInfo(index);
        QCOMPARE(image.size(), QSize(info->width, info->height));
        QCOMPARE(generated.size(), image.size());
        // Artwork, not a blank box: a good part of it drawn, in several
        // colours; and what the generator draws today, but for a shade of
        // anti-aliasing that may differ between processors.
        QSet<QRgb> colours;
        int drawnPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y), made = generated.pixel(x, y);
                colours.insert(pixel);
                drawnPixels += qGray(pixel) < 200 ? 1 : 0;
                QVERIFY2(qAbs(qRed(made) - qRed(pixel)) <= 3 &&
                             qAbs(qGreen(made) - qGreen(pixel)) <= 3 &&
                             qAbs(qBlue(made) - qBlue(pixel)) <= 3,
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY2(colours.size() >= 4, qPrintable(QString::number(colours.size())));
        QVERIFY(drawnPixels * 5 >= image.width() * image.height());
    }

    void unknownIndexGivesNothing() {
        QVERIFY(vehicleBitmap(-1).isNull());
        QVERIFY(vehicleBitmap(VehicleBitmapCount).isNull());
        QVERIFY(drawVehicleArt(VehicleBitmapCount).isNull());
    }
};

QTEST_MAIN(TestDrawingBitmaps)
#include "tst_drawingbitmaps.moc"
