// The subclass panel: picking the displayed subclass by list, number and
// invalid list; typing in its fields; New, Delete and Copy.
#include "common/windowdriver.h"

using namespace WindowDriver;

namespace {
const QString missing =
    QStringLiteral("red: Subclass does not exist. Click on button \"New\" to create one");

// Typed into the fields of subclass 3 of fleet.conf (two axles); "|" parts
// are typed one after the other.
const FieldCase fieldCases[] = {
    {"category cleared", "Category", "", "category=", "red"},
    {"gross weight zero", "MaxGrossWeight", "0", "max_GVW__kN=0", "lime"},
    {"gross weight negative", "MaxGrossWeight", "-5", "max_GVW__kN=", "red"},
    {"configuration upper-cased", "ConfString", "c2", "axle_configuration=C2", "lime"},
    {"configuration, other axle count", "ConfString", "H2S3", "axle_configuration=H2S3",
     "red: " + tipAxleConf},
    {"append zero", "Append", "0", "append__m=0", QString()},
    {"total distance unreadable kept as typed", "TotalDistanceConstraint", "10", "adsl_0=10",
     "red: " + tip(Messages::TotalDistanceFormat)},
    {"total weight in tonnes", "TotalWeightConstraint", "5,3;40,7", "awsl_0=49.0332,3;392.266,7",
     "lime"},
    {"target with other axles", "ReclassDownTo", "4", "reclassify_down_to_subclass=4",
     "red: " + tip(Messages::ReclassifyTarget)},
    {"target emptied", "ReclassDownTo", "77|", "reclassify_down_to_subclass=", "lime"},
};

// The panel in one line: the number field, the list with its current entry
// starred, the invalid list with its label, and the button.
QString panel(Tarveo &window) {
    QStringList list = entries(subclassList(window));
    if (subclassList(window)->currentIndex() >= 0)
        list[subclassList(window)->currentIndex()].prepend('*');
    const QString invalid =
        label(window, "labelInvalid") + (isShown(window, "comboBoxInvalid") ? "" : " (hidden)");
    return QStringList{text(window, "lineEditSubclass"), list.join(' '),
                       (QStringList{invalid} + invalidEntries(window)).join(' '),
                       widget<QPushButton>(window, "buttonSubclass")->text()}
        .join(" | ");
}
} // namespace

