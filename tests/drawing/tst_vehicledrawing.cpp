// Scene geometry of the vehicle drawing. Views are 400 x 90 pixels, so half
// the view height, the line everything is laid out from, is 45.
#include "drawing/vehicledrawing.h"
#include "scenetext.h"

#include <QGraphicsView>
#include <QtTest>
#include <cmath>

Q_DECLARE_METATYPE(Subclass)

namespace {

QStringList capturedMessages;

void captureMessage(QtMsgType type, const QMessageLogContext &, const QString &message) {
    const char *level = type == QtDebugMsg ? "debug" : type == QtWarningMsg ? "warning" : "other";
    capturedMessages.append(QString::fromLatin1(level) + QStringLiteral(": ") + message);
}

// Collects what is logged while it lives.
class MessageCapture {
public:
    MessageCapture() {
        capturedMessages.clear();
        previous = qInstallMessageHandler(captureMessage);
    }
    ~MessageCapture() { qInstallMessageHandler(previous); }
    QStringList messages() const { return capturedMessages; }

private:
    QtMessageHandler previous;
};

constexpr int viewWidth = 400;
constexpr int viewHeight = 90;

} // namespace

class VehicleDrawingTest : public QObject {
    Q_OBJECT

private:
    QStringList drawn(const Subclass &subclass, bool drawMaximum, float append = 0.0f) {
        QGraphicsView view;
        view.resize(viewWidth, viewHeight);
        VehicleDrawing drawing(&view, drawMaximum, 0.0f, append);
        drawing.draw(subclass);
        return sceneText(view.scene());
    }

private slots:
    void sceneRectangleFollowsTheView() {
        QGraphicsView view;
        view.resize(viewWidth, viewHeight);
        VehicleDrawing drawing(&view, false, 0.0f, 0.0f);
        QCOMPARE(view.sceneRect(), QRectF(-2, -13, 360, 81));
        QCOMPARE(drawing.graphicsScene()->parent(), &view);
    }

    void axleConfigurationGroups() {
        const auto text = [](const QString &configuration) {
            QStringList groups;
            for (const AxleGroup &group : axleGroups(configuration)) {
                groups.append(QChar(group.letter) + QString::number(group.count));
            }
            return groups.join(' ');
        };
        QCOMPARE(text("H2T2D1S2"), QString("H2 T2 D1 S2"));
        QCOMPARE(text("H10S12"), QString("H10 S12"));
        QCOMPARE(text(""), QString());
        // A count too large for 32 bits reads as 0, as the configuration
        // check reads it.
        QCOMPARE(text("H99999999999S2"), QString("H0 S2"));
    }

    void truckWithTwoAxles() {
        // 3.2 m at 21 pixels a metre: the second wheel at 8 + 67.2, recorded
        // as 75 (right edge 96); chassis and body start at the cab's back.
        const QStringList expected = {
            "TruckWheel1 8,45", "TruckWheel1 75.2,45", "TruckHead1 0,12",    "black 37,45 59x12",
            "black 37,5 60x40", "TruckWheel1 8,45",    "TruckWheel1 75.2,45"};
        QCOMPARE(drawn(subclassOf("H2", "2", "3.2", "6"), false), expected);
    }

    void minimumAndMaximumViewsUseTheirOwnList() {
        const Subclass truck = subclassOf("H2", "2", "3.2", "6");
        const QStringList maximum = drawn(truck, true);
        // 6 m: wheel at 8 + 126, body to its right edge 155.
        QVERIFY2(maximum.contains("TruckWheel1 134,45"), qPrintable(maximum.join('\n')));
        QVERIFY(maximum.contains("black 37,5 119x40"));
        QVERIFY(maximum.contains("black 37,45 118x12"));
        QVERIFY(!maximum.contains("TruckWheel1 75.2,45"));

        const Subclass fixed = subclassOf("H2S3", "5", "3,4,1.2,1.2", "3,4,1.2,1.2");
        QCOMPARE(drawn(fixed, true), drawn(fixed, false));
    }

