// The constraint editor: the conversions of constraint values, the add
// button with its refusals, editing and deleting rows, and the reuse of
// hidden rows.
#include "common/windowdriver.h"

using namespace WindowDriver;

namespace {
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

class TestConstraintEditor : public QObject {
    Q_OBJECT

private slots:
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
        // subclass_9 shows its distance constraint without a colon as stored
        // and red, and hides the rows made for subclass_4 that it does not use.
        QVERIFY(select(window, 9));
        QCOMPARE(seen(window, {"adslConstraint2", "adslConstraint3", "defaultConstraint1"}),
                 (QStringList{"broken red: " + tipDistanceConstraint, "hidden", "hidden"}));
        QCOMPARE(add(window, {1, 2}), tooFewAxles); // no kind chosen yet
        typeBounds(window, "Original", "18");
        tick(window, {1}, false);
        QCOMPARE(add(window, {}), tooFewAxles); // one axle only
        // The hidden combined weight row comes back for the new constraint,
        // the next ones need new rows; the weight typed stays for them, and
        // an empty one still adds the constraint, shown red.
        QCOMPARE(add(window, {2, 3}), QString());
        QCOMPARE(add(window, {1, 2, 3}), QString());
        typeBounds(window, "Original", "");
        QCOMPARE(add(window, {1, 3}), QString());
        QCOMPARE(
            seen(window, {"defaultConstraint1", "Constraint2", "Constraint3"}),
            (QStringList{"2+3,18.00 lime", "1+2+3,18.00 lime", "1+3,0.00 red: " + tipCombined}));
        QCOMPARE(sectionLines(window, 9, "max_axle_w"),
                 QStringList{"max_axle_weight__kN=1,70;2,100;3,100;2+3,176.52;1+2+3,176.52;1+3,"});
        QCOMPARE(TarveoTestAccess::rowEdits(window, "frameCombinedWeightConstraints"), 3);

        // Bad bounds are refused with the ticks kept; corrected, the same
        // ticks add the constraint, stored in the document's units and shown
        // in the window's.
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
        QCOMPARE(seen(window, {"awslConstraint1", "adslConstraint1", "adslConstraint2"}),
                 (QStringList{"1+2:100.0,5;180.0,6 lime", "1+2:3.5,4.0 lime", "hidden"}));
        QCOMPARE(sectionLines(window, 11, "a[dw]sl"),
                 (QStringList{"adsl_1=1+2:3.5,4", "awsl_1=1+2:980.665,5;1765.2,6"}));
        // subclass_4 made three rows; they are all still there, two hidden.
        QCOMPARE(TarveoTestAccess::rowEdits(window, "frameAdsl"), 3);
    }

    void editingARowStoresItOrDeletesIt() {
        Tarveo window;
        QVERIFY(openShown(window, "rows/trucks.conf"));
        TarveoTestAccess::receiveUnits(window, Tons, Feet, 9.80665f);
        QCOMPARE(seen(window, {"adslConstraint1", "defaultConstraint1"}),
                 (QStringList{"3+4:3.9,4.9 lime", "3+4+5,24.47 lime"})); // feet, tonnes

        // A value the field cannot convert is stored as typed and marked red.
        const QString weights = QStringLiteral("max_axle_weight__kN=1,70;2,115;3,90;4,90;5,90;");
        const struct {
            const char *field, *typed;
            QString line, marking;
        } edits[] = {
            {"adslConstraint1", "3+4:10", "adsl_1=3+4:10", "red: " + tipDistanceConstraint},
            {"adslConstraint1", "3+4:10,20", "adsl_1=3+4:3.048,6.096", "lime"},
            {"defaultConstraint1", "3+4+5,20", weights + "3+4+5,196.133", "lime"},
            {"defaultConstraint1", "3+4+5", weights + "3+4+5", "red: " + tipCombined},
            {"awslConstraint1", "4+5:10,5;20,6", "awsl_1=4+5:98.0665,5;196.133,6", "lime"},
            {"lineEditTotalDistanceConstraint", "10,20", "adsl_0=3.048,6.096", "lime"},
            {"lineEditTotalWeightConstraint", "5,3", "awsl_0=5,3", "red: " + tipTotalWeight},
        };
        for (const auto &edit : edits) {
            QVERIFY(retype(window, edit.field, edit.typed));
            QVERIFY2(sectionLines(window, 4).contains(edit.line), qPrintable(edit.line));
            QCOMPARE(marking(window, edit.field), edit.marking);
        }

        // An emptied row deletes its constraint; the rows below move up, each
        // showing the constraint it now holds, and the last goes by itself.
        const QStringList rows = {"adslConstraint1", "adslConstraint2", "adslConstraint3"};
        QVERIFY(retype(window, "adslConstraint3", "2+3:5"));
        QVERIFY(retype(window, "adslConstraint2", ""));
        QCOMPARE(sectionLines(window, 4, "adsl_[1-9]"),
                 (QStringList{"adsl_1=3+4:3.048,6.096", "adsl_2=2+3:5"}));
        QCOMPARE(seen(window, rows),
                 (QStringList{"3+4:10,20 lime", "2+3:5 red: " + tipDistanceConstraint, "hidden"}));
        QVERIFY(retype(window, "adslConstraint2", ""));
        QCOMPARE(sectionLines(window, 4, "adsl_[1-9]"), QStringList{"adsl_1=3+4:3.048,6.096"});
        QCOMPARE(seen(window, rows), (QStringList{"3+4:10,20 lime", "hidden", "hidden"}));
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

QTEST_MAIN(TestConstraintEditor)
#include "tst_constraints_editor.moc"
