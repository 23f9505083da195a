// The constraint editor: the conversions of constraint values, the add
// button with its refusals, editing and deleting rows, and the reuse of
// hidden rows; and one file taken through a whole editing session.
#include "tst_rows_window.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace RowsWindow;
using Direction = TarveoTestAccess::Direction;

namespace {
const QString cannotAdd = QStringLiteral("Cannot add a new constraint\n");
const QString tooFewAxles = cannotAdd + QStringLiteral("Make sure you have at least two "
                                                       "checkboxes selected and there is a viable "
                                                       "value in the adjacent field.");
const QString needWeightAndClass =
    cannotAdd + QStringLiteral("Upper and lower text boxes must contain constraint (float) and "
                               "class (int) separated with a comma.");

using Conversion = TarveoTestAccess::Conversion;

Conversion conversionNamed(const QString &name) {
    if (name == "totalDistance")
        return TarveoTestAccess::totalDistance();
    if (name == "distance")
        return TarveoTestAccess::distanceConstraint();
    if (name == "totalWeight")
        return TarveoTestAccess::totalWeight();
    return TarveoTestAccess::weightConstraint();
}

void choose(Tarveo &window, const QString &selector) {
    auto *combo = widget<QComboBox>(window, "comboBoxAddConstraint");
    combo->setCurrentIndex(combo->findText(selector));
}

void tick(Tarveo &window, std::initializer_list<int> axles) {
    for (int axle : axles)
        widget<QCheckBox>(window, QString("MaxAxleWeightBox%1").arg(axle))->setChecked(true);
}

// Chooses the kind and types its bounds into the lower and upper fields.
void typeBounds(Tarveo &window, const QString &kind, const QString &lower, const QString &upper) {
    choose(window, kind);
    retype(window, "lineEditAddLowerConstraint", lower);
    retype(window, "lineEditAddUpperConstraint", upper);
}

// Clicks Add; the text of the box it opens (title, a line break, the text),
// or empty when none opened.
QString clickAdd(Tarveo &window) {
    QString shown;
    ModalScript script({}, [&shown](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            shown += box->windowTitle() + '\n' + box->text();
            if (box->icon() != QMessageBox::Information)
                shown += QStringLiteral("\n(not an information box)");
        }
        modal->close();
    });
    QTest::mouseClick(widget<QPushButton>(window, "buttonAddConstraint"), Qt::LeftButton);
    return shown;
}

QStringList constraintsOf(const Subclass &subclass, const QString &type) {
    QStringList list;
    for (int i = 0; i < subclass.get_number_of_constraints(type); ++i)
        list << subclass.get_constraint_at_index(i, type);
    return list;
}
} // namespace

class ConstraintEditorTest : public QObject {
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
    void addOriginalNeedsTwoAxlesAndStoresKilonewtons();
    void addBoundsAreChecked();
    void editingARowStoresConvertedOrAsTyped();
    void emptyingARowDeletesItsConstraintAndMovesRowsUp();
    void hiddenRowsAreReusedAndCounted();
    void addShowsAllRowsOfASubclassShownWithoutThem();
    void aWholeSessionSavesWhatWasTyped();
};

