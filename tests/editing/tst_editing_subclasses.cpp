// The subclass panel: picking the displayed subclass by list, number,
// invalid list and arrow keys; typing in its fields; New, Delete and Copy.
#include "common/expectedtexts.h"
#include "common/testsupport.h"
#include "common/windowdriver.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QtTest>

using namespace WindowDriver;
using namespace Expected;

namespace {
const QString tipSubclassMissing =
    QStringLiteral("Subclass does not exist. Click on button \"New\" to create one");
const QString tipReclassTarget =
    QStringLiteral("Subclass must exist and have the same number of axles as current.");

// The key lines of one subclass section of the document's text form.
QStringList sectionLines(Tarveo &window, quint32 number) {
    const Conf &conf = TarveoTestAccess::conf(window);
    if (!conf.has_subclass(number))
        return {};
    return conf.get_subclass(number).to_string().split(QLatin1Char('\n')).mid(1);
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

    QString shownNumber(Tarveo &window) {
        return widget(window, QStringLiteral("lineEditSubclass"))->text();
    }

private slots:
    void listSelectionDisplaysTheSubclass();
    void typedNumberSelectsOnlyAListedSubclass();
    void redNumberBlocksTyping();
    void arrowKeysStepThroughTheList();
    void invalidListActivationDisplays();
    void invalidListFollowsEdits();
    void namedFieldsStoreAndMark_data();
    void namedFieldsStoreAndMark();
    void reclassificationTargetNeedsSameAxleCount();
    void strangeSendersAreRefused_data();
    void strangeSendersAreRefused();
    void newAppendsAnIncompleteSubclass();
    void newDoesNotOverwriteAnExistingSubclass();
    void deleteRemovesFromDocumentAndLists();
    void copyFollowsTheSourceIntoTheInvalidList();
    void copyTargetMustBeFree();
};

void SubclassPanelTest::listSelectionDisplaysTheSubclass() {
    Tarveo window;
    openData(window, QStringLiteral("fleet.conf"));
    QCOMPARE(shownNumber(window), QStringLiteral("3"));
    QCOMPARE(widget<QLabel>(window, QStringLiteral("labelSubclassLarge"))->text(),
             QStringLiteral("3"));
    QCOMPARE(widget(window, QStringLiteral("lineEditConfString"))->text(), QStringLiteral("C2"));
    // 35 kN in tonnes.
    QCOMPARE(widget(window, QStringLiteral("lineEditMaxGrossWeight"))->text(),
             QStringLiteral("3.57"));

    subclassList(window)->setCurrentIndex(1);
    QCOMPARE(shownNumber(window), QStringLiteral("4"));
    QCOMPARE(widget(window, QStringLiteral("lineEditAlias"))->text(), QStringLiteral("44"));
    QCOMPARE(widget(window, QStringLiteral("lineEditNumOfAxles"))->text(), QStringLiteral("5"));
    QCOMPARE(widget(window, QStringLiteral("lineEditCategory"))->styleSheet(), lime);
    QCOMPARE(widget(window, QStringLiteral("lineEditReclassUpGvw"))->text(),
             QStringLiteral("42.83"));
    QLineEdit *upTo = widget(window, QStringLiteral("lineEditReclassUpTo"));
    QCOMPARE(upTo->text(), QStringLiteral("9"));
    QCOMPARE(upTo->styleSheet(), lime);
    QCOMPARE(widget<QPushButton>(window, QStringLiteral("buttonSubclass"))->text(),
             QStringLiteral("Delete"));
}

void SubclassPanelTest::typedNumberSelectsOnlyAListedSubclass() {
    Tarveo window;
    openData(window, QStringLiteral("fleet.conf"));
    auto *button = widget<QPushButton>(window, QStringLiteral("buttonSubclass"));
    QLineEdit *number = widget(window, QStringLiteral("lineEditSubclass"));

    retype(window, QStringLiteral("lineEditSubclass"), QStringLiteral("9"));
    QCOMPARE(subclassList(window)->currentText(), QStringLiteral("subclass_9"));
    QCOMPARE(widget(window, QStringLiteral("lineEditConfString"))->text(), QStringLiteral("H3S2"));
    QCOMPARE(number->styleSheet(), lime);
    QCOMPARE(button->text(), QStringLiteral("Delete"));

    retype(window, QStringLiteral("lineEditSubclass"), QStringLiteral("09"));
    QCOMPARE(number->styleSheet(), red);
    QCOMPARE(number->toolTip(), tipSubclassMissing);
    QCOMPARE(button->text(), QStringLiteral("New"));
    QCOMPARE(button->statusTip(),
             QStringLiteral("Used to create a new subclass with corresponding subclass number."));
    // The list stays where it was.
    QCOMPARE(subclassList(window)->currentText(), QStringLiteral("subclass_9"));
}

void SubclassPanelTest::redNumberBlocksTyping() {
    Tarveo window;
    openData(window, QStringLiteral("fleet.conf"));
    retype(window, QStringLiteral("lineEditSubclass"), QStringLiteral("03"));
    QLineEdit *category = widget(window, QStringLiteral("lineEditCategory"));
    const QString styleBefore = category->styleSheet();
    const QString before = TarveoTestAccess::conf(window).to_string();
    retype(window, QStringLiteral("lineEditCategory"), QString());
    QCOMPARE(TarveoTestAccess::conf(window).to_string(), before);
    QCOMPARE(category->styleSheet(), styleBefore);
}

void SubclassPanelTest::arrowKeysStepThroughTheList() {
    Tarveo window;
    openData(window, QStringLiteral("fleet.conf"));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The shortcuts work from inside a header field too.
    QLineEdit *country = widget(window, QStringLiteral("lineEditCountry"));
    country->setFocus();

    QTest::keyClick(country, Qt::Key_Up);
    QCOMPARE(shownNumber(window), QStringLiteral("3"));
    QTest::keyClick(country, Qt::Key_Down);
    QCOMPARE(shownNumber(window), QStringLiteral("4"));
    QTest::keyClick(country, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(shownNumber(window), QStringLiteral("9"));
    QTest::keyClick(country, Qt::Key_Down);
    QCOMPARE(shownNumber(window), QStringLiteral("9"));
    QTest::keyClick(country, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(shownNumber(window), QStringLiteral("4"));
    QCOMPARE(country->text(), QStringLiteral("SI"));
}

void SubclassPanelTest::invalidListActivationDisplays() {
    Tarveo window;
    openData(window, QStringLiteral("incomplete.conf"));
    auto *invalid = widget<QComboBox>(window, QStringLiteral("comboBoxInvalid"));
    QCOMPARE(entries(invalid), QStringList{QStringLiteral("subclass_5")});
    QCOMPARE(shownNumber(window), QStringLiteral("2"));
    // What the list emits when the user picks the entry; the window's slot
    // is bound by name to this form of the signal.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    emit invalid->activated(QStringLiteral("subclass_5"));
    QT_WARNING_POP
    QCOMPARE(shownNumber(window), QStringLiteral("5"));
    QCOMPARE(widget(window, QStringLiteral("lineEditMaxGrossWeight"))->styleSheet(), red);
}

void SubclassPanelTest::invalidListFollowsEdits() {
    Tarveo window;
    openData(window, QStringLiteral("incomplete.conf"));
    retype(window, QStringLiteral("lineEditSubclass"), QStringLiteral("5"));
    auto *invalid = widget<QComboBox>(window, QStringLiteral("comboBoxInvalid"));
    auto *label = widget<QLabel>(window, QStringLiteral("labelInvalid"));

    retype(window, QStringLiteral("lineEditMaxGrossWeight"), QStringLiteral("4"));
    QVERIFY(invalid->isHidden());
    QCOMPARE(invalid->count(), 0);
    QCOMPARE(label->text(), QStringLiteral("Subclasses are valid."));

    retype(window, QStringLiteral("lineEditMaxGrossWeight"), QString());
    QVERIFY(!invalid->isHidden());
    QCOMPARE(entries(invalid), QStringList{QStringLiteral("subclass_5")});
    QCOMPARE(label->text(), QStringLiteral("Invalid subclasses:"));
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

    QTest::newRow("override class") << "lineEditOverrideClass"
                                    << "12"
                                    << "override_class=12"
                                    << ""
                                    << "";
    QTest::newRow("override groups") << "lineEditOverrideGroups"
                                     << "3"
                                     << "override_groups=3"
                                     << ""
                                     << "";
    QTest::newRow("alias") << "lineEditAlias"
                           << "31"
                           << "alias=31"
                           << ""
                           << "";
    QTest::newRow("category cleared") << "lineEditCategory"
                                      << ""
                                      << "category=" << red << "";
    QTest::newRow("gross weight in tonnes") << "lineEditMaxGrossWeight"
                                            << "10"
                                            << "max_GVW__kN=98.0665" << lime << "";
    QTest::newRow("gross weight zero") << "lineEditMaxGrossWeight"
                                       << "0"
                                       << "max_GVW__kN=0" << lime << "";
    QTest::newRow("gross weight negative") << "lineEditMaxGrossWeight"
                                           << "-5"
                                           << "max_GVW__kN=" << red << "";
    QTest::newRow("configuration upper-cased") << "lineEditConfString"
                                               << "c2"
                                               << "axle_configuration=C2" << lime << "";
    QTest::newRow("configuration with other axle count")
        << "lineEditConfString"
        << "H2S3"
        << "axle_configuration=H2S3" << red << tipAxleConf;
    QTest::newRow("prepend") << "lineEditPrepend"
                             << "1.5"
                             << "prepend__m=1.5"
                             << ""
                             << "";
    QTest::newRow("append zero") << "lineEditAppend"
                                 << "0"
                                 << "append__m=0"
                                 << ""
                                 << "";
    QTest::newRow("upper limit in tonnes") << "lineEditReclassUpGvw"
                                           << "10"
                                           << "upper_GVW_limit__kN=98.0665"
                                           << ""
                                           << "";
    QTest::newRow("lower limit in tonnes") << "lineEditReclassDownGvw"
                                           << "1"
                                           << "lower_GVW_limit__kN=9.80665"
                                           << ""
                                           << "";
    QTest::newRow("total distance") << "lineEditTotalDistanceConstraint"
                                    << "10,25.5"
                                    << "adsl_0=10,25.5" << lime << "";
    QTest::newRow("total distance unreadable kept as typed") << "lineEditTotalDistanceConstraint"
                                                             << "10"
                                                             << "adsl_0=10" << red << tipRefman;
    QTest::newRow("total weight in tonnes") << "lineEditTotalWeightConstraint"
                                            << "5,3;40,7"
                                            << "awsl_0=49.0332,3;392.266,7" << lime << "";
}

void SubclassPanelTest::namedFieldsStoreAndMark() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(QString, style);
    QFETCH(QString, tip);

    Tarveo window;
    openData(window, QStringLiteral("fleet.conf"));
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
    openData(window, QStringLiteral("fleet.conf"));
    retype(window, QStringLiteral("lineEditSubclass"), QStringLiteral("4"));
    for (const char *field : {"lineEditReclassUpTo", "lineEditReclassDownTo"}) {
        QLineEdit *edit = widget(window, field);
        const struct {
            const char *typed;
            const QString &style;
        } cases[] = {{"9", lime}, {"3", red}, {"", lime}, {"77", red}};
        for (const auto &target : cases) {
            retype(window, field, target.typed);
            QVERIFY2(edit->styleSheet() == target.style,
                     qPrintable(QStringLiteral("%1 = %2").arg(field, target.typed)));
            QCOMPARE(edit->toolTip(), target.style == red ? tipReclassTarget : QString());
        }
    }
    retype(window, QStringLiteral("lineEditReclassDownTo"), QStringLiteral("9"));
    QVERIFY(sectionLines(window, 4).contains(QStringLiteral("reclassify_down_to_subclass=9")));
}

void SubclassPanelTest::strangeSendersAreRefused_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("warning");
    QTest::newRow("not a line edit") << "combo"
                                     << "Sender is not a lineEdit frameAddConstraint";
    QTest::newRow("outside any row layout")
        << "unplaced"
        << "Index of dynamically set lineEdit can't be below 1!";
    QTest::newRow("in a frame that holds no rows") << "placed"
                                                   << "Layout not found!";
}

// Widgets the handler cannot place are logged and change nothing.
void SubclassPanelTest::strangeSendersAreRefused() {
    QFETCH(QString, kind);
    QFETCH(QString, warning);
    Tarveo window;
    openData(window, QStringLiteral("fleet.conf"));
    auto *frame = widget<QFrame>(window, QStringLiteral("frameAddConstraint"));
    const QString before = TarveoTestAccess::conf(window).to_string();

    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    if (kind == QLatin1String("combo")) {
        auto *combo = new QComboBox(frame);
        QObject::connect(combo, &QComboBox::currentTextChanged, &window, &Tarveo::textChanged);
        combo->addItem(QStringLiteral("4"));
    } else {
        auto *edit = new QLineEdit(frame);
        if (kind == QLatin1String("placed"))
            frame->layout()->addWidget(edit);
        QObject::connect(edit, &QLineEdit::textEdited, &window, &Tarveo::textChanged);
        edit->show();
        QTest::keyClicks(edit, QStringLiteral("4"));
    }
    QCOMPARE(TarveoTestAccess::conf(window).to_string(), before);
}

void SubclassPanelTest::newAppendsAnIncompleteSubclass() {
    Tarveo window;
    openData(window, QStringLiteral("fleet.conf"));
    retype(window, QStringLiteral("lineEditSubclass"), QStringLiteral("7"));
    QTest::mouseClick(widget<QPushButton>(window, QStringLiteral("buttonSubclass")),
                      Qt::LeftButton);

    QCOMPARE(entries(subclassList(window)),
             (QStringList{"subclass_3", "subclass_4", "subclass_9", "subclass_7"}));
    auto *invalid = widget<QComboBox>(window, QStringLiteral("comboBoxInvalid"));
    QCOMPARE(entries(invalid), QStringList{QStringLiteral("subclass_7")});
    QVERIFY(!invalid->isHidden());
    QCOMPARE(widget<QLabel>(window, QStringLiteral("labelInvalid"))->text(),
             QStringLiteral("Invalid subclasses:"));
    QCOMPARE(subclassList(window)->currentText(), QStringLiteral("subclass_7"));
    QCOMPARE(widget<QPushButton>(window, QStringLiteral("buttonSubclass"))->text(),
             QStringLiteral("Delete"));
    QCOMPARE(widget(window, QStringLiteral("lineEditSubclass"))->styleSheet(), lime);
    // The category is taken from the unclassified subclass field.
    QCOMPARE(sectionLines(window, 7).first(), QStringLiteral("category=140"));
    QCOMPARE(widget(window, QStringLiteral("TyreType1"))->styleSheet(), red);
    QCOMPARE(widget(window, QStringLiteral("MaxAxleWeightEdit1"))->styleSheet(), red);
    QVERIFY(widget(window, QStringLiteral("MaxAxleDist1"))->isHidden());
}

void SubclassPanelTest::newDoesNotOverwriteAnExistingSubclass() {
    Tarveo window;
    openData(window, QStringLiteral("fleet.conf"));
    const QStringList before = sectionLines(window, 3);
    subclassList(window)->setCurrentIndex(2);
    retype(window, QStringLiteral("lineEditSubclass"), QStringLiteral("03"));
    QCOMPARE(widget<QPushButton>(window, QStringLiteral("buttonSubclass"))->text(),
             QStringLiteral("New"));
    QTest::mouseClick(widget<QPushButton>(window, QStringLiteral("buttonSubclass")),
                      Qt::LeftButton);
    QCOMPARE(sectionLines(window, 3), before);
    QCOMPARE(subclassList(window)->count(), 3);
    QCOMPARE(shownNumber(window), QStringLiteral("3"));
}

void SubclassPanelTest::deleteRemovesFromDocumentAndLists() {
    Tarveo window;
    openData(window, QStringLiteral("incomplete.conf"));
    auto *button = widget<QPushButton>(window, QStringLiteral("buttonSubclass"));
    auto *invalid = widget<QComboBox>(window, QStringLiteral("comboBoxInvalid"));

    retype(window, QStringLiteral("lineEditSubclass"), QStringLiteral("5"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!TarveoTestAccess::conf(window).has_subclass(5));
    QCOMPARE(entries(subclassList(window)), QStringList{QStringLiteral("subclass_2")});
    QCOMPARE(invalid->count(), 0);
    QVERIFY(invalid->isHidden());
    QCOMPARE(widget<QLabel>(window, QStringLiteral("labelInvalid"))->text(),
             QStringLiteral("Subclasses are valid."));
    QCOMPARE(shownNumber(window), QStringLiteral("2"));

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(TarveoTestAccess::conf(window).get_subclass_numbers().isEmpty());
    QCOMPARE(subclassList(window)->count(), 0);
    // The number left in the field names nothing now.
    QCOMPARE(widget(window, QStringLiteral("lineEditSubclass"))->styleSheet(), red);
    QCOMPARE(button->text(), QStringLiteral("New"));
}

void SubclassPanelTest::copyFollowsTheSourceIntoTheInvalidList() {
    Tarveo window;
    openData(window, QStringLiteral("incomplete.conf"));
    auto *copyButton = widget<QPushButton>(window, QStringLiteral("buttonCopy"));
    QLineEdit *target = widget(window, QStringLiteral("lineEditCopy"));
    auto *invalid = widget<QComboBox>(window, QStringLiteral("comboBoxInvalid"));

    const struct {
        const char *source;
        const char *target;
        bool listed;
    } copies[] = {{"5", "12", true}, {"2", "13", false}};
    for (const auto &copy : copies) {
        retype(window, QStringLiteral("lineEditSubclass"), copy.source);
        retype(window, QStringLiteral("lineEditCopy"), copy.target);
        QCOMPARE(target->styleSheet(), lime);
        QVERIFY(copyButton->isEnabled());
        QTest::mouseClick(copyButton, Qt::LeftButton);

        const QString entry = QStringLiteral("subclass_") + copy.target;
        QCOMPARE(subclassList(window)->itemText(subclassList(window)->count() - 1), entry);
        QCOMPARE(invalid->findText(entry) >= 0, copy.listed);
        QCOMPARE(shownNumber(window), QString(copy.target));
        QVERIFY(!copyButton->isEnabled());
        QCOMPARE(target->styleSheet(), red);
        QCOMPARE(target->toolTip(), QString());
        QCOMPARE(sectionLines(window, QString(copy.target).toUInt()),
                 sectionLines(window, QString(copy.source).toUInt()));
    }
}

void SubclassPanelTest::copyTargetMustBeFree() {
    Tarveo window;
    openData(window, QStringLiteral("incomplete.conf"));
    auto *copyButton = widget<QPushButton>(window, QStringLiteral("buttonCopy"));
    QLineEdit *target = widget(window, QStringLiteral("lineEditCopy"));

    retype(window, QStringLiteral("lineEditCopy"), QStringLiteral("5"));
    QCOMPARE(target->styleSheet(), red);
    QCOMPARE(target->toolTip(),
             QStringLiteral("The subclass you wish to copy to already exists. Please choose a "
                            "different value or delete the subclass."));
    QVERIFY(!copyButton->isEnabled());

    retype(window, QStringLiteral("lineEditCopy"), QString());
    QCOMPARE(target->styleSheet(), white);
    QVERIFY(!copyButton->isEnabled());

    // Open empties the field without the user typing; the button that was
    // enabled for the old text must not copy to subclass 0.
    retype(window, QStringLiteral("lineEditCopy"), QStringLiteral("8"));
    QVERIFY(copyButton->isEnabled());
    window.openFile(dataPath(QStringLiteral("incomplete.conf")));
    if (copyButton->isEnabled())
        QTest::mouseClick(copyButton, Qt::LeftButton);
    QCOMPARE(TarveoTestAccess::conf(window).get_subclass_numbers(), (QVector<quint32>{2, 5}));
}

QTEST_MAIN(SubclassPanelTest)
#include "tst_editing_subclasses.moc"