    void semiTrailer() {
        // Wheels at 8, 71, 155, 180.2 and 205.4: the tractor's right edge is
        // 92, the trailer's last 226.
        const QStringList expected = {
            "TruckWheel1 8,45",     "TruckWheel1 71,45",    "TruckWheel1 155,45",
            "TruckWheel1 180.2,45", "TruckWheel1 205.4,45", "TruckHead1 0,12",
            "black 37,45 189x12",  // chassis to the last wheel
            "white 35,5 2x40",     // gap in front of the trailer body
            "white 93,45 2x12",    // gap in the chassis behind the tractor
            "black 37,5 189x40",   // trailer body from the cab's back
            "black 226,5 25.2x52", // 1.2 m rear overhang
            "TruckWheel1 8,45",     "TruckWheel1 71,45",    "TruckWheel1 155,45",
            "TruckWheel1 180.2,45", "TruckWheel1 205.4,45"};
        QCOMPARE(drawn(subclassOf("H2S3", "5", "3,4,1.2,1.2", "4,7.5,1.4,1.4"), false, 1.2f),
                 expected);
    }

    void drawbarTrailer() {
        const QStringList scene = drawn(subclassOf("H2D2", "4", "3.2,2.5,3", "5,4,5.5"), false);
        const QStringList rects =
            linesStartingWith(scene, "black") + linesStartingWith(scene, "white");
        // Chassis, the truck's own body over its axles, and the 2-pixel
        // drawbar stub below the body line behind its last wheel.
        QCOMPARE(rects,
                 QStringList({"black 37,45 174x12", "black 37,5 60x40", "black 97,45 2x12"}));
        QCOMPARE(linesStartingWith(scene, "TruckWheel1").size(), 8);
    }

    void fullTrailer() {
        // H3T2: wheels at 8, 81.5, 108.8, 171.8 and 255.8 (right edges 29,
        // 102, 129, 192, 276).
        const QStringList scene =
            drawn(subclassOf("H3T2", "5", "3.5,1.3,3,4", "4.5,1.4,5,6", "0.6"), false, 0.6f);
        const QStringList rects =
            linesStartingWith(scene, "black") + linesStartingWith(scene, "white");
        QCOMPARE(rects, QStringList({"black 37,45 239x12", "black 37,5 93x40", "black 132,5 144x40",
                                     "black 276,5 12.6x52", "white 130,5 1x52"}));
        // The white gap comes before the trailer body it separates.
        QVERIFY(scene.indexOf("white 130,5 1x52") < scene.indexOf("black 132,5 144x40"));
    }

    void groupWithTwoDigitAxleCount() {
        const QString nine = QStringList(QVector<QString>(9, "1.3").toList()).join(',');
        const QStringList scene = drawn(subclassOf("H10", "10", nine, nine), false);
        const QStringList wheels = linesStartingWith(scene, "TruckWheel1");
        QCOMPARE(wheels.size(), 20);
        // The body reaches the tenth wheel's right edge plus one.
        const double lastX = wheels.at(9).section(' ', 1).section(',', 0, 0).toDouble();
        const int bodyEnd = int(lastX) + 21 + 1;
        QVERIFY2(scene.contains(QStringLiteral("black 37,5 %1x40").arg(bodyEnd - 37)),
                 qPrintable(scene.join('\n')));
    }

