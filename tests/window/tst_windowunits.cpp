// Units in the window: new units re-display the document, the header moves
// between panel and document in displayed units, and the units dialog.
#include "common/expectedtexts.h"
#include "common/modalscript.h"
#include "common/testsupport.h"
#include "units/measurementunits.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

using Access = TarveoTestAccess;

template <typename T = QWidget> T *child(QWidget &parent, const QString &name) {
    return parent.findChild<T *>(name);
}

// The text of each named field, label or button (names apart by blanks),
// joined by "|".
QString texts(Tarveo &w, const QString &names) {
    QStringList found;
    for (const QString &name : names.split(QLatin1Char(' ')))
        found << child(w, name)->property("text").toString();
    return found.join(QLatin1Char('|'));
}

// The named fields' marks, "colour tip", joined by "|".
QString marks(Tarveo &w, const QString &names) {
    QStringList found;
    for (const QString &name : names.split(QLatin1Char(' '))) {
        const QString style = child(w, name)->styleSheet();
        const QString colour = style == Expected::lime     ? "lime"
                               : style == Expected::red    ? "red"
                               : style == Expected::yellow ? "yellow"
                                                           : style;
        found << (colour + ' ' + child(w, name)->toolTip()).trimmed();
    }
    return found.join(QLatin1Char('|'));
}

// The document's g, the g button's, and the weight factor.
QString gState(Tarveo &w) {
    return w.document().get_g_acceleration_constant() + '|' + texts(w, "buttonGConstant") + '|' +
           QString::number(Access::weightFactor(w));
}

// Answers the units dialog: clicks the radio buttons named in steps and
// types the other steps into G, then presses the button. Returns whether G
// was enabled and its text before that.
QString answerUnits(QWidget *dialog, const QStringList &steps,
                    QDialogButtonBox::StandardButton which) {
    auto *gField = child<QLineEdit>(*dialog, "lineEditG");
    for (const QString &step : steps) {
        if (auto *radio = child<QRadioButton>(*dialog, step)) {
            radio->click();
        } else {
            gField->selectAll();
            QTest::keyClicks(gField, step);
        }
    }
    const QString shown = QString::number(gField->isEnabled()) + ' ' + gField->text();
    child<QDialogButtonBox>(*dialog, "buttonBox")->button(which)->click();
    return shown;
}

// A header with a value in each converted field (98.0665 kN is 10 t, 3.048 m
// is 10 ft), and subclass 7: three axles of 10, 5, 5 t, gaps of 10 to 20 ft
// and 5 to 10 ft.
void readDocument(Tarveo &w) {
    w.openFile(testData(QStringLiteral("window/units.conf")));
}

} // namespace

