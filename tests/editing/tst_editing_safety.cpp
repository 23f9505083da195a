// What no sequence of edits may do: change a subclass that is not on
// display, show another subclass's values, store "inf", hang on a huge
// axle count, or drop unsaved edits without asking.
#include "common/testsupport.h"
#include "common/windowdriver.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace WindowDriver;

namespace {
// fleet.conf: subclasses 3 (2 axles), 4 and 9 (5 axles each).
Conf &document(Tarveo &window) {
    return TarveoTestAccess::conf(window);
}

QString label(Tarveo &window, const char *name) {
    return widget<QLabel>(window, name)->text();
}

bool isRed(Tarveo &window, const char *name) {
    return widget(window, name)->styleSheet() ==
           QStringLiteral("QLineEdit {background-color: red}");
}

void select(Tarveo &window, quint32 number) {
    subclassList(window)->setCurrentIndex(
        subclassList(window)->findText(QStringLiteral("subclass_%1").arg(number)));
}
} // namespace

class SafetyTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void openShown(Tarveo &window, const QString &path) {
        window.openFile(path);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QString write(const QString &name, const QByteArray &text) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }

private slots:
    void redNumberChangesNothing() {
        Tarveo window;
        openShown(window, dataPath("fleet.conf"));
        select(window, 9);
        const QString before = document(window).to_string();
        retype(window, "lineEditSubclass", "04"); // reads as 4, but names no listed subclass
        QVERIFY(isRed(window, "lineEditSubclass"));

        retype(window, "lineEditNumOfAxles", "3");
        retype(window, "lineEditCategory", "2");
        retype(window, "lineEditReclassUpGvw", "30");
        retype(window, "lineEditTotalWeightConstraint", "1,1;2,2");
        retype(window, "MaxAxleDist1", "7");
        retype(window, "lineEditCopy", "77");
        QTest::mouseClick(widget<QPushButton>(window, "buttonCopy"), Qt::LeftButton);
        widget<QComboBox>(window, "comboBoxAddConstraint")->setCurrentIndex(0);
        retype(window, "lineEditAddConstraint", "20");
        for (const char *box : {"MaxAxleWeightBox1", "MaxAxleWeightBox2"})
            widget<QCheckBox>(window, box)->setChecked(true);
        QTest::mouseClick(widget<QPushButton>(window, "buttonAddConstraint"), Qt::LeftButton);
        QCOMPARE(document(window).to_string(), before);
    }

    void hugeAxleCountShowsAtMostTwentyAxles() {
        Tarveo window;
        openShown(window, write("huge.conf", "[subclass_1]\nnumber_of_axles=2000000000\n"
                                             "max_axle_weight__kN=1,70;2,80\n"));
        QVERIFY(isRed(window, "lineEditNumOfAxles"));
        const int distanceRows = widget<QFrame>(window, "frameMaxAxleDists")->layout()->count() - 1;
        QCOMPARE(distanceRows, Subclass::MaxAxles - 1);
        QCOMPARE(widget(window, "MaxAxleWeightEdit2")->text(), QStringLiteral("8.16"));
        retype(window, "lineEditMaxAxleDist", "11"); // re-marks the rows on display
        QVERIFY(!widget(window, "MaxAxleDist19")->isHidden());
    }

    void everyFieldShowsTheSubclassOnDisplay() {
        Tarveo window;
        openShown(window, dataPath("fleet.conf"));
        // Two subclasses of five axles: the rows stay, the sums follow.
        select(window, 4);
        select(window, 9);
        QCOMPARE(label(window, "labelSumMaxAxleDist"), QStringLiteral("16.5"));
        QCOMPARE(label(window, "labelSumMaxAxleWeights"), QStringLiteral("45.8872"));

        // New, then a file whose first subclass has as many axles.
        runCommand(window, "actionNew", {dir.filePath("new.conf")});
        const QString other = write("other.conf", QByteArray("[subclass_5]\nnumber_of_axles=5\n"
                                                             "max_axle_distance__m=1,1,1,1\n"
                                                             "min_axle_distance__m=1,1,1,1\n"));
        open(window, other);
        QCOMPARE(label(window, "labelSumMaxAxleDist"), QStringLiteral("4"));

        // A subclass without axles after one with a reclassification.
        const QString mixed =
            write("mixed.conf", "[subclass_1]\nnumber_of_axles=2\nupper_GVW_limit__kN=420\n"
                                "reclassify_up_to_subclass=1\nadsl_1=1+2:1,2\n"
                                "[subclass_2]\nnumber_of_axles=1\n");
        open(window, mixed);
        select(window, 2);
        QCOMPARE(widget(window, "lineEditReclassUpGvw")->text(), QString());
        QCOMPARE(widget(window, "lineEditReclassUpTo")->text(), QString());
        QVERIFY(widget(window, "adslConstraint1")->isHidden());
        retype(window, "lineEditReclassUpGvw", "5");
        QCOMPARE(document(window).get_subclass(1).get_upper_GVW_limit(), QStringLiteral("420"));
        QCOMPARE(document(window).get_subclass(2).get_upper_GVW_limit(), QStringLiteral("49.0332"));
    }

    void numbersTooLargeAreNeverStored_data() {
        // 3e38 is a float in tonnes, but not in kilonewtons.
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("gross weight") << "lineEditMaxGrossWeight"
                                      << "3e38";
        QTest::newRow("prepend") << "lineEditPrepend"
                                 << "1e39";
        QTest::newRow("axle weight") << "MaxAxleWeightEdit1"
                                     << "3e38";
        QTest::newRow("header spacing") << "lineEditMinAxleSpacing"
                                        << "1e39";
        QTest::newRow("header maximum") << "lineEditMaxAxleDist"
                                        << "1e39";
    }

    void numbersTooLargeAreNeverStored() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        Tarveo window;
        openShown(window, dataPath("fleet.conf"));
        retype(window, field, typed);
        QVERIFY(!document(window).to_string().contains("inf"));
        QVERIFY(isRed(window, qPrintable(field)));
        retype(window, field, "3");
        QVERIFY(!isRed(window, qPrintable(field)));
    }

    void unsavedChangesAreAskedAbout_data() {
        QTest::addColumn<QString>("command"); // "close" or an action
        QTest::addColumn<QString>("field");   // edited before, or none
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("kept"); // the edited document is still there
        const QString box = QStringLiteral("box: Unsaved changes\nThe classification has unsaved "
                                           "changes.");
        const QString open = QStringLiteral("dialog: Open file");
        QTest::newRow("no edits") << "actionOpen"
                                  << "" << QStringList{""} << QStringList{open} << true;
        QTest::newRow("cancel") << "actionOpen"
                                << "lineEditCategory" << QStringList{"Cancel"} << QStringList{box}
                                << true;
        QTest::newRow("discard") << "actionOpen"
                                 << "lineEditCategory" << QStringList{"Discard", ""}
                                 << QStringList{box, open} << true;
        QTest::newRow("save, then open") << "actionOpen"
                                         << "lineEditCategory" << QStringList{"Save", "saved", ""}
                                         << QStringList{box, "dialog: Save as", open} << true;
        QTest::newRow("save cancelled") << "actionOpen"
                                        << "lineEditCategory" << QStringList{"Save", ""}
                                        << QStringList{box, "dialog: Save as"} << true;
        QTest::newRow("close") << "close"
                               << "lineEditVersion" << QStringList{"Cancel"} << QStringList{box}
                               << true;
        QTest::newRow("close, discarded")
            << "close"
            << "lineEditVersion" << QStringList{"Discard"} << QStringList{box} << false;
        // New takes the header fields along: only subclass edits are at stake.
        QTest::newRow("new after a header edit")
            << "actionNew"
            << "lineEditVersion" << QStringList{""} << QStringList{"dialog: Save as"} << true;
        QTest::newRow("new after a subclass edit")
            << "actionNew"
            << "lineEditCategory" << QStringList{"Cancel"} << QStringList{box} << true;
    }

    void unsavedChangesAreAskedAbout() {
        QFETCH(QString, command);
        QFETCH(QString, field);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, shown);
        QFETCH(bool, kept);
        Tarveo window;
        openShown(window, dataPath("fleet.conf"));
        if (!field.isEmpty())
            retype(window, field, "8");
        const QString edited = document(window).to_string();
        for (QString &answer : answers)
            if (answer == "saved")
                answer = dir.filePath("saved.conf");
        ModalScript script(answers);
        if (command == "close")
            window.close();
        else
            widget<QAction>(window, command)->trigger();
        QCOMPARE(script.shown(), shown);
        QCOMPARE(window.isVisible(), command != "close" || kept);
        QCOMPARE(document(window).to_string(), edited);
        if (answers.contains(dir.filePath("saved.conf")))
            QCOMPARE(Conf(dir.filePath("saved.conf"), nullptr).to_string(), edited);
    }

    void unreadableFileIsRefusedWithItsReason() {
        Tarveo window;
        openShown(window, dataPath("fleet.conf"));
        const QString before = document(window).to_string();
        const QStringList shown = open(window, "/dev/zero");
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1), QStringLiteral("box: Could not open configuration\nThe file "
                                             "/dev/zero could not be read: it is not a regular "
                                             "file.\nNothing was changed."));
        QCOMPARE(document(window).to_string(), before);
    }
};

QTEST_MAIN(SafetyTest)
#include "tst_editing_safety.moc"