    void painters_data() {
        QTest::addColumn<QString>("configuration");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QStringList>("expected");

        // Car: head, body, back centred over the second wheel, wheels again
        // 4 pixels lower.
        QTest::newRow("car") << "C2"
                             << "2.2" << QStringList{"CarTireS 17,41",  "CarTireS 63.2,41",
                                                     "CarHeadS1 0,28",  "black 50,28 0x24",
                                                     "CarBackS1 50,28", "CarTireS 17,45",
                                                     "CarTireS 63.2,45"};
        QTest::newRow("van") << "V2"
                             << "2.8"
                             << QStringList{"VanTire 19,44",    "VanTire 77.8,44", "VanHead 0,20",
                                            "black 57,20 8x37", "VanBack 65,20",   "VanTire 19,48",
                                            "VanTire 77.8,48"};
        QTest::newRow("light truck")
            << "L2"
            << "2.5"
            << QStringList{"TruckWheel1 8,49",   "TruckWheel1 60.5,49", "LightTruckHead 0,12",
                           "black 37,45 44x12",  "black 37,5 45x40",    "TruckWheel1 8,49",
                           "TruckWheel1 60.5,49"};
        QTest::newRow("bus") << "B2"
                             << "4.5" << QStringList{"BusTire 28,42",     "BusTire 122.5,42",
                                                     "black 79,17 23x39", "BusHead 0,17",
                                                     "BusBack 102,17",    "BusTire 28,45",
                                                     "BusTire 122.5,45"};
        // Motorcycle: the body and bar may come out with negative widths for
        // a short wheelbase; head and back go on top of the wheels.
        QTest::newRow("motorcycle")
            << "M2"
            << "1.1" << QStringList{"MotorTire2 7,41",   "MotorTire2 30.1,41", "black 30,30 -7x22",
                                    "black 53,39 -7x12", "MotorTire2 7,41",    "MotorTire2 30.1,41",
                                    "MotorHead2 0,26",   "MotorBack2 23,26"};
        QTest::newRow("tractor") << "A2"
                                 << "2" << QStringList{"TractorTire 7,41",  "TractorTire 49,41",
                                                       "black 28,30 12x18", "TractorTire 7,47",
                                                       "TractorTire 49,47", "TractorHead 0,15",
                                                       "TractorBack 40,15"};
    }

    void painters() {
        QFETCH(QString, configuration);
        QFETCH(QString, minimum);
        QFETCH(QStringList, expected);
        QCOMPARE(drawn(subclassOf(configuration, "2", minimum, "9"), false), expected);
    }

    void carWithTrailer() {
        // Wheels at 17, 63.2 and 115.7; the back ends at 91, so a chassis bar
        // joins it to the trailer's last wheel (right edge 130).
        const QStringList scene =
            drawn(subclassOf("C2T1", "3", "2.2,2.5", "3,4", "0.4"), false, 0.4f);
        const QStringList rects =
            linesStartingWith(scene, "black") + linesStartingWith(scene, "white");
        QCOMPARE(rects, QStringList({"black 50,28 0x24", "black 91,38 39x12", "black 93,-2 37x40",
                                     "black 130,-2 8.4x52", "white 91,-2 1x52"}));
    }

    void articulatedBus() {
        // B2S1: the S group belongs to the bus; the back sits over the third
        // wheel (x 259) and the joint halfway along the body.
        const QStringList expected = {"BusTire 28,42",      "BusTire 133,42", "BusTire 259,42",
                                      "black 79,17 160x39", "BusLink 159,17", "BusHead 0,17",
                                      "BusBack 239,17",     "BusTire 28,45",  "BusTire 133,45",
                                      "BusTire 259,45"};
        QCOMPARE(drawn(subclassOf("B2S1", "3", "5,6", "6,7"), false), expected);
    }

    void unclassifiedWheelsOnly_data() {
        QTest::addColumn<QString>("configuration");
        QTest::addColumn<QString>("axles");
        QTest::newRow("unknown first letter") << "X2"
                                              << "2";
        QTest::newRow("numbers do not add up") << "H2S3"
                                               << "2";
        QTest::newRow("trailer letter first") << "S2"
                                              << "2";
        QTest::newRow("no configuration") << ""
                                          << "2";
        QTest::newRow("trailing text") << "H2 "
                                       << "2";
    }