void ConstraintEditorTest::conversions_data() {
    QTest::addColumn<QString>("conversion");
    QTest::addColumn<uchar>("weightUnit");
    QTest::addColumn<uchar>("lengthUnit");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("toDocument");
    QTest::addColumn<QString>("expected");

    const uchar t = Tons, kn = Kilonewtons, m = Meters, ft = Feet;
    const struct {
        const char *name, *conversion;
        uchar weight, length;
        const char *input;
        bool toDocument;
        const char *expected;
    } rows[] = {
        {"total distance, feet to metres", "totalDistance", t, ft, "10,20", true, "3.048,6.096"},
        {"total distance, metres to feet", "totalDistance", t, ft, "3.048,6.096", false,
         "10.0,20.0"},
        {"total distance needs two bounds", "totalDistance", t, m, "10", true, ""},
        {"total distance needs numbers", "totalDistance", t, m, "a,2", true, ""},
        {"distance constraint shown", "distance", t, m, "1+2:3.5,4", false, "1+2:3.5,4.0"},
        {"distance constraint stored", "distance", t, ft, "1+2:10,20", true, "1+2:3.048,6.096"},
        {"distance constraint without colon", "distance", t, m, "1+2,3,4", false, ""},
        {"a negative bound is stored empty", "distance", t, m, "1+2:-1,4", true, "1+2:,4"},
        {"total weight, tonnes to kilonewtons", "totalWeight", t, m, "10,3;20,5", true,
         "98.0665,3;196.133,5"},
        {"total weight shown in kilonewtons", "totalWeight", kn, m, "50,3;400,7", false,
         "50.0,3;400.0,7"},
        {"total weight needs both halves", "totalWeight", t, m, "50,3", true, ""},
        {"total weight class must be whole", "totalWeight", kn, m, "50,3.5;40,2", true, ""},
        {"total weight half without class", "totalWeight", kn, m, "50;40,2", true, ""},
        {"weight constraint stored", "weight", kn, m, "2+3:100,5;180,6", true, "2+3:100,5;180,6"},
        {"weight constraint shown in tonnes", "weight", t, m, "2+3:98.0665,5;196.133,6", false,
         "2+3:10.0,5;20.0,6"},
        {"weight constraint without colon", "weight", kn, m, "100,5;180,6", true, ""},
        {"empty text", "weight", kn, m, "", false, ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString(row.conversion) << row.weight << row.length
                                << QString(row.input) << row.toDocument << QString(row.expected);
}

void ConstraintEditorTest::conversions() {
    QFETCH(QString, conversion);
    QFETCH(uchar, weightUnit);
    QFETCH(uchar, lengthUnit);
    QFETCH(QString, input);
    QFETCH(bool, toDocument);
    QFETCH(QString, expected);

    Tarveo window;
    TarveoTestAccess::receiveUnits(window, weightUnit, lengthUnit, 9.80665f);
    QCOMPARE((window.*conversionNamed(conversion))(input, toDocument ? Direction::ToDocument
                                                                     : Direction::ToDisplay),
             expected);
}

void ConstraintEditorTest::addOriginalNeedsTwoAxlesAndStoresKilonewtons() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    // subclass_4's one combined weight row is hidden for subclass_9 and
    // comes back for the new constraint; the second needs a new row.
    QVERIFY(select(window, 9));
    const Subclass &subclass = window.document().get_subclass(9);
    tick(window, {1, 2});
    QCOMPARE(clickAdd(window), tooFewAxles); // no kind chosen yet
    choose(window, "Original");
    QTest::keyClicks(widget(window, "lineEditAddConstraint"), "18");
    widget<QCheckBox>(window, "MaxAxleWeightBox1")->setChecked(false);
    QCOMPARE(clickAdd(window), tooFewAxles); // one axle only
    widget<QCheckBox>(window, "MaxAxleWeightBox2")->setChecked(false);
    QCOMPARE(clickAdd(window), tooFewAxles); // none
    QCOMPARE(subclass.get_number_of_constraints("default"), 0);

    tick(window, {2, 3});
    QCOMPARE(clickAdd(window), QString());
    QCOMPARE(constraintsOf(subclass, "default"), QStringList{"2+3,176.52"});
    QLineEdit *row = widget(window, "defaultConstraint1");
    QVERIFY(row && row->isVisible());
    QCOMPARE(row->text(), QStringLiteral("2+3,18.00"));
    QVERIFY(isLime(row));
    for (int axle : {1, 2, 3})
        QVERIFY(!widget<QCheckBox>(window, QString("MaxAxleWeightBox%1").arg(axle))->isChecked());

    // The weight field keeps its text for the next constraint.
    tick(window, {1, 2, 3});
    QCOMPARE(clickAdd(window), QString());
    QCOMPARE(constraintsOf(subclass, "default"), (QStringList{"2+3,176.52", "1+2+3,176.52"}));
    QLineEdit *second = widget(window, "Constraint2");
    QVERIFY(second && second->isVisible());
    QCOMPARE(second->text(), QStringLiteral("1+2+3,18.00"));

    // An empty weight still adds the constraint, shown red.
    widget(window, "lineEditAddConstraint")->clear();
    tick(window, {1, 3});
    QCOMPARE(clickAdd(window), QString());
    QCOMPARE(subclass.get_constraint_at_index(2, "default"), QStringLiteral("1+3,"));
    QVERIFY(isRed(widget(window, "Constraint3")));
}

// Bad bounds are refused with the ticks kept; corrected, the same ticks add
// the constraint, stored in the document's units and shown in the window's.
void ConstraintEditorTest::addBoundsAreChecked() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    QVERIFY(select(window, 11));
    TarveoTestAccess::receiveUnits(window, Kilonewtons, Meters, 0.0f);
    const Subclass &subclass = window.document().get_subclass(11);
    tick(window, {1, 2});

    typeBounds(window, "Distance", "3.5", "x");
    QCOMPARE(clickAdd(window), cannotAdd + QStringLiteral("Upper and lower text boxes must "
                                                          "contain a constraint (float)."));
    QVERIFY(widget<QCheckBox>(window, "MaxAxleWeightBox2")->isChecked());
    typeBounds(window, "Weight", "100", "180,6");
    QCOMPARE(clickAdd(window), needWeightAndClass);
    typeBounds(window, "Weight", "100,5.5", "180,6");
    QCOMPARE(clickAdd(window), needWeightAndClass);
    QCOMPARE(subclass.get_number_of_constraints("adsl"), 0);
    QCOMPARE(subclass.get_number_of_constraints("awsl"), 0);

    typeBounds(window, "Weight", "100,5", "180,6");
    QCOMPARE(clickAdd(window), QString());
    QCOMPARE(constraintsOf(subclass, "awsl"), QStringList{"1+2:100,5;180,6"});
    QCOMPARE(widget(window, "awslConstraint1")->text(), QStringLiteral("1+2:100.0,5;180.0,6"));
    QVERIFY(isLime(widget(window, "awslConstraint1")));

    tick(window, {1, 2});
    typeBounds(window, "Distance", "3.5", "4");
    QCOMPARE(clickAdd(window), QString());
    QCOMPARE(constraintsOf(subclass, "adsl"), QStringList{"1+2:3.5,4"});
    QCOMPARE(widget(window, "adslConstraint1")->text(), QStringLiteral("1+2:3.5,4.0"));
    QVERIFY(widget(window, "adslConstraint1")->isVisible());
    // subclass_4 made three rows; they are all still there, two hidden.
    QCOMPARE(TarveoTestAccess::constraintRowsAdsl(window), 3);
}

