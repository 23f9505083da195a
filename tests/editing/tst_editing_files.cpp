// The File and Edit commands driven through the menu: their boxes in order,
// what they write, and what they leave alone when they refuse or fail; undo
// and redo of every kind of step; and what a desktop editor keeps of a file:
// Save to the open file, Save As, the title, recent files, the units
// remembered, a file dropped on the window.
#include "common/windowdriver.h"
#include "editor/editorsettings.h"

#include <QPrintDialog>
#include <QPrinter>

using namespace WindowDriver;

namespace {
const QString saveDialog = QStringLiteral("dialog: Save as");
const QString cannotSave = QStringLiteral("box: Could not save configuration\n");
// No file can be made in the kernel's process folder, whoever runs the test.
const QString unwritable = QStringLiteral("/proc/tarveo-editing-test.conf");

const QString missing5 = QStringLiteral(
    "box: Vital information missing in one or more subclasses!\nMissing data found in subclass "
    "5\nPlease make sure all of the following fields are valid:\nCategory\nNumber of axles\n"
    "Max. gross weight\nAxle configuration\nand all fields dependant on number of axles.");
const QString duplicate = QStringLiteral("box: Duplicate subclasses found!\nAt least one "
                                         "duplicated subclass found. Do you wish to continue "
                                         "saving? ");
const QString headerInvalid = QStringLiteral(
    "box: Header invalid!\nPlease make sure all required fields are filled and valid.");
const QString writeFailed =
    cannotSave + "The configuration could not be written to " + unwritable + ":\n";

// A command refused, cancelled or failed on a file of tests/data/editing,
// which changes nothing: the one answer it gets (the save dialog then gets
// a file name) and the starts of the boxes it shows, joined by "|".
const struct Refusal {
    const char *name, *conf, *typed, *action; // "field:text" typed first, unless empty
    QString answer, shown;
} refusals[] = {
    {"duplicate first, then the incomplete subclass", "files-dup-incomplete.conf", "", "actionSave",
     "Yes", duplicate + "3 = 7|" + missing5},
    {"no to the duplicate; three equal name the first pair", "files-three-equal.conf", "",
     "actionSave", "No", duplicate + "2 = 4"},
    {"an incomplete subclass 0 reads as a header failure", "files-incomplete-zero.conf", "",
     "actionSave", "", headerInvalid},
    {"an invalid header", "files-short-header.conf", "", "actionSave", "", headerInvalid},
    {"save as, unwritable", "files-cars.conf", "", "actionSaveAs", unwritable,
     saveDialog + '|' + writeFailed},
    {"new refused: invalid country", "files-cars.conf", "lineEditCountry:XX", "actionNew", "",
     cannotSave + "Please make sure required (red) fields are filled before creating a new "
                  "configuration."},
    {"new cancelled", "files-cars.conf", "lineEditCountry:IT", "actionNew", "", saveDialog},
    {"open of an unreadable file", "files-cars.conf", "", "actionOpen", "/dev/zero",
     "dialog: Open file|box: Could not open configuration\nThe file /dev/zero could not be read: "
     "it is not a regular file.\nNothing was changed."},
    // A subclass line is split at "=": written out, this value would end the
    // reading of the file at its line.
    {"save refused: a value the file cannot carry", "files-cars.conf", "adslConstraint1:1+2:2=5,3",
     "actionSave", "",
     cannotSave + "Subclass 3, \"Combined axle distance constraints (m)\" row 1,"},
};

// The text of a PDF, in one line.
QString pdfText(const QString &pdf) {
    return runProgram("pdftotext", {pdf, "-"}).text().simplified();
}

QAction *action(Tarveo &window, const char *name) {
    return widget<QAction>(window, QString::fromLatin1(name));
}

// One step taken on subclass 4 of rows/trucks.conf (shown first) or its
// header: the undo text it earns and the field focused when it is undone
// (empty: none checked).
const struct StepCase {
    const char *name;
    std::function<void(Tarveo &)> take;
    const char *undoText, *focused; // focused in subclass 4, or in the header
} stepCases[] = {
    {"keystrokes in one field merge",
     [](Tarveo &w) { QTest::keyClicks(widget(w, "lineEditAlias"), "123"); }, "Undo Alias",
     "lineEditAlias"},
    {"a lower axle count, its entries kept",
     [](Tarveo &w) { retype(w, "lineEditNumOfAxles", "3"); }, "Undo Number of axles",
     "lineEditNumOfAxles"},
    {"an axle row", [](Tarveo &w) { retype(w, "TyreType3", "4"); }, "Undo Tyre type of axle 3",
     "TyreType3"},
    {"a constraint added",
     [](Tarveo &w) {
         widget<QComboBox>(w, "comboBoxAddConstraint")->setCurrentIndex(0);
         retype(w, "lineEditAddConstraint", "20");
         tick(w, {1, 2});
         click(w, "buttonAddConstraint");
     },
     "Undo Add combined axle weight constraint 2", ""},
    {"a constraint emptied", [](Tarveo &w) { retype(w, "adslConstraint2", ""); },
     "Undo Remove combined axle distance constraint 2", ""},
    {"a header value", [](Tarveo &w) { retype(w, "lineEditCountry", "IT"); }, "Undo Country code",
     "lineEditCountry"},
    {"the g of tonnes", [](Tarveo &w) { TarveoTestAccess::receiveUnits(w, Tons, Meters, 9.81f); },
     "Undo Gravitational acceleration", ""},
    {"a new subclass",
     [](Tarveo &w) {
         retype(w, "lineEditSubclass", "7");
         click(w, "buttonSubclass");
     },
     "Undo New subclass 7", ""},
    {"a copy",
     [](Tarveo &w) {
         retype(w, "lineEditCopy", "8");
         click(w, "buttonCopy");
     },
     "Undo Copy subclass 4 to 8", ""},
    {"a deletion", [](Tarveo &w) { click(w, "buttonSubclass"); }, "Undo Delete subclass 4", ""},
};

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    // The document, the lists and the file the window names.
    QString state(Tarveo &window) {
        return document(window).to_string() + entries(subclassList(window)).join(' ') +
               text(window, "lineEditSubclass") + window.windowFilePath();
    }

private slots:
    void refusedCommandKeepsTheDocument_data() { addCases(refusals); }