    void unclassifiedWheelsOnly() {
        QFETCH(QString, configuration);
        QFETCH(QString, axles);
        QCOMPARE(drawn(subclassOf(configuration, axles, "2", "3"), false),
                 QStringList({"UnclassifiedWheel 8,27", "UnclassifiedWheel 50,27"}));
    }

    void inconsistentListsLeaveTheSceneEmpty() {
        Subclass subclass = subclassOf("H2", "2", "3.2", "6");
        subclass.remove_last_max_distance(); // minimums 2 entries, maximums 1

        QGraphicsView view;
        view.resize(viewWidth, viewHeight);
        VehicleDrawing(&view, false, 0.0f, 0.0f).draw(subclassOf("H2", "2", "3.2", "6"));
        QVERIFY(!view.scene()->items().isEmpty());

        MessageCapture capture;
        VehicleDrawing(&view, false, 0.0f, 0.0f).draw(subclass);
        // The view must show the empty scene, not go on showing the truck.
        QVERIFY(view.scene()->items().isEmpty());

        const QString dashes(57, '-');
        const QStringList expected = {
            "debug: " + dashes,
            "warning: Can not draw due to invalid axles stuff. Ideally this warning should not "
            "appear and be handled before drawing is called. This is here to eliminate a logic "
            "error that crashes stuff.",
            "debug: axle vectors equal: false",
            "debug: vectors longer than number of axles: false Vector length: 2 2",
            "debug: " + subclass.to_string(),
            "debug: " + dashes};
        QCOMPARE(capture.messages(), expected);
    }

    void tooFewDistancesLeaveTheSceneEmpty() {
        Subclass subclass = subclassOf("H2S1", "3", "3,4", "3,4");
        for (int i = 0; i < 2; ++i) {
            subclass.remove_last_min_distance();
            subclass.remove_last_max_distance();
        }
        MessageCapture capture;
        QVERIFY(drawn(subclass, true).isEmpty());
        QVERIFY(capture.messages().contains(
            "debug: vectors longer than number of axles: false Vector length: 1 3"));
        QVERIFY(capture.messages().contains("debug: axle vectors equal: true"));
    }

    void drawableCheck_data() {
        QTest::addColumn<Subclass>("subclass");
        QTest::addColumn<bool>("drawable");
        QTest::addColumn<QString>("message");

        QTest::newRow("positive distances") << subclassOf("H2S1", "3", "3,4", "5,6") << true << "";
        QTest::newRow("zero minimum")
            << subclassOf("H2S1", "3", "3,0", "5,6") << false
            << "Can't draw because at index 1 min dist is 0 and max dist is 6";
        QTest::newRow("text that is no number")
            << subclassOf("H2S1", "3", "3,4", "x,6") << false
            << "Can't draw because at index 0 min dist is 3 and max dist is x";
        Subclass shortList = subclassOf("H2S1", "3", "3,4", "5,6");
        shortList.remove_last_min_distance();
        shortList.remove_last_min_distance();
        QTest::newRow("minimum list too short")
            << shortList << false << "Can't draw because at index 1 min dist is  and max dist is 6";
        QTest::newRow("one axle") << subclassOf("H1", "1", "", "") << false << "";
        QTest::newRow("21 axles") << subclassOf("H21", "21", QString("1,").repeated(20).chopped(1),
                                                QString("1,").repeated(20).chopped(1))
                                  << false << "";
        QTest::newRow("20 axles") << subclassOf("H20", "20", QString("1,").repeated(19).chopped(1),
                                                QString("1,").repeated(19).chopped(1))
                                  << true << "";
    }

    void drawableCheck() {
        QFETCH(Subclass, subclass);
        QFETCH(bool, drawable);
        QFETCH(QString, message);
        MessageCapture capture;
        QCOMPARE(VehicleDrawing::isDrawable(subclass), drawable);
        if (!message.isEmpty()) {
            QCOMPARE(capture.messages(), QStringList("debug: " + message));
        }
    }

