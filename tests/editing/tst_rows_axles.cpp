// The axle rows: built, shown, hidden and emptied as the axle count changes,
// filled when a subclass is displayed, and storing what is typed into them.
#include "tst_rows_window.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace RowsWindow;

namespace {
const QString numOfAxles = QStringLiteral("lineEditNumOfAxles");

// Whether every widget of axle row k (distance k and axle k+1) exists and
// is on screen (or, with shown false, exists and is hidden and empty).
bool rowIs(Tarveo &window, int k, bool shown) {
    const QStringList names = {
        QStringLiteral("MaxAxleDist%1").arg(k), QStringLiteral("MinAxleDist%1").arg(k),
        QStringLiteral("MaxAxleWeightEdit%1").arg(k + 1),
        QStringLiteral("MaxAxleWeightBox%1").arg(k + 1), QStringLiteral("TyreType%1").arg(k + 1)};
    for (const QString &name : names) {
        QWidget *found = widget<QWidget>(window, name);
        if (!found || found->isVisible() != shown)
            return false;
        if (!shown) {
            if (auto *edit = qobject_cast<QLineEdit *>(found); edit && !edit->text().isEmpty())
                return false;
            if (auto *box = qobject_cast<QCheckBox *>(found); box && box->isChecked())
                return false;
        }
    }
    return true;
}

// Whether rows first to last are all shown (or all hidden and empty).
bool rowsAre(Tarveo &window, int first, int last, bool shown) {
    for (int k = first; k <= last; ++k)
        if (!rowIs(window, k, shown))
            return false;
    return true;
}

QString labelText(Tarveo &window, const QString &name) {
    QLabel *label = widget<QLabel>(window, name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

// The sums under the rows: maximum distances, minimum distances, weights.
QStringList sums(Tarveo &window) {
    return {labelText(window, "labelSumMaxAxleDist"), labelText(window, "labelSumMinAxleDist"),
            labelText(window, "labelSumMaxAxleWeights")};
}

QString text(Tarveo &window, const char *name) {
    return widget(window, name)->text();
}
} // namespace

class AxleRowsTest : public QObject {
    Q_OBJECT

private slots:
    void displayFillsAndMarksTheRows();
    void growingShowsEmptyRedRowsAndExtendsTheLists();
    void shrinkingHidesRowsAndDropsTheirValues();
    void manyAxlesNumberTheirWidgets();
    void rowEditsStoreConvertedAndMark();
    void aSubclassWithoutAxlesResetsTheRows();
};

void AxleRowsTest::displayFillsAndMarksTheRows() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    // subclass_4 is shown first: five axles in metres and tonnes.
    QVERIFY(rowsAre(window, 1, 4, true));
    QCOMPARE(text(window, "MaxAxleDist2"), QStringLiteral("9.00"));
    QCOMPARE(text(window, "MinAxleDist4"), QStringLiteral("1.20"));
    QCOMPARE(text(window, "MaxAxleWeightEdit2"), QStringLiteral("11.73"));
    QCOMPARE(text(window, "TyreType3"), QStringLiteral("3"));
    QVERIFY(isLime(widget(window, "MaxAxleDist4")));
    QVERIFY(isLime(widget(window, "TyreType5")));
    QCOMPARE(sums(window), (QStringList{"16.5", "10.4", "46.3971"}));

    // A tick does not survive the change of subclass.
    widget<QCheckBox>(window, "MaxAxleWeightBox1")->setChecked(true);
    // subclass_15: a distance above the header maximum and tyre type 7.
    QVERIFY(select(window, 15));
    QVERIFY(rowIs(window, 1, true));
    QVERIFY(rowsAre(window, 2, 4, false));
    QCOMPARE(text(window, "MaxAxleDist1"), QStringLiteral("20.00"));
    QVERIFY(isRed(widget(window, "MaxAxleDist1")));
    QVERIFY(isLime(widget(window, "MinAxleDist1")));
    QCOMPARE(text(window, "TyreType2"), QStringLiteral("7"));
    QVERIFY(isRed(widget(window, "TyreType2")));
    QCOMPARE(widget(window, "TyreType2")->toolTip(), tipTyreRange);
    QVERIFY(!widget<QCheckBox>(window, "MaxAxleWeightBox1")->isChecked());
}

void AxleRowsTest::growingShowsEmptyRedRowsAndExtendsTheLists() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    // Rows 3 and 4 were made for subclass_4 and are hidden for subclass_9:
    // growing shows them again.
    QVERIFY(select(window, 9));
    QVERIFY(rowIs(window, 3, false));
    QVERIFY(retype(window, numOfAxles, "5"));

