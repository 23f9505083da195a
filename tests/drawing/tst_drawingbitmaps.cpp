// The built-in vehicle bitmaps: present, of the sizes the layout is made
// for, real artwork, and what the generator in tools/artwork draws.
#include "drawing/bitmaps.h"
#include "tools/artwork/vehicleart.h"

#include <QSet>
#include <QtTest>

namespace {

constexpr int shadeTolerance = 3;

bool sameShade(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= shadeTolerance &&
           qAbs(qGreen(a) - qGreen(b)) <= shadeTolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= shadeTolerance;
}

} // namespace

class DrawingBitmapsTest : public QObject {
    Q_OBJECT

private slots:
    void bitmaps_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const struct {
            const char *path;
            int width;
            int height;
        } table[] = {
            {":/res/bmps/TruckWheel1.bmp", 21, 18},       {":/res/bmps/TruckHead1.bmp", 37, 46},
            {":/res/bmps/LightTruckHead.bmp", 37, 46},    {":/res/bmps/CarTireS.bmp", 15, 14},
            {":/res/bmps/CarHeadS1.bmp", 50, 25},         {":/res/bmps/CarBackS1.bmp", 41, 25},
            {":/res/bmps/VanTire.bmp", 18, 17},           {":/res/bmps/VanHead.bmp", 57, 38},
            {":/res/bmps/VanBack.bmp", 42, 38},           {":/res/bmps/BusTire.bmp", 23, 17},
            {":/res/bmps/BusHead.bmp", 79, 40},           {":/res/bmps/BusBack.bmp", 62, 40},
            {":/res/bmps/BusLink.bmp", 16, 40},           {":/res/bmps/MotorTire2.bmp", 16, 15},
            {":/res/bmps/MotorHead2.bmp", 30, 30},        {":/res/bmps/MotorBack2.bmp", 31, 30},
            {":/res/bmps/UnclassifiedWheel.bmp", 21, 18}, {":/res/bmps/TractorTire.bmp", 14, 14},
            {":/res/bmps/TractorHead.bmp", 28, 46},       {":/res/bmps/TractorBack.bmp", 33, 46},
        };
        int index = 0;
        for (const auto &entry : table) {
            QTest::newRow(entry.path)
                << index++ << QString::fromLatin1(entry.path) << QSize(entry.width, entry.height);
        }
    }

    void bitmaps() {
        QFETCH(int, index);
        QFETCH(QString, path);
        QFETCH(QSize, size);

        const QImage resource(path);
        QVERIFY2(!resource.isNull(), qPrintable(path));
        QCOMPARE(resource.size(), size);
        QCOMPARE(vehicleBitmap(index).size(), size);
        QCOMPARE(vehicleBitmap(index).toImage().convertToFormat(QImage::Format_RGB32),
                 resource.convertToFormat(QImage::Format_RGB32));

        // Artwork, not a blank box: a good part of it drawn, in several
        // colours.
        const QImage image = resource.convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        int drawnPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                colours.insert(pixel);
                if (qGray(pixel) < 200) {
                    ++drawnPixels;
                }
            }
        }
        QVERIFY2(colours.size() >= 4, qPrintable(QString::number(colours.size())));
        QVERIFY2(drawnPixels * 5 >= image.width() * image.height(),
                 qPrintable(QString::number(drawnPixels)));

        // The committed file is what the generator draws today. Anti-aliased
        // edges may differ by a shade between processors.
        const QImage generated = drawVehicleArt(index);
        QCOMPARE(generated.size(), image.size());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QVERIFY2(sameShade(generated.pixel(x, y), image.pixel(x, y)),
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void unknownIndexGivesNothing() {
        QVERIFY(vehicleBitmap(-1).isNull());
        QVERIFY(vehicleBitmap(VehicleBitmapCount).isNull());
        QVERIFY(drawVehicleArt(VehicleBitmapCount).isNull());
    }
};

QTEST_MAIN(DrawingBitmapsTest)
#include "tst_drawingbitmaps.moc"
