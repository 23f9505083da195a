// The vehicle drawing: scene geometry in a 400 x 90 view, where half the view
// height, the line everything is laid out from, is 45 and a metre is 21
// pixels; and the built-in bitmaps: of the sizes the layout is made for, real
// artwork, and what the generator in tools/artwork draws.
#include "drawing/bitmaps.h"
#include "drawing/vehicledrawing.h"
#include "scenetext.h"
#include "tools/artwork/vehicleart.h"

#include <QtTest>

Q_DECLARE_METATYPE(Subclass)

namespace {

QStringList drawn(const Subclass &subclass, bool drawMaximum, float append = 0.0f) {
    QGraphicsView view;
    view.resize(400, 90);
    VehicleDrawing(&view, drawMaximum, 0.0f, append).draw(subclass);
    return sceneText(view.scene());
}

// A row of the geometry table; expected lists the scene's lines joined by "; ".
void row(const char *name, const char *configuration, const char *axles, const char *minimums,
         const char *maximums, float append, const char *expected) {
    QTest::newRow(name) << subclassOf(configuration, axles, minimums, maximums) << append
                        << QString::fromLatin1(expected);
}

} // namespace

class TestVehicleDrawing : public QObject {
    Q_OBJECT

private slots:
    void geometry_data() {
        QTest::addColumn<Subclass>("subclass");
        QTest::addColumn<float>("append");
        QTest::addColumn<QString>("expected");

        // At the minimum, 3.2 m: the second wheel at 8 + 67.2, recorded as
        // 75 (right edge 96); chassis and body start at the cab's back.
        // A spare distance past the axles is not drawn.
        row("H2 at minimum", "H2", "2", "3.2,9", "6,9", 0,
            "TruckWheel1 8,45; TruckWheel1 75.2,45; TruckHead1 0,12; black 37,45 59x12; "
            "black 37,5 60x40; TruckWheel1 8,45; TruckWheel1 75.2,45");
        // Chassis to the last wheel, gaps in front of the trailer body and
        // behind the tractor, the trailer body from the cab's back, 1.2 m
        // of rear overhang.
        row("semi-trailer", "H2S3", "5", "3,4,1.2,1.2", "4,7.5,1.4,1.4", 1.2f,
            "TruckWheel1 8,45; TruckWheel1 71,45; TruckWheel1 155,45; TruckWheel1 180.2,45; "
            "TruckWheel1 205.4,45; TruckHead1 0,12; black 37,45 189x12; white 35,5 2x40; "
            "white 93,45 2x12; black 37,5 189x40; black 226,5 25.2x52; TruckWheel1 8,45; "
            "TruckWheel1 71,45; TruckWheel1 155,45; TruckWheel1 180.2,45; TruckWheel1 205.4,45");
        // The truck's own body, and a drawbar stub behind its last wheel.
        row("drawbar trailer", "H2D2", "4", "3.2,2.5,3", "5,4,5.5", 0,
            "TruckWheel1 8,45; TruckWheel1 75.2,45; TruckWheel1 127.7,45; TruckWheel1 190.7,45; "
            "TruckHead1 0,12; black 37,45 174x12; black 37,5 60x40; black 97,45 2x12; "
            "TruckWheel1 8,45; TruckWheel1 75.2,45; TruckWheel1 127.7,45; TruckWheel1 190.7,45");
        // The car's back ends at 91: a chassis bar joins it to the trailer.
        row("car with trailer", "C2T1", "3", "2.2,2.5", "3,4", 0.4f,
            "CarTireS 17,41; CarTireS 63.2,41; CarTireS 115.7,41; CarHeadS1 0,28; "
            "black 50,28 0x24; CarBackS1 50,28; black 91,38 39x12; white 91,-2 1x52; "
            "black 93,-2 37x40; black 130,-2 8.4x52; CarTireS 17,45; CarTireS 63.2,45; "
            "CarTireS 115.7,45");
        // The S group belongs to the bus: the back over the third wheel, the
        // joint halfway along the body.
        row("articulated bus", "B2S1", "3", "5,6", "6,7", 0,
            "BusTire 28,42; BusTire 133,42; BusTire 259,42; black 79,17 160x39; BusLink 159,17; "
            "BusHead 0,17; BusBack 239,17; BusTire 28,45; BusTire 133,45; BusTire 259,45");

        // The plain bus, motorcycle and tractor painters; the truck's and
        // the car's are above.
        row("bus", "B2", "2", "4.5", "9", 0,
            "BusTire 28,42; BusTire 122.5,42; black 79,17 23x39; BusHead 0,17; BusBack 102,17; "
            "BusTire 28,45; BusTire 122.5,45");
        // Body and bar may have negative widths for a short wheelbase.
        row("motorcycle", "M2", "2", "1.1", "9", 0,
            "MotorTire2 7,41; MotorTire2 30.1,41; black 30,30 -7x22; black 53,39 -7x12; "
            "MotorTire2 7,41; MotorTire2 30.1,41; MotorHead2 0,26; MotorBack2 23,26");
        row("tractor", "A2", "2", "2", "9", 0,
            "TractorTire 7,41; TractorTire 49,41; black 28,30 12x18; TractorTire 7,47; "
            "TractorTire 49,47; TractorHead 0,15; TractorBack 40,15");

        const char *const wheelsOnly = "UnclassifiedWheel 8,27; UnclassifiedWheel 50,27";
        row("unknown letter", "X2", "2", "2", "3", 0, wheelsOnly);
        row("numbers do not add up", "H2S3", "2", "2", "3", 0, wheelsOnly);
    }