    const Subclass &subclass = window.document().get_subclass(9);
    QCOMPARE(subclass.get_number_of_axles(), QStringLiteral("5"));
    QVERIFY(rowsAre(window, 1, 4, true));
    for (const char *name : {"MaxAxleDist3", "MinAxleDist4", "MaxAxleWeightEdit4",
                             "MaxAxleWeightEdit5", "TyreType5"}) {
        QLineEdit *edit = widget(window, name);
        QVERIFY2(edit->text().isEmpty() && isRed(edit), name);
    }
    // The values of the first three axles stay; the new ones are empty.
    QCOMPARE(subclass.get_max_distance_at_index(1), QStringLiteral("6"));
    QCOMPARE(subclass.get_max_axle_weight_at_index(2), QStringLiteral("100"));
    for (int i : {2, 3})
        QVERIFY(subclass.get_min_distance_at_index(i).isEmpty() &&
                subclass.get_max_distance_at_index(i).isEmpty());
    QVERIFY(subclass.get_number_of_max_distances() >= 4);
    QVERIFY(subclass.get_number_of_min_distances() >= 4);
    QVERIFY(subclass.get_number_of_max_axle_weights() >= 5);
    QVERIFY(subclass.get_number_of_tyre_types() >= 5);
    QVERIFY(subclass.get_tyre_type_at_index(4).isEmpty());
    QVERIFY(isLime(widget(window, numOfAxles)));
    // H2T1 no longer adds up.
    QVERIFY(isRed(widget(window, "lineEditConfString")));
}

void AxleRowsTest::shrinkingHidesRowsAndDropsTheirValues() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    const Subclass &subclass = window.document().get_subclass(4);
    // A count out of range changes no row and no value.
    QVERIFY(retype(window, numOfAxles, "1"));
    QVERIFY(isRed(widget(window, numOfAxles)));
    QCOMPARE(widget(window, numOfAxles)->toolTip(), tipNumOfAxles);
    QVERIFY(rowsAre(window, 1, 4, true));
    QCOMPARE(subclass.get_max_distance_at_index(3), QStringLiteral("1.5"));
    QCOMPARE(subclass.get_tyre_type_at_index(4), QStringLiteral("3"));

    QVERIFY(retype(window, numOfAxles, "3"));
    QVERIFY(rowsAre(window, 1, 2, true));
    QVERIFY(rowsAre(window, 3, 4, false));
    QCOMPARE(sums(window), (QStringList{"13.5", "8", "28.0422"}));
    QCOMPARE(subclass.get_number_of_max_distances(), 2);
    QCOMPARE(subclass.get_number_of_min_distances(), 2);
    QCOMPARE(subclass.get_number_of_max_axle_weights(), 3);
    QCOMPARE(subclass.get_number_of_tyre_types(), 3);

    // Growing back brings the rows back empty: the old values are gone from
    // the document too, not only from the screen.
    QVERIFY(retype(window, numOfAxles, "5"));
    QVERIFY(rowsAre(window, 3, 4, true));
    QVERIFY(text(window, "MaxAxleDist3").isEmpty());
    QVERIFY(isRed(widget(window, "MaxAxleDist3")));
    QCOMPARE(sums(window), (QStringList{"13.5", "8", "28.0422"}));
    const QStringList lines = subclass.to_string().split('\n');
    QVERIFY(lines.contains(QStringLiteral("max_axle_distance__m=4.5,9,,")));
    QVERIFY(lines.contains(QStringLiteral("max_axle_weight__kN=1,70;2,115;3,90;4,;5,;3+4+5,240")));
    QVERIFY(subclass.get_tyre_type_at_index(4).isEmpty());
}

void AxleRowsTest::manyAxlesNumberTheirWidgets() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    // From subclass_11 alone rows 5 to 11 must be created.
    QVERIFY(select(window, 11));
    QVERIFY(retype(window, numOfAxles, "12"));
    QVERIFY(rowsAre(window, 1, 11, true));
    QCOMPARE(window.findChildren<QLineEdit *>(QStringLiteral("MaxAxleDist4")).size(), 1);

    // The rows of subclass_4 fill the edits made for it; the others hide.
    QVERIFY(select(window, 4));
    QVERIFY(rowsAre(window, 5, 11, false));
    QCOMPARE(text(window, "MaxAxleDist4"), QStringLiteral("1.50"));
}

