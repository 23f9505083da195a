// Undo and redo of every kind of step, and what a desktop editor keeps of a
// file: Save to the open file, Save As, the title, recent files, the units
// remembered, a file dropped on the window.
#include "common/windowdriver.h"
#include "editor/editorsettings.h"

using namespace WindowDriver;

namespace {

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

class TestUndo : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
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
        QCOMPARE(action(window, "actionRedo")->isEnabled(), false);
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

    void aFileWithoutSuffixIsSavedBackToItself() {
        const QString plain = dir.filePath("site");
        QVERIFY(QFile::copy(testData("editing/fleet.conf"), plain));
        Tarveo window;
        QVERIFY(openShown(window, plain));
        retype(window, "lineEditAlias", "32");
        QCOMPARE(runCommand(window, "actionSaveAs", {plain, "Yes"}).size(), 2); // replace?
        QCOMPARE(window.windowFilePath(), plain);
        QVERIFY(!QFile::exists(plain + ".conf"));
        QCOMPARE(Conf(plain, nullptr).to_string(), document(window).to_string());
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
            TarveoTestAccess::receiveUnits(window, Pounds, Feet, 0);
        }
        Tarveo fresh; // as made by a test: tonnes and metres
        QCOMPARE(TarveoTestAccess::units(fresh).weightUnit(), uchar(Tons));
        fresh.restoreSettings();
        QCOMPARE(TarveoTestAccess::units(fresh).weightUnit(), uchar(Pounds));
        QCOMPARE(TarveoTestAccess::units(fresh).lengthUnit(), uchar(Feet));
    }

    void aDroppedFileOpens() {
        Tarveo window;
        window.show();
        QMimeData data;
        const QString path = testData("editing/fleet.conf");
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

QTEST_MAIN(TestUndo)
#include "tst_editing_undo.moc"