class TestWindowUnits : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        while (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    }

    void documentRedisplayedInEachUnit() {
        Tarveo w;
        readDocument(w);
        w.show();
        // Per-axle fields are numbered by position; the last axle has no gap.
        const QString shown = QStringLiteral(
            "buttonGConstant lineEditMinAvgAxleWeight lineEditGroupMaxDist lineEditMinAxleSpacing "
            "lineEditMaxAxleDist lineEditMinAxleDist lineEditPrepend lineEditMaxGrossWeight "
            "lineEditReclassDownGvw MaxAxleDist1 MinAxleDist2 MaxAxleWeightEdit3 "
            "labelSumMaxAxleWeights labelSumMaxAxleDist labelSumMinAxleDist "
            "lineEditTotalDistanceConstraint lineEditTotalWeightConstraint");
        // Every unit label takes its unit.
        const QString weightLabels = QStringLiteral(
            "labelMinAvgAxleWeight labelMaxGrossWeight labelMaxAxleWeightsEdits "
            "labelTotalWeightConstraint labelAwsl labelReclassUpGvw labelReclassDownGvw "
            "labelCombinedWeightConstraints");
        const QString lengthLabels = QStringLiteral(
            "labelGroupMaxDist labelMinAxleSpacing labelMaxAxleDist labelMinAxleDist labelPrepend "
            "labelAppend labelMaxAxleDists labelMinAxleDists labelTotalDistanceConstraint "
            "labelAdsl");

        const QString before = w.document().to_string();
        Access::receiveUnits(w, Kilonewtons, Feet, 0);
        QCOMPARE(texts(w, shown),
                 QStringLiteral("0|98.07|10.00|20.00|100.00|1.00|1.00|196.13|19.61|"
                                "20.00|5.00|49.03|196.133|30|15|10.0,30.0|"
                                "98.1,3;196.1,7"));
        // Re-displayed, a header field is marked valid.
        QCOMPARE(marks(w, "lineEditGroupMaxDist"), QStringLiteral("lime"));
        QCOMPARE(texts(w, weightLabels).count(QLatin1String(" (kN):")), 8);
        QCOMPARE(texts(w, lengthLabels).count(QLatin1String(" (ft):")), 10);

        Access::receiveUnits(w, Tons, Meters, 9.80665f);
        QCOMPARE(texts(w, shown), QStringLiteral("9.80665|10.00|3.05|6.10|30.48|0.30|0.30|20.00|"
                                                 "2.00|6.10|1.52|5.00|20|9.144|4.572|3.0,9.1|"
                                                 "10.0,3;20.0,7"));
        // The document itself never changes with the units.
        QCOMPARE(w.document().to_string(), before);
    }

    void tonnesWithAnotherGWriteIt() {
        Tarveo w;
        Access::receiveUnits(w, Tons, Meters, 9.81f);
        QCOMPARE(gState(w), QStringLiteral("9.81|9.81|9.81"));
        // Back to the default: the factor follows, the document keeps its g.
        Access::receiveUnits(w, Tons, Meters, 9.80665f);
        QCOMPARE(gState(w), QStringLiteral("9.81|9.80665|9.80665"));
        // Another g only matters for tonnes.
        Tarveo other;
        Access::receiveUnits(other, Pounds, Meters, 9.81f);
        QCOMPARE(gState(other), QStringLiteral("|9.81|0.00444822"));
    }

    void gThatIsNotPositiveIsKept_data() {
        QTest::addColumn<uchar>("from");
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("factor");
        QTest::newRow("emptied field") << uchar(Tons) << 0.0f << 9.81f;
        QTest::newRow("negative") << uchar(Tons) << -9.81f << 9.81f;
        QTest::newRow("not a number")
            << uchar(Tons) << std::numeric_limits<float>::quiet_NaN() << 9.81f;
        // Tonnes at the g the dialog offered, the default; nothing is divided by 0.
        QTest::newRow("from kilonewtons") << uchar(Kilonewtons) << 0.0f << 9.80665f;
    }

    void gThatIsNotPositiveIsKept() {
        QFETCH(uchar, from);
        QFETCH(float, g);
        QFETCH(float, factor);
        Tarveo w;
        readDocument(w);
        Access::receiveUnits(w, from, Meters, 9.81f);
        const QString before = w.document().to_string();

        Access::receiveUnits(w, Tons, Feet, g);
        QCOMPARE(Access::weightFactor(w), factor);
        QCOMPARE(w.document().to_string(), before);
        // The length unit did change.
        QCOMPARE(texts(w, "buttonGConstant lineEditGroupMaxDist labelGroupMaxDist "
                          "labelMinAvgAxleWeight"),
                 QStringLiteral("9.81|10.00|Group max. distance (ft):|Min. avg. axle weight (t):"));
    }

    void fillHeaderFromADocument() {
        Tarveo w;
        readDocument(w);
        Conf &conf = Access::conf(w);
        conf.set_country_code(QStringLiteral("XX"));
        Access::fillHeader(w);
        QCOMPARE(texts(w, "lineEditGroupMaxDist lineEditMinAxleSpacing lineEditMinAvgAxleWeight "
                          "lineEditMaxAxleDist lineEditMinAxleDist lineEditUnclassified "
                          "lineEditUncategorised"),
                 QStringLiteral("3.05|6.10|10.00|30.48|0.30|140|6"));
        QCOMPARE(marks(w, "lineEditCountry lineEditMinAxleSpacing lineEditMinAvgAxleWeight "
                          "lineEditMaxAxleDist"),
                 QStringLiteral("red Enter a two letter ISO code.|lime|lime|lime"));

        // A maximum below a subclass's is yellow, below the minimum red, each
        // with its own tip; a value wider than the field shows its first digits.
        conf.set_max_axle_distance(QStringLiteral("5"));
        Access::fillHeader(w);
        QCOMPARE(marks(w, "lineEditMaxAxleDist"),
                 QStringLiteral("yellow Value is lower than some subclasses."));
        QCOMPARE(child<QLineEdit>(w, "lineEditMaxAxleDist")->cursorPosition(), 0);
        conf.set_max_axle_distance(QStringLiteral("0.1"));
        Access::fillHeader(w);
        QCOMPARE(marks(w, "lineEditMaxAxleDist"),
                 QStringLiteral("red Value must be higher than min axle distance."));
    }

    void fillHeaderGAndTheWeightUnit() {
        const auto fill = [](Tarveo &w, const char *g) {
            Access::conf(w) = Conf();
            Access::conf(w).set_g_acceleration_constant(QString::fromLatin1(g));
            Access::fillHeader(w);
            return gState(w);
        };
        // The file's g is the factor of tonnes only.
        Tarveo kilonewtons;
        Access::receiveUnits(kilonewtons, Kilonewtons, Meters, 0);
        QCOMPARE(fill(kilonewtons, "9.81"), QStringLiteral("9.81|9.81|1"));
        Tarveo w;
        QCOMPARE(fill(w, "9.81"), QStringLiteral("9.81|9.81|9.81"));
        // A next document without a usable g: the button shows the default,
        // the factor stays.
        QCOMPARE(fill(w, ""), QStringLiteral("|9.80665|9.81"));
        QCOMPARE(fill(w, "-1"), QStringLiteral("-1|9.80665|9.81"));
    }

    void copyHeaderIntoTheDocument() {
        Tarveo w;
        Access::receiveUnits(w, Tons, Feet, 9.81f);
        Access::conf(w) = Conf();
        const std::pair<const char *, const char *> typed[] = {
            {"lineEditCountry", "si"},        {"lineEditGroupMaxDist", "10"},
            {"lineEditMinAxleSpacing", "20"}, {"lineEditMinAvgAxleWeight", "2"},
            {"lineEditMaxAxleDist", "30"},    {"lineEditMinAxleDist", "1"},
            {"lineEditUnclassified", "140"},  {"lineEditUncategorised", "6"}};
        for (const auto &[name, value] : typed)
            child<QLineEdit>(w, name)->setText(QString::fromLatin1(value));
        Access::copyHeaderToConf(w);
        QCOMPARE(w.document().to_string(),
                 QStringLiteral("[classes]\ncountry_code=SI\ng_acceleration_constant=9.81\n"
                                "group_max_distance__m=3.048\nmax_axle_distance__m=9.144\n"
                                "min_2axle_truck_spacing__m=6.096\nmin_avg_axle_weight__kN=19.62\n"
                                "min_axle_distance__m=0.3048\nuncategorised_vehicle_category=6\n"
                                "unclassified_vehicle_subclass=140\n\n"));
        // The default g is not written.
        Tarveo plain;
        Access::copyHeaderToConf(plain);
        QVERIFY(!plain.document().get_header().contains(QStringLiteral("g_acceleration_constant")));
    }

    void unitsDialog() {
        // Opened on kilonewtons, feet and a g of 9.81.
        const auto run = [](const QStringList &steps, QDialogButtonBox::StandardButton which) {
            const uchar weight = Kilonewtons, length = Feet;
            const float g = 9.81f;
            MeasurementUnits dialog(nullptr, &weight, &length, &g);
            dialog.show();
            QSignalSpy sent(&dialog, &MeasurementUnits::sendUnits);
            QString result = answerUnits(&dialog, steps, which) + " ->";
            for (const QVariant &value : sent.value(0))
                result += ' ' + QString::number(value.toDouble());
            return result;
        };
        using Box = QDialogButtonBox;
        QCOMPARE(run({}, Box::Ok), QStringLiteral("0  -> 2 1 0"));
        QCOMPARE(run({"radioButtonTons"}, Box::Ok), QStringLiteral("1 9.810000 -> 0 1 9.81"));
        // A typed g outlives another unit; a comma decimal cannot be typed.
        QCOMPARE(run({"radioButtonTons", "9,8", "radioButtonPounds", "radioButtonTons",
                      "radioButtonInches"},
                     Box::Ok),
                 QStringLiteral("1 98.000000 -> 0 2 98"));
        QCOMPARE(run({"radioButtonPounds", "radioButtonMeters"}, Box::Ok),
                 QStringLiteral("0  -> 1 0 0"));
        QCOMPARE(run({"radioButtonTons"}, Box::Cancel), QStringLiteral("1 9.810000 ->"));
    }

    void unitsDialogFromTheWindow() {
        Tarveo w;
        readDocument(w);
        Access::receiveUnits(w, Tons, Meters, 9.81f);
        w.show();
        QString shown;
        const auto answer = [&shown](const QStringList &steps) {
            return std::make_unique<ModalScript>(QStringList{}, [&shown, steps](QWidget *dialog) {
                shown = answerUnits(dialog, steps, QDialogButtonBox::Ok);
            });
        };
        // The dialog opens on the window's units, from the g button or the
        // Configuration menu; OK applies the choice.
        auto script = answer({"radioButtonFeet"});
        child<QPushButton>(w, "buttonGConstant")->click();
        QCOMPARE(shown, QStringLiteral("1 9.810000"));
        script = answer({"radioButtonKN"});
        child<QAction>(w, "actionConfiguration")->trigger();
        QCOMPARE(texts(w, "lineEditGroupMaxDist labelMinAvgAxleWeight"),
                 QStringLiteral("10.00|Min. avg. axle weight (kN):"));
        // Opened with kilonewtons, tonnes offer the default g.
        script = answer({"radioButtonTons"});
        child<QPushButton>(w, "buttonGConstant")->click();
        QCOMPARE(shown, QStringLiteral("1 9.806650"));
        QCOMPARE(Access::weightFactor(w), 9.80665f);
    }
};

QTEST_MAIN(TestWindowUnits)
#include "tst_windowunits.moc"
