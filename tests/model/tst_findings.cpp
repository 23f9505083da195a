// Findings: why a subclass or a header field is invalid, in the editor's words.
#include "model/conf.h"
#include "model/findings.h"
#include "modeltestsupport.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Table = QMap<QString, QString>;

const QString HeaderMin = QStringLiteral("0.8");
const QString HeaderMax = QStringLiteral("12");

// A valid three-axle truck with some keys changed ("key=value|key=value").
Subclass truck(const QString &changes) {
    Table table{{"subclass", "11"},
                {"axle_configuration", "H2S1"},
                {"category", "5"},
                {"max_GVW__kN", "300"},
                {"number_of_axles", "3"},
                {"tyre_type", "1,2,2"},
                {"max_axle_weight__kN", "1,70;2,100;3,100"},
                {"min_axle_distance__m", "3,1.2"},
                {"max_axle_distance__m", "5,1.5"}};
    for (const QString &change : changes.split('|', Qt::SkipEmptyParts))
        table.insert(change.section('=', 0, 0), change.section('=', 1));
    return Subclass(table);
}

QStringList described(const QVector<Finding> &findings) {
    QStringList lines;
    for (const Finding &f : findings)
        lines << (f.severity == Finding::Severity::Warning ? "warning: " : "") +
                     Findings::describe(f);
    return lines;
}

bool hasError(const QVector<Finding> &findings) {
    return std::any_of(
        findings.cbegin(), findings.cend(),
        [](const Finding &f) { return f.severity == Finding::Severity::Error; });
}

// One of the texts, picked at random.
QString pick(QRandomGenerator &random, const QStringList &texts) {
    return texts.at(random.bounded(texts.size()));
}

// Usually the usual text, one time in RareShare one of the rare ones.
constexpr int RareShare = 12;
QString often(QRandomGenerator &random, const QString &usual, const QStringList &rare) {
    return random.bounded(RareShare) == 0 ? pick(random, rare) : usual;
}

// n entries joined by sep ("%1" in the entry stands for the place, from 1),
// each usually valid, and sometimes one too few or too many.
QString entries(QRandomGenerator &random, int n, const QString &entry, const QStringList &rare,
                const QString &sep = ",") {
    QStringList list;
    const int count = n + (random.bounded(RareShare) == 0 ? random.bounded(-1, 2) : 0);
    for (int i = 0; i < count; ++i)
        list << QString(entry)
                    .replace("%1", QString::number(i + 1))
                    .replace("%v", often(random, pick(random, {"1", "2", "3"}), rare));
    return list.join(sep);
}