    void geometry() {
        QFETCH(Subclass, subclass);
        QFETCH(float, append);
        QFETCH(QString, expected);
        QCOMPARE(drawn(subclass, false, append), expected.split("; "));
    }

    void inconsistentListsEmptyTheView_data() {
        QTest::addColumn<Subclass>("subclass");
        QTest::addColumn<QString>("reason"); // what the user is told
        Subclass shortMaximums = subclassOf("H2", "2", "3.2", "6");
        shortMaximums.remove_last_max_distance();
        QTest::newRow("unequal") << shortMaximums
                                 << "the lists of min. and max. distances differ in length";
        Subclass tooFew = subclassOf("H2S1", "3", "3,4", "3,4");
        for (int i = 0; i < 2; ++i) {
            tooFew.remove_last_min_distance();
            tooFew.remove_last_max_distance();
        }
        QTest::newRow("too few distances")
            << tooFew << "the min. distance between axles 2 and 3 is missing";
    }

    void inconsistentListsEmptyTheView() {
        QFETCH(Subclass, subclass);
        QTEST(VehicleDrawing::whyNotDrawable(subclass), "reason");
        QGraphicsView view;
        view.resize(400, 90);
        VehicleDrawing(&view, false, 0.0f, 0.0f).draw(subclassOf("H2", "2", "3.2", "6"));
        QVERIFY(!view.scene()->items().isEmpty());
        VehicleDrawing(&view, false, 0.0f, 0.0f).draw(subclass);
        // The empty scene replaces the earlier truck's, which is gone.
        QVERIFY(view.scene()->items().isEmpty());
        QCOMPARE(view.findChildren<QGraphicsScene *>(), QList<QGraphicsScene *>{view.scene()});
    }

    void malformedSubclassesNeitherCrashNorHang_data() {
        QTest::addColumn<Subclass>("subclass");
        // Numbers that add up only modulo 256, or groups of no axles, point
        // the group walk past the wheels there are.
        QTest::newRow("sum modulo 256") << subclassOf("H258", "2", "3", "4");
        QTest::newRow("group of no axles") << subclassOf("H0S2", "2", "3", "4");
        QTest::newRow("bus of no axles") << subclassOf("B0S2", "2", "3", "4");
        QTest::newRow("car of no axles") << subclassOf("C0T2", "2", "3", "4");
        QTest::newRow("huge distance") << subclassOf("H2S1", "3", "1e30,3", "1e38,inf");
        QTest::newRow("not a number") << subclassOf("H2", "2", "nan", "nan");
        QTest::newRow("negative distance") << subclassOf("C2T1", "3", "-3,2", "-5,2");
        QTest::newRow("no axles") << subclassOf("H0", "0", "", "");
        QTest::newRow("axle count far beyond the lists")
            << subclassOf("H2", "2000000000", "3", "3");
        QTest::newRow("many groups") << subclassOf("H1" + QString("D1").repeated(19), "20",
                                                   QString("2,").repeated(19).chopped(1),
                                                   QString("3,").repeated(19).chopped(1));
    }

    void malformedSubclassesNeitherCrashNorHang() {
        QFETCH(Subclass, subclass);
        for (bool drawMaximum : {false, true}) {
            const QString scene = drawn(subclass, drawMaximum, 1e30f).join("; ");
            QVERIFY(scene.count("; ") < 200);
            QVERIFY2(!scene.contains("inf") && !scene.contains("nan"), qPrintable(scene));
        }
    }

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
        QVERIFY(vehicleBitmap(-1).isNull() && !vehicleBitmapInfo(VehicleBitmapCount));
        QVERIFY(drawVehicleArt(VehicleBitmapCount).isNull());
    }
};

QTEST_MAIN(TestVehicleDrawing)
#include "tst_vehicledrawing.moc"