void ConstraintEditorTest::editingARowStoresConvertedOrAsTyped() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    TarveoTestAccess::receiveUnits(window, Tons, Feet, 9.80665f);
    const Subclass &subclass = window.document().get_subclass(4);
    QCOMPARE(widget(window, "adslConstraint1")->text(), QStringLiteral("3+4:3.9,4.9")); // feet
    QCOMPARE(widget(window, "defaultConstraint1")->text(), QStringLiteral("3+4+5,24.47"));

    const QString tipRefman = QStringLiteral("Consult Kestrune refman for proper format");
    const QString tipCombined =
        QStringLiteral("Proper format is {a1+a2+...an,c} where a are axles and c is a real value "
                       "representing maximum combined weight.");
    const auto storedFor = [&subclass](const QString &field) {
        if (field.endsWith("TotalDistanceConstraint"))
            return subclass.get_adsl_0();
        if (field.endsWith("TotalWeightConstraint"))
            return subclass.get_awsl_0();
        return subclass.get_constraint_at_index(0, field.section("Constraint", 0, 0));
    };
    // A value the field cannot convert is stored as typed and marked red.
    const struct {
        const char *field, *typed, *stored;
        QString tip; // null: valid
    } edits[] = {
        {"adslConstraint1", "3+4:10,20", "3+4:3.048,6.096", {}},
        {"adslConstraint1", "3+4:10", "3+4:10", tipRefman},
        {"defaultConstraint1", "3+4+5,20", "3+4+5,196.133", {}},
        {"defaultConstraint1", "3+4+5", "3+4+5", tipCombined},
        {"awslConstraint1", "4+5:10,5;20,6", "4+5:98.0665,5;196.133,6", {}},
        {"lineEditTotalDistanceConstraint", "10,20", "3.048,6.096", {}},
        {"lineEditTotalWeightConstraint", "5,3", "5,3", tipRefman},
    };
    for (const auto &edit : edits) {
        QVERIFY(retype(window, edit.field, edit.typed));
        QCOMPARE(storedFor(edit.field), QString(edit.stored));
        QLineEdit *field = widget(window, edit.field);
        QVERIFY2(edit.tip.isNull() ? isLime(field) : isRed(field), edit.typed);
        if (!edit.tip.isNull())
            QCOMPARE(field->toolTip(), edit.tip);
    }
    auto *invalid = widget<QComboBox>(window, "comboBoxInvalid");
    QVERIFY(invalid->findText("subclass_4") >= 0);

    // Repairing the rows makes the subclass valid again.
    QVERIFY(retype(window, "adslConstraint1", "3+4:4,5"));
    QVERIFY(retype(window, "defaultConstraint1", "3+4+5,20"));
    QVERIFY(retype(window, "lineEditTotalWeightConstraint", "5,3;40,7"));
    QCOMPARE(invalid->findText("subclass_4"), -1);
}

