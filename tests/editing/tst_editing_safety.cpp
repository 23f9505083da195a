// What no sequence of edits may do: change a subclass that is not on
// display, show another subclass's values, store "inf", hang on a huge
// axle count, or drop unsaved edits without asking.
#include "common/windowdriver.h"

using namespace WindowDriver;

namespace {
const QString unsaved =
    QStringLiteral("box: Unsaved changes\nThe classification has unsaved changes.");
const QString openDialog = QStringLiteral("dialog: Open file");
const QString saveDialog = QStringLiteral("dialog: Save as");

// A command run on fleet.conf after an edit of the field, if any: its
// answers and the boxes shown, joined by "|". Save writes back to the file.
const struct UnsavedCase {
    const char *name, *command, *field;
    QString answers, shown;
    bool kept; // the edited document is still there
} unsavedCases[] = {
    {"no edits", "Open", "", "", openDialog, true},
    {"discard", "Open", "Category", "Discard|", unsaved + '|' + openDialog, true},
    {"save, then open", "Open", "Category", "Save|", unsaved + '|' + openDialog, true},
    {"close", "close", "Version", "Cancel", unsaved, true},
    {"close, discarded", "close", "Version", "Discard", unsaved, false},
    // New takes the header fields along: only subclass edits are at stake.
    {"new after a header edit", "New", "Version", "", saveDialog, true},
    {"new after a subclass edit", "New", "Category", "Cancel", unsaved, true},
};

// Numbers too large for a float in the document's units: 3e38 is one in
// tonnes, but not in kilonewtons.
const struct TooLarge {
    const char *name, *typed;
} tooLarge[] = {{"lineEditMaxGrossWeight", "3e38"}, {"lineEditMaxAxleDist", "1e39"}};
} // namespace

class TestSafety : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void redNumberChangesNothingAndFieldsFollowTheDisplay() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        QVERIFY(select(window, 9));
        const QString before = document(window).to_string();
        retype(window, "lineEditSubclass", "04"); // reads as 4, but names no listed subclass
        QVERIFY(marking(window, "lineEditSubclass").startsWith("red"));
        QVERIFY(
            retypeAll(window, {"lineEditNumOfAxles=3", "lineEditCategory=2",
                               "lineEditReclassUpGvw=30", "lineEditTotalWeightConstraint=1,1;2,2",
                               "MaxAxleDist1=7", "lineEditCopy=77"}));
        click(window, "buttonCopy");
        widget<QComboBox>(window, "comboBoxAddConstraint")->setCurrentIndex(0);
        retype(window, "lineEditAddConstraint", "20");
        tick(window, {1, 2});
        click(window, "buttonAddConstraint");
        QCOMPARE(document(window).to_string(), before);

        // Two subclasses of five axles: the rows stay, the sums follow.
        QVERIFY(select(window, 4) && select(window, 9));
        QCOMPARE(label(window, "labelSumMaxAxleDist"), QStringLiteral("16.5"));
        QCOMPARE(label(window, "labelSumMaxAxleWeights"), QStringLiteral("45.8872"));

        // New, then a file whose first subclass has as many axles.
        runCommand(window, "actionNew", {dir.filePath("new.conf")});
        open(window, dataPath("safety-five-axles.conf"));
        QCOMPARE(label(window, "labelSumMaxAxleDist"), QStringLiteral("4"));
        // Then a file without subclasses: nothing of the last file's stays on display.
        open(window, dataPath("headeronly.conf"));
        QVERIFY(label(window, "labelSubclassLarge").isEmpty() && !isShown(window, "frameMiddle") &&
                widget<QGraphicsView>(window, "graphicsViewMin")->scene()->items().isEmpty());
        // The first subclass made there brings them back.
        retype(window, "lineEditSubclass", "5");
        click(window, "buttonSubclass");
        QVERIFY(isShown(window, "frameMiddle"));

        // A subclass without axles after one with a reclassification (opened
        // as the menu does after Discard: subclass 5 was not saved).
        window.openFile(dataPath("safety-mixed.conf"));
        QVERIFY(select(window, 2));
        QVERIFY(text(window, "lineEditReclassUpGvw").isEmpty() &&
                !isShown(window, "adslConstraint1") && !isShown(window, "MaxAxleDist1"));
        retype(window, "lineEditReclassUpGvw", "5");
        QCOMPARE(sectionLines(window, 1, "upper"), QStringList{"upper_GVW_limit__kN=420"});
        QCOMPARE(sectionLines(window, 2, "upper"), QStringList{"upper_GVW_limit__kN=49.0332"});
    }

    void hugeAxleCountShowsAtMostTwentyAxles() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/safety-huge.conf"));
        QCOMPARE(widget<QFrame>(window, "frameMaxAxleDists")->layout()->count() - 1, 19);
        retype(window, "lineEditMaxAxleDist", "11"); // re-marks the rows on display
        QVERIFY(isShown(window, "MaxAxleDist19"));
    }

    void numbersTooLargeAreNeverStored_data() { addCases(tooLarge); }

    void numbersTooLargeAreNeverStored() {
        const QString field = fetchCase(tooLarge).name;
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        retype(window, field, fetchCase(tooLarge).typed);
        const QString stored = document(window).to_string();
        QVERIFY(!stored.contains("inf") && !stored.contains("nan"));
        QCOMPARE(marking(window, field), "red: The value is too large to be stored.");
        retype(window, field, "3");
        QVERIFY(!marking(window, field).startsWith("red"));
    }

    // A save that is not made, here over a file read in part, keeps the
    // window open with its edits.
    void closingWithASaveNotMadeKeepsTheWindow() {
        ModalScript script({"OK", "Save", ""});
        Tarveo window;
        QVERIFY(openShown(window, "editing/stopped.conf"));
        QVERIFY(select(window, 2));
        click(window, "buttonSubclass"); // cut short by the stop, it would keep Save from going on
        window.close();
        QCOMPARE(script.boxTitles(), (QStringList{"Configuration read only in part",
                                                  "Unsaved changes", "Save over the file"}));
        QVERIFY(window.isVisible());
    }

    void unsavedChangesAreAskedAbout_data() { addCases(unsavedCases); }

    void unsavedChangesAreAskedAbout() {
        const UnsavedCase &c = fetchCase(unsavedCases);
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        if (*c.field)
            retype(window, QStringLiteral("lineEdit") + c.field, "8");
        const QString edited = document(window).to_string();
        ModalScript script(c.answers.split('|'));
        if (QString(c.command) == "close")
            window.close();
        else
            widget<QAction>(window, QStringLiteral("action") + c.command)->trigger();
        QCOMPARE(script.shown().join('|'), c.shown);
        QCOMPARE(window.isVisible(), c.kept);
        QCOMPARE(document(window).to_string(), edited);
        if (c.answers.startsWith("Save"))
            QCOMPARE(Conf(window.windowFilePath(), nullptr).to_string(), edited);
    }
};

QTEST_MAIN(TestSafety)
#include "tst_editing_safety.moc"
