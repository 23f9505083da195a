// The main window as built: the form's objects with their texts and tips,
// what the construction adds and hides, the validators and the shortcuts.
#include "common/testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFrame>
#include <QGraphicsView>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTest>
#include <limits>

namespace {

const QString realTip = QStringLiteral("Accepts non-negative real values. Use decimal point.");

template <typename T> T *child(QWidget &window, const QString &name) {
    return window.findChild<T *>(name);
}

QStringList visibleActionTexts(QMenu *menu) {
    QStringList texts;
    for (QAction *action : menu->actions())
        if (action->isVisible())
            texts << action->text();
    return texts;
}

} // namespace

class TestWindowForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void windowProperties();
    void actionsAndMenus();
    void statusBarStyle();
    void labelAndButtonTexts_data();
    void labelAndButtonTexts();
    void headerRows_data();
    void headerRows();
    void crosswiseAxleDistanceRows();
    void subclassRowsInTheirCells();
    void reclassifyRows();
    void tipsOfTheSubclassPanel();
    void fontsAndSizes();
    void constraintChooser();
    void tabOrder();

    void constructionHidesAndPrepares();
    void firstAxleWidgets();
    void validatorsOfTheWindow();
    void commaLocaleDesktop();
    void programmaticTextDoesNotWriteTheDocument();

    void shortcutsStepThroughTheList();
    void shortcutsAtTheEndsAndOnAnEmptyList();
    void shortcutsFireFromALineEdit();

    void gButtonAndConfigurationOpenTheUnitsDialog();
    void exitClosesTheWindow();
};

