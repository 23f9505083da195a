// The subclass panel: picking the displayed subclass by list, number,
// invalid list and arrow keys; typing in its fields; New, Delete and Copy.
#include "common/expectedtexts.h"
#include "common/testsupport.h"
#include "common/windowdriver.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace WindowDriver;
using namespace Expected;

namespace {
// The key lines of one subclass section of the document's text form.
QStringList sectionLines(Tarveo &window, quint32 number) {
    const Conf &conf = TarveoTestAccess::conf(window);
    if (!conf.has_subclass(number))
        return {};
    return conf.get_subclass(number).to_string().split(QLatin1Char('\n')).mid(1);
}

QString text(Tarveo &window, const char *name) {
    return widget(window, name)->text();
}
QString style(Tarveo &window, const char *name) {
    return widget(window, name)->styleSheet();
}

void click(Tarveo &window, const char *button) {
    QTest::mouseClick(widget<QPushButton>(window, button), Qt::LeftButton);
}

QStringList invalidEntries(Tarveo &window) {
    return entries(widget<QComboBox>(window, "comboBoxInvalid"));
}

// Whether the invalid list and its label agree with the entries expected.
bool invalidListShows(Tarveo &window, const QStringList &expected) {
    auto *label = widget<QLabel>(window, "labelInvalid");
    const bool hidden = widget<QComboBox>(window, "comboBoxInvalid")->isHidden();
    return invalidEntries(window) == expected && hidden == expected.isEmpty() &&
           label->text() == (expected.isEmpty() ? QStringLiteral("Subclasses are valid.")
                                                : QStringLiteral("Invalid subclasses:"));
}
} // namespace

class SubclassPanelTest : public QObject {
    Q_OBJECT

    // fleet.conf: valid subclasses 3 (2 axles), 4 and 9 (5 axles each).
    // incomplete.conf: subclass 2 valid, subclass 5 without gross weight.
    void openData(Tarveo &window, const QString &name) {
        window.openFile(dataPath(name));
        QVERIFY(!TarveoTestAccess::conf(window).get_subclass_numbers().isEmpty());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

private slots:
    void listAndTypedNumberSelect();
    void arrowKeysStepThroughTheList();
    void invalidListFollowsEditsAndSelects();
    void namedFieldsStoreAndMark_data();
    void namedFieldsStoreAndMark();
    void reclassificationTargetNeedsSameAxleCount();
    void newAndDeleteKeepDocumentAndListsInStep();
    void copyFollowsTheSourceIntoTheInvalidList();
    void copyTargetMustBeFree();
};

void SubclassPanelTest::listAndTypedNumberSelect() {
    Tarveo window;
    openData(window, "fleet.conf");
    QCOMPARE(text(window, "lineEditSubclass"), QStringLiteral("3"));
    QCOMPARE(text(window, "lineEditMaxGrossWeight"), QStringLiteral("3.57")); // 35 kN

    subclassList(window)->setCurrentIndex(1);
    QCOMPARE(text(window, "lineEditSubclass"), QStringLiteral("4"));
    QCOMPARE(text(window, "lineEditReclassUpGvw"), QStringLiteral("42.83"));

    auto *button = widget<QPushButton>(window, "buttonSubclass");
    retype(window, "lineEditSubclass", "9");
    QCOMPARE(subclassList(window)->currentText(), QStringLiteral("subclass_9"));
    QCOMPARE(text(window, "lineEditConfString"), QStringLiteral("H3S2"));
    QCOMPARE(style(window, "lineEditSubclass"), lime);
    QCOMPARE(button->text(), QStringLiteral("Delete"));

    // "09" is not how the list names subclass 9: nothing is selected, and a
    // field typed meanwhile changes nothing.
    retype(window, "lineEditSubclass", "09");
    QCOMPARE(style(window, "lineEditSubclass"), red);
    QCOMPARE(widget(window, "lineEditSubclass")->toolTip(),
             QStringLiteral("Subclass does not exist. Click on button \"New\" to create one"));
    QCOMPARE(button->text(), QStringLiteral("New"));
    QCOMPARE(subclassList(window)->currentText(), QStringLiteral("subclass_9"));
    const QString categoryStyle = style(window, "lineEditCategory");
    const QString before = TarveoTestAccess::conf(window).to_string();
    retype(window, "lineEditCategory", "");
    QCOMPARE(TarveoTestAccess::conf(window).to_string(), before);
    QCOMPARE(style(window, "lineEditCategory"), categoryStyle);
}

void SubclassPanelTest::arrowKeysStepThroughTheList() {
    Tarveo window;
    openData(window, "fleet.conf");
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The shortcuts work from inside a header field too.
    QLineEdit *country = widget(window, "lineEditCountry");
    country->setFocus();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *shown;
    } steps[] = {{Qt::Key_Up, Qt::NoModifier, "3"},
                 {Qt::Key_Down, Qt::NoModifier, "4"},
                 {Qt::Key_Right, Qt::AltModifier, "9"},
                 {Qt::Key_Down, Qt::NoModifier, "9"},
                 {Qt::Key_Left, Qt::AltModifier, "4"}};
    for (const auto &step : steps) {
        QTest::keyClick(country, step.key, step.modifiers);
        QCOMPARE(text(window, "lineEditSubclass"), QString(step.shown));
    }
    QCOMPARE(country->text(), QStringLiteral("SI"));
}

