// The rows under the axles: axle rows built, shown, hidden and emptied as
// the axle count changes, filled when a subclass is displayed, and storing
// what is typed into them; constraint rows: the conversions of constraint
// values, the add button with its refusals, editing and deleting rows, and
// the reuse of hidden rows.
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

const QString cannotAdd = QStringLiteral("box: Cannot add a new constraint\n");
const QString tooFewAxles = cannotAdd + QStringLiteral("Make sure you have at least two "
                                                       "checkboxes selected and there is a viable "
                                                       "value in the adjacent field.");
const QString needWeightAndClass =
    cannotAdd + QStringLiteral("Upper and lower text boxes must contain constraint (float) and "
                               "class (int) separated with a comma.");

// Chooses the kind and types its bounds into the lower and upper fields, or
// the one weight of "Original" into its field.
void typeBounds(Tarveo &window, const QString &kind, const QString &lower,
                const QString &upper = {}) {
    auto *combo = widget<QComboBox>(window, "comboBoxAddConstraint");
    combo->setCurrentIndex(combo->findText(kind));
    // The kind's own fields are the ones shown.
    QCOMPARE(widget(window, "lineEditAddConstraint")->isVisible(), kind == "Original");
    QCOMPARE(widget(window, "lineEditAddUpperConstraint")->isVisible(), kind != "Original");
    if (kind == "Original") {
        retype(window, "lineEditAddConstraint", lower);
        return;
    }
    retype(window, "lineEditAddLowerConstraint", lower);
    retype(window, "lineEditAddUpperConstraint", upper);
}

// Ticks the axles and clicks Add; the box it opens, or empty when none.
QString add(Tarveo &window, std::initializer_list<int> axles) {
    tick(window, axles);
    ModalScript script;
    click(window, "buttonAddConstraint");
    return script.shown().join('|');
}
} // namespace

class TestRows : public QObject {
    Q_OBJECT

private slots:
    void displayFillsMarksAndStoresTheRows() {
        Tarveo window;
        QVERIFY(openShown(window, "rows/trucks.conf"));
        // subclass_4 is shown first: five axles in metres and tonnes.
        QCOMPARE(sums(window), (QStringList{"16.5", "10.4", "46.3971"}));

        // A tick does not survive the change of subclass.
        tick(window, {1});
        // subclass_15 has two axles.
        QVERIFY(select(window, 15));
        QVERIFY(rowsAre(window, 1, 1, true) && rowsAre(window, 2, 4, false));
        QVERIFY(ticked(window).isEmpty());

        // What is typed into the rows is stored converted; the sums follow.
        QVERIFY(select(window, 11));
        TarveoTestAccess::receiveUnits(window, Tons, Feet, 9.80665f);
        QVERIFY(retypeAll(window, {"MaxAxleDist1=5", "MaxAxleWeightEdit1=10", "TyreType2=5"}));
        QCOMPARE(texts(window, {"MaxAxleDist1", "MaxAxleWeightEdit1"}), "5|10"); // as typed
        QCOMPARE(sums(window), (QStringList{"5", "7.21785", "12.0394"}));
        QVERIFY(retype(window, "MinAxleDist1", "4") && retype(window, "TyreType2", "3"));
        QCOMPARE(sectionLines(window, 11, perAxle),
                 (QStringList{"tyre_type=1,3", "max_axle_weight__kN=1,98.0665;2,20",
                              "max_axle_distance__m=1.524", "min_axle_distance__m=1.2192"}));

        // Zero is no distance: it is stored empty, and the subclass is invalid.
        QVERIFY(retype(window, "MaxAxleDist1", "0"));
        QCOMPARE(sectionLines(window, 11, "max_axle_d"), QStringList{"max_axle_distance__m="});
        QVERIFY(invalidEntries(window).contains("subclass_11"));
    }