void discardLog(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

class TestFindings : public QObject {
    Q_OBJECT

private slots:
    // The checks warn about missing list entries; the findings say it better.
    void initTestCase() { qInstallMessageHandler(discardLog); }

    void subclassFindings_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QStringList>("expected");
        const QString s = "subclass 11: ";
        const QString minRange = "Value must be lower than corresponding max distance and "
                                 "between min and max distances in header.";
        const QString maxRange = "Value must be higher than corresponding min distance and "
                                 "between min and max distances in header.";
        const QString refman = "Consult Kestrune refman for proper format";
        QTest::newRow("valid") << "" << QStringList();
        QTest::newRow("tyre type")
            << "tyre_type=1,7,2"
            << QStringList{s + "tyre type of axle 2: Valid types are between 1 and 4"};
        QTest::newRow("weight zero") << "max_axle_weight__kN=1,70;2,0;3,100"
                                     << QStringList{s + "max. axle weight of axle 2: Value must "
                                                        "be higher than 0."};
        QTest::newRow("minimum above maximum")
            << "min_axle_distance__m=3,1.6"
            << QStringList{s + "min. distance between axles 2 and 3: " + minRange,
                           s + "max. distance between axles 2 and 3: " + maxRange};
        QTest::newRow("maximum above the header's")
            << "max_axle_distance__m=13,1.5"
            << QStringList{s + "max. distance between axles 1 and 2: " + maxRange};
        QTest::newRow("minimum below the header's")
            << "min_axle_distance__m=0.5,1.2"
            << QStringList{s + "min. distance between axles 1 and 2: " + minRange};
        QTest::newRow("uneven distance lists")
            << "min_axle_distance__m=3"
            << QStringList{s + "axle distances: The file gives a different number of min and "
                               "max axle distances.",
                           s + "min. distance between axles 2 and 3: " + minRange};
        QTest::newRow("empty category and gross weight")
            << "category=|max_GVW__kN="
            << QStringList{s + "category: Value must not be empty.",
                           s + "max. GVW: Value must not be empty."};
        // 2.5 is no whole number: no axle is looked at, and H2S1 has 3.
        QTest::newRow("axle count") << "number_of_axles=2.5"
                                    << QStringList{s + "number of axles: Value must be between "
                                                       "2 and 20",
                                                   s + "axle configuration: Proper format is "
                                                       "XaYb where X must be one of:\nA=tractor, "
                                                       "B=bus, C=car, H=heavy truck, L=light "
                                                       "truck, M=motorbike, V=van\nand Y is one "
                                                       "of (D=dolly, T=trailer, S=semi-trailer)."
                                                       "\na and b represent the number of axles "
                                                       "on the part and must be equal to number "
                                                       "of axles."};
        QTest::newRow("constraints")
            << "adsl_1=1+2:3,4|adsl_2=1+12:3,4|awsl_1=2+3:100,5.5;180,6|awsl_0=50,3|adsl_0=10,20"
            << QStringList{s + "combined axle distance constraint 2: " + refman,
                           s + "combined axle weight constraint with classes 1: " + refman,
                           s + "total weight constraint: " + refman};
    }

    void subclassFindings() {
        QFETCH(QString, changes);
        QFETCH(QStringList, expected);
        const Subclass record = truck(changes);
        QCOMPARE(described(Findings::ofSubclass(record, HeaderMin, HeaderMax)), expected);
    }

    void findingsAndFieldKeys() {
        Subclass record = truck("tyre_type=1,2,9");
        record.set_constraint_at_index("1,150", -1, ConstraintType::Default);
        const QVector<Finding> findings = Findings::ofSubclass(record, HeaderMin, HeaderMax);
        QCOMPARE(findings.size(), 2);
        QCOMPARE(findings[0].field, QStringLiteral("tyre_type"));
        QCOMPARE(findings[0].place, FieldPlace::Axle);
        QCOMPARE(findings[0].index, 3);
        QCOMPARE(findings[0].value, QStringLiteral("9"));
        QCOMPARE(Findings::describe(findings[1]),
                 QStringLiteral("subclass 11: combined axle weight constraint 1: Proper format is "
                                "{a1+a2+...an,c} where a are axles and c is a real value "
                                "representing maximum combined weight."));
        QCOMPARE(findings[1].field, QStringLiteral("max_axle_weight__kN"));
        QCOMPARE(findings[1].place, FieldPlace::Row);
    }

    // Whatever a file holds, a subclass has an error exactly when the
    // editor lists it as invalid.
    void errorsExactlyWhenTheCheckFails() {
        QRandomGenerator random(14);
        const QStringList configurations{"C2", "H2S1", "H3S2", "X2", ""};
        const QStringList badNumbers{"0", "5", "", "x", "13"};
        int invalid = 0;
        constexpr int Records = 3000;
        for (int r = 0; r < Records; ++r) {
            const int kind = random.bounded(3); // 2, 3 or 5 axles, the configuration to match
            const QString axles =
                often(random, QStringList{"2", "3", "5"}.at(kind), {"1", "21", "2.5", ""});
            const int n = axles.toInt();
            Table table{
                {"subclass", "1"},
                {"number_of_axles", axles},
                {"tyre_type", entries(random, n, "%v", badNumbers)},
                {"max_axle_weight__kN",
                 entries(random, n, "%1,7%v", {"0"}, ";") + often(random, "", {";1+2,150"})},
                {"min_axle_distance__m", entries(random, n - 1, "%v", badNumbers)},
                {"max_axle_distance__m", entries(random, n - 1, "4.%v", badNumbers)},
                {"category", often(random, "5", {""})},
                {"max_GVW__kN", often(random, "300", {""})},
                {"axle_configuration", often(random, configurations.at(kind), configurations)},
                {"adsl_0", often(random, "", {"10,20", "10"})},
                {"awsl_1", often(random, "2+3:100,5;180,6", {"", "2+3:100,5"})}};
            const Subclass record(table);
            const QString min = often(random, "0.8", {"", "2"});
            const QString max = often(random, "12", {"", "4"});
            const QVector<Finding> findings = Findings::ofSubclass(record, min, max);
            const bool valid = record.is_valid(min, max);
            QVERIFY2(hasError(findings) != valid,
                     qPrintable(record.to_string() + described(findings).join('\n')));
            invalid += valid ? 0 : 1;
        }
        // Both outcomes must be common for the comparison to mean anything.
        QVERIFY2(invalid > Records / 10 && invalid < Records * 9 / 10,
                 qPrintable(QString::number(invalid)));
    }

    void headerFindings_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("valid") << "" << QStringList();
        QTest::newRow("country and gravity")
            << "country_code=XX\ng_acceleration_constant=0"
            << QStringList{"header country_code: Enter a two letter ISO code.",
                           "header g_acceleration_constant: Value must be higher than 0."};
        QTest::newRow("maximum below a subclass")
            << "max_axle_distance__m=4"
            << QStringList{"warning: header max_axle_distance__m: Value is lower than some "
                           "subclasses."};
        QTest::newRow("maximum below the minimum")
            << "max_axle_distance__m=0.5"
            << QStringList{"header max_axle_distance__m: Value must be higher than min axle "
                           "distance.",
                           "header min_axle_distance__m: Value must not be higher than max "
                           "axle distance."};
        QTest::newRow("group, unclassified, uncategorised")
            << "group_max_distance__m=0\nunclassified_vehicle_subclass=11\n"
               "uncategorised_vehicle_category=5"
            << QStringList{"header group_max_distance__m: Value must be higher than 0.",
                           "header unclassified_vehicle_subclass: Value must not be the number "
                           "of an existing subclass.",
                           "header uncategorised_vehicle_category: Value must be empty or at "
                           "least 6."};
    }

    void headerFindings() {
        QFETCH(QString, header);
        QFETCH(QStringList, expected);
        // Later keys replace the valid ones in the INI reader.
        const QString path = dir.filePath("header.conf");
        QVERIFY(writeBytes(path, "[classes]\ncountry_code=SI\ngroup_max_distance__m=30\n"
                                 "max_axle_distance__m=12\nmin_axle_distance__m=0.8\n"
                                 "unclassified_vehicle_subclass=140\n" +
                                     header.toUtf8() + "\n\n" + truck("").to_string().toUtf8()));
        QCOMPARE(described(Findings::ofHeader(Conf(path, nullptr))), expected);
    }

    void reclassificationTargets_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("warned");
        QTest::newRow("none") << "" << false;
        QTest::newRow("same axle count") << "12" << false;
        QTest::newRow("other axle count") << "13" << true;
        QTest::newRow("missing subclass") << "99" << true;
        QTest::newRow("no number") << "abc" << true;
    }

    void reclassificationTargets() {
        QFETCH(QString, target);
        QFETCH(bool, warned);
        Conf conf;
        Subclass same = truck("");
        same.set_number(12);
        conf.insert_subclass(12, same);
        conf.insert_subclass(13, Subclass(completeTwoAxleTable("13")));
        const QVector<Finding> up =
            Findings::ofReclassification(conf, truck("reclassify_up_to_subclass=" + target));
        const QVector<Finding> down =
            Findings::ofReclassification(conf, truck("reclassify_down_to_subclass=" + target));
        QCOMPARE(up.size() + down.size(), warned ? 2 : 0);
        if (warned)
            QCOMPARE(described(up + down),
                     (QStringList{"warning: subclass 11: reclassify up to subclass: Subclass must "
                                  "exist and have the same number of axles as current.",
                                  "warning: subclass 11: reclassify down to subclass: Subclass "
                                  "must exist and have the same number of axles as current."}));
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestFindings)
#include "tst_findings.moc"