void SubclassPanelTest::invalidListFollowsEditsAndSelects() {
    Tarveo window;
    openData(window, "incomplete.conf");
    auto *invalid = widget<QComboBox>(window, "comboBoxInvalid");
    QVERIFY(invalidListShows(window, {QStringLiteral("subclass_5")}));
    QCOMPARE(text(window, "lineEditSubclass"), QStringLiteral("2"));
    // What the list emits when the user picks the entry; the window's slot
    // is bound by name to this form of the signal.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    emit invalid->activated(QStringLiteral("subclass_5"));
    QT_WARNING_POP
    QCOMPARE(text(window, "lineEditSubclass"), QStringLiteral("5"));
    QCOMPARE(style(window, "lineEditMaxGrossWeight"), red);

    retype(window, "lineEditMaxGrossWeight", "4");
    QVERIFY(invalidListShows(window, {}));
    retype(window, "lineEditMaxGrossWeight", "");
    QVERIFY(invalidListShows(window, {QStringLiteral("subclass_5")}));
}

void SubclassPanelTest::namedFieldsStoreAndMark_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");  // "key=" alone: nothing written for the key
    QTest::addColumn<QString>("style"); // empty: not marked
    QTest::addColumn<QString>("tip");

    const QString tipAxleConf = QStringLiteral(
        "Proper format is XaYb where X must be one of:\nA=tractor, B=bus, C=car, H=heavy truck, "
        "L=light truck, M=motorbike, V=van\nand Y is one of (D=dolly, T=trailer, "
        "S=semi-trailer).\na and b represent the number of axles on the part and must be equal "
        "to number of axles.");
    const QString tipRefman = QStringLiteral("Consult Kestrune refman for proper format");
    const struct {
        const char *name, *field, *typed, *line;
        QString style, tip;
    } rows[] = {
        {"category cleared", "Category", "", "category=", red, {}},
        {"gross weight in tonnes", "MaxGrossWeight", "10", "max_GVW__kN=98.0665", lime, {}},
        {"gross weight zero", "MaxGrossWeight", "0", "max_GVW__kN=0", lime, {}},
        {"gross weight negative", "MaxGrossWeight", "-5", "max_GVW__kN=", red, {}},
        {"configuration upper-cased", "ConfString", "c2", "axle_configuration=C2", lime, {}},
        {"configuration, other axle count", "ConfString", "H2S3", "axle_configuration=H2S3", red,
         tipAxleConf},
        {"append zero", "Append", "0", "append__m=0", {}, {}},
        {"lower limit in tonnes", "ReclassDownGvw", "1", "lower_GVW_limit__kN=9.80665", {}, {}},
        {"total distance", "TotalDistanceConstraint", "10,25.5", "adsl_0=10,25.5", lime, {}},
        {"total distance unreadable kept as typed", "TotalDistanceConstraint", "10", "adsl_0=10",
         red, tipRefman},
        {"total weight in tonnes",
         "TotalWeightConstraint",
         "5,3;40,7",
         "awsl_0=49.0332,3;392.266,7",
         lime,
         {}},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QStringLiteral("lineEdit") + row.field << QString(row.typed)
                                << QString(row.line) << row.style << row.tip;
}

