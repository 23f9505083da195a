// The File commands driven through the menu: their boxes in order, what
// they write, and what they leave alone when they refuse or fail.
#include "common/testsupport.h"
#include "common/windowdriver.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace WindowDriver;

namespace {
const QString titleBase = QStringLiteral("Tarveo v3.4.2 ");
const QString saveDialog = QStringLiteral("dialog: Save as");
const QString cannotSave = QStringLiteral("box: Could not save configuration\n");
// No file can be made in the kernel's process folder, whoever runs the test.
const QString unwritable = QStringLiteral("/proc/tarveo-editing-test.conf");

QString carSection(int number, const QString &category = QStringLiteral("1")) {
    return QStringLiteral("[subclass_%1]\naxle_configuration=C2\ncategory=%2\nmax_GVW__kN=35\n"
                          "number_of_axles=2\ntyre_type=1,1\nmax_axle_weight__kN=1,20;2,20\n"
                          "max_axle_distance__m=3.5\nmin_axle_distance__m=2.2\n\n")
        .arg(number)
        .arg(category);
}

const QString validHeader = QStringLiteral("[classes]\ncountry_code=SI\ngroup_max_distance__m=30\n"
                                           "max_axle_distance__m=12\nmin_axle_distance__m=0.8\n"
                                           "unclassified_vehicle_subclass=140\n\n");
} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    QString writeConf(const QString &name, const QString &text) {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.write(text.toUtf8());
        return file.fileName();
    }

private slots:
    void saveChecksComeInOrder_data();
    void saveChecksComeInOrder();
    void saveWritesTheDocumentWithItsSuffix();
    void unwritableTargetIsReported_data();
    void unwritableTargetIsReported();
    void saveRefusesAValueTheFileCannotCarry();
    void newRefusedOrCancelledKeepsDocumentAndForm_data();
    void newRefusedOrCancelledKeepsDocumentAndForm();
    void newWritesTheHeaderAndEmptiesThePanel();
    void openTakesTheGravitationalConstant();
    void openWithoutSubclassesShowsOnlyTheFirstAxle();
    void openOfUnreadableFileChangesNothing();
    void openOfFileStoppedEarlyShowsWhatWasRead();
    void editedFileIsSavedLineByLine();
};

void FileCommandsTest::saveChecksComeInOrder_data() {
    QTest::addColumn<QString>("conf");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expected");

    const QString missing5 = QStringLiteral("box: Vital information missing in one or more "
                                            "subclasses!\nMissing data found in subclass 5\n"
                                            "Please make sure all of the following fields are "
                                            "valid:\nCategory\nNumber of axles\nMax. gross "
                                            "weight\nAxle configuration\nand all fields "
                                            "dependant on number of axles.");
    const QString duplicate = QStringLiteral("box: Duplicate subclasses found!\nAt least one "
                                             "duplicated subclass found. Do you wish to continue "
                                             "saving? ");
    const QString headerInvalid = QStringLiteral(
        "box: Header invalid!\nPlease make sure all required fields are filled and valid.");

    QTest::newRow("duplicate first, then the incomplete subclass")
        << validHeader + carSection(3) + carSection(5, QString()) + carSection(7)
        << QStringList{"Yes"} << QStringList{duplicate + "3 = 7", missing5};
    QTest::newRow("no to the duplicate; three equal name the first pair")
        << validHeader + carSection(2) + carSection(4) + carSection(9) << QStringList{"No"}
        << QStringList{duplicate + "2 = 4"};
    QTest::newRow("subclasses are checked before the header")
        << QStringLiteral("[classes]\ncountry_code=XX\n\n") + carSection(5, QString())
        << QStringList{} << QStringList{missing5};
    QTest::newRow("an incomplete subclass 0 reads as a header failure")
        << validHeader + carSection(0, QString()) << QStringList{} << QStringList{headerInvalid};
    QTest::newRow("an invalid header")
        << QStringLiteral("[classes]\ncountry_code=SI\n\n") + carSection(3) << QStringList{}
        << QStringList{headerInvalid};
}

void FileCommandsTest::saveChecksComeInOrder() {
    QFETCH(QString, conf);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expected);

    Tarveo window;
    open(window, writeConf("in.conf", conf));
    // Should the checks let it through, the save dialog gets a file name.
    const QString target = path("out.conf");
    QCOMPARE(runCommand(window, "actionSave", answers + QStringList{target}), expected);
    QVERIFY(!QFile::exists(target));
}

