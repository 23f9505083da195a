// Typing in the header fields: what reaches the document (as Save would
// write it), how each field is marked, and the re-marking of the per-axle
// distances and the invalid list after an axle-distance bound changes.
#include "common/expectedtexts.h"
#include "common/testsupport.h"
#include "common/windowdriver.h"

#include <QLabel>
#include <QtTest>

using namespace WindowDriver;
using namespace Expected;

namespace {
const QString unchanged = QStringLiteral("unchanged");

// The [classes] lines of the document's text form, the form Save writes.
QStringList headerLines(Tarveo &window) {
    const QString text = TarveoTestAccess::conf(window).to_string();
    return text.left(text.indexOf(QStringLiteral("\n\n"))).split(QLatin1Char('\n')).mid(1);
}
} // namespace

class HeaderFieldsTest : public QObject {
    Q_OBJECT

    // fleet.conf: header minimum 0.8 and maximum 12; subclass 3 has two axles
    // (distance 2.2 to 3.5), subclasses 4 and 9 five axles with distances up
    // to 9; all three valid.
    void openFleet(Tarveo &window) {
        window.openFile(dataPath(QStringLiteral("fleet.conf")));
        QCOMPARE(TarveoTestAccess::conf(window).get_subclass_numbers().size(), 3);
    }

    QStringList invalidEntries(Tarveo &window) {
        return entries(widget<QComboBox>(window, QStringLiteral("comboBoxInvalid")));
    }

private slots:
    void editStoresAndMarks_data();
    void editStoresAndMarks();
    void maxAxleDistanceHasThreeStates();
    void boundChangesRemarkAxleDistancesAndInvalidList();
    void numberReadersIgnoreTheLocale_data();
    void numberReadersIgnoreTheLocale();
};

void HeaderFieldsTest::editStoresAndMarks_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("feet");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored"); // empty: the key is not written
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("tip");

    QTest::newRow("version as typed, never marked") << "lineEditVersion"
                                                    << "2026 b" << false << "classification_version"
                                                    << "2026 b" << unchanged << "";
    QTest::newRow("country upper-cased, valid") << "lineEditCountry"
                                                << "it" << false << "country_code"
                                                << "IT" << lime << "";
    QTest::newRow("unknown country") << "lineEditCountry"
                                     << "XX" << false << "country_code"
                                     << "XX" << red << "Enter a two letter ISO code.";
    QTest::newRow("group distance cleared") << "lineEditGroupMaxDist"
                                            << "" << false << "group_max_distance__m"
                                            << "" << red << "";
    QTest::newRow("group distance in feet") << "lineEditGroupMaxDist"
                                            << "100" << true << "group_max_distance__m"
                                            << "30.48" << lime << "";
    QTest::newRow("vehicle spacing in feet") << "lineEditMinAxleSpacing"
                                             << "10" << true << "min_2axle_truck_spacing__m"
                                             << "3.048" << unchanged << "";
    QTest::newRow("zero spacing stores nothing") << "lineEditMinAxleSpacing"
                                                 << "0" << false << "min_2axle_truck_spacing__m"
                                                 << "" << unchanged << "";
    QTest::newRow("average axle weight in tonnes") << "lineEditMinAvgAxleWeight"
                                                   << "2" << false << "min_avg_axle_weight__kN"
                                                   << "19.6133" << unchanged << "";
    QTest::newRow("unclassified names an existing subclass")
        << "lineEditUnclassified"
        << "4" << false << "unclassified_vehicle_subclass"
        << "4" << red << "";
    QTest::newRow("unclassified free") << "lineEditUnclassified"
                                       << "150" << false << "unclassified_vehicle_subclass"
                                       << "150" << lime << "";
    QTest::newRow("uncategorised too small") << "lineEditUncategorised"
                                             << "5" << false << "uncategorised_vehicle_category"
                                             << "5" << red << "";
    QTest::newRow("uncategorised smallest valid")
        << "lineEditUncategorised"
        << "6" << false << "uncategorised_vehicle_category"
        << "6" << lime << "";
}

void HeaderFieldsTest::editStoresAndMarks() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, feet);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, style);
    QFETCH(QString, tip);

    Tarveo window;
    openFleet(window);
    if (feet) {
        TarveoTestAccess::lengthUnit(window) = Feet;
        TarveoTestAccess::lengthFactor(window) = 0.3048f;
    }
    QLineEdit *edit = widget(window, field);
    const QString styleBefore = edit->styleSheet();
    retype(window, field, typed);

    const QStringList lines = headerLines(window);
    const QStringList withKey = lines.filter(QRegularExpression(QLatin1Char('^') + key + '='));
    if (stored.isEmpty())
        QVERIFY2(withKey.isEmpty(), qPrintable(withKey.join(' ')));
    else
        QCOMPARE(withKey, QStringList{key + QLatin1Char('=') + stored});
    QCOMPARE(edit->styleSheet(), style == unchanged ? styleBefore : style);
    QCOMPARE(edit->toolTip(), tip);
}

