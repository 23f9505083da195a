// Units in the window: new units re-display the document, the header moves
// between panel and document in displayed units, and the units dialog.
#include "common/expectedtexts.h"
#include "common/modalscript.h"
#include "common/testsupport.h"
#include "units/measurementunits.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <tuple>

namespace {

template <typename T> T *child(QWidget &parent, const QString &name) {
    return parent.findChild<T *>(name);
}

QString text(Tarveo &w, const char *name) {
    if (auto *edit = child<QLineEdit>(w, name))
        return edit->text();
    if (auto *label = child<QLabel>(w, name))
        return label->text();
    return child<QPushButton>(w, name)->text();
}

const QStringList weightLabels = {"labelMinAvgAxleWeight",
                                  "labelMaxGrossWeight",
                                  "labelMaxAxleWeightsEdits",
                                  "labelTotalWeightConstraint",
                                  "labelAwsl",
                                  "labelReclassUpGvw",
                                  "labelReclassDownGvw",
                                  "labelCombinedWeightConstraints"};
const QStringList lengthLabels = {
    "labelGroupMaxDist", "labelMinAxleSpacing", "labelMaxAxleDist",
    "labelMinAxleDist",  "labelPrepend",        "labelAppend",
    "labelMaxAxleDists", "labelMinAxleDists",   "labelTotalDistanceConstraint",
    "labelAdsl"};

// A header with a value in each converted field: 98.0665 kN is 10 t, 3.048 m
// is 10 ft.
void fillDocumentHeader(Conf &conf) {
    conf.set_group_max_distance(QStringLiteral("3.048"));
    conf.set_min_2axle_truck_spacing(QStringLiteral("6.096"));
    conf.set_min_avg_axle_weight(QStringLiteral("98.0665"));
    conf.set_max_axle_distance(QStringLiteral("30.48"));
    conf.set_min_axle_distance(QStringLiteral("0.3048"));
    conf.set_unclassified_vehicle_subclass(QStringLiteral("140"));
    conf.set_uncategorised_vehicle_category(QStringLiteral("6"));
}

// Three axles of 10, 5, 5 t; gaps of 10 to 20 ft and 5 to 10 ft.
Subclass threeAxles(quint32 number) {
    Subclass s;
    s.set_number(number);
    s.set_category(QStringLiteral("3"));
    s.set_axle_configuration(QStringLiteral("H3"));
    s.set_number_of_axles(QStringLiteral("3"));
    s.set_max_GVW(QStringLiteral("196.133"));
    s.set_prepend(QStringLiteral("0.3048"));
    s.set_lower_GVW_limit(QStringLiteral("19.6133"));
    const char *weights[] = {"98.0665", "49.0333", "49.0333"};
    for (int i = 0; i < 3; ++i)
        s.set_max_axle_weight_at_index(QString::fromLatin1(weights[i]), i);
    const char *gaps[][2] = {{"3.048", "6.096"}, {"1.524", "3.048"}};
    for (int i = 0; i < 2; ++i) {
        s.set_min_distance_at_index(QString::fromLatin1(gaps[i][0]), i);
        s.set_max_distance_at_index(QString::fromLatin1(gaps[i][1]), i);
    }
    return s;
}

// Shows the subclass as a user would by choosing it from the list.
void showSubclass(Tarveo &w, quint32 number) {
    auto *list = child<QComboBox>(w, "comboBoxSubclasses");
    list->addItem(QStringLiteral("subclass_%1").arg(number));
    list->setCurrentIndex(list->count() - 1);
}

QLineEdit *rowEdit(Tarveo &w, const char *frame, int position) {
    QLayoutItem *item = child<QWidget>(w, frame)->layout()->itemAt(position);
    return item ? qobject_cast<QLineEdit *>(item->widget()) : nullptr;
}

} // namespace

class TestWindowUnits : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void documentRedisplayedInEachUnit();
    void emptyRedFieldTurnsValidOnNewUnits();
    void everyUnitLabelTakesTheSuffix();
    void tonnesWithAnotherGWriteIt();
    void gThatIsNotPositiveIsKept_data();
    void gThatIsNotPositiveIsKept();
    void gThatIsNotPositiveFromAnotherUnit();
    void convertedTextMarksAndWarns();
    void fillHeaderFromADocument();
    void fillHeaderGAndTheWeightUnit();
    void copyHeaderIntoTheDocument();

    void dialogButtonIdsAndPreselection();
    void dialogGFieldFollowsTheWeightUnit();
    void dialogOkAndCancel();
    void dialogFromTheWindow();
};

