// The main window's two vehicle views: redrawn from the displayed subclass,
// cleared when it cannot be drawn.
#include "common/testsupport.h"
#include "common/windowdriver.h"
#include "scenetext.h"

#include <QGraphicsView>
#include <QLineEdit>
#include <QtTest>

Q_DECLARE_METATYPE(Subclass)

namespace {

QStringList capturedMessages;

void captureMessage(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtDebugMsg) {
        capturedMessages.append(message);
    }
}

// Collects the debug lines logged while it lives.
class DebugCapture {
public:
    DebugCapture() {
        capturedMessages.clear();
        previous = qInstallMessageHandler(captureMessage);
    }
    ~DebugCapture() { qInstallMessageHandler(previous); }
    QStringList lines() const { return capturedMessages; }

private:
    QtMessageHandler previous;
};

} // namespace

class VehicleViewsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Tarveo> window;
    QGraphicsView *minView = nullptr;
    QGraphicsView *maxView = nullptr;

private slots:
    void init() {
        window = std::make_unique<Tarveo>();
        minView = window->findChild<QGraphicsView *>("graphicsViewMin");
        maxView = window->findChild<QGraphicsView *>("graphicsViewMax");
        QVERIFY(minView && maxView);
        QCOMPARE(minView->height(), 90);
    }

    void cleanup() { window.reset(); }

    void drawsMinimumAndMaximum() {
        window->redrawVehicle(subclassOf("H2", "2", "3.2", "6"));
        const QStringList minimum = sceneText(minView->scene());
        const QStringList maximum = sceneText(maxView->scene());
        QVERIFY2(minimum.contains("TruckWheel1 75.2,45"), qPrintable(minimum.join('\n')));
        QVERIFY(minimum.contains("black 37,5 60x40"));
        QVERIFY2(maximum.contains("TruckWheel1 134,45"), qPrintable(maximum.join('\n')));
        QVERIFY(maximum.contains("black 37,5 119x40"));
    }

    void appendIsReadInDisplayedUnits() {
        // 2 ft of rear overhang: 0.6096 m, drawn at 21 pixels a metre.
        window->findChild<QLineEdit *>("lineEditAppend")->setText("2");
        window->findChild<QLineEdit *>("lineEditPrepend")->setText("5");
        TarveoTestAccess::lengthFactor(*window) = 0.3048f;
        window->redrawVehicle(subclassOf("H2T1", "3", "3,4", "3,4"));
        for (QGraphicsView *view : {minView, maxView}) {
            const QStringList overhang =
                linesStartingWith(sceneText(view->scene()), "black 176,5 ");
            QCOMPARE(overhang, QStringList("black 176,5 12.8016x52"));
        }
    }

    void undrawableSubclassClearsBothViews_data() {
        QTest::addColumn<Subclass>("subclass");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("zero distance")
            << subclassOf("H2", "2", "0", "6")
            << QStringList{"Can't draw because at index 0 min dist is 0 and max dist is 6",
                           "Clearing image"};
        QTest::newRow("one axle") << subclassOf("H1", "1", "", "") << QStringList{"Clearing image"};
        Subclass shortList = subclassOf("H2S1", "3", "3,4", "5,6");
        shortList.remove_last_max_distance();
        shortList.remove_last_max_distance();
        QTest::newRow("maximum list too short")
            << shortList
            << QStringList{"Can't draw because at index 1 min dist is 4 and max dist is ",
                           "Clearing image"};
    }

    void undrawableSubclassClearsBothViews() {
        QFETCH(Subclass, subclass);
        QFETCH(QStringList, lines);
        window->redrawVehicle(subclassOf("H2", "2", "3.2", "6"));
        QVERIFY(!minView->scene()->items().isEmpty());

        DebugCapture capture;
        window->redrawVehicle(subclass);
        QCOMPARE(capture.lines(), lines);
        QVERIFY(minView->scene()->items().isEmpty());
        QVERIFY(maxView->scene()->items().isEmpty());
    }

    void clearingWithoutDrawingDoesNothing() {
        QVERIFY(!minView->scene());
        DebugCapture capture;
        window->clearVehicleDrawings();
        QVERIFY(capture.lines().isEmpty());
        QVERIFY(!minView->scene());
    }

    void inconsistentListsShowNoStaleVehicle() {
        window->redrawVehicle(subclassOf("H2", "2", "3.2", "6"));
        Subclass subclass = subclassOf("H2", "2", "3", "4");
        subclass.remove_last_max_distance(); // passes the drawable check only
        window->redrawVehicle(subclass);
        QVERIFY(minView->scene()->items().isEmpty());
        QVERIFY(maxView->scene()->items().isEmpty());
    }

    void followsTheUsersEdits() {
        // Subclass 5 of the sample is an H2 at 3.2 to 6 m.
        const QString path =
            qEnvironmentVariable("TARVEO_TEST_DATA") + QStringLiteral("/drawing/sample.conf");
        WindowDriver::open(*window, path);
        QComboBox *subclasses = WindowDriver::subclassList(*window);
        const int entry = subclasses->findText("subclass_5");
        QVERIFY(entry >= 0);
        subclasses->setCurrentIndex(entry);
        QVERIFY(sceneText(minView->scene()).contains("TruckWheel1 75.2,45"));
        QVERIFY(sceneText(maxView->scene()).contains("TruckWheel1 134,45"));

        WindowDriver::retype(*window, "MaxAxleDist1", "4");
        QVERIFY(sceneText(maxView->scene()).contains("TruckWheel1 92,45"));
        QVERIFY(sceneText(minView->scene()).contains("TruckWheel1 75.2,45"));

        WindowDriver::retype(*window, "MinAxleDist1", "0");
        QVERIFY(minView->scene()->items().isEmpty());
        QVERIFY(maxView->scene()->items().isEmpty());
    }

    void redrawsDoNotPileUpScenes() {
        for (int i = 0; i < 10; ++i) {
            window->redrawVehicle(subclassOf("C2", "2", "2.2", "3"));
        }
        QCOMPARE(minView->findChildren<QGraphicsScene *>().size(), 1);
        QCOMPARE(maxView->findChildren<QGraphicsScene *>().size(), 1);
    }
};


QTEST_MAIN(VehicleViewsTest)
#include "tst_vehicleviews.moc"