void FileCommandsTest::saveWritesTheDocumentWithItsSuffix() {
    Tarveo window;
    const QString source =
        writeConf("valid.conf", validHeader + carSection(3) + carSection(4, "2"));
    open(window, source);
    QCOMPARE(runCommand(window, "actionSave", {path("saved")}), QStringList{saveDialog});
    QVERIFY(!QFile::exists(path("saved")));
    QCOMPARE(fileLines(path("saved.conf")), fileLines(source));
    QCOMPARE(window.windowTitle(), titleBase + source);
}

void FileCommandsTest::unwritableTargetIsReported_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("save") << "actionSave";
    QTest::newRow("new") << "actionNew";
}

void FileCommandsTest::unwritableTargetIsReported() {
    QFETCH(QString, action);
    Tarveo window;
    const QString source = writeConf("stay.conf", validHeader + carSection(3));
    open(window, source);
    const QStringList shown = runCommand(window, action, {unwritable});
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0], saveDialog);
    QVERIFY2(shown[1].startsWith(cannotSave) && shown[1].contains(unwritable),
             qPrintable(shown[1]));
    QVERIFY(!QFile::exists(unwritable));
    // A failed New keeps the document it would have replaced.
    QCOMPARE(window.windowTitle(), titleBase + source);
    QCOMPARE(TarveoTestAccess::conf(window).get_subclass_numbers(), QVector<quint32>{3});
    QCOMPARE(subclassList(window)->count(), 1);
}

void FileCommandsTest::saveRefusesAValueTheFileCannotCarry() {
    Tarveo window;
    open(window, writeConf("equals.conf", validHeader + carSection(3)));
    // A subclass line is split at "=": written out, this value would end the
    // reading of the file at its line.
    retype(window, "lineEditTotalDistanceConstraint", "1=2");
    const QString target = path("equals-saved.conf");
    const QStringList shown = runCommand(window, "actionSave", {target});
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(cannotSave +
                                 QStringLiteral("Subclass 3, \"Total distance constraint (m)\",")),
             qPrintable(shown[0]));
    QVERIFY(!QFile::exists(target));

    retype(window, "lineEditTotalDistanceConstraint", "1,2");
    QCOMPARE(runCommand(window, "actionSave", {target}), QStringList{saveDialog});
    QVERIFY(fileLines(target).contains(QStringLiteral("adsl_0=1,2")));
}

void FileCommandsTest::newRefusedOrCancelledKeepsDocumentAndForm_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("expected");
    QTest::newRow("refused: invalid country")
        << "XX"
        << cannotSave + QStringLiteral("Please make sure required (red) fields are filled "
                                       "before creating a new configuration.");
    QTest::newRow("cancelled dialog") << "IT" << saveDialog;
}

void FileCommandsTest::newRefusedOrCancelledKeepsDocumentAndForm() {
    QFETCH(QString, country);
    QFETCH(QString, expected);

    Tarveo window;
    const QString source = writeConf("kept.conf", validHeader + carSection(3) + carSection(4, "2"));
    open(window, source);
    const QString before = TarveoTestAccess::conf(window).to_string();
    retype(window, "lineEditCountry", country);

    QCOMPARE(runCommand(window, "actionNew", {QString()}), QStringList{expected});
    // Only the typed country differs from the file.
    Conf &conf = TarveoTestAccess::conf(window);
    QCOMPARE(conf.get_country_code(), country);
    conf.set_country_code(QStringLiteral("SI"));
    QCOMPARE(conf.to_string(), before);
    QCOMPARE(entries(subclassList(window)), (QStringList{"subclass_3", "subclass_4"}));
    QCOMPARE(widget(window, "lineEditSubclass")->text(), QStringLiteral("3"));
    QCOMPARE(window.windowTitle(), titleBase + source);
}

void FileCommandsTest::newWritesTheHeaderAndEmptiesThePanel() {
    Tarveo window;
    open(window, writeConf("old.conf", validHeader + carSection(3)));
    retype(window, "lineEditCountry", "it");
    retype(window, "lineEditGroupMaxDist", "25");
    retype(window, "lineEditMinAvgAxleWeight", "2");

    const QString target = path("new.conf");
    QCOMPARE(runCommand(window, "actionNew", {target}), QStringList{saveDialog});
    // The header comes from the form: what the old file had, as retyped.
    QCOMPARE(
        fileLines(target),
        (QStringList{"[classes]", "country_code=IT", "group_max_distance__m=25",
                     "max_axle_distance__m=12", "min_avg_axle_weight__kN=19.6133",
                     "min_axle_distance__m=0.8", "unclassified_vehicle_subclass=140", "", ""}));
    QCOMPARE(window.windowTitle(), titleBase + target);
    QVERIFY(TarveoTestAccess::conf(window).get_subclass_numbers().isEmpty());
    QCOMPARE(subclassList(window)->count(), 0);
    QVERIFY(widget<QComboBox>(window, "comboBoxInvalid")->isHidden());
    QVERIFY(widget(window, "lineEditSubclass")->text().isEmpty());
}