void TestWindowUnits::cleanup() {
    while (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
}

void TestWindowUnits::documentRedisplayedInEachUnit() {
    Tarveo w;
    Conf &conf = TarveoTestAccess::conf(w);
    fillDocumentHeader(conf);
    Subclass subclass = threeAxles(7);
    subclass.set_adsl_0(QStringLiteral("3.048,9.144"));
    subclass.set_awsl_0(QStringLiteral("98.0665,3;196.133,7"));
    conf.insert_subclass(7, subclass);
    w.show();
    showSubclass(w, 7);
    QCOMPARE(text(w, "lineEditSubclass"), QStringLiteral("7"));
    // Per-axle rows: position 0 is the label, the last axle has no gap.
    QLineEdit *gap1 = rowEdit(w, "frameMaxAxleDists", 1);
    QLineEdit *gap2min = rowEdit(w, "frameMinAxleDists", 2);
    QLineEdit *weight3 = rowEdit(w, "frameMaxAxleWeightsEdits", 3);
    QVERIFY(gap1 && gap2min && weight3);

    TarveoTestAccess::receiveUnits(w, Kilonewtons, Feet, 0);
    QCOMPARE(TarveoTestAccess::weightFactor(w), 1.0f);
    QCOMPARE(TarveoTestAccess::lengthFactor(w), 0.3048f);
    QCOMPARE(text(w, "buttonGConstant"), QStringLiteral("0"));
    QCOMPARE(text(w, "lineEditMinAvgAxleWeight"), QStringLiteral("98.07"));
    QCOMPARE(text(w, "lineEditGroupMaxDist"), QStringLiteral("10.00"));
    QCOMPARE(text(w, "lineEditPrepend"), QStringLiteral("1.00"));
    QCOMPARE(text(w, "lineEditMaxGrossWeight"), QStringLiteral("196.13"));
    QCOMPARE(text(w, "lineEditReclassDownGvw"), QStringLiteral("19.61"));
    QCOMPARE(gap1->text(), QStringLiteral("20.00"));
    QCOMPARE(gap2min->text(), QStringLiteral("5.00"));
    QCOMPARE(weight3->text(), QStringLiteral("49.03"));
    QVERIFY(text(w, "lineEditTotalDistanceConstraint").contains(QLatin1String("30.0")));
    QVERIFY(text(w, "lineEditTotalWeightConstraint").contains(QLatin1String("196.1")));
    // Sums of their own lists, in general notation.
    QCOMPARE(text(w, "labelSumMaxAxleWeights"), QStringLiteral("196.133"));
    QCOMPARE(text(w, "labelSumMaxAxleDist"), QStringLiteral("30"));

    TarveoTestAccess::receiveUnits(w, Pounds, Inches, 0);
    QCOMPARE(text(w, "lineEditMinAvgAxleWeight"), QStringLiteral("22046.23"));
    QCOMPARE(text(w, "lineEditGroupMaxDist"), QStringLiteral("120.00"));

    TarveoTestAccess::receiveUnits(w, Tons, Meters, 9.80665f);
    QCOMPARE(text(w, "buttonGConstant"), QStringLiteral("9.80665"));
    QCOMPARE(text(w, "lineEditMinAvgAxleWeight"), QStringLiteral("10.00"));
    QCOMPARE(text(w, "lineEditGroupMaxDist"), QStringLiteral("3.05"));
    QCOMPARE(text(w, "lineEditMaxGrossWeight"), QStringLiteral("20.00"));
    QCOMPARE(gap1->text(), QStringLiteral("6.10"));
    QCOMPARE(text(w, "labelSumMaxAxleWeights"), QStringLiteral("20"));
    // The totals are shown converted: 98.0665 and 196.133 kN are 10 and 20 t.
    QVERIFY(text(w, "lineEditTotalWeightConstraint").startsWith(QLatin1String("10.0")));
    QVERIFY(text(w, "lineEditTotalWeightConstraint").contains(QLatin1String("20.0")));
    QVERIFY(text(w, "lineEditTotalDistanceConstraint").contains(QLatin1String("9.1")));
    // The document itself never changes with the units.
    QCOMPARE(w.document().get_min_avg_axle_weight(), QStringLiteral("98.0665"));
    QCOMPARE(w.document().get_g_acceleration_constant(), QString());
}

void TestWindowUnits::emptyRedFieldTurnsValidOnNewUnits() {
    Tarveo w;
    fillDocumentHeader(TarveoTestAccess::conf(w));
    TarveoTestAccess::receiveUnits(w, Kilonewtons, Feet, 0);
    QCOMPARE(child<QLineEdit>(w, "lineEditGroupMaxDist")->styleSheet(), Expected::lime);
}

void TestWindowUnits::everyUnitLabelTakesTheSuffix() {
    Tarveo w;
    const std::tuple<uchar, uchar, const char *, const char *> units[] = {
        {Pounds, Feet, " (lb):", " (ft):"}, {Kilonewtons, Inches, " (kN):", " (in):"}};
    for (const auto &[weight, length, weightSuffix, lengthSuffix] : units) {
        TarveoTestAccess::receiveUnits(w, weight, length, 0);
        for (const QString &name : weightLabels)
            QVERIFY2(text(w, qPrintable(name)).endsWith(QLatin1String(weightSuffix)),
                     qPrintable(name));
        for (const QString &name : lengthLabels)
            QVERIFY2(text(w, qPrintable(name)).endsWith(QLatin1String(lengthSuffix)),
                     qPrintable(name));
    }
    QCOMPARE(text(w, "labelCombinedWeightConstraints"),
             QStringLiteral("Combined axle weight constraints (kN):"));
    // The crosswise header labels keep their own words.
    QCOMPARE(text(w, "labelMinAxleDist"), QStringLiteral("Max. axle distance (in):"));
    QCOMPARE(text(w, "labelTyreTypes"), QStringLiteral("Tyre type:"));
}

void TestWindowUnits::tonnesWithAnotherGWriteIt() {
    Tarveo w;
    TarveoTestAccess::receiveUnits(w, Tons, Meters, 9.81f);
    QCOMPARE(w.document().get_g_acceleration_constant(), QStringLiteral("9.81"));
    QCOMPARE(TarveoTestAccess::weightFactor(w), 9.81f);
    QCOMPARE(text(w, "buttonGConstant"), QStringLiteral("9.81"));

    // Back to the default: the factor follows, the document keeps its g.
    TarveoTestAccess::receiveUnits(w, Tons, Meters, 9.80665f);
    QCOMPARE(TarveoTestAccess::weightFactor(w), 9.80665f);
    QCOMPARE(w.document().get_g_acceleration_constant(), QStringLiteral("9.81"));

    // Another g only matters for tonnes.
    Tarveo other;
    TarveoTestAccess::receiveUnits(other, Pounds, Meters, 9.81f);
    QCOMPARE(other.document().get_g_acceleration_constant(), QString());
}

void TestWindowUnits::gThatIsNotPositiveIsKept_data() {
    QTest::addColumn<float>("g");
    QTest::newRow("emptied field") << 0.0f;
    QTest::newRow("negative") << -9.81f;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN();
}

void TestWindowUnits::gThatIsNotPositiveIsKept() {
    QFETCH(float, g);
    Tarveo w;
    fillDocumentHeader(TarveoTestAccess::conf(w));
    TarveoTestAccess::receiveUnits(w, Tons, Meters, 9.81f);
    const Conf before = w.document();

    TarveoTestAccess::receiveUnits(w, Tons, Feet, g);
    QCOMPARE(TarveoTestAccess::weightFactor(w), 9.81f);
    QCOMPARE(text(w, "buttonGConstant"), QStringLiteral("9.81"));
    QCOMPARE(w.document().to_string(), before.to_string());
    // Weights still show in tonnes of 9.81, and the length unit did change.
    QCOMPARE(text(w, "lineEditMinAvgAxleWeight"), QStringLiteral("10.00"));
    QCOMPARE(TarveoTestAccess::lengthUnit(w), uchar(Feet));
    QCOMPARE(text(w, "lineEditGroupMaxDist"), QStringLiteral("10.00"));
    QCOMPARE(text(w, "labelGroupMaxDist"), QStringLiteral("Group max. distance (ft):"));
}

void TestWindowUnits::gThatIsNotPositiveFromAnotherUnit() {
    Tarveo w;
    fillDocumentHeader(TarveoTestAccess::conf(w));
    TarveoTestAccess::receiveUnits(w, Kilonewtons, Meters, 0);
    TarveoTestAccess::receiveUnits(w, Tons, Meters, 0);
    // Tonnes at the g the dialog offered, the default; nothing is divided by 0.
    QCOMPARE(TarveoTestAccess::weightUnit(w), uchar(Tons));
    QCOMPARE(TarveoTestAccess::weightFactor(w), 9.80665f);
    QCOMPARE(text(w, "lineEditMinAvgAxleWeight"), QStringLiteral("10.00"));
    QCOMPARE(text(w, "labelMinAvgAxleWeight"), QStringLiteral("Min. avg. axle weight (t):"));
    QCOMPARE(w.document().get_g_acceleration_constant(), QString());
}

void TestWindowUnits::convertedTextMarksAndWarns() {
    Tarveo w;
    QLineEdit edit;
    TarveoTestAccess::setConvertedText(w, &edit, QStringLiteral("19.6133"), true, false);
    QCOMPARE(edit.text(), QStringLiteral("2.00"));
    QCOMPARE(edit.styleSheet(), QStringLiteral("QLineEdit {background-color: red}"));
    QCOMPARE(edit.toolTip(), QString());
    // A value wider than a narrow axle field shows its leading digits.
    QCOMPARE(edit.cursorPosition(), 0);

    TarveoTestAccess::setConvertedMaxAxleDistText(w, &edit, QStringLiteral("12"), false, 1);
    QCOMPARE(edit.text(), QStringLiteral("12.00"));
    QCOMPARE(edit.styleSheet(), QStringLiteral("QLineEdit {background-color: yellow}"));
    QCOMPARE(edit.toolTip(), QStringLiteral("Value is lower than some subclasses."));

    QTest::ignoreMessage(QtWarningMsg, "Could not set converted text to edit");
    TarveoTestAccess::setConvertedText(w, nullptr, QStringLiteral("1"), true, true);
    QTest::ignoreMessage(QtWarningMsg, "Could not set converted text to edit");
    TarveoTestAccess::setConvertedMaxAxleDistText(w, nullptr, QStringLiteral("1"), false, 0);
}

void TestWindowUnits::fillHeaderFromADocument() {
    Tarveo w;
    Conf &conf = TarveoTestAccess::conf(w);
    fillDocumentHeader(conf);
    conf.set_country_code(QStringLiteral("XX"));
    conf.set_min_avg_axle_weight(QStringLiteral("0"));
    TarveoTestAccess::fillHeader(w);

    using Expected::lime;
    using Expected::red;
    QCOMPARE(child<QLineEdit>(w, "lineEditCountry")->styleSheet(), red);
    QCOMPARE(child<QLineEdit>(w, "lineEditCountry")->toolTip(),
             QStringLiteral("Enter a two letter ISO code."));
    QCOMPARE(text(w, "lineEditGroupMaxDist"), QStringLiteral("3.05"));
    // A stored 0 shows as an empty field.
    QCOMPARE(text(w, "lineEditMinAvgAxleWeight"), QString());
    QCOMPARE(text(w, "lineEditMinAxleDist"), QStringLiteral("0.30"));
    QCOMPARE(text(w, "lineEditUnclassified"), QStringLiteral("140"));
    for (const char *name :
         {"lineEditMinAxleSpacing", "lineEditMinAvgAxleWeight", "lineEditMaxAxleDist"})
        QCOMPARE(child<QLineEdit>(w, name)->styleSheet(), lime);

    // A maximum below the minimum is red with its own tip.
    conf.set_max_axle_distance(QStringLiteral("0.1"));
    TarveoTestAccess::fillHeader(w);
    QCOMPARE(child<QLineEdit>(w, "lineEditMaxAxleDist")->styleSheet(), red);
    QCOMPARE(child<QLineEdit>(w, "lineEditMaxAxleDist")->toolTip(),
             QStringLiteral("Value must be higher than min axle distance."));
}

void TestWindowUnits::fillHeaderGAndTheWeightUnit() {
    {
        Tarveo w;
        TarveoTestAccess::receiveUnits(w, Kilonewtons, Meters, 0);
        TarveoTestAccess::conf(w).set_g_acceleration_constant(QStringLiteral("9.81"));
        TarveoTestAccess::fillHeader(w);
        QCOMPARE(TarveoTestAccess::weightFactor(w), 1.0f);
        QCOMPARE(text(w, "buttonGConstant"), QStringLiteral("9.81"));
    }
    Tarveo w;
    fillDocumentHeader(TarveoTestAccess::conf(w));
    TarveoTestAccess::conf(w).set_g_acceleration_constant(QStringLiteral("9.81"));
    QTest::ignoreMessage(QtDebugMsg, "New conversion weight 9.81");
    TarveoTestAccess::fillHeader(w);
    QCOMPARE(TarveoTestAccess::weightFactor(w), 9.81f);
    QCOMPARE(text(w, "buttonGConstant"), QStringLiteral("9.81"));
    // Weights are shown with the file's g: 196.133 kN / 9.81.
    TarveoTestAccess::conf(w).set_min_avg_axle_weight(QStringLiteral("196.133"));
    TarveoTestAccess::applyUnits(w);
    QCOMPARE(text(w, "lineEditMinAvgAxleWeight"), QStringLiteral("19.99"));

    // A next document without a usable g: the button shows the default, the
    // factor stays.
    for (const QString &g : {QString(), QStringLiteral("-1")}) {
        TarveoTestAccess::conf(w) = Conf();
        TarveoTestAccess::conf(w).set_g_acceleration_constant(g);
        TarveoTestAccess::fillHeader(w);
        QCOMPARE(text(w, "buttonGConstant"), QStringLiteral("9.80665"));
        QCOMPARE(TarveoTestAccess::weightFactor(w), 9.81f);
    }
}

void TestWindowUnits::copyHeaderIntoTheDocument() {
    Tarveo w;
    TarveoTestAccess::receiveUnits(w, Tons, Feet, 9.81f);
    TarveoTestAccess::conf(w) = Conf();
    const std::pair<const char *, const char *> typed[] = {
        {"lineEditCountry", "si"},       {"lineEditGroupMaxDist", "10"},
        {"lineEditMinAxleSpacing", "0"}, {"lineEditMinAvgAxleWeight", "2"},
        {"lineEditMinAxleDist", "-1"},   {"lineEditUnclassified", "140"}};
    for (const auto &[name, value] : typed)
        child<QLineEdit>(w, name)->setText(QString::fromLatin1(value));
    TarveoTestAccess::copyHeaderToConf(w);

    const Conf &conf = w.document();
    QCOMPARE(conf.get_g_acceleration_constant(), QStringLiteral("9.81"));
    QCOMPARE(conf.get_country_code(), QStringLiteral("SI"));
    QCOMPARE(conf.get_group_max_distance(), QStringLiteral("3.048"));
    QCOMPARE(conf.get_min_2axle_truck_spacing(), QString());
    QCOMPARE(conf.get_min_avg_axle_weight(), QStringLiteral("19.62"));
    QCOMPARE(conf.get_min_axle_distance(), QString());
    QCOMPARE(conf.get_unclassified_vehicle_subclass(), QStringLiteral("140"));

    // The default g is not written.
    Tarveo plain;
    TarveoTestAccess::copyHeaderToConf(plain);
    QVERIFY(!plain.document().get_header().contains(QStringLiteral("g_acceleration_constant")));
}

void TestWindowUnits::dialogButtonIdsAndPreselection() {
    const uchar weight = Kilonewtons, length = Feet;
    const float g = 9.80665f;
    MeasurementUnits dialog(nullptr, &weight, &length, &g);
    auto *weights = dialog.findChild<QButtonGroup *>(QStringLiteral("buttonGroupWeight"));
    auto *lengths = dialog.findChild<QButtonGroup *>(QStringLiteral("buttonGroupLength"));
    QVERIFY(weights && lengths);
    // The ids are the unit codes the window receives.
    const std::tuple<QButtonGroup *, const char *, int> ids[] = {
        {weights, "radioButtonTons", Tons},      {weights, "radioButtonPounds", Pounds},
        {weights, "radioButtonKN", Kilonewtons}, {lengths, "radioButtonMeters", Meters},
        {lengths, "radioButtonFeet", Feet},      {lengths, "radioButtonInches", Inches}};
    for (const auto &[group, name, id] : ids)
        QCOMPARE(group->id(child<QRadioButton>(dialog, name)), id);

    QCOMPARE(weights->checkedId(), int(Kilonewtons));
    QCOMPARE(lengths->checkedId(), int(Feet));
    auto *gField = child<QLineEdit>(dialog, "lineEditG");
    QVERIFY(!gField->isEnabled());
    QCOMPARE(gField->text(), QString());
}

void TestWindowUnits::dialogGFieldFollowsTheWeightUnit() {
    const uchar weight = Tons, length = Meters;
    const float g = 9.81f;
    MeasurementUnits dialog(nullptr, &weight, &length, &g);
    dialog.show();
    auto *gField = child<QLineEdit>(dialog, "lineEditG");
    QVERIFY(gField->isEnabled());
    QCOMPARE(gField->text(), QStringLiteral("9.810000"));

    gField->selectAll();
    QTest::keyClicks(gField, QStringLiteral("9.8"));
    child<QRadioButton>(dialog, "radioButtonKN")->click();
    QVERIFY(!gField->isEnabled());
    QCOMPARE(gField->text(), QString());
    child<QRadioButton>(dialog, "radioButtonTons")->click();
    QVERIFY(gField->isEnabled());
    QCOMPARE(gField->text(), QStringLiteral("9.800000"));

    // A comma decimal cannot be typed, whatever the desktop's locale.
    gField->clear();
    QTest::keyClicks(gField, QStringLiteral("9,7"));
    QCOMPARE(gField->text(), QStringLiteral("97"));
}

void TestWindowUnits::dialogOkAndCancel() {
    const uchar weight = Tons, length = Inches;
    const float g = 9.81f;
    // Presses the button after choosing the radio buttons; returns what was sent.
    auto run = [&](QStringList radios, QDialogButtonBox::StandardButton which) {
        MeasurementUnits dialog(nullptr, &weight, &length, &g);
        QSignalSpy sent(&dialog, &MeasurementUnits::sendUnits);
        for (const QString &radio : radios)
            dialog.findChild<QRadioButton *>(radio)->click();
        child<QDialogButtonBox>(dialog, "buttonBox")->button(which)->click();
        const bool accepted = dialog.result() == QDialog::Accepted;
        return std::make_pair(accepted, QList<QList<QVariant>>(sent));
    };
    auto [accepted, sent] = run({}, QDialogButtonBox::Ok);
    QVERIFY(accepted);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent[0][0].value<uchar>(), uchar(Tons));
    QCOMPARE(sent[0][1].value<uchar>(), uchar(Inches));
    QCOMPARE(sent[0][2].toFloat(), 9.81f);

    std::tie(accepted, sent) =
        run({"radioButtonPounds", "radioButtonMeters"}, QDialogButtonBox::Ok);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent[0][0].value<uchar>(), uchar(Pounds));
    QCOMPARE(sent[0][1].value<uchar>(), uchar(Meters));
    QCOMPARE(sent[0][2].toFloat(), 0.0f);

    std::tie(accepted, sent) = run({"radioButtonKN"}, QDialogButtonBox::Cancel);
    QVERIFY(!accepted);
    QCOMPARE(sent.count(), 0);
}

