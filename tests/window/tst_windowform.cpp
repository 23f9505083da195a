// The main window as built: the objects the code reaches by name, what the
// construction hides, the tab order, the validators and the shortcuts.
#include "common/modalscript.h"
#include "common/testsupport.h"
#include "common/windowdriver.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTest>

namespace {

const char *const realTip = "Accepts non-negative real values. Use decimal point.";

template <typename T> T *child(QWidget &window, const QString &name) {
    return window.findChild<T *>(name);
}

// A shown, active window, with the file at path open unless path is empty,
// so that its window-wide shortcuts can fire.
struct ActiveWindow {
    Tarveo window;
    explicit ActiveWindow(const QString &path) {
        if (!path.isEmpty())
            window.openFile(path);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    QComboBox *list() { return child<QComboBox>(window, "comboBoxSubclasses"); }
    void select(int index) {
        const QSignalBlocker quiet(list());
        list()->setCurrentIndex(index);
    }
    // Gives the named widget the focus; false when it cannot take it.
    bool focus(const QString &name) {
        QWidget *target = child<QWidget>(window, name);
        if (!target || !target->isVisible())
            return false;
        target->setFocus();
        return target->hasFocus();
    }
};

// Two subclasses, the second incomplete: the invalid list and the
// constraint chooser are shown too.
QString twoSubclassFile() {
    return WindowDriver::dataPath(QStringLiteral("incomplete.conf"));
}

} // namespace

class TestWindowForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void namedObjects_data();
    void namedObjects();
    void windowAndMenus();
    void constructionHidesAndPrepares();
    void tabOrder();
    void validatorsOfTheWindow();
    void commaLocaleDesktop();
    void programmaticTextDoesNotWriteTheDocument();
    void shortcutsMoveThroughTheList_data();
    void shortcutsMoveThroughTheList();
    void fileShortcutsRunTheirCommands_data();
    void fileShortcutsRunTheirCommands();
    void gButtonAndConfigurationOpenTheUnitsDialog();
};

void TestWindowForm::cleanup() {
    // A failed check must not leave a dialog open for the next test.
    while (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
}

void TestWindowForm::namedObjects_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");      // null: not checked
    QTest::addColumn<QString>("statusTip"); // null: not checked
    const char *const rows[][4] = {
        {"actionNew", "QAction", "New", "Create a new configuration file from data in header."},
        {"actionOpen", "QAction", "Open", nullptr},
        {"actionSave", "QAction", "Save", nullptr},
        {"actionConfiguration", "QAction", "Configuration",
         "Change display units and update acceleration constant."},
        {"actionExit", "QAction", "Exit", nullptr},
        {"actionAbout", "QAction", "About", nullptr},
        {"actionUpdate", "QAction", "Check for Updates", nullptr},
        {"lineEditCountry", "QLineEdit", nullptr,
         "Two-letter country code; SI for Slovenia, US for USA, IT for Italy."},
        {"lineEditGroupMaxDist", "QLineEdit", nullptr, realTip},
        // The header's axle distance labels are named crosswise.
        {"labelMinAxleDist", "QLabel", "Max. axle distance (m):", nullptr},
        {"labelMaxAxleDist", "QLabel", "Min. axle distance (m):", nullptr},
        {"labelCombinedWeightConstraints", "QLabel",
         "Combined axle weight constraints (t):", nullptr},
        {"labelMaxGrossWeight", "QLabel", "Max. GVW (t):", nullptr},
        {"labelSubclassLarge", "QLabel", "", nullptr},
        {"buttonGConstant", "QPushButton", "", "Click to open configurators tab."},
        {"buttonCopy", "QPushButton", "Copy to:", nullptr},
        {"buttonSubclass", "QPushButton", "New", nullptr},
        {"buttonAddConstraint", "QPushButton", "Add", nullptr},
        {"comboBoxSubclasses", "QComboBox", nullptr, nullptr},
        {"comboBoxInvalid", "QComboBox", nullptr, nullptr},
        {"lineEditReclassUpGvw", "QLineEdit", nullptr, "Accepts real values."},
        // The first axle's widgets are made by the code, not the form.
        {"MaxAxleWeightEdit1", "QLineEdit", nullptr, realTip},
        {"TyreType1", "QLineEdit", nullptr,
         "Integer value representing tyre type. 1 for single, 2 for double, 3 for super single "
         "and 4 for quadruple."},
        {"MaxAxleWeightBox1", "QCheckBox", "1 ",
         "Used for selecting to which axles we want to apply the constraint."},
    };
    auto text = [](const char *s) { return s ? QString::fromUtf8(s) : QString(); };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << text(row[0]) << text(row[1]) << text(row[2]) << text(row[3]);
}