    void refusedCommandKeepsTheDocument() {
        const Refusal &c = fetchCase(refusals);
        QFile::remove(path("out.conf")); // left by a row that failed
        Tarveo window;
        open(window, dataPath(c.conf));
        if (*c.typed)
            retype(window, QString(c.typed).section(':', 0, 0), QString(c.typed).section(':', 1));
        const QString before = state(window);
        const QStringList shown = runCommand(window, c.action, {c.answer, path("out.conf")});
        const QStringList expected = c.shown.split('|');
        QCOMPARE(shown.size(), expected.size());
        for (int i = 0; i < shown.size(); ++i)
            QVERIFY2(shown[i].startsWith(expected[i]), qPrintable(shown[i]));
        QVERIFY(!QFile::exists(path("out.conf")) && !QFile::exists(unwritable));
        QCOMPARE(state(window), before);
    }

    void newWritesTheHeaderAndEmptiesThePanel() {
        Tarveo window;
        open(window, dataPath("files-cars.conf"));
        retype(window, "lineEditCountry", "it");
        retype(window, "lineEditGroupMaxDist", "25");
        retype(window, "lineEditMinAvgAxleWeight", "2");
        const QString target = path("new.conf");
        QCOMPARE(runCommand(window, "actionNew", {target}), QStringList{saveDialog});
        // The header is the document's: what the old file had, exactly (0.805
        // shows as 0.81), and what was typed.
        QCOMPARE(readBytes(target),
                 "[classes]\ncountry_code=IT\ngroup_max_distance__m=25\n"
                 "max_axle_distance__m=12\nmin_avg_axle_weight__kN=19.6133\n"
                 "min_axle_distance__m=0.805\nunclassified_vehicle_subclass=140\n\n");
        QCOMPARE(window.windowFilePath(), target);
        QVERIFY(document(window).get_subclass_numbers().isEmpty() &&
                !subclassList(window)->count() && text(window, "lineEditSubclass").isEmpty() &&
                widget<QComboBox>(window, "comboBoxInvalid")->isHidden());
    }

    void openShowsWhatWasRead() {
        Tarveo window;
        QVERIFY(!openShown(window, "editing/headeronly.conf"));
        // The first axle's widgets are made ready all the same.
        QVERIFY(!isShown(window, "groupBoxSubclass") && !isShown(window, "frameMiddle") &&
                !widget(window, "TyreType1")->isHidden());

        // A file whose reading stopped early shows what was read.
        QCOMPARE(open(window, dataPath("stopped.conf")),
                 (QStringList{"dialog: Open file",
                              "box: Configuration read only in part\nReading " +
                                  dataPath("stopped.conf") +
                                  " stopped at line 18, which is neither a key with its value "
                                  "nor a section header:\n; a comment line stops the reading\n"
                                  "The rest of the file was not read."}));
        QCOMPARE(entries(subclassList(window)), QStringList({"subclass_1", "subclass_2"}));
        QCOMPARE(text(window, "lineEditSubclass"), QStringLiteral("1"));

        // Saving over it asks first; Cancel is the default and writes nothing.
        // (Subclass 2, cut short by the stop, would keep Save from going on.)
        const QByteArray stopped = readBytes(dataPath("stopped.conf"));
        QVERIFY(select(window, 2));
        click(window, "buttonSubclass");
        QCOMPARE(runCommand(window, "actionSave", {""}).join('|'),
                 "box: Save over the file\nReading " + dataPath("stopped.conf") +
                     " stopped at line 18:\n; a comment line stops the reading\nSaving over it "
                     "drops the subclass sections from that line on.");
        QCOMPARE(readBytes(dataPath("stopped.conf")), stopped);
    }

