// The axle rows: built, shown, hidden and emptied as the axle count changes,
// filled when a subclass is displayed, and storing what is typed into them.
#include "common/windowdriver.h"

using namespace WindowDriver;

namespace {
const QString numOfAxles = QStringLiteral("lineEditNumOfAxles");
const QString perAxle = QStringLiteral("(tyre|max_axle|min_axle)");

// Whether every widget of axle rows first to last (distance k, axle k+1) is
// on screen, or (shown false) hidden, empty and unticked.
bool rowsAre(Tarveo &window, int first, int last, bool shown) {
    for (int k = first; k <= last; ++k)
        for (const QString &name :
             {QStringLiteral("MaxAxleDist%1").arg(k), QStringLiteral("MinAxleDist%1").arg(k),
              QStringLiteral("MaxAxleWeightEdit%1").arg(k + 1),
              QStringLiteral("MaxAxleWeightBox%1").arg(k + 1),
              QStringLiteral("TyreType%1").arg(k + 1)}) {
            QWidget *found = widget<QWidget>(window, name);
            auto *edit = qobject_cast<QLineEdit *>(found);
            if (found->isVisible() != shown || (!shown && ((edit && !edit->text().isEmpty()) ||
                                                           found->property("checked").toBool())))
                return false;
        }
    return true;
}

// The sums under the rows: maximum distances, minimum distances, weights.
QStringList sums(Tarveo &window) {
    return {label(window, "labelSumMaxAxleDist"), label(window, "labelSumMinAxleDist"),
            label(window, "labelSumMaxAxleWeights")};
}
} // namespace

class TestAxleRows : public QObject {
    Q_OBJECT

private slots:
    void displayFillsMarksAndStoresTheRows() {
        Tarveo window;
        QVERIFY(openShown(window, "rows/trucks.conf"));
        // subclass_4 is shown first: five axles in metres and tonnes.
        QVERIFY(rowsAre(window, 1, 4, true));
        QCOMPARE(sums(window), (QStringList{"16.5", "10.4", "46.3971"}));

        // A tick does not survive the change of subclass.
        tick(window, {1});
        // subclass_15: a distance above the header maximum and tyre type 7.
        QVERIFY(select(window, 15));
        QVERIFY(rowsAre(window, 1, 1, true) && rowsAre(window, 2, 4, false));
        QCOMPARE(
            seen(window, {"MaxAxleDist1", "MinAxleDist1", "TyreType2"}),
            (QStringList{"20.00 red: " + tipMaxDistRange, "2.00 lime", "7 red: " + tipTyreRange}));
        QVERIFY(ticked(window).isEmpty());

        // What is typed into the rows is stored converted, and marked.
        QVERIFY(select(window, 11));
        TarveoTestAccess::receiveUnits(window, Tons, Feet, 9.80665f);
        const QStringList row = {"MaxAxleDist1", "MinAxleDist1", "MaxAxleWeightEdit1", "TyreType2"};
        // A maximum of 5 ft (1.524 m) is below the 2.2 m minimum: both are
        // wrong, until a minimum below it makes both right.
        QVERIFY(retypeAll(window, {"MaxAxleDist1=5", "MaxAxleWeightEdit1=10", "TyreType2=5"}));
        QCOMPARE(seen(window, row),
                 (QStringList{"5 red: " + tipMaxDistRange, "7.22 red: " + tipMinDistRange,
                              "10 lime", "5 red: " + tipTyreRange}));
        QCOMPARE(sums(window), (QStringList{"5", "7.21785", "12.0394"}));
        QVERIFY(retype(window, "MinAxleDist1", "4") && retype(window, "TyreType2", "3"));
        QCOMPARE(seen(window, row), (QStringList{"5 lime", "4 lime", "10 lime", "3 lime"}));
        QCOMPARE(sums(window).at(1), QStringLiteral("4"));
        QCOMPARE(sectionLines(window, 11, perAxle),
                 (QStringList{"tyre_type=1,3", "max_axle_weight__kN=1,98.0665;2,20",
                              "max_axle_distance__m=1.524", "min_axle_distance__m=1.2192"}));

        // Zero is no distance: it is stored empty, and the row turns red.
        QVERIFY(retype(window, "MaxAxleDist1", "0"));
        QCOMPARE(sectionLines(window, 11, "max_axle_d"), QStringList{"max_axle_distance__m="});
        QCOMPARE(marking(window, "MaxAxleDist1"), "red: " + tipMaxDistRange);
        QVERIFY(invalidEntries(window).contains("subclass_11"));
    }