void TestWindowForm::namedObjects() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QFETCH(QString, statusTip);
    Tarveo w;
    QObject *object = w.findChild<QObject *>(name);
    QVERIFY2(object, qPrintable(name));
    QVERIFY2(object->inherits(qPrintable(className)), object->metaObject()->className());
    if (!text.isNull())
        QCOMPARE(object->property("text").toString(), text);
    if (!statusTip.isNull())
        QCOMPARE(object->property("statusTip").toString(), statusTip);
}

void TestWindowForm::windowAndMenus() {
    Tarveo w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Tarveo v3.4.2"));
    QCOMPARE(w.minimumWidth(), 990);
    // Numbers are written with a decimal point whatever the desktop's locale.
    QCOMPARE(child<QLineEdit>(w, "lineEditCountry")->locale(),
             QLocale(QLocale::English, QLocale::UnitedKingdom));

    auto visibleTexts = [&w](const char *menu) {
        QStringList texts;
        for (QAction *action : child<QMenu>(w, menu)->actions())
            if (action->isVisible())
                texts << action->text();
        return texts;
    };
    QCOMPARE(visibleTexts("menuFile"), (QStringList{"New", "Open", "Save", "Exit"}));
    QCOMPARE(visibleTexts("menuOptions"), QStringList{"Configuration"});
    // Help exists but is hidden and disabled.
    QCOMPARE(visibleTexts("menuHelp"), (QStringList{"About", "Check for Updates"}));
    QVERIFY(!child<QAction>(w, "actionHelp")->isEnabled());

    auto *chooser = child<QComboBox>(w, "comboBoxAddConstraint");
    QCOMPARE(QStringList({chooser->itemText(0), chooser->itemText(1), chooser->itemText(2)}),
             (QStringList{"Original", "Distance", "Weight"}));
    QCOMPARE(chooser->count(), 3);
    QCOMPARE(chooser->currentIndex(), -1);
}

void TestWindowForm::constructionHidesAndPrepares() {
    Tarveo w;
    w.show();
    for (const char *name :
         {"groupBoxSubclass", "groupBoxReclassify", "frameMiddle", "lineEditAddConstraint",
          "lineEditAddLowerConstraint", "lineEditAddUpperConstraint", "MaxAxleWeightEdit1",
          "TyreType1", "MaxAxleWeightBox1"})
        QVERIFY2(child<QWidget>(w, name)->isHidden(), name);
    for (const char *name : {"frameTop", "groupBoxHeader", "graphicsViewMin", "graphicsViewMax"})
        QVERIFY2(child<QWidget>(w, name)->isVisible(), name);
    QVERIFY(w.statusBar()->isVisible());
    for (const char *name : {"frameSubclassBottom", "frameMiddle"})
        QVERIFY2(child<QWidget>(w, name)->sizePolicy().retainSizeWhenHidden(), name);
    QVERIFY(!child<QPushButton>(w, "buttonCopy")->isEnabled());

    QVERIFY(w.document().get_subclass_numbers().isEmpty());
    QVERIFY(w.document().get_header().isEmpty());
    QCOMPARE(TarveoTestAccess::weightFactor(w), 9.80665f);
    QCOMPARE(TarveoTestAccess::lengthFactor(w), 1.0f);
    QCOMPARE(TarveoTestAccess::weightUnit(w), uchar(Tons));
    QCOMPARE(TarveoTestAccess::lengthUnit(w), uchar(Meters));
    QCOMPARE(TarveoTestAccess::constraintRowsDefault(w), 0);
    QVERIFY(!TarveoTestAccess::currentConstraintFrame(w));
}

