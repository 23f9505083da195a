// Units: the conversions and number formats of the fields; in the window,
// new units re-display the document, which never changes with them; the g of
// tonnes; the units dialog.
#include "common/windowdriver.h"
#include "units/units.h"

#include <limits>

using namespace WindowDriver;
using Access = TarveoTestAccess;

namespace {

template <typename T = QWidget> T *child(QWidget &parent, const QString &name) {
    return parent.findChild<T *>(name);
}

// The document's g, the g button's, and the weight factor.
QString gState(Tarveo &w) {
    return w.document().get_g_acceleration_constant() + '|' + texts(w, {"buttonGConstant"}) + '|' +
           QString::number(Access::units(w).weightFactor());
}

// A header with a value in each converted field (98.0665 kN is 10 t, 3.048 m
// is 10 ft), and subclass 7: three axles of 10, 5, 5 t, gaps of 10 to 20 ft
// and 5 to 10 ft.
const QString unitsConf = testData(QStringLiteral("window/units.conf"));

} // namespace

class TestWindowUnits : public QObject {
    Q_OBJECT

private slots:
    void documentRedisplayedInEachUnit() {
        Tarveo w;
        w.openFile(unitsConf);
        w.show();
        // A value wider than the field shows its first digits.
        QCOMPARE(widget(w, "lineEditMaxAxleDist")->cursorPosition(), 0);
        // Per-axle fields are numbered by position; the last axle has no gap.
        const QStringList shown =
            QStringLiteral("buttonGConstant lineEditMinAvgAxleWeight "
                           "lineEditGroupMaxDist lineEditMinAxleSpacing "
                           "lineEditMaxAxleDist lineEditMinAxleDist lineEditPrepend "
                           "lineEditAppend lineEditMaxGrossWeight "
                           "lineEditReclassDownGvw lineEditReclassUpGvw MaxAxleDist1 "
                           "MinAxleDist2 MaxAxleWeightEdit3 labelSumMaxAxleWeights "
                           "labelSumMaxAxleDist labelSumMinAxleDist "
                           "lineEditTotalDistanceConstraint "
                           "lineEditTotalWeightConstraint labelMaxGrossWeight "
                           "labelAdsl")
                .split(' ');
        const QString before = w.document().to_string();
        Access::receiveUnits(w, Kilonewtons, Feet, 0);
        QCOMPARE(texts(w, shown),
                 QStringLiteral("0|98.07|10.00|20.00|100.00|1.00|1.00|2.00|196.13|19.61|294.20|"
                                "20.00|5.00|49.03|196.133|30|15|10.0,30.0|98.1,3;196.1,7|"
                                "Max. GVW (kN):|Combined axle distance constraints (ft):"));
        QCOMPARE(w.document().to_string(), before);
    }

    // A g from the dialog or from the file is the factor of tonnes only;
    // only a g other than the default is written.
    void gOfTonnesFromTheDialogAndTheFile() {
        Tarveo w;
        QTemporaryDir dir;
        const auto open = [&w, &dir](const char *g) {
            const QString path = dir.filePath(QStringLiteral("g.conf"));
            QFile file(path);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(QByteArray("[classes]\ng_acceleration_constant=") + g + '\n');
            file.close();
            w.openFile(path);
            return gState(w);
        };
        Access::receiveUnits(w, Tons, Meters, 9.80665f);
        QCOMPARE(gState(w), QStringLiteral("|9.80665|9.80665"));
        Access::receiveUnits(w, Tons, Meters, 9.81f);
        QCOMPARE(gState(w), QStringLiteral("9.81|9.81|9.81"));
        // Undone, the document's g takes its factor back.
        Access::document(w).undoStack()->undo();
        QCOMPARE(gState(w), QStringLiteral("|9.80665|9.80665"));
        Access::document(w).undoStack()->redo();
        // Back to the default: the factor follows, the document keeps its g.
        Access::receiveUnits(w, Tons, Meters, 9.80665f);
        QCOMPARE(gState(w), QStringLiteral("9.81|9.80665|9.80665"));
        QCOMPARE(open("9.81"), QStringLiteral("9.81|9.81|9.81"));
        // A next document without a usable g: tonnes are standard gravity
        // again, whatever the last file had.
        QCOMPARE(open(""), QStringLiteral("|9.80665|9.80665"));
        Access::receiveUnits(w, Pounds, Meters, 9.81f);
        QCOMPARE(gState(w), QStringLiteral("|9.81|0.00444822"));
        QCOMPARE(open("9.81"), QStringLiteral("9.81|9.81|0.00444822"));
        // An unknown unit leaves a factor as it was.
        float factor = 1.5f;
        QVERIFY(!Units::weightFactorFor(3, 9.81f, &factor) && !Units::lengthFactorFor(3, &factor));
        QCOMPARE(factor, 1.5f);
    }

    void gThatIsNotPositiveIsKept_data() {
        QTest::addColumn<uchar>("from");
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("factor");
        QTest::newRow("emptied field") << uchar(Tons) << 0.0f << 9.81f;
        QTest::newRow("not a number")
            << uchar(Tons) << std::numeric_limits<float>::quiet_NaN() << 9.81f;
        // Tonnes at the g the dialog offered, the default; nothing is divided by 0.
        QTest::newRow("from kilonewtons") << uchar(Kilonewtons) << 0.0f << 9.80665f;
    }