    // Export and Print make the report of the document as it stands, its
    // unsaved edits said and the SHA-256 that of the text Save would write.
    void reportOfTheDocumentAsItStands() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        retype(window, "lineEditAlias", "5");
        TarveoTestAccess::receiveUnits(window, Kilonewtons, Feet, 0);
        const QString sha = QString::fromLatin1(
            QCryptographicHash::hash(document(window).to_bytes(), QCryptographicHash::Sha256)
                .toHex());
        const QString exported = path("exported.pdf");
        QCOMPARE(runCommand(window, "actionExportReport", {exported}),
                 QStringList{"dialog: Export report"});
        const QString text = pdfText(exported);
        QVERIFY2(text.contains("Unsaved edits") && text.contains(sha) &&
                     text.contains("weights in kN (g = 9.80665), lengths in ft"),
                 qPrintable(text));

        const QString printed = path("printed.pdf");
        QString refused;
        ModalScript script({}, [&](QWidget *dialog) {
            if (auto *print = qobject_cast<QPrintDialog *>(dialog)) {
                // Without a printer the dialog prints to a file, named here.
                auto *name = print->findChild<QLineEdit *>(QStringLiteral("filename"));
                QVERIFY(name);
                name->setText(printed);
                print->accept();
            } else if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
                refused = box->text();
                box->accept();
            }
        });
        widget<QAction>(window, "actionPrint")->trigger();
        QCOMPARE(refused, QString());
        QVERIFY(pdfText(printed).contains(sha));
    }

    void twoSectionsOfOneSubclassAndLatin1AreTold() {
        Tarveo window;
        window.show();
        const QString twice = testData("check/twosections.conf");
        QCOMPARE(open(window, twice).value(1),
                 "box: Subclass named twice\nTwo sections of " + twice +
                     " name subclass 11: line 8, [subclass_11], and line 18, [subclass_011]. The "
                     "later section is the one shown; the earlier is not kept.");
        retype(window, "lineEditAlias", "5");
        // Once saved over, the file holds the document whole: no more question.
        QCOMPARE(runCommand(window, "actionSave", {"Save"}).size(), 1);
        retype(window, "lineEditAlias", "6");
        QCOMPARE(runCommand(window, "actionSave", {}), QStringList());

        // A Latin-1 file stays Latin-1.
        const QString latin1 = testData("check/kept.conf");
        QCOMPARE(open(window, latin1).value(1).section('\n', 0, 0),
                 "box: Configuration in Latin-1");
        retype(window, "lineEditAlias", "7");
        QCOMPARE(runCommand(window, "actionSave", {}), QStringList());
        QVERIFY(readBytes(latin1).contains("classification_version=M\xfcller\n"));
    }

    // Save As adds the suffix to a new name and names the file written; a
    // copy that duplicates its source is asked about first.
    void saveAsAddsTheSuffix() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        QVERIFY(select(window, 9));
        retype(window, "lineEditCopy", "12");
        click(window, "buttonCopy");
        QCOMPARE(runCommand(window, "actionSaveAs", {"Yes", path("session")}),
                 (QStringList{duplicate + "9 = 12", saveDialog}));
        QCOMPARE(Conf(path("session.conf"), nullptr).to_string(), document(window).to_string());
        QCOMPARE(window.windowFilePath(), path("session.conf"));
        QVERIFY(!window.isWindowModified());

        // A name without suffix that exists is the file written, once
        // replacing it is agreed.
        const QString plain = path("site");
        QVERIFY(QFile::copy(testData("editing/fleet.conf"), plain));
        QCOMPARE(runCommand(window, "actionSaveAs", {"Yes", plain, "Yes"}).size(), 3);
        QCOMPARE(window.windowFilePath(), plain);
        QVERIFY(!QFile::exists(plain + ".conf"));
        QCOMPARE(Conf(plain, nullptr).to_string(), document(window).to_string());
    }

    void init() { EditorSettings::setRecentFiles({}); }

    void eachStepIsUndoneAndRedone_data() { addCases(stepCases); }

    void eachStepIsUndoneAndRedone() {
        const StepCase &c = fetchCase(stepCases);
        Tarveo window;
        QVERIFY(openShown(window, "rows/trucks.conf"));
        const QString opened = document(window).to_string();
        c.take(window);
        const QString changed = document(window).to_string();
        QVERIFY(changed != opened);
        QCOMPARE(action(window, "actionUndo")->text(), QString::fromLatin1(c.undoText));
        QVERIFY(window.isWindowModified());

        select(window, 11); // the step brings its subclass back into view
        action(window, "actionUndo")->trigger();
        QCOMPARE(document(window).to_string(), opened);
        QVERIFY(!window.isWindowModified());
        if (*c.focused) {
            QVERIFY(widget(window, c.focused)->hasFocus());
            if (!widget<QWidget>(window, "groupBoxHeader")->isAncestorOf(widget(window, c.focused)))
                QCOMPARE(text(window, "lineEditSubclass"), QStringLiteral("4"));
        }
        action(window, "actionRedo")->trigger();
        QCOMPARE(document(window).to_string(), changed);
    }

    // Typing back what a field showed stores the document's own value, not
    // that value rounded for display: nothing is left to save.
    void retypingTheShownTextChangesNothing() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf")); // min_avg_axle_weight__kN=9.80665
        TarveoTestAccess::receiveUnits(window, Kilonewtons, Meters, 0);
        const QString opened = document(window).to_string();
        QLineEdit *weight = widget(window, "lineEditMinAvgAxleWeight");
        QCOMPARE(weight->text(), QStringLiteral("9.81"));
        retype(window, "lineEditMinAvgAxleWeight", "9.8");
        retype(window, "lineEditMinAvgAxleWeight", "9.81");
        QCOMPARE(document(window).to_string(), opened);
        QVERIFY(!window.isWindowModified());
    }

    void saveWritesTheOpenFileAndSaveAsAsks() {
        Tarveo window;
        const QString path = testData("editing/fleet.conf");
        QVERIFY(openShown(window, path));
        QCOMPARE(window.windowTitle(), QString("fleet.conf[*] \u2014 Tarveo"));
        retype(window, "lineEditAlias", "31");
        QVERIFY(window.isWindowModified());
        QCOMPARE(runCommand(window, "actionSave", {}), QStringList());
        QVERIFY(!window.isWindowModified());
        QCOMPARE(Conf(path, nullptr).to_string(), document(window).to_string());

        // Save As starts at the file, its name filled in, and the title
        // follows the new name.
        const QString copy = dir.filePath("copy.conf");
        QString start;
        ModalScript script({}, [&](QWidget *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            start = files->directory().filePath(files->selectedFiles().value(0));
            // The file list, loading meanwhile, must not pick the name.
            files->findChild<QAbstractItemView *>("listView")->clearSelection();
            files->findChild<QLineEdit *>("fileNameEdit")->setText(copy);
            QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
        });
        action(window, "actionSaveAs")->trigger();
        QTRY_COMPARE(window.windowFilePath(), copy);
        QCOMPARE(QFileInfo(start).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
        QCOMPARE(window.windowTitle(), QString("copy.conf[*] \u2014 Tarveo"));

        // Both files are recent, the last written first.
        QStringList recent;
        for (QAction *entry : widget<QMenu>(window, "menuRecent")->actions())
            recent << entry->statusTip();
        QCOMPARE(recent, (QStringList{copy, path}));
    }

    void aRecentFileThatIsGoneLeavesTheList() {
        const QString gone = dir.filePath("gone.conf");
        QVERIFY(QFile::copy(testData("editing/fleet.conf"), gone));
        {
            Tarveo window;
            window.openFile(gone);
        }
        QFile::remove(gone);
        Tarveo window;
        auto *menu = widget<QMenu>(window, "menuRecent");
        QCOMPARE(menu->actions().size(), 1);
        ModalScript script;
        menu->actions().first()->trigger();
        QCOMPARE(script.boxTitles(), QStringList{"Could not open configuration"});
        QVERIFY(menu->actions().isEmpty());
    }

    void unitsAreRememberedForTheNextStart() {
        {
            Tarveo window;
            TarveoTestAccess::receiveUnits(window, Kilonewtons, Inches, 0);
        }
        Tarveo fresh; // as made by a test: tonnes and metres
        QCOMPARE(TarveoTestAccess::units(fresh).weightUnit(), uchar(Tons));
        fresh.restoreSettings();
        QCOMPARE(TarveoTestAccess::units(fresh).weightUnit(), uchar(Kilonewtons));
        QCOMPARE(TarveoTestAccess::units(fresh).lengthUnit(), uchar(Inches));
    }

    void aDroppedFileOpens() {
        Tarveo window;
        window.show();
        QMimeData data;
        const QString path = testData("editing/fleet.conf");
        data.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)});
        QDragEnterEvent two(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &two);
        QVERIFY(!two.isAccepted()); // one file at a time
        data.setUrls({QUrl::fromLocalFile(path)});
        // The drop goes where the drag was let in.
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        QCOMPARE(window.windowFilePath(), path);
        QVERIFY(!document(window).get_subclass_numbers().isEmpty());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_editing_files.moc"