    void axleCountShowsHidesAndEmptiesRows() {
        Tarveo window;
        QVERIFY(openShown(window, "rows/trucks.conf"));
        // Rows 3 and 4 were made for subclass_4 and are hidden for subclass_9:
        // growing shows them again, empty and red.
        QVERIFY(select(window, 9));
        QVERIFY(retype(window, numOfAxles, "5"));
        QVERIFY(rowsAre(window, 1, 4, true));
        QCOMPARE(seen(window, {"MaxAxleDist3", "MinAxleDist4", "MaxAxleWeightEdit5", "TyreType5",
                               numOfAxles, "lineEditConfString"}),
                 (QStringList{"red: " + tipMaxDistRange, "red: " + tipMinDistRange, "red",
                              "red: " + tipTyreRange, "5 lime",
                              "H2T1 red: " + tipAxleConf})); // no longer adds up
        // The values of the first three axles stay; the new ones are empty.
        QCOMPARE(sectionLines(window, 9, perAxle),
                 (QStringList{"tyre_type=1,2,2,,", "max_axle_weight__kN=1,70;2,100;3,100;4,;5,",
                              "max_axle_distance__m=4.5,6,,", "min_axle_distance__m=3,4,,"}));

        // Rows 5 to 11 are new; shown again, subclass_4 fills the edits made
        // for it and hides the others.
        QVERIFY(retype(window, numOfAxles, "12"));
        QVERIFY(rowsAre(window, 1, 11, true));
        QCOMPARE(window.findChildren<QLineEdit *>(QStringLiteral("MaxAxleDist4")).size(), 1);
        QVERIFY(select(window, 4));
        QVERIFY(rowsAre(window, 5, 11, false));
        QCOMPARE(text(window, "MaxAxleDist4"), QStringLiteral("1.50"));

        const QStringList before = sectionLines(window, 4, perAxle);
        // A count out of range changes no row and no value.
        QVERIFY(retype(window, numOfAxles, "1"));
        QCOMPARE(marking(window, numOfAxles), "red: " + tip(Messages::NumberOfAxles));
        QVERIFY(rowsAre(window, 1, 4, true));
        QVERIFY(retype(window, numOfAxles, "5"));
        QCOMPARE(sectionLines(window, 4, perAxle), before);

        QVERIFY(retype(window, numOfAxles, "3"));
        QVERIFY(rowsAre(window, 1, 2, true) && rowsAre(window, 3, 4, false));
        QCOMPARE(sums(window), (QStringList{"13.5", "8", "28.0422"}));
        QCOMPARE(sectionLines(window, 4, perAxle),
                 (QStringList{"tyre_type=1,2,3", "max_axle_weight__kN=1,70;2,115;3,90;3+4+5,240",
                              "max_axle_distance__m=4.5,9", "min_axle_distance__m=3,5"}));

        // Growing back brings the rows back empty: the old values are gone from
        // the document too, not only from the screen.
        QVERIFY(retype(window, numOfAxles, "5"));
        QCOMPARE(
            sectionLines(window, 4, perAxle),
            (QStringList{"tyre_type=1,2,3,,", "max_axle_weight__kN=1,70;2,115;3,90;4,;5,;3+4+5,240",
                         "max_axle_distance__m=4.5,9,,", "min_axle_distance__m=3,5,,"}));
    }
};

QTEST_MAIN(TestAxleRows)
#include "tst_rows_axles.moc"
