// The main window's two vehicle views: redrawn from the displayed subclass,
// cleared when it cannot be drawn.
#include "common/windowdriver.h"
#include "scenetext.h"

Q_DECLARE_METATYPE(Subclass)

class TestVehicleViews : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Tarveo> window;
    QGraphicsView *minView = nullptr;
    QGraphicsView *maxView = nullptr;

    // Both views' scenes, "minimum | maximum".
    QString views() const {
        return sceneText(minView->scene()).join("; ") + " | " +
               sceneText(maxView->scene()).join("; ");
    }

private slots:
    void init() {
        window = std::make_unique<Tarveo>();
        minView = window->findChild<QGraphicsView *>("graphicsViewMin");
        maxView = window->findChild<QGraphicsView *>("graphicsViewMax");
    }

    void cleanup() { window.reset(); }

    void followsTheUsersEdits() {
        // Subclass 5 of the sample is an H2 at 3.2 to 6 m.
        WindowDriver::open(*window, testData("drawing/sample.conf"));
        QComboBox *subclasses = WindowDriver::subclassList(*window);
        subclasses->setCurrentIndex(subclasses->findText("subclass_5"));
        QVERIFY(sceneText(minView->scene()).contains("TruckWheel1 75.2,45"));
        QVERIFY(sceneText(maxView->scene()).contains("TruckWheel1 134,45"));

        WindowDriver::retype(*window, "MaxAxleDist1", "4");
        QVERIFY(sceneText(maxView->scene()).contains("TruckWheel1 92,45"));
        QVERIFY(sceneText(minView->scene()).contains("TruckWheel1 75.2,45"));

        WindowDriver::retype(*window, "MinAxleDist1", "0");
        QCOMPARE(views(), QStringLiteral(" | "));
    }

    void overhangsAreTheDocumentsWhateverTheUnits() {
        // 2 ft of rear overhang: 0.6096 m, drawn at 21 pixels a metre.
        TarveoTestAccess::receiveUnits(*window, Tons, Inches, 9.80665f);
        Subclass subclass = subclassOf("H2T1", "3", "3,4", "3,4");
        subclass.set_append("0.6096");
        subclass.set_prepend("1.524");
        TarveoTestAccess::redrawVehicle(*window, subclass);
        QCOMPARE(views().count("black 176,5 12.8016x52"), 2);
    }

    void undrawableSubclassClearsBothViews_data() {
        QTest::addColumn<Subclass>("subclass");
        QTest::newRow("zero maximum") << subclassOf("H2", "2", "3", "0");
        QTest::newRow("one axle") << subclassOf("H1", "1", "", "");
    }

    void undrawableSubclassClearsBothViews() {
        QFETCH(Subclass, subclass);
        TarveoTestAccess::redrawVehicle(*window, subclassOf("H2", "2", "3.2", "6"));
        QVERIFY(!minView->scene()->items().isEmpty());
        TarveoTestAccess::redrawVehicle(*window, subclass);
        QCOMPARE(views(), QStringLiteral(" | "));
    }
};

QTEST_MAIN(TestVehicleViews)
#include "tst_vehicleviews.moc"