    void couplingLetterIsFoldedToUpperCase() {
        for (char letter : {'t', 's', 'd'}) {
            QGraphicsView lowerView;
            QGraphicsView upperView;
            VehicleDrawing lower(&lowerView, false, 0.0f, 1.0f);
            VehicleDrawing upper(&upperView, false, 0.0f, 1.0f);
            lower.drawLink(letter, 100, 40, 5, 200, lower.graphicsScene());
            upper.drawLink(char(std::toupper(letter)), 100, 40, 5, 200, upper.graphicsScene());
            QVERIFY(!sceneText(lower.graphicsScene()).isEmpty());
            QCOMPARE(sceneText(lower.graphicsScene()), sceneText(upper.graphicsScene()));
        }
        QGraphicsView view;
        VehicleDrawing other(&view, false, 0.0f, 1.0f);
        other.drawLink('H', 100, 40, 5, 200, other.graphicsScene());
        QVERIFY(other.graphicsScene()->items().isEmpty());
    }

    void malformedSubclassesNeitherCrashNorHang_data() {
        QTest::addColumn<Subclass>("subclass");
        // Numbers that add up only modulo 256, or a group of no axles, point
        // the group walk past the wheels there are.
        QTest::newRow("sum modulo 256") << subclassOf("H258", "2", "3", "4");
        QTest::newRow("group of no axles") << subclassOf("H0S2", "2", "3", "4");
        QTest::newRow("group count beyond 32 bits") << subclassOf("H99999999999S2", "2", "3", "4");
        QTest::newRow("bus of no axles") << subclassOf("B0S2", "2", "3", "4");
        QTest::newRow("car of no axles") << subclassOf("C0T2", "2", "3", "4");
        QTest::newRow("huge distance") << subclassOf("H2S1", "3", "1e30,3", "1e38,inf");
        QTest::newRow("not a number") << subclassOf("H2", "2", "nan", "nan");
        QTest::newRow("negative distance") << subclassOf("C2T1", "3", "-3,2", "-5,2");
        QTest::newRow("no axles") << subclassOf("H0", "0", "", "");
        QTest::newRow("negative axles") << subclassOf("H2", "-7", "3", "3");
        QTest::newRow("axle count far beyond the lists")
            << subclassOf("H2", "2000000000", "3", "3");
        QTest::newRow("lowest int") << subclassOf("M2", "-2147483648", "1", "1");
        QTest::newRow("many groups") << subclassOf("H1" + QString("D1").repeated(19), "20",
                                                   QString("2,").repeated(19).chopped(1),
                                                   QString("3,").repeated(19).chopped(1));
    }

    void malformedSubclassesNeitherCrashNorHang() {
        QFETCH(Subclass, subclass);
        MessageCapture quiet; // the diagnostics are not under test here
        for (bool drawMaximum : {false, true}) {
            QGraphicsView view;
            view.resize(viewWidth, viewHeight);
            VehicleDrawing(&view, drawMaximum, 0.0f, 1e30f).draw(subclass);
            QVERIFY(view.scene());
            const QRectF bounds = view.scene()->itemsBoundingRect();
            QVERIFY(std::isfinite(bounds.width()) && std::isfinite(bounds.height()));
            QVERIFY(view.scene()->items().size() < 200);
        }
    }

    void eachRedrawReplacesTheScene() {
        QGraphicsView view;
        view.resize(viewWidth, viewHeight);
        const Subclass truck = subclassOf("H2", "2", "3.2", "6");
        for (int i = 0; i < 5; ++i) {
            VehicleDrawing(&view, true, 0.0f, 0.0f).draw(truck);
        }
        QCOMPARE(view.findChildren<QGraphicsScene *>().size(), 1);
        QCOMPARE(view.findChildren<QGraphicsScene *>().first(), view.scene());
    }
};


QTEST_MAIN(VehicleDrawingTest)
#include "tst_vehicledrawing.moc"