void TestWindowForm::cleanup() {
    // A failed check must not leave a dialog open for the next test.
    while (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
}

void TestWindowForm::windowProperties() {
    Tarveo w;
    QCOMPARE(w.objectName(), QStringLiteral("Tarveo"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tarveo v3.4.2"));
    QCOMPARE(w.size(), QSize(1094, 751));
    QCOMPARE(w.minimumWidth(), 990);
    QCOMPARE(w.font().family(), QStringLiteral("Verdana"));
    QCOMPARE(w.locale(), QLocale(QLocale::English, QLocale::UnitedKingdom));
    QVERIFY(w.isAnimated());
    QCOMPARE(w.centralWidget()->objectName(), QStringLiteral("centralwidget"));
    QCOMPARE(w.menuBar()->objectName(), QStringLiteral("menubar"));
    QCOMPARE(w.statusBar()->objectName(), QStringLiteral("statusBar"));
    // Widgets inherit the locale; a header field shows it.
    QCOMPARE(child<QLineEdit>(w, "lineEditCountry")->locale(),
             QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestWindowForm::actionsAndMenus() {
    Tarveo w;
    struct Expected {
        const char *name, *text, *statusTip;
    };
    const Expected actions[] = {
        {"actionNew", "New", "Create a new configuration file from data in header."},
        {"actionOpen", "Open", "Open an existing configuration file."},
        {"actionSave", "Save", "Save current configuration file."},
        {"actionConfiguration", "Configuration",
         "Change display units and update acceleration constant."},
        {"actionExit", "Exit", "Exit the application."},
        {"actionAbout", "About", ""},
        {"actionUpdate", "Check for Updates", ""},
        {"actionHelp", "Help", ""},
    };
    for (const Expected &e : actions) {
        auto *action = w.findChild<QAction *>(e.name);
        QVERIFY2(action, e.name);
        QCOMPARE(action->text(), QString::fromUtf8(e.text));
        QCOMPARE(action->statusTip(), QString::fromUtf8(e.statusTip));
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(action->icon().isNull());
        const bool help = qstrcmp(e.name, "actionHelp") == 0;
        QCOMPARE(action->isEnabled(), !help);
        QCOMPARE(action->isVisible(), !help);
    }

    QStringList menus;
    for (QAction *action : w.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus, (QStringList{"File", "Options", "Help"}));
    QCOMPARE(visibleActionTexts(child<QMenu>(w, "menuFile")),
             (QStringList{"New", "Open", "Save", "Exit"}));
    QCOMPARE(visibleActionTexts(child<QMenu>(w, "menuOptions")), QStringList{"Configuration"});
    QCOMPARE(visibleActionTexts(child<QMenu>(w, "menuHelp")),
             (QStringList{"About", "Check for Updates"}));
    for (QMenu *menu : w.findChildren<QMenu *>())
        for (QAction *action : menu->actions())
            QVERIFY(!action->isSeparator());
}

void TestWindowForm::statusBarStyle() {
    Tarveo w;
    QCOMPARE(w.statusBar()->styleSheet(),
             QStringLiteral("font: 75 9pt \"Verdana\";\nfont-weight: bold;"));
}

void TestWindowForm::labelAndButtonTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const char *const rows[][2] = {
        {"labelSubclasses", "Subclasses:"},
        {"labelSubclassLarge", ""},
        {"labelInvalid", "Data inconsistency:"},
        {"labelReclassUp", "Reclassify up"},
        {"labelReclassDown", "Reclassify down"},
        {"labelMaxAxleDists", "Max. axle distances (m):"},
        {"labelMinAxleDists", "Min. axle distances (m):"},
        {"labelTyreTypes", "Tyre type:"},
        {"labelMaxAxleWeightsEdits", "Max. axle weights (t):"},
        {"labelSumMaxAxleDist", ""},
        {"labelSumMinAxleDist", ""},
        {"labelSumMaxAxleWeights", ""},
        {"labelConstraints", "Enter constraint for selected axles:"},
        {"labelCombinedWeightConstraints", "Combined axle weight constraints (t):"},
        {"labelTotalDistanceConstraint", "Total distance constraint (m):"},
        {"labelAdsl", "Combined axle distance constraints (m):"},
        {"labelTotalWeightConstraint", "Total weight constraint (t):"},
        {"labelAwsl", "Combined axle weight constraints (t):"},
        {"labelGConstant", "Gravitational acceleration:"},
        {"buttonCopy", "Copy to:"},
        {"buttonSubclass", "New"},
        {"buttonAddConstraint", "Add"},
        {"buttonGConstant", ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
}

void TestWindowForm::labelAndButtonTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    Tarveo w;
    QWidget *widget = child<QWidget>(w, name);
    QVERIFY2(widget, qPrintable(name));
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    else
        QFAIL("neither label nor button");
}

void TestWindowForm::headerRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("labelText");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("statusTip");

    const QString lime = QStringLiteral("background-color: lime");
    const QString red = QStringLiteral("background-color: red");
    const int unbounded = QWIDGETSIZE_MAX;
    QTest::newRow("version") << 0 << "layoutVersion"
                             << "labelVersion"
                             << "Classification version:"
                             << "lineEditVersion" << unbounded << lime
                             << "Should be unique and consist of date with additional info.";
    QTest::newRow("country")
        << 1 << "layoutCountry"
        << "labelCountry"
        << "Country code:"
        << "lineEditCountry" << 100 << red
        << "Two-letter country code; SI for Slovenia, US for USA, IT for Italy.";
    QTest::newRow("group") << 2 << "layoutGroupMaxDist"
                           << "labelGroupMaxDist"
                           << "Group max. distance (m):"
                           << "lineEditGroupMaxDist" << 80 << red << realTip;
    QTest::newRow("spacing") << 3 << "layoutMinAxleSpacing"
                             << "labelMinAxleSpacing"
                             << "Min. space between vehicles (m):"
                             << "lineEditMinAxleSpacing" << 80 << lime << realTip;
    QTest::newRow("avg weight") << 4 << "layoutMinAvgAxleWeight"
                                << "labelMinAvgAxleWeight"
                                << "Min. avg. axle weight (t):"
                                << "lineEditMinAvgAxleWeight" << 80 << lime << realTip;
    QTest::newRow("unclassified") << 7 << "layoutUnclassified"
                                  << "labelUnclassified"
                                  << "Unclassified vehicles subclass:"
                                  << "lineEditUnclassified" << unbounded << red
                                  << "Number representing uncategorised vehicles subclass. "
                                     "Usually 140.";
    QTest::newRow("uncategorised") << 8 << "layoutUncategorised"
                                   << "labelUncategorised"
                                   << "Uncategorised vehicle cat.:"
                                   << "lineEditUncategorised" << unbounded << lime
                                   << "Number representing uncategorised vehicles category. "
                                      "Usually 6.";
}

void TestWindowForm::headerRows() {
    QFETCH(int, row);
    QFETCH(QString, layout);
    QFETCH(QString, label);
    QFETCH(QString, labelText);
    QFETCH(QString, field);
    QFETCH(int, maxWidth);
    QFETCH(QString, style);
    QFETCH(QString, statusTip);

    Tarveo w;
    auto *rows = child<QGroupBox>(w, "groupBoxHeader")->layout();
    QCOMPARE(rows->objectName(), QStringLiteral("verticalLayout"));
    QCOMPARE(rows->itemAt(row)->layout()->objectName(), layout);
    auto *rowLayout = child<QLayout>(w, layout);
    auto *labelWidget = child<QLabel>(w, label);
    auto *edit = child<QLineEdit>(w, field);
    QVERIFY(labelWidget && edit);
    QCOMPARE(rowLayout->indexOf(labelWidget), 0);
    QCOMPARE(rowLayout->indexOf(edit), 1);
    QCOMPARE(labelWidget->text(), labelText);
    QCOMPARE(edit->maximumWidth(), maxWidth);
    QCOMPARE(edit->styleSheet(), style);
    QCOMPARE(edit->statusTip(), statusTip);
    QCOMPARE(edit->toolTip(), QString());
    QVERIFY(edit->text().isEmpty());
}

void TestWindowForm::crosswiseAxleDistanceRows() {
    Tarveo w;
    // The row named for the minimum holds the maximum field and vice versa.
    auto *maxRow = child<QLayout>(w, "layoutMinAxleDist");
    auto *minRow = child<QLayout>(w, "layoutMaxAxleDist");
    QVERIFY(maxRow && minRow);
    QCOMPARE(maxRow->indexOf(child<QLabel>(w, "labelMinAxleDist")), 0);
    QCOMPARE(maxRow->indexOf(child<QLineEdit>(w, "lineEditMaxAxleDist")), 1);
    QCOMPARE(child<QLabel>(w, "labelMinAxleDist")->text(),
             QStringLiteral("Max. axle distance (m):"));
    QCOMPARE(minRow->indexOf(child<QLabel>(w, "labelMaxAxleDist")), 0);
    QCOMPARE(minRow->indexOf(child<QLineEdit>(w, "lineEditMinAxleDist")), 1);
    QCOMPARE(child<QLabel>(w, "labelMaxAxleDist")->text(),
             QStringLiteral("Min. axle distance (m):"));
    // Maximum above minimum in the header.
    auto *rows = child<QGroupBox>(w, "groupBoxHeader")->layout();
    QCOMPARE(rows->itemAt(5)->layout(), maxRow);
    QCOMPARE(rows->itemAt(6)->layout(), minRow);

    auto *gRow = child<QLayout>(w, "layoutGConstant");
    QCOMPARE(rows->itemAt(9)->layout(), gRow);
    auto *g = child<QPushButton>(w, "buttonGConstant");
    QCOMPARE(gRow->indexOf(g), 1);
    QVERIFY(g->isFlat());
    QCOMPARE(g->statusTip(), QStringLiteral("Click to open configurators tab."));
}

void TestWindowForm::subclassRowsInTheirCells() {
    Tarveo w;
    struct Cell {
        const char *grid, *layout, *label, *labelText, *field;
        int row, column, maxWidth;
    };
    const Cell cells[] = {
        {"gridLayout_2", "layoutConfString", "labelConfString", "Axle conf.:", "lineEditConfString",
         7, 1, 80},
        {"gridLayout_2", "layoutPrepend", "labelPrepend", "Prepend (m):", "lineEditPrepend", 6, 0,
         80},
        {"gridLayout_2", "layoutAppend", "labelAppend", "Append (m):", "lineEditAppend", 7, 0, 80},
        {"gridLayout_2", "layoutMaxGrossWeight", "labelMaxGrossWeight",
         "Max. GVW (t):", "lineEditMaxGrossWeight", 6, 1, 80},
        {"gridLayout_2", "layoutCategory", "labelCategory", "Category:", "lineEditCategory", 5, 0,
         80},
        {"gridLayout_2", "layoutAlias", "labelAlias", "Alias:", "lineEditAlias", 0, 1, 80},
        {"gridLayout_2", "layoutNumOfAxles", "labelNumOfAxles",
         "Number of axles:", "lineEditNumOfAxles", 5, 1, 80},
        {"gridLayout", "layoutOverrideClass", "labelOverrideClass",
         "Override class:", "lineEditOverrideClass", 3, 1, 80},
        {"gridLayout", "layoutSubclass", "labelSubclass", "Subclass number:", "lineEditSubclass", 3,
         0, 65},
        {"gridLayout", "layoutOverrideGroups", "labelOverrideGroups",
         "Override groups:", "lineEditOverrideGroups", 4, 1, 80},
    };
    for (const Cell &c : cells) {
        auto *grid = child<QGridLayout>(w, c.grid);
        auto *row = child<QLayout>(w, c.layout);
        QVERIFY2(grid && row, c.layout);
        int index = -1;
        for (int i = 0; i < grid->count(); ++i)
            if (grid->itemAt(i)->layout() == row)
                index = i;
        QVERIFY2(index >= 0, c.layout);
        int r, col, rowSpan, colSpan;
        grid->getItemPosition(index, &r, &col, &rowSpan, &colSpan);
        QCOMPARE(r, c.row);
        QCOMPARE(col, c.column);
        auto *edit = child<QLineEdit>(w, c.field);
        QCOMPARE(row->indexOf(child<QLabel>(w, c.label)), 0);
        QCOMPARE(row->indexOf(edit), 1);
        QCOMPARE(child<QLabel>(w, c.label)->text(), QString::fromUtf8(c.labelText));
        QCOMPARE(edit->maximumWidth(), c.maxWidth);
        QCOMPARE(edit->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(edit->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    }
    QCOMPARE(child<QLineEdit>(w, "lineEditConfString")->placeholderText(),
             QStringLiteral("H2T2D1S2"));
    QCOMPARE(child<QLabel>(w, "labelCategory")->minimumWidth(), 100);

    auto *grid = child<QGridLayout>(w, "gridLayout");
    const int bottom = grid->indexOf(child<QWidget>(w, "frameSubclassBottom"));
    int r, col, rowSpan, colSpan;
    grid->getItemPosition(bottom, &r, &col, &rowSpan, &colSpan);
    QCOMPARE(QVector<int>({r, col, rowSpan, colSpan}), QVector<int>({8, 0, 1, 2}));
    grid->getItemPosition(grid->indexOf(child<QWidget>(w, "buttonSubclass")), &r, &col, &rowSpan,
                          &colSpan);
    QCOMPARE(QVector<int>({r, col}), QVector<int>({7, 1}));
}

void TestWindowForm::reclassifyRows() {
    Tarveo w;
    auto *up = child<QLayout>(w, "layoutReclassUp");
    auto *upGvw = child<QLayout>(w, "layoutReclassUpGvv");
    auto *down = child<QLayout>(w, "layoutReclassDown");
    auto *downGvw = child<QLayout>(w, "layoutReclassDownGvw");
    QVERIFY(up && upGvw && down && downGvw);
    QCOMPARE(up->itemAt(1)->layout(), upGvw);
    QCOMPARE(up->itemAt(2)->layout(), child<QLayout>(w, "layoutReclassUpTo"));
    QCOMPARE(down->itemAt(1)->layout(), downGvw);
    QCOMPARE(upGvw->indexOf(child<QLineEdit>(w, "lineEditReclassUpGvw")), 1);
    QCOMPARE(downGvw->indexOf(child<QLineEdit>(w, "lineEditReclassDownGvw")), 1);
    QCOMPARE(child<QLabel>(w, "labelReclassUpGvw")->text(),
             QStringLiteral("Gross weight limit (t):"));
    QCOMPARE(child<QLabel>(w, "labelReclassDownTo")->text(),
             QStringLiteral("Reclassify to subclass:"));
    QCOMPARE(child<QLineEdit>(w, "lineEditReclassUpGvw")->statusTip(),
             QStringLiteral("Accepts real values."));
    QCOMPARE(child<QLineEdit>(w, "lineEditReclassDownGvw")->statusTip(), realTip);
    QCOMPARE(child<QLineEdit>(w, "lineEditReclassDownTo")->toolTip(), QStringLiteral("test"));
    QCOMPARE(child<QLineEdit>(w, "lineEditReclassUpTo")->toolTip(), QString());
    QCOMPARE(child<QLineEdit>(w, "lineEditReclassUpTo")->statusTip(),
             QStringLiteral("Enter the subclass you're reclassifying to. Must have the same "
                            "number of axles."));
}

void TestWindowForm::tipsOfTheSubclassPanel() {
    Tarveo w;
    auto *copy = child<QLineEdit>(w, "lineEditCopy");
    QCOMPARE(copy->toolTip(),
             QStringLiteral("Used to create new subclass with coresponding subclass number."));
    QCOMPARE(copy->statusTip(),
             QStringLiteral("Number of subclass to copy subclass to (must be unused)."));
    QCOMPARE(copy->maximumWidth(), 50);
    QCOMPARE(child<QPushButton>(w, "buttonSubclass")->statusTip(),
             QStringLiteral("Used to create a new subclass with corresponding subclass number."));
    QCOMPARE(child<QComboBox>(w, "comboBoxSubclasses")->statusTip(),
             QStringLiteral("List of subclasses in the loaded configuration file."));
    QCOMPARE(child<QComboBox>(w, "comboBoxInvalid")->statusTip(),
             QStringLiteral("Subclasses that are considered invalid. Select the one you wish to "
                            "view."));
    QCOMPARE(child<QLineEdit>(w, "lineEditNumOfAxles")->statusTip(),
             QStringLiteral("Accepts non-negative integers. Value must be at least 2."));
    QCOMPARE(child<QLineEdit>(w, "lineEditSubclass")->statusTip(),
             QStringLiteral("Current selected subclass. Changing the value will select the "
                            "corresponding subclass (if one exists)."));
    QCOMPARE(child<QLineEdit>(w, "lineEditConfString")->statusTip(),
             QStringLiteral("Valid entries start with A, B, C, H, L, M or V followed by a number "
                            "and optionally D, S or T."));
    QCOMPARE(child<QLineEdit>(w, "lineEditAddConstraint")->statusTip(),
             QStringLiteral("Enter the constraint you wish to apply to selected axles."));
    QCOMPARE(child<QLineEdit>(w, "lineEditAddLowerConstraint")->statusTip(),
             QStringLiteral("Enter minimum constraint."));
    QCOMPARE(child<QLineEdit>(w, "lineEditAddUpperConstraint")->statusTip(),
             QStringLiteral("Enter maximum constraint."));
    QCOMPARE(child<QPushButton>(w, "buttonAddConstraint")->statusTip(),
             QStringLiteral("Adds a new constraint for selected axles."));
    QVERIFY(!child<QPushButton>(w, "buttonCopy")->isEnabled());
}

void TestWindowForm::fontsAndSizes() {
    Tarveo w;
    const QFont large = child<QLabel>(w, "labelSubclassLarge")->font();
    QCOMPARE(large.family(), QStringLiteral("Verdana"));
    QCOMPARE(large.pointSize(), 16);
    QVERIFY(large.bold());
    for (const char *name :
         {"labelSumMaxAxleDist", "labelSumMinAxleDist", "labelSumMaxAxleWeights"}) {
        const QFont font = child<QLabel>(w, name)->font();
        QVERIFY2(font.bold(), name);
        QCOMPARE(font.family(), QStringLiteral("Verdana"));
    }
    const QFont boxes = child<QFrame>(w, "frameMaxAxleWeightsBoxes")->font();
    QCOMPARE(boxes.family(), QStringLiteral("Noto Mono"));
    QCOMPARE(boxes.pointSize(), 8);
    QCOMPARE(child<QCheckBox>(w, "MaxAxleWeightBox1")->font().family(),
             QStringLiteral("Noto Mono"));

    auto *header = child<QGroupBox>(w, "groupBoxHeader");
    QCOMPARE(header->minimumWidth(), 315);
    QCOMPARE(header->maximumWidth(), 315);
    QVERIFY(header->alignment() & Qt::AlignLeft);
    for (const char *name : {"graphicsViewMin", "graphicsViewMax"}) {
        auto *view = child<QGraphicsView>(w, name);
        QCOMPARE(view->minimumHeight(), 90);
        QCOMPARE(view->maximumHeight(), 90);
        QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(view->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(view->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    }

    // The window may widen but never narrow below its minimum.
    w.show();
    w.resize(600, 700);
    QCOMPARE(w.width(), 990);
    w.resize(1600, 700);
    QCOMPARE(header->width(), 315);
}

void TestWindowForm::constraintChooser() {
    Tarveo w;
    auto *chooser = child<QComboBox>(w, "comboBoxAddConstraint");
    QCOMPARE(chooser->count(), 3);
    QCOMPARE(chooser->itemText(0), QStringLiteral("Original"));
    QCOMPARE(chooser->itemText(1), QStringLiteral("Distance"));
    QCOMPARE(chooser->itemText(2), QStringLiteral("Weight"));
    QCOMPARE(chooser->currentIndex(), -1);
    auto *row = child<QFrame>(w, "frameAddConstraint")->layout();
    QCOMPARE(row->objectName(), QStringLiteral("horizontalLayout_5"));
    QCOMPARE(row->indexOf(chooser), 0);
    QCOMPARE(row->indexOf(child<QWidget>(w, "buttonAddConstraint")), 5);
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

void TestWindowForm::constructionHidesAndPrepares() {
    Tarveo w;
    w.show();
    for (const char *name :
         {"groupBoxSubclass", "groupBoxReclassify", "frameMiddle", "lineEditAddConstraint",
          "lineEditAddLowerConstraint", "lineEditAddUpperConstraint"})
        QVERIFY2(child<QWidget>(w, name)->isHidden(), name);
    for (const char *name : {"frameTop", "groupBoxHeader", "graphicsViewMin", "graphicsViewMax"})
        QVERIFY2(child<QWidget>(w, name)->isVisible(), name);
    QVERIFY(w.menuBar()->isVisible());
    QVERIFY(w.statusBar()->isVisible());
    for (const char *name : {"frameSubclassBottom", "frameMiddle"}) {
        const QSizePolicy policy = child<QWidget>(w, name)->sizePolicy();
        QVERIFY2(policy.retainSizeWhenHidden(), name);
        QCOMPARE(policy.horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(policy.verticalPolicy(), QSizePolicy::Fixed);
    }

    const Conf &document = w.document();
    QVERIFY(document.get_subclass_numbers().isEmpty());
    QVERIFY(document.get_header().isEmpty());
    Tarveo &access = w;
    QCOMPARE(TarveoTestAccess::weightFactor(access), 9.80665f);
    QCOMPARE(TarveoTestAccess::lengthFactor(access), 1.0f);
    QCOMPARE(TarveoTestAccess::weightUnit(access), uchar(Tons));
    QCOMPARE(TarveoTestAccess::lengthUnit(access), uchar(Meters));
    QCOMPARE(TarveoTestAccess::constraintRowsDefault(access), 0);
    QCOMPARE(TarveoTestAccess::constraintRowsAdsl(access), 0);
    QCOMPARE(TarveoTestAccess::constraintRowsAwsl(access), 0);
    QVERIFY(!TarveoTestAccess::currentConstraintFrame(access));
    QCOMPARE(TarveoTestAccess::aboutVersion(access), QStringLiteral("3.4.2"));
}

void TestWindowForm::firstAxleWidgets() {
    Tarveo w;
    struct Expected {
        const char *name, *frame, *statusTip;
        bool real;
    };
    const Expected edits[] = {
        {"MaxAxleWeightEdit1", "frameMaxAxleWeightsEdits",
         "Accepts non-negative real values. "
         "Use decimal point.",
         true},
        {"TyreType1", "frameTyreTypes",
         "Integer value representing tyre type. 1 for single, 2 for double, 3 for super single "
         "and 4 for quadruple.",
         false},
    };
    for (const Expected &e : edits) {
        auto *edit = child<QLineEdit>(w, e.name);
        QVERIFY2(edit, e.name);
        // Behind the row's label, which holds position 0.
        QCOMPARE(child<QFrame>(w, e.frame)->layout()->indexOf(edit), 1);
        QVERIFY(edit->isHidden());
        QCOMPARE(edit->maximumWidth(), 45);
        QCOMPARE(edit->statusTip(), QString::fromUtf8(e.statusTip));
        QVERIFY(edit->validator());
        QCOMPARE(qobject_cast<const QDoubleValidator *>(edit->validator()) != nullptr, e.real);
        QCOMPARE(qobject_cast<const QIntValidator *>(edit->validator()) != nullptr, !e.real);
    }
    auto *box = child<QCheckBox>(w, "MaxAxleWeightBox1");
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("1 "));
    QCOMPARE(box->statusTip(),
             QStringLiteral("Used for selecting to which axles we want to apply the constraint."));
    QVERIFY(box->isHidden());
    // Behind the fixed spacer that lines the boxes up with the weight fields.
    QLayout *boxes = child<QFrame>(w, "frameMaxAxleWeightsBoxes")->layout();
    QCOMPARE(boxes->indexOf(box), 1);
    QVERIFY(boxes->itemAt(0)->spacerItem());
    QCOMPARE(boxes->itemAt(0)->sizeHint(), QSize(144, 20));
    QCOMPARE(boxes->spacing(), 14);
}

void TestWindowForm::validatorsOfTheWindow() {
    Tarveo w;
    const QStringList real = {
        "lineEditGroupMaxDist",  "lineEditMinAxleSpacing", "lineEditMinAvgAxleWeight",
        "lineEditMaxAxleDist",   "lineEditMinAxleDist",    "lineEditMaxGrossWeight",
        "lineEditAddConstraint", "lineEditPrepend",        "lineEditAppend",
        "lineEditReclassUpGvw",  "lineEditReclassUpTo",    "lineEditReclassDownGvw",
        "lineEditReclassDownTo"};
    const QStringList integer = {
        "lineEditUnclassified", "lineEditUncategorised", "lineEditSubclass",       "lineEditCopy",
        "lineEditCategory",     "lineEditOverrideClass", "lineEditOverrideGroups", "lineEditAlias"};
    const QStringList none = {"lineEditVersion",
                              "lineEditCountry",
                              "lineEditConfString",
                              "lineEditAddLowerConstraint",
                              "lineEditAddUpperConstraint",
                              "lineEditTotalDistanceConstraint",
                              "lineEditTotalWeightConstraint"};
    for (const QString &name : real) {
        auto *validator =
            qobject_cast<const QDoubleValidator *>(child<QLineEdit>(w, name)->validator());
        QVERIFY2(validator, qPrintable(name));
        QCOMPARE(validator->parent(), &w);
        QCOMPARE(validator->bottom(), -std::numeric_limits<double>::infinity());
        QCOMPARE(validator->top(), std::numeric_limits<double>::infinity());
    }
    for (const QString &name : integer) {
        auto *validator =
            qobject_cast<const QIntValidator *>(child<QLineEdit>(w, name)->validator());
        QVERIFY2(validator, qPrintable(name));
        QCOMPARE(validator->bottom(), std::numeric_limits<int>::min());
        QCOMPARE(validator->top(), std::numeric_limits<int>::max());
    }
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

    // Every validated field, the first axle's included, refuses the comma
    // and the point-as-group-separator of the desktop.
    for (QLineEdit *edit : w.findChildren<QLineEdit *>()) {
        const QValidator *validator = edit->validator();
        if (!validator)
            continue;
        for (QString text : {QStringLiteral("3,5"), QStringLiteral("1.000,5")}) {
            int position = text.size();
            QVERIFY2(validator->validate(text, position) == QValidator::Invalid,
                     qPrintable(edit->objectName() + QStringLiteral(": ") + text));
        }
        if (qobject_cast<const QIntValidator *>(validator) &&
            edit->objectName() != QLatin1String("lineEditNumOfAxles")) {
            QString grouped = QStringLiteral("1.000");
            int position = grouped.size();
            QVERIFY2(validator->validate(grouped, position) == QValidator::Invalid,
                     qPrintable(edit->objectName()));
        }
    }

    // As typed by a user: the comma never reaches the field, the point does
    // and the value is stored as typed.
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

namespace {

// A window with three entries in its subclass list, shown and active so
// that its window-wide shortcuts can fire.
struct ListedWindow {
    Tarveo window;
    QComboBox *list;
    ListedWindow(int entries) {
        list = window.findChild<QComboBox *>(QStringLiteral("comboBoxSubclasses"));
        const QSignalBlocker quiet(list);
        for (int i = 1; i <= entries; ++i)
            list->addItem(QStringLiteral("subclass_%1").arg(i));
        window.show();
        QApplication::setActiveWindow(&window);
    }
};

} // namespace

void TestWindowForm::shortcutsStepThroughTheList() {
    ListedWindow listed(3);
    QVERIFY(QTest::qWaitForWindowActive(&listed.window));
    QComboBox *list = listed.list;
    QWidget *target = &listed.window;
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(1);
    }

    QTest::keyClick(target, Qt::Key_Down);
    QCOMPARE(list->currentIndex(), 2);
    QTest::keyClick(target, Qt::Key_Up);
    QCOMPARE(list->currentIndex(), 1);
    QTest::keyClick(target, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(list->currentIndex(), 0);
    QTest::keyClick(target, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(list->currentIndex(), 1);

    int shortcuts = 0;
    for (QShortcut *shortcut : listed.window.findChildren<QShortcut *>()) {
        QCOMPARE(shortcut->context(), Qt::WindowShortcut);
        QCOMPARE(shortcut->parent(), &listed.window);
        ++shortcuts;
    }
    QCOMPARE(shortcuts, 4);
}

void TestWindowForm::shortcutsAtTheEndsAndOnAnEmptyList() {
    {
        ListedWindow listed(3);
        QVERIFY(QTest::qWaitForWindowActive(&listed.window));
        {
            const QSignalBlocker quiet(listed.list);
            listed.list->setCurrentIndex(0);
        }
        QTest::keyClick(&listed.window, Qt::Key_Up);
        QCOMPARE(listed.list->currentIndex(), 0);
        {
            const QSignalBlocker quiet(listed.list);
            listed.list->setCurrentIndex(2);
        }
        QTest::keyClick(&listed.window, Qt::Key_Down);
        QCOMPARE(listed.list->currentIndex(), 2);
    }
    {
        ListedWindow empty(0);
        QVERIFY(QTest::qWaitForWindowActive(&empty.window));
        QTest::keyClick(&empty.window, Qt::Key_Up);
        QCOMPARE(empty.list->currentIndex(), -1);
        QTest::keyClick(&empty.window, Qt::Key_Down);
        QCOMPARE(empty.list->currentIndex(), -1);
        QTest::keyClick(&empty.window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(empty.list->currentIndex(), -1);
    }
}

void TestWindowForm::shortcutsFireFromALineEdit() {
    ListedWindow listed(3);
    QVERIFY(QTest::qWaitForWindowActive(&listed.window));
    {
        const QSignalBlocker quiet(listed.list);
        listed.list->setCurrentIndex(2);
    }
    auto *country = child<QLineEdit>(listed.window, "lineEditCountry");
    country->setFocus();
    QTest::keyClick(country, Qt::Key_Up);
    QCOMPARE(listed.list->currentIndex(), 1);
    QTest::keyClick(country, Qt::Key_Down);
    QCOMPARE(listed.list->currentIndex(), 2);
}

void TestWindowForm::gButtonAndConfigurationOpenTheUnitsDialog() {
    Tarveo w;
    w.show();
    for (const bool fromButton : {true, false}) {
        QString opened;
        answerNextModal([&opened](QWidget *dialog) {
            opened = dialog->objectName();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        if (fromButton)
            QTest::mouseClick(child<QPushButton>(w, "buttonGConstant"), Qt::LeftButton);
        else
            child<QAction>(w, "actionConfiguration")->trigger();
        QCOMPARE(opened, QStringLiteral("MeasurementUnits"));
    }
}

void TestWindowForm::exitClosesTheWindow() {
    Tarveo w;
    w.show();
    QVERIFY(w.isVisible());
    child<QAction>(w, "actionExit")->trigger();
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(TestWindowForm)
#include "tst_windowform.moc"