void FileCommandsTest::openTakesTheGravitationalConstant() {
    Tarveo window;
    for (const char *bad : {"0", "-9.81", "g"}) {
        open(window,
             writeConf("badg.conf", QString("[classes]\ng_acceleration_constant=%1\n").arg(bad)));
        QCOMPARE(TarveoTestAccess::weightFactor(window), 9.80665f);
    }
    open(window, dataPath("headeronly.conf"));
    QCOMPARE(TarveoTestAccess::weightFactor(window), 9.81f);
}

void FileCommandsTest::openWithoutSubclassesShowsOnlyTheFirstAxle() {
    Tarveo window;
    window.show();
    const QString file = dataPath("headeronly.conf");
    open(window, file);
    QCOMPARE(window.windowTitle(), titleBase + file);
    QCOMPARE(widget(window, "lineEditCountry")->text(), QStringLiteral("IT"));
    QVERIFY(widget<QGroupBox>(window, "groupBoxSubclass")->isHidden());
    QVERIFY(widget<QFrame>(window, "frameMiddle")->isHidden());
    for (const char *name : {"MaxAxleWeightEdit1", "MaxAxleWeightBox1", "TyreType1"})
        QVERIFY2(!widget<QWidget>(window, name)->isHidden(), name);
}

void FileCommandsTest::openOfUnreadableFileChangesNothing() {
    Tarveo window;
    const QString source = writeConf("good.conf", validHeader + carSection(3));
    open(window, source);
    const QString before = TarveoTestAccess::conf(window).to_string();

    const QString missing = path("gone.conf");
    ModalScript script;
    window.openFile(missing);
    QCOMPARE(script.boxTitles(), QStringList{QStringLiteral("Could not open configuration")});
    QVERIFY(script.shown().at(0).contains(missing));
    QCOMPARE(TarveoTestAccess::conf(window).to_string(), before);
    QCOMPARE(window.windowTitle(), titleBase + source);
    QCOMPARE(subclassList(window)->count(), 1);
}

void FileCommandsTest::openOfFileStoppedEarlyShowsWhatWasRead() {
    Tarveo window;
    const QStringList shown = open(window, dataPath("stopped.conf"));
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0], QStringLiteral("dialog: Open file"));
    for (const char *part :
         {"box: Configuration read only in part\n", "line 18", "; a comment line stops the reading",
          "The rest of the file was not read."})
        QVERIFY2(shown[1].contains(QLatin1String(part)), qPrintable(shown[1]));
    QCOMPARE(entries(subclassList(window)), QStringList{QStringLiteral("subclass_1")});
    QCOMPARE(widget(window, "lineEditSubclass")->text(), QStringLiteral("1"));
}

// A whole session: open, edit the header and two subclasses, copy one, save;
// the saved text is compared with the expected file line by line.
void FileCommandsTest::editedFileIsSavedLineByLine() {
    Tarveo window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    open(window, dataPath("fleet.conf"));

    retype(window, "lineEditCountry", "at");
    retype(window, "lineEditMinAvgAxleWeight", "1.5");
    // Subclass 3 is shown first.
    retype(window, "lineEditAlias", "33");
    retype(window, "lineEditMaxGrossWeight", "4");
    retype(window, "lineEditPrepend", "0.5");

    subclassList(window)->setCurrentIndex(2);
    QCOMPARE(widget(window, "lineEditSubclass")->text(), QStringLiteral("9"));
    retype(window, "lineEditReclassDownTo", "4");
    retype(window, "lineEditReclassDownGvw", "20");
    retype(window, "lineEditCopy", "12");
    QTest::mouseClick(widget<QPushButton>(window, "buttonCopy"), Qt::LeftButton);
    QCOMPARE(widget(window, "lineEditSubclass")->text(), QStringLiteral("12"));

    const QString target = path("session.conf");
    const QStringList shown = runCommand(window, "actionSave", {"Yes", target});
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown[0].endsWith(QStringLiteral("Do you wish to continue saving? 9 = 12")));
    QCOMPARE(shown[1], saveDialog);

    const QStringList saved = fileLines(target);
    const QStringList expected = fileLines(dataPath("fleet-edited.conf"));
    for (int i = 0; i < qMin(saved.size(), expected.size()); ++i)
        QVERIFY2(saved[i] == expected[i],
                 qPrintable(QStringLiteral("line %1: %2").arg(i + 1).arg(saved[i])));
    QCOMPARE(saved.size(), expected.size());
}

QTEST_MAIN(FileCommandsTest)
#include "tst_editing_files.moc"