class TestSubclassPanel : public QObject {
    Q_OBJECT

private slots:
    // fleet.conf: valid subclasses 3 (2 axles), 4 and 9 (5 axles each).
    void listAndTypedNumberSelect() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        subclassList(window)->setCurrentIndex(1);
        QCOMPARE(seen(window, {"lineEditSubclass"}), QStringList{"4 lime"});
        retype(window, "lineEditSubclass", "9");
        const QString list =
            " | subclass_3 subclass_4 *subclass_9 | Subclasses are valid. (hidden)";
        QCOMPARE(panel(window), "9" + list + " | Delete");
        // Indices past the list are refused, not followed.
        QAbstractItemModel *model = subclassList(window)->model();
        QVERIFY(!model->data(QModelIndex()).isValid() && !model->removeRows(3, 1) &&
                !model->removeRows(-1, 1));
        // "09" is not how the list names subclass 9: nothing is selected.
        retype(window, "lineEditSubclass", "09");
        QCOMPARE(marking(window, "lineEditSubclass"), missing);
        QCOMPARE(panel(window), "09" + list + " | New");
    }

    // incomplete.conf: subclass 2 valid, subclass 5 without gross weight.
    void invalidListNewAndDeleteKeepDocumentAndListsInStep() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/incomplete.conf"));
        QCOMPARE(panel(window),
                 "2 | *subclass_2 subclass_5 | Invalid subclasses: subclass_5 | Delete");
        // What the list emits when the user picks its first entry.
        emit widget<QComboBox>(window, "comboBoxInvalid")->activated(0);
        QCOMPARE(seen(window, {"lineEditSubclass", "lineEditMaxGrossWeight"}),
                 (QStringList{"5 lime", "red"}));
        retype(window, "lineEditMaxGrossWeight", "4");
        QCOMPARE(panel(window),
                 "5 | subclass_2 *subclass_5 | Subclasses are valid. (hidden) | Delete");
        retype(window, "lineEditMaxGrossWeight", "");
        QCOMPARE(panel(window),
                 "5 | subclass_2 *subclass_5 | Invalid subclasses: subclass_5 | Delete");

        // "02" names no listed subclass, so the button offers New; it must
        // not replace subclass 2, only show it.
        const QStringList before = sectionLines(window, 2);
        retype(window, "lineEditSubclass", "02");
        click(window, "buttonSubclass");
        QCOMPARE(sectionLines(window, 2), before);
        QCOMPARE(panel(window),
                 "2 | *subclass_2 subclass_5 | Invalid subclasses: subclass_5 | Delete");

        // The category is the header's for vehicles without one: none here.
        tick(window, {1});
        retype(window, "lineEditSubclass", "7");
        click(window, "buttonSubclass");
        QCOMPARE(panel(window), "7 | subclass_2 subclass_5 *subclass_7 | Invalid subclasses: "
                                "subclass_5 subclass_7 | Delete");
        QCOMPARE(sectionLines(window, 7, "category"), QStringList());
        QCOMPARE(
            seen(window, {"lineEditSubclass", "TyreType1", "MaxAxleWeightEdit1", "MaxAxleDist1"}),
            (QStringList{"7 lime", "red: " + tipTyreRange, "red", "hidden"}));
        QVERIFY(ticked(window).isEmpty());

        for (const char *number : {"7", "5"}) {
            retype(window, "lineEditSubclass", number);
            click(window, "buttonSubclass");
        }
        QCOMPARE(panel(window), "2 | *subclass_2 | Subclasses are valid. (hidden) | Delete");
        // With the last one gone, the number left in the field names nothing.
        click(window, "buttonSubclass");
        QVERIFY(document(window).get_subclass_numbers().isEmpty());
        QCOMPARE(panel(window), "2 |  | Subclasses are valid. (hidden) | New");
        QCOMPARE(marking(window, "lineEditSubclass"), missing);
    }

    void namedFieldsStoreAndMark_data() { addCases(fieldCases); }

    void namedFieldsStoreAndMark() {
        const FieldCase &c = fetchCase(fieldCases);
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        const QString field = QStringLiteral("lineEdit") + c.field;
        const QString before = marking(window, field);
        for (const QString &typed : QString(c.typed).split(QLatin1Char('|')))
            retype(window, field, typed);

        const QString key = QString(c.line).section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
        QCOMPARE(sectionLines(window, 3, key), key == c.line ? QStringList() : QStringList{c.line});
        QCOMPARE(marking(window, field), c.marking.isNull() ? before : c.marking);
    }

    // A copy goes to a free number only, and into the invalid list when its
    // source is there.
    void copyNeedsAFreeNumberAndFollowsTheSource() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/incomplete.conf"));
        auto *copy = widget<QPushButton>(window, "buttonCopy");
        retype(window, "lineEditCopy", "5");
        QCOMPARE(marking(window, "lineEditCopy"),
                 "red: The subclass you wish to copy to already exists. Please choose a "
                 "different value or delete the subclass.");
        QVERIFY(!copy->isEnabled());
        retype(window, "lineEditCopy", "");
        QCOMPARE(marking(window, "lineEditCopy"), "white");
        QVERIFY(!copy->isEnabled());

        const QString invalid = " | Invalid subclasses: subclass_5 subclass_12 | Delete";
        for (const auto &[source, target, shown] :
             {std::tuple{"5", "12", "12 | subclass_2 subclass_5 *subclass_12" + invalid},
              std::tuple{"2", "13",
                         "13 | subclass_2 subclass_5 subclass_12 *subclass_13" + invalid}}) {
            retype(window, "lineEditSubclass", source);
            retype(window, "lineEditCopy", target);
            QCOMPARE(marking(window, "lineEditCopy"), "lime");
            QVERIFY(copy->isEnabled());
            click(window, "buttonCopy");
            QCOMPARE(panel(window), shown);
            QCOMPARE(marking(window, "lineEditCopy"), "red");
            QVERIFY(!copy->isEnabled());
            QCOMPARE(sectionLines(window, QString(target).toUInt()),
                     sectionLines(window, QString(source).toUInt()));
        }

        // Open empties the field without the user typing; the button that
        // was enabled for the old text must not copy to subclass 0.
        retype(window, "lineEditCopy", "8");
        QVERIFY(copy->isEnabled());
        window.openFile(testData("editing/incomplete.conf"));
        if (copy->isEnabled())
            QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(document(window).get_subclass_numbers(), (QVector<quint32>{2, 5}));
    }
};

QTEST_MAIN(TestSubclassPanel)
#include "tst_editing_subclasses.moc"
