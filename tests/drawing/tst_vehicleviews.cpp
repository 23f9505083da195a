// The main window's two vehicle views: redrawn from the displayed subclass,
// cleared when it cannot be drawn.
#include "common/testsupport.h"
#include "common/windowdriver.h"
#include "scenetext.h"

#include <QGraphicsView>
#include <QLineEdit>
#include <QtTest>

Q_DECLARE_METATYPE(Subclass)

class VehicleViewsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Tarveo> window;
    QGraphicsView *minView = nullptr;
    QGraphicsView *maxView = nullptr;

    bool bothViewsEmpty() const {
        return minView->scene()->items().isEmpty() && maxView->scene()->items().isEmpty();
    }

private slots:
    void init() {
        window = std::make_unique<Tarveo>();
        minView = window->findChild<QGraphicsView *>("graphicsViewMin");
        maxView = window->findChild<QGraphicsView *>("graphicsViewMax");
        QVERIFY(minView && maxView);
        QCOMPARE(minView->height(), 90); // the geometry below is laid out from it
    }

    void cleanup() { window.reset(); }

    void followsTheUsersEdits() {
        // Subclass 5 of the sample is an H2 at 3.2 to 6 m.
        WindowDriver::open(*window, testData("drawing/sample.conf"));
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
        QVERIFY(bothViewsEmpty());
    }

    void appendIsReadInDisplayedUnits() {
        // 2 ft of rear overhang: 0.6096 m, drawn at 21 pixels a metre.
        window->findChild<QLineEdit *>("lineEditAppend")->setText("2");
        window->findChild<QLineEdit *>("lineEditPrepend")->setText("5");
        TarveoTestAccess::lengthFactor(*window) = 0.3048f;
        TarveoTestAccess::redrawVehicle(*window, subclassOf("H2T1", "3", "3,4", "3,4"));
        QVERIFY(sceneText(minView->scene()).contains("black 176,5 12.8016x52"));
        QVERIFY(sceneText(maxView->scene()).contains("black 176,5 12.8016x52"));
    }

    void undrawableSubclassClearsBothViews_data() {
        QTest::addColumn<Subclass>("subclass");
        QTest::addColumn<QString>("reason"); // logged before the views are cleared
        QTest::newRow("zero distance")
            << subclassOf("H2", "2", "0", "6") << "at index 0 min dist is 0 and max dist is 6";
        QTest::newRow("one axle") << subclassOf("H1", "1", "", "") << QString();
        Subclass shortList = subclassOf("H2S1", "3", "3,4", "5,6");
        shortList.remove_last_min_distance();
        shortList.remove_last_min_distance();
        QTest::newRow("minimum list too short")
            << shortList << "at index 1 min dist is  and max dist is 6";
    }

    void undrawableSubclassClearsBothViews() {
        QFETCH(Subclass, subclass);
        QFETCH(QString, reason);
        TarveoTestAccess::redrawVehicle(*window, subclassOf("H2", "2", "3.2", "6"));
        QVERIFY(!minView->scene()->items().isEmpty());

        LogCapture log;
        TarveoTestAccess::redrawVehicle(*window, subclass);
        QStringList expected("debug: Clearing image");
        if (!reason.isEmpty())
            expected.prepend("debug: Can't draw because " + reason);
        QCOMPARE(log.lines(), expected);
        QVERIFY(bothViewsEmpty());
    }

    void clearingWithoutDrawingDoesNothing() {
        LogCapture log;
        TarveoTestAccess::clearVehicleDrawings(*window);
        QVERIFY(log.lines().isEmpty());
        QVERIFY(!minView->scene());
    }
};

QTEST_MAIN(VehicleViewsTest)
#include "tst_vehicleviews.moc"
