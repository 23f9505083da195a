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

QStringList invalidEntries(Tarveo &window) {
    return entries(widget<QComboBox>(window, "comboBoxInvalid"));
}
} // namespace

class HeaderFieldsTest : public QObject {
    Q_OBJECT

    // fleet.conf: header minimum 0.8 and maximum 12; subclass 3 has two axles
    // (distance 2.2 to 3.5), subclasses 4 and 9 five axles with distances up
    // to 9; all three valid.
    void openFleet(Tarveo &window) {
        window.openFile(dataPath("fleet.conf"));
        QCOMPARE(TarveoTestAccess::conf(window).get_subclass_numbers().size(), 3);
    }

private slots:
    void editStoresAndMarks_data();
    void editStoresAndMarks();
    void maxAxleDistanceHasThreeStates();
    void boundChangesRemarkAxleDistancesAndInvalidList();
    void numberReadersIgnoreTheLocale();
};

void HeaderFieldsTest::editStoresAndMarks_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("feet");
    QTest::addColumn<QString>("line"); // "key=" alone: the key is not written
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("tip");

    const struct {
        const char *name, *field, *typed;
        bool feet;
        const char *line;
        QString style;
        const char *tip;
    } rows[] = {
        {"version as typed, never marked", "Version", "2026 b", false,
         "classification_version=2026 b", unchanged, ""},
        {"country upper-cased, valid", "Country", "it", false, "country_code=IT", lime, ""},
        {"unknown country", "Country", "XX", false, "country_code=XX", red,
         "Enter a two letter ISO code."},
        {"group distance cleared", "GroupMaxDist", "", false, "group_max_distance__m=", red, ""},
        {"group distance in feet", "GroupMaxDist", "100", true, "group_max_distance__m=30.48", lime,
         ""},
        {"vehicle spacing in feet", "MinAxleSpacing", "10", true,
         "min_2axle_truck_spacing__m=3.048", unchanged, ""},
        {"zero spacing stores nothing", "MinAxleSpacing", "0", false,
         "min_2axle_truck_spacing__m=", unchanged, ""},
        {"average axle weight in tonnes", "MinAvgAxleWeight", "2", false,
         "min_avg_axle_weight__kN=19.6133", unchanged, ""},
        {"unclassified names an existing subclass", "Unclassified", "4", false,
         "unclassified_vehicle_subclass=4", red, ""},
        {"unclassified free", "Unclassified", "150", false, "unclassified_vehicle_subclass=150",
         lime, ""},
        {"uncategorised too small", "Uncategorised", "5", false, "uncategorised_vehicle_category=5",
         red, ""},
        {"uncategorised smallest valid", "Uncategorised", "6", false,
         "uncategorised_vehicle_category=6", lime, ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QStringLiteral("lineEdit") + row.field << QString(row.typed)
                                << row.feet << QString(row.line) << row.style << QString(row.tip);
}

void HeaderFieldsTest::editStoresAndMarks() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, feet);
    QFETCH(QString, line);
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

    const QString key = line.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
    const QStringList withKey = headerLines(window).filter(QRegularExpression('^' + key));
    if (line == key)
        QVERIFY2(withKey.isEmpty(), qPrintable(withKey.join(' ')));
    else
        QCOMPARE(withKey, QStringList{line});
    QCOMPARE(edit->styleSheet(), style == unchanged ? styleBefore : style);
    QCOMPARE(edit->toolTip(), tip);
}

void HeaderFieldsTest::maxAxleDistanceHasThreeStates() {
    Tarveo window;
    openFleet(window);
    QLineEdit *edit = widget(window, "lineEditMaxAxleDist");
    const struct {
        const char *typed;
        const QString &style;
        const char *tip;
    } states[] = {{"5", yellow, "Value is lower than some subclasses."}, // 4 and 9 reach 9 m
                  {"0.5", red, "Value must be higher than min axle distance."},
                  {"9", lime, ""}};
    for (const auto &state : states) {
        retype(window, "lineEditMaxAxleDist", state.typed);
        QCOMPARE(edit->styleSheet(), state.style);
        QCOMPARE(edit->toolTip(), QString(state.tip));
        QVERIFY(
            headerLines(window).contains(QStringLiteral("max_axle_distance__m=") + state.typed));
    }
}

void HeaderFieldsTest::boundChangesRemarkAxleDistancesAndInvalidList() {
    Tarveo window;
    openFleet(window);
    // Subclass 3 is shown: one distance, minimum 2.2, maximum 3.5.
    QLineEdit *maxDist = widget(window, "MaxAxleDist1");
    QLineEdit *minDist = widget(window, "MinAxleDist1");
    QVERIFY(maxDist && minDist);
    auto *invalid = widget<QComboBox>(window, "comboBoxInvalid");
    const QStringList all = {"subclass_3", "subclass_4", "subclass_9"};

    retype(window, "lineEditMaxAxleDist", "3");
    QCOMPARE(maxDist->styleSheet(), red);
    QCOMPARE(maxDist->toolTip(), tipMaxDistRange);
    QCOMPARE(minDist->styleSheet(), lime);
    QCOMPARE(invalidEntries(window), all);
    QVERIFY(!invalid->isHidden());

    retype(window, "lineEditMaxAxleDist", "4");
    QCOMPARE(maxDist->styleSheet(), lime);
    QCOMPARE(invalidEntries(window), (QStringList{"subclass_4", "subclass_9"}));

    // The minimum judges the same edits by its own bound only.
    retype(window, "lineEditMinAxleDist", "2.5");
    QCOMPARE(minDist->styleSheet(), red);
    QCOMPARE(minDist->toolTip(), tipMinDistRange);
    QCOMPARE(maxDist->styleSheet(), lime);
    QVERIFY(headerLines(window).contains(QStringLiteral("min_axle_distance__m=2.5")));
    QCOMPARE(invalidEntries(window), all);

    retype(window, "lineEditMinAxleDist", "0.8");
    retype(window, "lineEditMaxAxleDist", "12");
    QCOMPARE(minDist->styleSheet(), lime);
    QCOMPARE(maxDist->styleSheet(), lime);
    QVERIFY(invalidEntries(window).isEmpty());
    QVERIFY(invalid->isHidden());
    QCOMPARE(widget<QLabel>(window, "labelInvalid")->text(),
             QStringLiteral("Subclasses are valid."));
}

// The constraint editor relies on these to refuse values it cannot convert;
// a reader that followed a locale with a decimal comma would let 1,5 in.
void HeaderFieldsTest::numberReadersIgnoreTheLocale() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Tarveo window;
    const struct {
        const char *text;
        bool isFloat, isInt;
    } cases[] = {{"1.5", true, false}, {"1,5", false, false}, {"7", true, true},
                 {"-3", true, true},   {"", false, false},    {"abc", false, false}};
    QStringList wrong;
    for (const auto &c : cases)
        if (TarveoTestAccess::isValidFloat(window, c.text) != c.isFloat ||
            TarveoTestAccess::isValidInt(window, c.text) != c.isInt)
            wrong << QString(c.text);
    QLocale::setDefault(previous);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(" | "))));
}

QTEST_MAIN(HeaderFieldsTest)
#include "tst_editing_header.moc"