void TestWindowUnits::dialogFromTheWindow() {
    Tarveo w;
    fillDocumentHeader(TarveoTestAccess::conf(w));
    TarveoTestAccess::receiveUnits(w, Tons, Meters, 9.81f);
    w.show();
    // Notes the offered g, clicks the radio buttons, empties G if asked, OK.
    QString offered;
    auto answer = [&offered](QStringList radios, bool clearG) {
        return std::make_unique<ModalScript>(
            QStringList{}, [&offered, radios, clearG](QWidget *dialog) {
                for (const QString &radio : radios)
                    dialog->findChild<QRadioButton *>(radio)->click();
                auto *gField = dialog->findChild<QLineEdit *>(QStringLiteral("lineEditG"));
                offered = gField->text();
                if (clearG)
                    gField->clear();
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            });
    };

    // The dialog opens on the window's g; OK applies the choice.
    auto script = answer({"radioButtonFeet"}, false);
    child<QPushButton>(w, "buttonGConstant")->click();
    QCOMPARE(offered, QStringLiteral("9.810000"));
    script = answer({"radioButtonKN"}, false);
    child<QPushButton>(w, "buttonGConstant")->click();
    QCOMPARE(TarveoTestAccess::weightUnit(w), uchar(Kilonewtons));
    QCOMPARE(text(w, "lineEditGroupMaxDist"), QStringLiteral("10.00"));

    // Opened with kilonewtons, tonnes offer the default g; an emptied G field
    // then falls back to it.
    script = answer({"radioButtonTons"}, true);
    child<QPushButton>(w, "buttonGConstant")->click();
    QCOMPARE(offered, QStringLiteral("9.806650"));
    QCOMPARE(TarveoTestAccess::weightFactor(w), 9.80665f);
    QCOMPARE(text(w, "lineEditMinAvgAxleWeight"), QStringLiteral("10.00"));
}

QTEST_MAIN(TestWindowUnits)
#include "tst_windowunits.moc"