void HeaderFieldsTest::maxAxleDistanceHasThreeStates() {
    Tarveo window;
    openFleet(window);
    QLineEdit *edit = widget(window, QStringLiteral("lineEditMaxAxleDist"));

    retype(window, QStringLiteral("lineEditMaxAxleDist"), QStringLiteral("5"));
    QCOMPARE(edit->styleSheet(), yellow); // subclasses 4 and 9 reach 9 m
    QCOMPARE(edit->toolTip(), QStringLiteral("Value is lower than some subclasses."));
    QVERIFY(headerLines(window).contains(QStringLiteral("max_axle_distance__m=5")));

    retype(window, QStringLiteral("lineEditMaxAxleDist"), QStringLiteral("0.5"));
    QCOMPARE(edit->styleSheet(), red); // below the minimum 0.8
    QCOMPARE(edit->toolTip(), QStringLiteral("Value must be higher than min axle distance."));

    retype(window, QStringLiteral("lineEditMaxAxleDist"), QStringLiteral("9"));
    QCOMPARE(edit->styleSheet(), lime);
    QCOMPARE(edit->toolTip(), QString());
}

void HeaderFieldsTest::boundChangesRemarkAxleDistancesAndInvalidList() {
    Tarveo window;
    openFleet(window);
    // Subclass 3 is shown: one distance, minimum 2.2, maximum 3.5.
    QLineEdit *maxDist = widget(window, QStringLiteral("MaxAxleDist1"));
    QLineEdit *minDist = widget(window, QStringLiteral("MinAxleDist1"));
    QVERIFY(maxDist && minDist);
    auto *invalid = widget<QComboBox>(window, QStringLiteral("comboBoxInvalid"));
    auto *label = widget<QLabel>(window, QStringLiteral("labelInvalid"));
    QVERIFY(invalid->isHidden());

    retype(window, QStringLiteral("lineEditMaxAxleDist"), QStringLiteral("3"));
    QCOMPARE(maxDist->styleSheet(), red);
    QCOMPARE(maxDist->toolTip(), tipMaxDistRange);
    QCOMPARE(minDist->styleSheet(), lime);
    QCOMPARE(invalidEntries(window), (QStringList{"subclass_3", "subclass_4", "subclass_9"}));
    QVERIFY(!invalid->isHidden());
    QCOMPARE(label->text(), QStringLiteral("Invalid subclasses:"));

    retype(window, QStringLiteral("lineEditMaxAxleDist"), QStringLiteral("4"));
    QCOMPARE(maxDist->styleSheet(), lime);
    QCOMPARE(invalidEntries(window), (QStringList{"subclass_4", "subclass_9"}));

    // The minimum judges the same edits by its own bound only.
    retype(window, QStringLiteral("lineEditMinAxleDist"), QStringLiteral("2.5"));
    QCOMPARE(minDist->styleSheet(), red);
    QCOMPARE(minDist->toolTip(), tipMinDistRange);
    QCOMPARE(maxDist->styleSheet(), lime);
    QVERIFY(headerLines(window).contains(QStringLiteral("min_axle_distance__m=2.5")));
    QCOMPARE(invalidEntries(window), (QStringList{"subclass_3", "subclass_4", "subclass_9"}));

    retype(window, QStringLiteral("lineEditMinAxleDist"), QStringLiteral("0.8"));
    retype(window, QStringLiteral("lineEditMaxAxleDist"), QStringLiteral("12"));
    QCOMPARE(minDist->styleSheet(), lime);
    QCOMPARE(maxDist->styleSheet(), lime);
    QVERIFY(invalidEntries(window).isEmpty());
    QVERIFY(invalid->isHidden());
    QCOMPARE(label->text(), QStringLiteral("Subclasses are valid."));
}

void HeaderFieldsTest::numberReadersIgnoreTheLocale_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isFloat");
    QTest::addColumn<bool>("isInt");
    QTest::newRow("decimal point") << "1.5" << true << false;
    QTest::newRow("decimal comma") << "1,5" << false << false;
    QTest::newRow("whole number") << "7" << true << true;
    QTest::newRow("negative") << "-3" << true << true;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("text") << "abc" << false << false;
}

// The constraint editor relies on these to refuse values it cannot convert;
// a reader that followed a locale with a decimal comma would let 1,5 in.
void HeaderFieldsTest::numberReadersIgnoreTheLocale() {
    QFETCH(QString, text);
    QFETCH(bool, isFloat);
    QFETCH(bool, isInt);
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Tarveo window;
    const bool floatResult = window.isValidFloat(text);
    const bool intResult = window.isValidInt(text);
    QLocale::setDefault(previous);
    QCOMPARE(floatResult, isFloat);
    QCOMPARE(intResult, isInt);
}

QTEST_MAIN(HeaderFieldsTest)
#include "tst_editing_header.moc"
