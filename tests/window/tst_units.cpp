// The unit conversions and number formats. The validators that let through
// only what these conversions read are tried on the window's fields.
#include "units/units.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <tuple>

class TestUnits : public QObject {
    Q_OBJECT

private slots:
    void factorsAndSuffixesOfEveryUnit() {
        const std::tuple<bool, uchar, float, const char *> units[] = {
            {true, Tons, 9.81f, "(t):"},        {true, Pounds, 0.0044482216f, "(lb):"},
            {true, Kilonewtons, 1.0f, "(kN):"}, {false, Meters, 1.0f, "(m):"},
            {false, Feet, 0.3048f, "(ft):"},    {false, Inches, 0.0254f, "(in):"}};
        for (const auto &[weight, unit, expected, suffix] : units) {
            float factor = 0;
            QVERIFY(weight ? Units::weightFactorFor(unit, 9.81f, &factor)
                           : Units::lengthFactorFor(unit, &factor));
            QCOMPARE(factor, expected);
            QCOMPARE(weight ? Units::weightSuffix(unit) : Units::lengthSuffix(unit),
                     QLatin1String(suffix));
        }
        // Unknown units leave the factor as it was.
        float factor = 7.5f;
        QVERIFY(!Units::weightFactorFor(3, 9.81f, &factor));
        QVERIFY(!Units::lengthFactorFor(255, &factor));
        QCOMPARE(factor, 7.5f);
    }

    void defaultGIsAnExactComparison() {
        QVERIFY(Units::isDefaultG(QStringLiteral("9.80665").toFloat()));
        QVERIFY(!Units::isDefaultG(std::nextafter(9.80665f, 10.0f)));
    }

    void documentValuesShownInEachUnit_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<float>("factor");
        QTest::addColumn<QString>("shown");
        QTest::newRow("98.0665 kN in tonnes") << "98.0665" << 9.80665f << "10.00";
        QTest::newRow("98.0665 kN in pounds") << "98.0665" << 0.0044482216f << "22046.23";
        QTest::newRow("3.048 m in inches") << "3.048" << 0.0254f << "120.00";
        QTest::newRow("tonnes with another g") << "19.62" << 9.81f << "2.00";
        QTest::newRow("rounds to zero") << "0.04" << 10.0f << "0.00";
        QTest::newRow("empty") << "" << 1.0f << "";
        QTest::newRow("zero") << "0" << 1.0f << "";
        QTest::newRow("negative") << "-4" << 1.0f << "";
        QTest::newRow("not a number") << "abc" << 1.0f << "";
    }

    void documentValuesShownInEachUnit() {
        QFETCH(QString, stored);
        QFETCH(float, factor);
        QFETCH(QString, shown);
        QCOMPARE(Units::fieldText(Units::fileToDisplay(stored, factor)), shown);
        QCOMPARE(Units::fieldText(std::numeric_limits<double>::quiet_NaN()), QString());
        QCOMPARE(Units::fieldText(std::numeric_limits<double>::infinity()), QString());
    }

    void typedTextToDocument_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("factor");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("tooLarge");
        const std::tuple<const char *, float, const char *, const char *, bool> rows[] = {
            {"10", 9.80665f, "98.0665", "98.0665", false},
            {"1", 0.0044482216f, "0.00444822", "0.00444822", false},
            {"1000000", 1.0f, "1e+06", "1e+06", false},
            // Only the edit form drops a zero; neither takes a comma as a decimal.
            {"0", 9.80665f, "0", "", false},
            {"-3", 1.0f, "", "", false},
            {"", 1.0f, "", "", false},
            {"x", 1.0f, "0", "", false},
            {"3,5", 1.0f, "0", "", false},
            // No inf in the document.
            {"3e38", 9.80665f, "", "", true}};
        for (const auto &[typed, factor, display, edit, tooLarge] : rows)
            QTest::addRow("%s at %g", typed, double(factor))
                << QString::fromLatin1(typed) << factor << QString::fromLatin1(display)
                << QString::fromLatin1(edit) << tooLarge;
    }

    void typedTextToDocument() {
        QFETCH(QString, typed);
        QFETCH(float, factor);
        QFETCH(QString, display);
        QFETCH(QString, edit);
        QFETCH(bool, tooLarge);
        QCOMPARE(Units::displayToFileText(typed, factor), display);
        QCOMPARE(Units::editToFileText(typed, factor), edit);
        QCOMPARE(Units::isTooLarge(typed, factor), tooLarge);
    }

    void labelSuffixes() {
        QCOMPARE(Units::withSuffix(QStringLiteral("Tyre type:"), QStringLiteral("(in):")),
                 QStringLiteral("Tyre type:(in):"));
        // Cut at the first bracket.
        QCOMPARE(
            Units::withSuffix(QStringLiteral("Gross (weight) limit (t):"), QStringLiteral("(lb):")),
            QStringLiteral("Gross (lb):"));
    }
};

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