void AxleRowsTest::rowEditsStoreConvertedAndMark() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    QVERIFY(select(window, 11));
    TarveoTestAccess::receiveUnits(window, Tons, Feet, 9.80665f);
    const Subclass &subclass = window.document().get_subclass(11);
    QLineEdit *max = widget(window, "MaxAxleDist1");
    QLineEdit *min = widget(window, "MinAxleDist1");

    // 2.2 m minimum is above a 0.762 m maximum: both are wrong.
    QVERIFY(retype(window, "MaxAxleDist1", "2.5"));
    QCOMPARE(subclass.get_max_distance_at_index(0), QStringLiteral("0.762"));
    QCOMPARE(labelText(window, "labelSumMaxAxleDist"), QStringLiteral("2.5"));
    QVERIFY(isRed(max) && isRed(min));
    QCOMPARE(max->toolTip(), tipMaxDistRange);
    QCOMPARE(min->toolTip(), tipMinDistRange);

    // Still below the minimum; then a minimum below it makes both right.
    QVERIFY(retype(window, "MaxAxleDist1", "5"));
    QCOMPARE(subclass.get_max_distance_at_index(0), QStringLiteral("1.524"));
    QVERIFY(isRed(max));
    QVERIFY(retype(window, "MinAxleDist1", "4"));
    QCOMPARE(subclass.get_min_distance_at_index(0), QStringLiteral("1.2192"));
    QVERIFY(isLime(min) && isLime(max));
    QCOMPARE(sums(window).mid(0, 2), (QStringList{"5", "4"}));

    // Zero is no distance: it is stored empty, and the row turns red.
    QVERIFY(retype(window, "MaxAxleDist1", "0"));
    QVERIFY(subclass.get_max_distance_at_index(0).isEmpty());
    QVERIFY(isRed(max));
    QVERIFY(window.findChild<QComboBox *>("comboBoxInvalid")->findText("subclass_11") >= 0);

    QVERIFY(retype(window, "MaxAxleWeightEdit1", "10"));
    QCOMPARE(subclass.get_max_axle_weight_at_index(0), QStringLiteral("98.0665"));
    QCOMPARE(labelText(window, "labelSumMaxAxleWeights"), QStringLiteral("12.0394"));
    QVERIFY(isLime(widget(window, "MaxAxleWeightEdit1")));

    QLineEdit *tyre = widget(window, "TyreType2");
    QVERIFY(retype(window, "TyreType2", "5"));
    QCOMPARE(subclass.get_tyre_type_at_index(1), QStringLiteral("5"));
    QVERIFY(isRed(tyre));
    QCOMPARE(tyre->toolTip(), tipTyreRange);
    QVERIFY(retype(window, "TyreType2", "3"));
    QCOMPARE(subclass.get_tyre_type_at_index(1), QStringLiteral("3"));
    QVERIFY(isLime(tyre) && tyre->toolTip().isEmpty());
}

void AxleRowsTest::aSubclassWithoutAxlesResetsTheRows() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    // subclass_4 shows four distance rows and three distance constraints.
    QVERIFY(widget(window, "adslConstraint3") && widget(window, "adslConstraint3")->isVisible());
    widget<QCheckBox>(window, "MaxAxleWeightBox1")->setChecked(true);

    QVERIFY(retype(window, "lineEditSubclass", "77"));
    QTest::mouseClick(widget<QPushButton>(window, "buttonSubclass"), Qt::LeftButton);
    QVERIFY(window.document().has_subclass(77));

    QVERIFY(rowsAre(window, 1, 4, false));
    QVERIFY(text(window, "MaxAxleWeightEdit1").isEmpty());
    QVERIFY(text(window, "TyreType1").isEmpty());
    QVERIFY(!widget<QCheckBox>(window, "MaxAxleWeightBox1")->isChecked());
    // No constraint row of subclass_4 may stay on screen for subclass_77.
    for (const char *frame : {"frameCombinedWeightConstraints", "frameAdsl", "frameAwsl"})
        for (QLineEdit *row : widget<QFrame>(window, frame)->findChildren<QLineEdit *>())
            QVERIFY2(row->isHidden(), qPrintable(row->objectName()));
}

QTEST_MAIN(AxleRowsTest)
#include "tst_rows_axles.moc"