void TestWindowForm::tabOrder() {
    Tarveo w;
    const QStringList chain = {
        "lineEditVersion",        "lineEditCountry",          "lineEditGroupMaxDist",
        "lineEditMinAxleSpacing", "lineEditMinAvgAxleWeight", "lineEditMaxAxleDist",
        "lineEditMinAxleDist",    "lineEditUnclassified",     "lineEditUncategorised",
        "comboBoxSubclasses",     "lineEditSubclass",         "buttonCopy",
        "lineEditCopy",           "lineEditCategory",         "lineEditPrepend",
        "lineEditAppend",         "comboBoxInvalid",          "lineEditNumOfAxles",
        "lineEditMaxGrossWeight", "lineEditConfString",       "lineEditReclassUpGvw",
        "lineEditReclassUpTo",    "lineEditReclassDownGvw",   "lineEditReclassDownTo",
        "graphicsViewMin",        "graphicsViewMax"};
    for (int i = 0; i + 1 < chain.size(); ++i) {
        QWidget *from = child<QWidget>(w, chain[i]);
        QWidget *next = from->nextInFocusChain();
        while (next && !chain.contains(next->objectName()) && next != from)
            next = next->nextInFocusChain();
        QVERIFY(next);
        QCOMPARE(next->objectName(), chain[i + 1]);
    }
}

void TestWindowForm::validatorsOfTheWindow() {
    Tarveo w;
    const QStringList real = {
        "lineEditGroupMaxDist",  "lineEditMinAxleSpacing", "lineEditMinAvgAxleWeight",
        "lineEditMaxAxleDist",   "lineEditMinAxleDist",    "lineEditMaxGrossWeight",
        "lineEditAddConstraint", "lineEditPrepend",        "lineEditAppend",
        "lineEditReclassUpGvw",  "lineEditReclassUpTo",    "lineEditReclassDownGvw",
        "lineEditReclassDownTo", "MaxAxleWeightEdit1"};
    const QStringList integer = {
        "lineEditUnclassified",   "lineEditUncategorised", "lineEditSubclass",
        "lineEditCopy",           "lineEditCategory",      "lineEditOverrideClass",
        "lineEditOverrideGroups", "lineEditAlias",         "TyreType1"};
    const QStringList none = {"lineEditVersion",
                              "lineEditCountry",
                              "lineEditConfString",
                              "lineEditAddLowerConstraint",
                              "lineEditAddUpperConstraint",
                              "lineEditTotalDistanceConstraint",
                              "lineEditTotalWeightConstraint"};
    for (const QString &name : real)
        QVERIFY2(qobject_cast<const QDoubleValidator *>(child<QLineEdit>(w, name)->validator()),
                 qPrintable(name));
    for (const QString &name : integer)
        QVERIFY2(qobject_cast<const QIntValidator *>(child<QLineEdit>(w, name)->validator()),
                 qPrintable(name));
    for (const QString &name : none)
        QVERIFY2(!child<QLineEdit>(w, name)->validator(), qPrintable(name));

    auto *axles =
        qobject_cast<const QIntValidator *>(child<QLineEdit>(w, "lineEditNumOfAxles")->validator());
    QVERIFY(axles);
    QCOMPARE(axles->bottom(), 2);
    QCOMPARE(axles->top(), 20);
}

void TestWindowForm::commaLocaleDesktop() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Slovenian));
    Tarveo w;
    QLocale::setDefault(previous);
    w.show();

    // Every validated field refuses the comma and the point-as-group-separator
    // of the desktop.
    for (QLineEdit *edit : w.findChildren<QLineEdit *>()) {
        const QValidator *validator = edit->validator();
        if (!validator)
            continue;
        QStringList refused = {QStringLiteral("3,5"), QStringLiteral("1.000,5")};
        if (qobject_cast<const QIntValidator *>(validator) &&
            edit->objectName() != QLatin1String("lineEditNumOfAxles"))
            refused << QStringLiteral("1.000");
        for (QString text : refused) {
            int position = text.size();
            QVERIFY2(validator->validate(text, position) == QValidator::Invalid,
                     qPrintable(edit->objectName() + QStringLiteral(": ") + text));
        }
    }

    // As typed: the comma never reaches the field, the point does.
    auto *weight = child<QLineEdit>(w, "lineEditMinAvgAxleWeight");
    weight->setFocus();
    QTest::keyClicks(weight, QStringLiteral("3,5"));
    QVERIFY(!weight->text().contains(QLatin1Char(',')));
    weight->clear();
    QTest::keyClicks(weight, QStringLiteral("3.5"));
    QCOMPARE(weight->text(), QStringLiteral("3.5"));
    // 3.5 t at the default g.
    QCOMPARE(w.document().get_min_avg_axle_weight(), QStringLiteral("34.3233"));
}