    void gThatIsNotPositiveIsKept() {
        QFETCH(uchar, from);
        QFETCH(float, g);
        Tarveo w;
        w.openFile(unitsConf);
        Access::receiveUnits(w, from, Meters, 9.81f);
        const QString before = w.document().to_string();
        Access::receiveUnits(w, Tons, Feet, g);
        QTEST(Access::units(w).weightFactor(), "factor");
        QCOMPARE(w.document().to_string(), before);
        // The length unit did change.
        QCOMPARE(texts(w, {"buttonGConstant", "lineEditGroupMaxDist", "labelGroupMaxDist",
                           "labelMinAvgAxleWeight"}),
                 QStringLiteral("9.81|10.00|Group max. distance (ft):|Min. avg. axle weight (t):"));
    }

    // The dialog as the window opens it, from the Configuration menu or the
    // g button, on the window's units; OK applies the choice.
    void unitsDialog() {
        Tarveo w;
        w.openFile(unitsConf);
        Access::receiveUnits(w, Tons, Meters, 9.81f);
        w.show();
        // Whether G was enabled and its text before the button, then the window.
        const auto choose = [&w](const QString &opener, const QStringList &steps,
                                 QDialogButtonBox::StandardButton which) {
            QString shown;
            // Clicks the radio buttons named in steps, types the other steps into G.
            ModalScript script({}, [&](QWidget *dialog) {
                auto *gField = child<QLineEdit>(*dialog, "lineEditG");
                for (const QString &step : steps) {
                    if (auto *radio = child<QRadioButton>(*dialog, step)) {
                        radio->click();
                    } else {
                        gField->selectAll();
                        QTest::keyClicks(gField, step);
                    }
                }
                shown = QString::number(gField->isEnabled()) + ' ' + gField->text();
                child<QDialogButtonBox>(*dialog, "buttonBox")->button(which)->click();
            });
            QMetaObject::invokeMethod(child<QObject>(w, opener),
                                      opener.startsWith("action") ? "trigger" : "click");
            return shown + " -> " +
                   texts(w, {"buttonGConstant", "lineEditGroupMaxDist", "labelMinAvgAxleWeight"});
        };
        using Box = QDialogButtonBox;
        QCOMPARE(choose("actionConfiguration", {"radioButtonKN", "radioButtonTons"}, Box::Cancel),
                 QStringLiteral("1 9.810000 -> 9.81|3.05|Min. avg. axle weight (t):"));
        QCOMPARE(choose("actionConfiguration", {"radioButtonKN", "radioButtonFeet"}, Box::Ok),
                 QStringLiteral("0  -> 0|10.00|Min. avg. axle weight (kN):"));
        // Opened with kilonewtons, tonnes offer the default g.
        QCOMPARE(choose("buttonGConstant", {"radioButtonTons"}, Box::Ok),
                 QStringLiteral("1 9.806650 -> 9.80665|10.00|Min. avg. axle weight (t):"));
        // A typed g outlives another unit; a comma decimal cannot be typed.
        QCOMPARE(choose("buttonGConstant",
                        {"9,8", "radioButtonPounds", "radioButtonTons", "radioButtonInches"},
                        Box::Ok),
                 QStringLiteral("1 98.000000 -> 98|120.00|Min. avg. axle weight (t):"));
    }

    void documentValuesShownInEachUnit_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<float>("factor");
        QTest::addColumn<QString>("shown");
        QTest::newRow("98.0665 kN in tonnes") << "98.0665" << 9.80665f << "10.00";
        QTest::newRow("rounds to zero") << "0.04" << 10.0f << "0.00";
        QTest::newRow("negative") << "-4" << 1.0f << "";
    }

    void documentValuesShownInEachUnit() {
        QFETCH(QString, stored);
        QFETCH(float, factor);
        QTEST(Units::fieldText(Units::fileToDisplay(stored, factor)), "shown");
        QCOMPARE(Units::fieldText(std::numeric_limits<double>::quiet_NaN()), QString());
    }

    void typedTextToDocument_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("factor");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("tooLarge");
        QTest::newRow("10 t") << "10" << 9.80665f << "98.0665"
                              << "98.0665" << false;
        QTest::newRow("general notation") << "1000000" << 1.0f << "1e+06"
                                          << "1e+06" << false;
        // Only the edit form drops a zero.
        QTest::newRow("zero") << "0" << 9.80665f << "0"
                              << "" << false;
        QTest::newRow("negative") << "-3" << 1.0f << ""
                                  << "" << false;
        // No inf in the document.
        QTest::newRow("too large") << "3e38" << 9.80665f << ""
                                   << "" << true;
    }

    void typedTextToDocument() {
        QFETCH(QString, typed);
        QFETCH(float, factor);
        QTEST(Units::displayToFileText(typed, factor), "display");
        QTEST(Units::editToFileText(typed, factor), "edit");
        QTEST(Units::isTooLarge(typed, factor), "tooLarge");
    }
};

QTEST_MAIN(TestWindowUnits)
#include "tst_windowunits.moc"
