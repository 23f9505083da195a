// The unit conversions and number formats. The validators that let through
// only what these conversions read are tried on the window's fields.
#include "units/units.h"

#include <QTest>
#include <limits>

class TestUnits : public QObject {
    Q_OBJECT

private slots:
    void documentValuesShownInEachUnit_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<float>("factor");
        QTest::addColumn<QString>("shown");
        QTest::newRow("98.0665 kN in tonnes") << "98.0665" << 9.80665f << "10.00";
        QTest::newRow("rounds to zero") << "0.04" << 10.0f << "0.00";
        QTest::newRow("empty") << "" << 1.0f << "";
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
        QTest::newRow("empty") << "" << 1.0f << ""
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

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