void TestWindowForm::programmaticTextDoesNotWriteTheDocument() {
    Tarveo w;
    w.show();
    auto *version = child<QLineEdit>(w, "lineEditVersion");
    version->setText(QStringLiteral("set by the program"));
    QCOMPARE(w.document().get_classification_version(), QString());
    version->clear();
    version->setFocus();
    QTest::keyClicks(version, QStringLiteral("2024-01 A"));
    QCOMPARE(w.document().get_classification_version(), QStringLiteral("2024-01 A"));
    // The version is never marked.
    QCOMPARE(version->styleSheet(), QStringLiteral("background-color: lime"));

    auto *spacing = child<QLineEdit>(w, "lineEditMinAxleSpacing");
    spacing->setFocus();
    QTest::keyClicks(spacing, QStringLiteral("0"));
    QCOMPARE(w.document().get_min_2axle_truck_spacing(), QString());
}

void TestWindowForm::shortcutsMoveThroughTheList_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    const int down = Qt::Key_Down, up = Qt::Key_Up, left = Qt::Key_Left, right = Qt::Key_Right;
    const int alt = Qt::AltModifier, none = Qt::NoModifier;
    const QString file = twoSubclassFile();
    // Every kind of field the focus can be in: a header field, a subclass
    // field and the three lists, whose own arrow keys must not win.
    QTest::newRow("Down, header field") << file << "lineEditCountry" << down << none << 0 << 1;
    QTest::newRow("Alt+Left, subclass field")
        << file << "lineEditCategory" << left << alt << 1 << 0;
    QTest::newRow("Up, subclass list") << file << "comboBoxSubclasses" << up << none << 1 << 0;
    QTest::newRow("Alt+Right, invalid list") << file << "comboBoxInvalid" << right << alt << 0 << 1;
    QTest::newRow("Down, constraint chooser")
        << file << "comboBoxAddConstraint" << down << none << 0 << 1;
    // The ends hold.
    QTest::newRow("Down at the end") << file << "lineEditCountry" << down << none << 1 << 1;
    QTest::newRow("Up, empty list") << QString() << "lineEditCountry" << up << none << -1 << -1;
}

void TestWindowForm::shortcutsMoveThroughTheList() {
    QFETCH(QString, file);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, from);
    QFETCH(int, to);
    ActiveWindow active(file);
    QVERIFY(QTest::qWaitForWindowActive(&active.window));
    active.select(from);
    QVERIFY2(active.focus(focus), qPrintable(focus));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(active.list()->currentIndex(), to);
}

void TestWindowForm::fileShortcutsRunTheirCommands_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown"); // the first box or dialog; empty: none
    QTest::newRow("Ctrl+N") << "lineEditCategory" << int(Qt::Key_N) << "dialog: Save as";
    QTest::newRow("Ctrl+O") << "lineEditCountry" << int(Qt::Key_O) << "dialog: Open file";
    // The open file's second subclass is incomplete.
    QTest::newRow("Ctrl+S") << "comboBoxSubclasses" << int(Qt::Key_S)
                            << "box: Vital information missing in one or more subclasses!";
    QTest::newRow("Ctrl+Q") << "comboBoxInvalid" << int(Qt::Key_Q) << QString();
}

void TestWindowForm::fileShortcutsRunTheirCommands() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, shown);
    ActiveWindow active(twoSubclassFile());
    QVERIFY(QTest::qWaitForWindowActive(&active.window));
    QVERIFY2(active.focus(focus), qPrintable(focus));
    ModalScript script;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(script.shown().value(0).section(QLatin1Char('\n'), 0, 0), shown);
    // Only Exit closes the window.
    QCOMPARE(active.window.isVisible(), !shown.isEmpty());
}

void TestWindowForm::gButtonAndConfigurationOpenTheUnitsDialog() {
    Tarveo w;
    w.show();
    for (const bool fromButton : {true, false}) {
        QString opened;
        ModalScript script({}, [&opened](QWidget *dialog) {
            opened = dialog->objectName();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        if (fromButton)
            QTest::mouseClick(child<QPushButton>(w, "buttonGConstant"), Qt::LeftButton);
        else
            child<QAction>(w, "actionConfiguration")->trigger();
        QCOMPARE(opened, QStringLiteral("MeasurementUnits"));
    }
    child<QAction>(w, "actionExit")->trigger();
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(TestWindowForm)
#include "tst_windowform.moc"
