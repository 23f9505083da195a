// The built-in vehicle bitmaps: present, of the sizes the layout is made
// for, real artwork, and what the generator in tools/artwork draws.
#include "drawing/bitmaps.h"
#include "tools/artwork/vehicleart.h"

#include <QSet>
#include <QtTest>

namespace {

// Anti-aliased edges may differ by a shade between processors.
bool sameShade(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 3 && qAbs(qGreen(a) - qGreen(b)) <= 3 &&
           qAbs(qBlue(a) - qBlue(b)) <= 3;
}

} // namespace

class DrawingBitmapsTest : public QObject {
    Q_OBJECT

private slots:
    void bitmaps_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("size");
        const struct {
            const char *name;
            int width;
            int height;
        } table[] = {
            {"TruckWheel1", 21, 18}, {"TruckHead1", 37, 46},        {"LightTruckHead", 37, 46},
            {"CarTireS", 15, 14},    {"CarHeadS1", 50, 25},         {"CarBackS1", 41, 25},
            {"VanTire", 18, 17},     {"VanHead", 57, 38},           {"VanBack", 42, 38},
            {"BusTire", 23, 17},     {"BusHead", 79, 40},           {"BusBack", 62, 40},
            {"BusLink", 16, 40},     {"MotorTire2", 16, 15},        {"MotorHead2", 30, 30},
            {"MotorBack2", 31, 30},  {"UnclassifiedWheel", 21, 18}, {"TractorTire", 14, 14},
            {"TractorHead", 28, 46}, {"TractorBack", 33, 46},
        };
        int index = 0;
        for (const auto &entry : table)
            QTest::newRow(entry.name) << index++ << QSize(entry.width, entry.height);
    }

    void bitmaps() {
        QFETCH(int, index);
        QFETCH(QSize, size);

        const QImage resource(QStringLiteral(":/res/bmps/%1.bmp").arg(QTest::currentDataTag()));
        QVERIFY(!resource.isNull());
        QCOMPARE(resource.size(), size);
        QCOMPARE(vehicleBitmap(index).size(), size);
        QCOMPARE(vehicleBitmap(index).toImage().convertToFormat(QImage::Format_RGB32),
                 resource.convertToFormat(QImage::Format_RGB32));

        // Artwork, not a blank box: a good part of it drawn, in several
        // colours; and what the generator draws today.
        const QImage image = resource.convertToFormat(QImage::Format_RGB32);
        const QImage generated = drawVehicleArt(index);
        QCOMPARE(generated.size(), size);
        QSet<QRgb> colours;
        int drawnPixels = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                colours.insert(pixel);
                drawnPixels += qGray(pixel) < 200 ? 1 : 0;
                QVERIFY2(sameShade(generated.pixel(x, y), pixel),
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY2(colours.size() >= 4, qPrintable(QString::number(colours.size())));
        QVERIFY(drawnPixels * 5 >= size.width() * size.height());
    }

    void unknownIndexGivesNothing() {
        QVERIFY(vehicleBitmap(-1).isNull());
        QVERIFY(vehicleBitmap(VehicleBitmapCount).isNull());
        QVERIFY(drawVehicleArt(VehicleBitmapCount).isNull());
    }
};

QTEST_MAIN(DrawingBitmapsTest)
#include "tst_drawingbitmaps.moc"
