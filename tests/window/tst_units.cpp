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
#include <tuple>

class TestUnits : public QObject {
    Q_OBJECT

private slots:
    void factorsAndSuffixesOfEveryUnit();
    void defaultGIsAnExactComparison();
    void documentValuesShownInEachUnit_data();
    void documentValuesShownInEachUnit();
    void fieldTextOfValuesThatAreNotShown();
    void typedTextToDocument_data();
    void typedTextToDocument();
    void sumsAndLabelSuffixes();
    void validatorsFollowTheConversionNotTheDesktopLocale();
    void axleCountValidator();
};

void TestUnits::factorsAndSuffixesOfEveryUnit() {
    const std::tuple<uchar, float, const char *> weights[] = {
        {Tons, 9.81f, "(t):"}, {Pounds, 0.0044482216f, "(lb):"}, {Kilonewtons, 1.0f, "(kN):"}};
    for (const auto &[unit, expected, suffix] : weights) {
        float factor = 0;
        QVERIFY(Units::weightFactorFor(unit, 9.81f, &factor));
        QCOMPARE(factor, expected);
        QCOMPARE(Units::weightSuffix(unit), QLatin1String(suffix));
    }
    const std::tuple<uchar, float, const char *> lengths[] = {
        {Meters, 1.0f, "(m):"}, {Feet, 0.3048f, "(ft):"}, {Inches, 0.0254f, "(in):"}};
    for (const auto &[unit, expected, suffix] : lengths) {
        float factor = 0;
        QVERIFY(Units::lengthFactorFor(unit, &factor));
        QCOMPARE(factor, expected);
        QCOMPARE(Units::lengthSuffix(unit), QLatin1String(suffix));
    }

    float pound = 0;
    QVERIFY(Units::weightFactorFor(Pounds, 9.81f, &pound));
    // The pound-force, rounded to the nearest 32-bit float.
    QCOMPARE(QString::number(pound, 'g', 9), QStringLiteral("0.00444822153"));

    // Unknown units leave the factor as it was.
    float factor = 7.5f;
    QVERIFY(!Units::weightFactorFor(3, 9.81f, &factor));
    QVERIFY(!Units::lengthFactorFor(255, &factor));
    QCOMPARE(factor, 7.5f);
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
    QCOMPARE(Units::fieldText(std::numeric_limits<double>::quiet_NaN()), QString());
    QCOMPARE(Units::fieldText(std::numeric_limits<double>::infinity()), QString());
    QCOMPARE(Units::fieldText(0.004), QStringLiteral("0.00"));
}

void TestUnits::typedTextToDocument_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("edit");

    const std::tuple<const char *, float, const char *, const char *> rows[] = {
        {"10", 9.80665f, "98.0665", "98.0665"},
        {"2", 9.80665f, "19.6133", "19.6133"},
        {"10", 0.3048f, "3.048", "3.048"},
        {"1", 0.0044482216f, "0.00444822", "0.00444822"},
        {"1000000", 1.0f, "1e+06", "1e+06"},
        // Only the edit form drops a zero; neither takes a comma as a decimal.
        {"0", 9.80665f, "0", ""},
        {"-3", 1.0f, "", ""},
        {"", 1.0f, "", ""},
        {"x", 1.0f, "0", ""},
        {"3,5", 1.0f, "0", ""}};
    for (const auto &[typed, factor, display, edit] : rows)
        QTest::addRow("%s at %g", typed, double(factor))
            << QString::fromLatin1(typed) << factor << QString::fromLatin1(display)
            << QString::fromLatin1(edit);
}

void TestUnits::typedTextToDocument() {
    QFETCH(QString, typed);
    QFETCH(float, factor);
    QFETCH(QString, display);
    QFETCH(QString, edit);
    QCOMPARE(Units::displayToFileText(typed, factor), display);
    QCOMPARE(Units::editToFileText(typed, factor), edit);
}

void TestUnits::sumsAndLabelSuffixes() {
    QCOMPARE(Units::formatSum(196.133, 9.80665f), QStringLiteral("20"));
    QCOMPARE(Units::formatSum(3.048 + 6.096, 0.3048f), QStringLiteral("30"));
    QCOMPARE(Units::formatSum(2500000, 1.0f), QStringLiteral("2.5e+06"));
    QCOMPARE(Units::formatSum(12.3456789, 1.0f), QStringLiteral("12.3457"));

    QCOMPARE(Units::withSuffix(QStringLiteral("Max. GVW (t):"), QStringLiteral("(kN):")),
             QStringLiteral("Max. GVW (kN):"));
    QCOMPARE(Units::withSuffix(QStringLiteral("Tyre type:"), QStringLiteral("(in):")),
             QStringLiteral("Tyre type:(in):"));
    // Cut at the first bracket.
    QCOMPARE(
        Units::withSuffix(QStringLiteral("Gross (weight) limit (t):"), QStringLiteral("(lb):")),
        QStringLiteral("Gross (lb):"));
}

void TestUnits::validatorsFollowTheConversionNotTheDesktopLocale() {
    // A desktop that writes decimals with a comma and groups with a point.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Slovenian));

    QObject owner;
    QDoubleValidator *real = NumberValidators::real(&owner);
    QIntValidator *integer = NumberValidators::integer(&owner);
    QLocale::setDefault(previous);

    const std::tuple<QValidator *, const char *, QValidator::State> cases[] = {
        {real, "3.5", QValidator::Acceptable},   {real, "-2.25", QValidator::Acceptable},
        {real, "1e3", QValidator::Acceptable},   {real, "3,5", QValidator::Invalid},
        {real, "1,000", QValidator::Invalid},    {real, "1.000.5", QValidator::Invalid},
        {real, "x", QValidator::Invalid},        {integer, "140", QValidator::Acceptable},
        {integer, "1.000", QValidator::Invalid}, {integer, "1,000", QValidator::Invalid},
        {integer, "1 000", QValidator::Invalid}, {integer, "2.5", QValidator::Invalid}};
    for (const auto &[validator, typed, expected] : cases) {
        QString text = QString::fromLatin1(typed);
        int position = text.size();
        QVERIFY2(validator->validate(text, position) == expected, typed);
    }
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
    for (int n : {2, 11, 20})
        QCOMPARE(state(QString::number(n)), QValidator::Acceptable);
    QCOMPARE(state(QStringLiteral("-3")), QValidator::Invalid);
    QVERIFY(state(QStringLiteral("1")) != QValidator::Acceptable);
    QVERIFY(state(QStringLiteral("21")) != QValidator::Acceptable);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