    void axleCountShowsHidesAndEmptiesRows() {
        Tarveo window;
        QVERIFY(openShown(window, "rows/trucks.conf"));
        // Rows 3 and 4 were made for subclass_4 and are hidden for subclass_9:
        // growing shows them again, empty.
        QVERIFY(select(window, 9));
        QVERIFY(retype(window, numOfAxles, "5"));
        QVERIFY(rowsAre(window, 1, 4, true));
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

        const QStringList before = sectionLines(window, 4, perAxle);
        // A count out of range changes no row and no value.
        QVERIFY(retype(window, numOfAxles, "1"));
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

    // The other conversions are pinned by the edits below.
    void conversionsOfConstraintValues() {
        using Fields::Id;
        DisplayUnits units;
        const auto stored = [&units](Id id, const QString &typed) {
            const DisplayUnits::Typed value = units.toDocument(Fields::field(id), typed);
            return value.storable ? value.value : QStringLiteral("(not stored)");
        };
        // Text that does not convert is stored as typed.
        QCOMPARE(stored(Id::TotalDistance, "a,2"), "a,2");
        QCOMPARE(stored(Id::DistanceConstraint, "1+2:-1,4"), "1+2:,4");       // a negative bound
        QCOMPARE(stored(Id::TotalWeight, "50,3.5;40,2"), "50,3.5;40,2");      // a class is whole
        QCOMPARE(stored(Id::WeightConstraint, "100,5;180,6"), "100,5;180,6"); // no colon
        // A number the document cannot hold stores nothing.
        QCOMPARE(stored(Id::TotalDistance, "inf,nan"), "(not stored)");
        units.setWeightUnit(Kilonewtons, 0);
        units.setLengthUnit(Feet);
        QCOMPARE(units.toDisplay(Fields::Kind::DistanceBounds, "3.048,6.096"), "10.0,20.0");
        QCOMPARE(units.toDisplay(Fields::Kind::WeightBounds, "50,3;400,7"), "50.0,3;400.0,7");
    }

    void addChecksAxlesAndBoundsAndReusesHiddenRows() {
        Tarveo window;
        QVERIFY(openShown(window, "rows/trucks.conf"));
        QVERIFY(select(window, 9));
        QCOMPARE(add(window, {1, 2}), tooFewAxles); // no kind chosen yet
        typeBounds(window, "Original", "18");
        tick(window, {1}, false);
        QCOMPARE(add(window, {}), tooFewAxles); // one axle only
        // The hidden combined weight row comes back for the new constraint,
        // the next ones need new rows; the weight typed stays for them, and
        // an empty one still adds the constraint.
        QCOMPARE(add(window, {2, 3}), QString());
        QCOMPARE(add(window, {1, 2, 3}), QString());
        typeBounds(window, "Original", "");
        QCOMPARE(add(window, {1, 3}), QString());
        QCOMPARE(sectionLines(window, 9, "max_axle_w"),
                 QStringList{"max_axle_weight__kN=1,70;2,100;3,100;2+3,176.52;1+2+3,176.52;1+3,"});
        // The rows Add made are named by the count.
        QVERIFY(window.findChild<QLineEdit *>("Constraint3"));
        auto *weightRows = widget<QFrame>(window, "frameCombinedWeightConstraints");
        QCOMPARE(weightRows->findChildren<QLineEdit *>().size(), 3);

        // Bad bounds are refused with the ticks kept; corrected, the same
        // ticks add the constraint, stored in the document's units.
        QVERIFY(select(window, 11));
        typeBounds(window, "Distance", "3.5", "x");
        QCOMPARE(add(window, {1, 2}), cannotAdd + QStringLiteral("Upper and lower text boxes must "
                                                                 "contain a constraint (float)."));
        QCOMPARE(ticked(window), (QStringList{"MaxAxleWeightBox1", "MaxAxleWeightBox2"}));
        typeBounds(window, "Weight", "100,5.5", "180,6");
        QCOMPARE(add(window, {}), needWeightAndClass);
        typeBounds(window, "Weight", "100,5", "180,6");
        QCOMPARE(add(window, {}), QString());
        typeBounds(window, "Distance", "3.5", "4");
        QCOMPARE(add(window, {1, 2}), QString());
        QCOMPARE(sectionLines(window, 11, "a[dw]sl"),
                 (QStringList{"adsl_1=1+2:3.5,4", "awsl_1=1+2:980.665,5;1765.2,6"}));
        // subclass_4 made three rows; they are all still there, two hidden.
        QCOMPARE(widget<QFrame>(window, "frameAdsl")->findChildren<QLineEdit *>().size(), 3);
    }

    void editingARowStoresItOrDeletesIt() {
        Tarveo window;
        QVERIFY(openShown(window, "rows/trucks.conf"));
        TarveoTestAccess::receiveUnits(window, Tons, Feet, 9.80665f);

        // A value the field cannot convert is stored as typed.
        const QString weights = QStringLiteral("max_axle_weight__kN=1,70;2,115;3,90;4,90;5,90;");
        const struct {
            const char *field, *typed;
            QString line;
        } edits[] = {
            {"adslConstraint1", "3+4:10", "adsl_1=3+4:10"},
            {"adslConstraint1", "3+4:10,20", "adsl_1=3+4:3.048,6.096"},
            {"defaultConstraint1", "3+4+5,20", weights + "3+4+5,196.133"},
            {"defaultConstraint1", "3+4+5", weights + "3+4+5"},
            {"awslConstraint1", "4+5:10,5;20,6", "awsl_1=4+5:98.0665,5;196.133,6"},
            {"lineEditTotalDistanceConstraint", "10,20", "adsl_0=3.048,6.096"},
            {"lineEditTotalWeightConstraint", "5,3", "awsl_0=5,3"},
        };
        for (const auto &edit : edits) {
            QVERIFY(retype(window, edit.field, edit.typed));
            QVERIFY2(sectionLines(window, 4).contains(edit.line), qPrintable(edit.line));
        }

        // An emptied row deletes its constraint; the rows below move up, and
        // the last goes by itself.
        QVERIFY(retype(window, "adslConstraint3", "2+3:5"));
        QCOMPARE(marking(window, "adslConstraint3"),
                 "red: " + tip(Messages::DistanceConstraintFormat));
        QVERIFY(retype(window, "adslConstraint2", ""));
        QCOMPARE(sectionLines(window, 4, "adsl_[1-9]"),
                 (QStringList{"adsl_1=3+4:3.048,6.096", "adsl_2=2+3:5"}));
        QVERIFY(retype(window, "adslConstraint2", ""));
        QCOMPARE(sectionLines(window, 4, "adsl_[1-9]"), QStringList{"adsl_1=3+4:3.048,6.096"});
        QVERIFY(!isShown(window, "adslConstraint2"));
    }

    void addShowsAllRowsOfASubclassShownWithoutThem() {
        Tarveo window;
        // A subclass without an axle count is shown without its constraint
        // rows; once it has axles, a new constraint must not land in a row
        // that the editor takes for an earlier one.
        QVERIFY(openShown(window, "rows/axleless.conf"));
        QVERIFY(retype(window, "lineEditNumOfAxles", "3"));
        typeBounds(window, "Distance", "1", "2");
        QCOMPARE(add(window, {1, 3}), QString());
        auto *frame = widget<QFrame>(window, "frameAdsl");
        QStringList shown;
        for (int position = 1; position <= 3; ++position)
            if (auto *row = qobject_cast<QLineEdit *>(frame->layout()->itemAt(position)->widget()))
                shown << (row->isVisible() ? row->text() : "hidden");
        QCOMPARE(shown, (QStringList{"1+2:3.0,4.5", "2+3:1.2,1.5", "1+3:1.0,2.0"}));
        QVERIFY(retype(window, "adslConstraint1", "1+2:3,5"));
        QCOMPARE(sectionLines(window, 2, "adsl"),
                 (QStringList{"adsl_1=1+2:3,5", "adsl_2=2+3:1.2,1.5", "adsl_3=1+3:1,2"}));
    }
};

QTEST_MAIN(TestRows)
#include "tst_rows.moc"