void ConstraintEditorTest::emptyingARowDeletesItsConstraintAndMovesRowsUp() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    const Subclass &subclass = window.document().get_subclass(4);
    QLineEdit *rows[] = {widget(window, "adslConstraint1"), widget(window, "adslConstraint2"),
                         widget(window, "adslConstraint3")};
    // A red row below must keep its marking when it moves up.
    QVERIFY(retype(window, "adslConstraint3", "2+3:5"));
    QVERIFY(isRed(rows[2]));

    QVERIFY(retype(window, "adslConstraint2", ""));
    QCOMPARE(constraintsOf(subclass, "adsl"), (QStringList{"3+4:1.2,1.5", "2+3:5"}));
    QCOMPARE(rows[0]->text(), QStringLiteral("3+4:1.2,1.5"));
    QCOMPARE(rows[1]->text(), QStringLiteral("2+3:5"));
    QVERIFY(isRed(rows[1]) && rows[1]->isVisible());
    QVERIFY(!rows[2]->isVisible());

    // The last row goes by itself.
    QVERIFY(retype(window, "adslConstraint2", ""));
    QCOMPARE(constraintsOf(subclass, "adsl"), QStringList{"3+4:1.2,1.5"});
    QVERIFY(rows[0]->isVisible() && !rows[1]->isVisible());
    QVERIFY(!subclass.to_string().contains("adsl_2"));
}

void ConstraintEditorTest::hiddenRowsAreReusedAndCounted() {
    Tarveo window;
    QVERIFY(openShown(window, "trucks.conf"));
    QCOMPARE(TarveoTestAccess::constraintRowsAdsl(window), 3);

    // subclass_9: two distance constraints, the second without a colon.
    QVERIFY(select(window, 9));
    QLineEdit *broken = widget(window, "adslConstraint2");
    QVERIFY(broken->isVisible() && broken->text().isEmpty() && isRed(broken));
    QVERIFY(!widget(window, "adslConstraint3")->isVisible());
    QVERIFY(!widget(window, "defaultConstraint1")->isVisible());

    // A fourth distance constraint on subclass_4 needs a fourth row.
    QVERIFY(select(window, 4));
    typeBounds(window, "Distance", "1", "2");
    tick(window, {4, 5});
    QCOMPARE(clickAdd(window), QString());
    QCOMPARE(TarveoTestAccess::constraintRowsAdsl(window), 4);
    QLineEdit *fourth = widget(window, "Constraint4");
    QVERIFY(fourth && fourth->isVisible());
    QCOMPARE(fourth->text(), QStringLiteral("4+5:1.0,2.0"));

    // Back on subclass_9 a third constraint takes the hidden third row.
    QVERIFY(select(window, 9));
    QVERIFY(!fourth->isVisible());
    tick(window, {1, 2});
    QCOMPARE(clickAdd(window), QString());
    QCOMPARE(TarveoTestAccess::constraintRowsAdsl(window), 4);
    QLineEdit *third = widget(window, "adslConstraint3");
    QVERIFY(third->isVisible());
    QCOMPARE(third->text(), QStringLiteral("1+2:1.0,2.0"));
    QCOMPARE(window.document().get_subclass(9).get_constraint_at_index(2, "adsl"),
             QStringLiteral("1+2:1,2"));
    QCOMPARE(window.findChildren<QLineEdit *>(QStringLiteral("adslConstraint3")).size(), 1);
}