void SubclassPanelTest::namedFieldsStoreAndMark() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(QString, style);
    QFETCH(QString, tip);

    Tarveo window;
    openData(window, "fleet.conf");
    QLineEdit *edit = widget(window, field);
    const QString styleBefore = edit->styleSheet();
    retype(window, field, typed);

    const QString key = line.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
    const QStringList withKey = sectionLines(window, 3).filter(QRegularExpression('^' + key));
    if (line == key)
        QVERIFY2(withKey.isEmpty(), qPrintable(withKey.join(' ')));
    else
        QCOMPARE(withKey, QStringList{line});
    QCOMPARE(edit->styleSheet(), style.isEmpty() ? styleBefore : style);
    QCOMPARE(edit->toolTip(), tip);
}

void SubclassPanelTest::reclassificationTargetNeedsSameAxleCount() {
    Tarveo window;
    openData(window, "fleet.conf");
    retype(window, "lineEditSubclass", "4");
    for (const char *field : {"lineEditReclassUpTo", "lineEditReclassDownTo"}) {
        const struct {
            const char *typed;
            const QString &style;
        } cases[] = {{"9", lime}, {"3", red}, {"", lime}, {"77", red}};
        for (const auto &target : cases) {
            retype(window, field, target.typed);
            QVERIFY2(style(window, field) == target.style,
                     qPrintable(QStringLiteral("%1 = %2").arg(field, target.typed)));
            QCOMPARE(widget(window, field)->toolTip(),
                     target.style == red ? QStringLiteral("Subclass must exist and have the same "
                                                          "number of axles as current.")
                                         : QString());
        }
    }
    retype(window, "lineEditReclassDownTo", "9");
    QVERIFY(sectionLines(window, 4).contains(QStringLiteral("reclassify_down_to_subclass=9")));
}

void SubclassPanelTest::newAndDeleteKeepDocumentAndListsInStep() {
    Tarveo window;
    openData(window, "incomplete.conf");
    // "02" names no listed subclass, so the button offers New; it must not
    // replace subclass 2.
    const QStringList before = sectionLines(window, 2);
    subclassList(window)->setCurrentIndex(1);
    retype(window, "lineEditSubclass", "02");
    QCOMPARE(widget<QPushButton>(window, "buttonSubclass")->text(), QStringLiteral("New"));
    click(window, "buttonSubclass");
    QCOMPARE(sectionLines(window, 2), before);
    QCOMPARE(subclassList(window)->count(), 2);
    QCOMPARE(text(window, "lineEditSubclass"), QStringLiteral("2"));

    retype(window, "lineEditSubclass", "7");
    click(window, "buttonSubclass");
    QCOMPARE(entries(subclassList(window)),
             (QStringList{"subclass_2", "subclass_5", "subclass_7"}));
    QVERIFY(invalidListShows(window, {"subclass_5", "subclass_7"}));
    QCOMPARE(subclassList(window)->currentText(), QStringLiteral("subclass_7"));
    QCOMPARE(widget<QPushButton>(window, "buttonSubclass")->text(), QStringLiteral("Delete"));
    QCOMPARE(style(window, "lineEditSubclass"), lime);
    // The category is taken from the unclassified subclass field.
    QCOMPARE(sectionLines(window, 7).first(), QStringLiteral("category=140"));
    QCOMPARE(style(window, "TyreType1"), red);
    QCOMPARE(style(window, "MaxAxleWeightEdit1"), red);
    QVERIFY(widget(window, "MaxAxleDist1")->isHidden());

    for (const char *number : {"7", "5"}) {
        retype(window, "lineEditSubclass", number);
        click(window, "buttonSubclass");
        QVERIFY(!TarveoTestAccess::conf(window).has_subclass(QString(number).toUInt()));
    }
    QCOMPARE(entries(subclassList(window)), QStringList{QStringLiteral("subclass_2")});
    QVERIFY(invalidListShows(window, {}));
    QCOMPARE(text(window, "lineEditSubclass"), QStringLiteral("2"));

    click(window, "buttonSubclass");
    QVERIFY(TarveoTestAccess::conf(window).get_subclass_numbers().isEmpty());
    QCOMPARE(subclassList(window)->count(), 0);
    // The number left in the field names nothing now.
    QCOMPARE(style(window, "lineEditSubclass"), red);
    QCOMPARE(widget<QPushButton>(window, "buttonSubclass")->text(), QStringLiteral("New"));
}

