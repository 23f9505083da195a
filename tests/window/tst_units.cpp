// The unit conversions and number formats, and the validators that must let
// through only what those conversions read.
#include "units/numbervalidators.h"
#include "units/units.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

class TestUnits : public QObject {
    Q_OBJECT

private slots:
    void factorsOfEveryUnit();
    void unknownUnitsLeaveTheFactor();
    void suffixes();
    void defaultGIsAnExactComparison();
    void documentValuesShownInEachUnit_data();
    void documentValuesShownInEachUnit();
    void fieldTextOfValuesThatAreNotShown();
    void typedTextToDocument_data();
    void typedTextToDocument();
    void sumsInGeneralNotation();
    void labelSuffixReplacement_data();
    void labelSuffixReplacement();
    void validatorsFollowTheConversionNotTheDesktopLocale();
    void axleCountValidator();
};

void TestUnits::factorsOfEveryUnit() {
    float factor = 0;
    QVERIFY(Units::weightFactorFor(Tons, 9.81f, &factor));
    QCOMPARE(factor, 9.81f);
    QVERIFY(Units::weightFactorFor(Pounds, 9.81f, &factor));
    // The pound-force, rounded to the nearest 32-bit float.
    QVERIFY(std::fabs(double(factor) - 0.0044482216) < 1e-10);
    QCOMPARE(QString::number(factor, 'g', 9), QStringLiteral("0.00444822153"));
    QVERIFY(Units::weightFactorFor(Kilonewtons, 9.81f, &factor));
    QCOMPARE(factor, 1.0f);

    QVERIFY(Units::lengthFactorFor(Meters, &factor));
    QCOMPARE(factor, 1.0f);
    QVERIFY(Units::lengthFactorFor(Feet, &factor));
    QCOMPARE(factor, 0.3048f);
    QVERIFY(Units::lengthFactorFor(Inches, &factor));
    QCOMPARE(factor, 0.0254f);
}

void TestUnits::unknownUnitsLeaveTheFactor() {
    float factor = 7.5f;
    QVERIFY(!Units::weightFactorFor(3, 9.81f, &factor));
    QCOMPARE(factor, 7.5f);
    QVERIFY(!Units::lengthFactorFor(255, &factor));
    QCOMPARE(factor, 7.5f);
}

void TestUnits::suffixes() {
    QCOMPARE(Units::weightSuffix(Tons), QStringLiteral("(t):"));
    QCOMPARE(Units::weightSuffix(Pounds), QStringLiteral("(lb):"));
    QCOMPARE(Units::weightSuffix(Kilonewtons), QStringLiteral("(kN):"));
    QCOMPARE(Units::lengthSuffix(Meters), QStringLiteral("(m):"));
    QCOMPARE(Units::lengthSuffix(Feet), QStringLiteral("(ft):"));
    QCOMPARE(Units::lengthSuffix(Inches), QStringLiteral("(in):"));
}

void TestUnits::defaultGIsAnExactComparison() {
    QVERIFY(Units::isDefaultG(static_cast<float>(9.80665)));
    QVERIFY(Units::isDefaultG(QStringLiteral("9.80665").toFloat()));
    QVERIFY(!Units::isDefaultG(9.81f));
    // One step of the float away is no longer the default.
    QVERIFY(!Units::isDefaultG(std::nextafter(9.80665f, 10.0f)));
}

void TestUnits::documentValuesShownInEachUnit_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("shown");

    QTest::newRow("98.0665 kN in tonnes") << "98.0665" << 9.80665f << "10.00";
    QTest::newRow("98.0665 kN in kilonewtons") << "98.0665" << 1.0f << "98.07";
    QTest::newRow("98.0665 kN in pounds") << "98.0665" << 0.0044482216f << "22046.23";
    QTest::newRow("3.048 m in feet") << "3.048" << 0.3048f << "10.00";
    QTest::newRow("3.048 m in inches") << "3.048" << 0.0254f << "120.00";
    QTest::newRow("tonnes with another g") << "19.62" << 9.81f << "2.00";
    QTest::newRow("empty") << "" << 1.0f << "";
    QTest::newRow("zero") << "0" << 1.0f << "";
    QTest::newRow("negative") << "-4" << 1.0f << "";
    QTest::newRow("not a number") << "abc" << 1.0f << "";
}

void TestUnits::documentValuesShownInEachUnit() {
    QFETCH(QString, stored);
    QFETCH(float, factor);
    QFETCH(QString, shown);
    QCOMPARE(Units::fieldText(Units::fileToDisplay(stored, factor)), shown);
}

void TestUnits::fieldTextOfValuesThatAreNotShown() {
    QCOMPARE(Units::fileToDisplay(QString(), 9.80665f), 0.0);
    QCOMPARE(Units::fieldText(std::numeric_limits<double>::quiet_NaN()), QString());
    QCOMPARE(Units::fieldText(std::numeric_limits<double>::infinity()), QString());
    QCOMPARE(Units::fieldText(0.004), QStringLiteral("0.00"));
}