void ConstraintEditorTest::addShowsAllRowsOfASubclassShownWithoutThem() {
    Tarveo window;
    // A subclass without an axle count is shown without its constraint rows;
    // once it has axles, a new constraint must not land in a row that the
    // editor takes for an earlier one.
    QVERIFY(openShown(window, "axleless.conf"));
    QVERIFY(retype(window, "lineEditNumOfAxles", "3"));
    typeBounds(window, "Distance", "1", "2");
    tick(window, {1, 3});
    QCOMPARE(clickAdd(window), QString());

    const QStringList shown = {"1+2:3.0,4.5", "2+3:1.2,1.5", "1+3:1.0,2.0"};
    auto *frame = widget<QFrame>(window, "frameAdsl");
    for (int position = 1; position <= shown.size(); ++position) {
        QLineEdit *row = TarveoTestAccess::lineEditAt(window, frame, position);
        QVERIFY(row && row->isVisible());
        QCOMPARE(row->text(), shown.at(position - 1));
    }
    QVERIFY(retype(window, "adslConstraint1", "1+2:3,5"));
    QCOMPARE(constraintsOf(window.document().get_subclass(2), "adsl"),
             (QStringList{"1+2:3,5", "2+3:1.2,1.5", "1+3:1,2"}));
}

void ConstraintEditorTest::aWholeSessionSavesWhatWasTyped() {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("saved.conf"));
    Tarveo window;
    QVERIFY(openShown(window, "roundtrip.conf"));

    QVERIFY(retype(window, "lineEditNumOfAxles", "4"));
    QVERIFY(retype(window, "lineEditConfString", "H2S2"));
    QVERIFY(retype(window, "TyreType4", "4"));
    QVERIFY(retype(window, "MaxAxleDist3", "1.8"));
    QVERIFY(retype(window, "defaultConstraint1", "3+4,20"));
    QVERIFY(retype(window, "adslConstraint1", ""));
    choose(window, "Original");
    QTest::keyClicks(widget(window, "lineEditAddConstraint"), "180");
    tick(window, {1, 2});
    QCOMPARE(clickAdd(window), QString());
    typeBounds(window, "Weight", "1,3", "2,4");
    tick(window, {2, 3});
    QCOMPARE(clickAdd(window), QString());

    // Only the save dialog opens: no box refuses the document.
    QCOMPARE(WindowDriver::runCommand(window, "actionSave", {saved}),
             QStringList{QStringLiteral("dialog: Save as")});

    const QStringList expected = WindowDriver::fileLines(testData("rows/roundtrip-saved.conf"));
    const QStringList actual = WindowDriver::fileLines(saved);
    QVERIFY(!expected.isEmpty());
    for (int i = 0; i < qMax(expected.size(), actual.size()); ++i)
        QCOMPARE(QStringLiteral("%1: %2").arg(i + 1).arg(actual.value(i, "<missing>")),
                 QStringLiteral("%1: %2").arg(i + 1).arg(expected.value(i, "<missing>")));
}

QTEST_MAIN(ConstraintEditorTest)
#include "tst_constraints_editor.moc"