void SubclassPanelTest::copyFollowsTheSourceIntoTheInvalidList() {
    Tarveo window;
    openData(window, "incomplete.conf");
    auto *copyButton = widget<QPushButton>(window, "buttonCopy");
    const struct {
        const char *source;
        const char *target;
        bool listed;
    } copies[] = {{"5", "12", true}, {"2", "13", false}};
    for (const auto &copy : copies) {
        retype(window, "lineEditSubclass", copy.source);
        retype(window, "lineEditCopy", copy.target);
        QCOMPARE(style(window, "lineEditCopy"), lime);
        QVERIFY(copyButton->isEnabled());
        click(window, "buttonCopy");

        const QString entry = QStringLiteral("subclass_") + copy.target;
        QCOMPARE(subclassList(window)->itemText(subclassList(window)->count() - 1), entry);
        QCOMPARE(invalidEntries(window).contains(entry), copy.listed);
        QCOMPARE(text(window, "lineEditSubclass"), QString(copy.target));
        QVERIFY(!copyButton->isEnabled());
        QCOMPARE(style(window, "lineEditCopy"), red);
        QCOMPARE(sectionLines(window, QString(copy.target).toUInt()),
                 sectionLines(window, QString(copy.source).toUInt()));
    }
}

void SubclassPanelTest::copyTargetMustBeFree() {
    Tarveo window;
    openData(window, "incomplete.conf");
    auto *copyButton = widget<QPushButton>(window, "buttonCopy");

    retype(window, "lineEditCopy", "5");
    QCOMPARE(style(window, "lineEditCopy"), red);
    QCOMPARE(widget(window, "lineEditCopy")->toolTip(),
             QStringLiteral("The subclass you wish to copy to already exists. Please choose a "
                            "different value or delete the subclass."));
    QVERIFY(!copyButton->isEnabled());

    retype(window, "lineEditCopy", "");
    QCOMPARE(style(window, "lineEditCopy"), white);
    QVERIFY(!copyButton->isEnabled());

    // Open empties the field without the user typing; the button that was
    // enabled for the old text must not copy to subclass 0.
    retype(window, "lineEditCopy", "8");
    QVERIFY(copyButton->isEnabled());
    window.openFile(dataPath("incomplete.conf"));
    if (copyButton->isEnabled())
        QTest::mouseClick(copyButton, Qt::LeftButton);
    QCOMPARE(TarveoTestAccess::conf(window).get_subclass_numbers(), (QVector<quint32>{2, 5}));
}

QTEST_MAIN(SubclassPanelTest)
#include "tst_editing_subclasses.moc"
