// Typing in the header fields: what reaches the document (as Save would
// write it), how each field is marked, and the invalid list after an
// axle-distance bound changes.
#include "common/windowdriver.h"

using namespace WindowDriver;

namespace {
// fleet.conf: header minimum 0.8 and maximum 12; subclass 3 has two axles
// (distance 2.2 to 3.5), subclasses 4 and 9 five axles with distances up to
// 9; all three valid.
// A name ending "in feet": feet are shown.
const FieldCase headerCases[] = {
    {"version, never marked", "Version", "2026 b", "classification_version=2026 b", QString()},
    {"unknown country", "Country", "XX", "country_code=XX", "red: Enter a two letter ISO code."},
    {"group distance cleared", "GroupMaxDist", "", "group_max_distance__m=", "red"},
    {"group distance in feet", "GroupMaxDist", "100", "group_max_distance__m=30.48", "lime"},
    {"zero spacing", "MinAxleSpacing", "0", "min_2axle_truck_spacing__m=", QString()},
    {"weight in tonnes", "MinAvgAxleWeight", "2", "min_avg_axle_weight__kN=19.6133", QString()},
    {"unclassified taken", "Unclassified", "4", "unclassified_vehicle_subclass=4", "red"},
    {"uncategorised too small", "Uncategorised", "5", "uncategorised_vehicle_category=5", "red"},
    // Subclasses 4 and 9 reach 9 m.
    {"maximum below a subclass's", "MaxAxleDist", "5", "max_axle_distance__m=5",
     "yellow: Value is lower than some subclasses."},
    {"maximum below the minimum", "MaxAxleDist", "0.5", "max_axle_distance__m=0.5",
     "red: Value must be higher than min axle distance."},
};

} // namespace

class TestHeaderFields : public QObject {
    Q_OBJECT

private slots:
    void editStoresAndMarks_data() { addCases(headerCases); }

    void editStoresAndMarks() {
        const FieldCase &c = fetchCase(headerCases);
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        if (QByteArray(c.name).endsWith("in feet"))
            TarveoTestAccess::receiveUnits(window, Tons, Feet, 9.80665f);
        const QString field = QStringLiteral("lineEdit") + c.field;
        const QString before = marking(window, field);
        retype(window, field, c.typed);

        const QString key = QString(c.line).section('=', 0, 0) + '=';
        // The header's line comes first in the text that Save writes.
        const QStringList lines = document(window).to_string().split('\n');
        QCOMPARE(lines.filter(QRegularExpression('^' + key)).mid(0, 1),
                 key == c.line ? QStringList() : QStringList{c.line});
        QCOMPARE(marking(window, field), c.marking.isNull() ? before : c.marking);
    }

    // The header's bounds judge every subclass: the invalid list follows.
    void boundChangesRejudgeTheInvalidList() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        // Subclass 3, shown, lies within 2.2 to 3.5 m.
        retype(window, "lineEditMaxAxleDist", "3.5");
        QCOMPARE(invalidEntries(window), (QStringList{"subclass_4", "subclass_9"}));
        retype(window, "lineEditMinAxleDist", "2.5");
        QCOMPARE(invalidEntries(window), (QStringList{"subclass_3", "subclass_4", "subclass_9"}));
        QCOMPARE(marking(window, "MinAxleDist1"), "red: " + tipMinDistRange);
        retype(window, "lineEditMinAxleDist", "0.8");
        retype(window, "lineEditMaxAxleDist", "12");
        QVERIFY(invalidEntries(window).isEmpty() && !isShown(window, "comboBoxInvalid"));
    }
};

QTEST_MAIN(TestHeaderFields)
#include "tst_editing_header.moc"