void TestUnits::typedTextToDocument_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("edit");

    QTest::newRow("10 t") << "10" << 9.80665f << "98.0665"
                          << "98.0665";
    QTest::newRow("2 t") << "2" << 9.80665f << "19.6133"
                         << "19.6133";
    QTest::newRow("10 ft") << "10" << 0.3048f << "3.048"
                           << "3.048";
    QTest::newRow("1 lb") << "1" << 0.0044482216f << "0.00444822"
                          << "0.00444822";
    QTest::newRow("1000000 m") << "1000000" << 1.0f << "1e+06"
                               << "1e+06";
    QTest::newRow("10 kN") << "10" << 1.0f << "10"
                           << "10";
    QTest::newRow("zero") << "0" << 9.80665f << "0"
                          << "";
    QTest::newRow("negative") << "-3" << 1.0f << ""
                              << "";
    QTest::newRow("empty") << "" << 1.0f << ""
                           << "";
    QTest::newRow("not a number") << "x" << 1.0f << "0"
                                  << "";
    QTest::newRow("decimal comma is no number") << "3,5" << 1.0f << "0"
                                                << "";
}

void TestUnits::typedTextToDocument() {
    QFETCH(QString, typed);
    QFETCH(float, factor);
    QFETCH(QString, display);
    QFETCH(QString, edit);
    QCOMPARE(Units::displayToFileText(typed, factor), display);
    QCOMPARE(Units::editToFileText(typed, factor), edit);
}

void TestUnits::sumsInGeneralNotation() {
    QCOMPARE(Units::formatSum(196.133, 9.80665f), QStringLiteral("20"));
    QCOMPARE(Units::formatSum(3.048 + 6.096, 0.3048f), QStringLiteral("30"));
    QCOMPARE(Units::formatSum(0, 1.0f), QStringLiteral("0"));
    QCOMPARE(Units::formatSum(2500000, 1.0f), QStringLiteral("2.5e+06"));
    QCOMPARE(Units::formatSum(12.3456789, 1.0f), QStringLiteral("12.3457"));
}

void TestUnits::labelSuffixReplacement_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("result");

    QTest::newRow("weight") << "Max. GVW (t):"
                            << "(kN):"
                            << "Max. GVW (kN):";
    QTest::newRow("length") << "Max. axle distances (m):"
                            << "(ft):"
                            << "Max. axle distances (ft):";
    QTest::newRow("no bracket") << "Tyre type:"
                                << "(in):"
                                << "Tyre type:(in):";
    QTest::newRow("cut at the first bracket") << "Gross (weight) limit (t):"
                                              << "(lb):"
                                              << "Gross (lb):";
}

void TestUnits::labelSuffixReplacement() {
    QFETCH(QString, label);
    QFETCH(QString, suffix);
    QFETCH(QString, result);
    QCOMPARE(Units::withSuffix(label, suffix), result);
}

void TestUnits::validatorsFollowTheConversionNotTheDesktopLocale() {
    // A desktop that writes decimals with a comma and groups with a point.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Slovenian));

    QObject owner;
    QDoubleValidator *real = NumberValidators::real(&owner);
    QIntValidator *integer = NumberValidators::integer(&owner);
    QLocale::setDefault(previous);

    auto state = [](QValidator *validator, QString text) {
        int position = text.size();
        return validator->validate(text, position);
    };
    QCOMPARE(state(real, QStringLiteral("3.5")), QValidator::Acceptable);
    QCOMPARE(QStringLiteral("3.5").toFloat(), 3.5f);
    QCOMPARE(state(real, QStringLiteral("3,5")), QValidator::Invalid);
    QCOMPARE(state(real, QStringLiteral("1,000")), QValidator::Invalid);
    QCOMPARE(state(real, QStringLiteral("1.000.5")), QValidator::Invalid);
    QCOMPARE(state(real, QStringLiteral("-2.25")), QValidator::Acceptable);
    QCOMPARE(state(real, QStringLiteral("1e3")), QValidator::Acceptable);
    QCOMPARE(state(real, QStringLiteral("x")), QValidator::Invalid);

    QCOMPARE(state(integer, QStringLiteral("140")), QValidator::Acceptable);
    QCOMPARE(state(integer, QStringLiteral("1.000")), QValidator::Invalid);
    QCOMPARE(state(integer, QStringLiteral("1,000")), QValidator::Invalid);
    QCOMPARE(state(integer, QStringLiteral("1 000")), QValidator::Invalid);
    QCOMPARE(state(integer, QStringLiteral("2.5")), QValidator::Invalid);
}

void TestUnits::axleCountValidator() {
    QObject owner;
    QIntValidator *axles = NumberValidators::integer(2, 20, &owner);
    QCOMPARE(axles->bottom(), 2);
    QCOMPARE(axles->top(), 20);
    auto state = [axles](QString text) {
        int position = text.size();
        return axles->validate(text, position);
    };
    for (int n = 2; n <= 20; ++n)
        QCOMPARE(state(QString::number(n)), QValidator::Acceptable);
    QCOMPARE(state(QStringLiteral("a")), QValidator::Invalid);
    QCOMPARE(state(QStringLiteral("-")), QValidator::Invalid);
    QCOMPARE(state(QStringLiteral("-3")), QValidator::Invalid);
    QVERIFY(state(QStringLiteral("1")) != QValidator::Acceptable);
    QVERIFY(state(QStringLiteral("21")) != QValidator::Acceptable);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
