// Typing in the fields of the header and of the subclass shown: what reaches
// the document (as Save would write it) and how each field is marked; the
// subclass panel: picking the displayed subclass by list, number and invalid
// list, New, Delete and Copy; the invalid list as the header's bounds change.
#include "common/windowdriver.h"

using namespace WindowDriver;

namespace {
// fleet.conf: header minimum 0.8 and maximum 12; subclass 3, shown first,
// has two axles (distance 2.2 to 3.5), subclasses 4 and 9 five axles with
// distances up to 9; all three valid. A name ending "in feet": feet are
// shown; "|" parts are typed one after the other.
const FieldCase fieldCases[] = {
    {"unknown country", "Country", "XX", "country_code=XX", "red: Enter a two letter ISO code."},
    {"group distance cleared", "GroupMaxDist", "", "group_max_distance__m=", "red"},
    {"group distance in feet", "GroupMaxDist", "100", "group_max_distance__m=30.48", "lime"},
    {"zero spacing", "MinAxleSpacing", "0", "min_2axle_truck_spacing__m=", QString()},
    // Subclasses 4 and 9 reach 9 m.
    {"maximum below a subclass's", "MaxAxleDist", "5", "max_axle_distance__m=5",
     "yellow: Value is lower than some subclasses."},
    {"maximum below the minimum", "MaxAxleDist", "0.5", "max_axle_distance__m=0.5",
     "red: Value must be higher than min axle distance."},
    {"category cleared", "Category", "", "category=", "red"},
    {"gross weight negative", "MaxGrossWeight", "-5", "max_GVW__kN=", "red"},
    {"configuration upper-cased", "ConfString", "x2", "axle_configuration=X2",
     "red: " + tip(Messages::AxleConfiguration)},
    {"append zero", "Append", "0", "append__m=0", QString()},
    {"total distance unreadable kept as typed", "TotalDistanceConstraint", "10", "adsl_0=10",
     "red: " + tip(Messages::TotalDistanceFormat)},
    {"total weight in tonnes", "TotalWeightConstraint", "5,3;40,7", "awsl_0=49.0332,3;392.266,7",
     "lime"},
    {"target emptied", "ReclassDownTo", "77|", "reclassify_down_to_subclass=", "lime"},
};

const QString missing =
    QStringLiteral("red: Subclass does not exist. Click on button \"New\" to create one");

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

class TestFields : public QObject {
    Q_OBJECT

private slots:
    void typedFieldsStoreAndMark_data() { addCases(fieldCases); }

    void typedFieldsStoreAndMark() {
        const FieldCase &c = fetchCase(fieldCases);
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        if (QByteArray(c.name).endsWith("in feet"))
            TarveoTestAccess::receiveUnits(window, Tons, Feet, 9.80665f);
        const QString field = QStringLiteral("lineEdit") + c.field;
        const QString before = marking(window, field);
        for (const QString &typed : QString(c.typed).split('|'))
            retype(window, field, typed);

        const QString key = QString(c.line).section('=', 0, 0) + '=';
        const bool inHeader =
            widget<QWidget>(window, "groupBoxHeader")->isAncestorOf(widget(window, field));
        const QStringList lines =
            inHeader ? document(window).to_string().section("\n\n", 0, 0).split('\n')
                     : sectionLines(window, 3);
        QCOMPARE(lines.filter(QRegularExpression('^' + key)),
                 key == c.line ? QStringList() : QStringList{c.line});
        QCOMPARE(marking(window, field), c.marking.isNull() ? before : c.marking);
    }

    // The header's bounds judge every subclass: the invalid list follows.
    void boundChangesRejudgeTheInvalidList() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        // Subclass 3, shown, lies within 2.2 to 3.5 m.
        retype(window, "lineEditMaxAxleDist", "3.5");
        QCOMPARE(invalidEntries(window), (QStringList{"subclass_4", "subclass_9"}));
        retype(window, "lineEditMinAxleDist", "2.5");
        QCOMPARE(invalidEntries(window), (QStringList{"subclass_3", "subclass_4", "subclass_9"}));
        QCOMPARE(marking(window, "MinAxleDist1"), "red: " + tipMinDistRange);
        retype(window, "lineEditMinAxleDist", "0.8");
        retype(window, "lineEditMaxAxleDist", "12");
        QVERIFY(invalidEntries(window).isEmpty() && !isShown(window, "comboBoxInvalid"));
    }

    // fleet.conf: valid subclasses 3 (2 axles), 4 and 9 (5 axles each).
    void listAndTypedNumberSelect() {
        Tarveo window;
        QVERIFY(openShown(window, "editing/fleet.conf"));
        subclassList(window)->setCurrentIndex(1);
        QCOMPARE(text(window, "lineEditSubclass"), QStringLiteral("4"));
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

QTEST_MAIN(TestFields)
#include "tst_editing_fields.moc"
