// Findings: why a subclass or a header field is invalid, in the editor's words.
#include "model/findings.h"
#include "model/messages.h"
#include "modeltestsupport.h"

namespace {

const QString HeaderMin = QStringLiteral("0.8");
const QString HeaderMax = QStringLiteral("12");

// A valid three-axle truck with some keys changed.
Subclass truck(const QString &changes) {
    return Subclass(withKeys({{"subclass", "11"}},
                             "axle_configuration=H2S1|category=5|max_GVW__kN=300|number_of_axles=3|"
                             "tyre_type=1,2,2|max_axle_weight__kN=1,70;2,100;3,100|"
                             "min_axle_distance__m=3,1.2|max_axle_distance__m=5,1.5|" +
                                 changes));
}

QStringList described(const QVector<Finding> &findings) {
    QStringList lines;
    for (const Finding &f : findings)
        lines << (f.severity == Finding::Severity::Warning ? "warning: " : "") +
                     Findings::describe(f);
    return lines;
}

// A document whose header sets the axle distance bounds the subclasses meet.
Conf bounds(const QString &min, const QString &max) {
    Conf conf;
    conf.set_min_axle_distance(min);
    conf.set_max_axle_distance(max);
    return conf;
}

QString m(const char *message) {
    return Messages::text(message);
}

} // namespace

class TestFindings : public QObject {
    Q_OBJECT

private slots:
    // The checks warn about missing list entries; the findings say it better.
    void initTestCase() { qInstallMessageHandler(discardLog); }

    void subclassFindings_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QStringList>("expected");
        // Each finding of subclass 11: where, and why.
        const auto row = [](const char *name, const char *changes, QStringList expected) {
            for (QString &line : expected)
                line = line.startsWith("warning: ") ? line.insert(9, "subclass 11: ")
                                                    : line.prepend("subclass 11: ");
            QTest::newRow(name) << QString(changes) << expected;
        };
        const QString min =
            "min. distance between axles %1 and %2: " + m(Messages::MinDistanceRange);
        const QString max =
            "max. distance between axles %1 and %2: " + m(Messages::MaxDistanceRange);
        row("valid", "", {});
        row("tyre type", "tyre_type=1,7,2", {"tyre type of axle 2: " + m(Messages::TyreRange)});
        row("weight zero", "max_axle_weight__kN=1,70;2,0;3,100",
            {"max. axle weight of axle 2: " + m(Messages::AboveZero)});
        row("minimum above maximum", "min_axle_distance__m=3,1.6",
            {min.arg(2).arg(3), max.arg(2).arg(3)});
        row("maximum above the header's", "max_axle_distance__m=13,1.5", {max.arg(1).arg(2)});
        row("minimum below the header's", "min_axle_distance__m=0.5,1.2", {min.arg(1).arg(2)});
        row("uneven distance lists", "min_axle_distance__m=3",
            {"axle distances: " + m(Messages::DistanceCountsDiffer), min.arg(2).arg(3)});
        row("empty category and gross weight", "category=|max_GVW__kN=",
            {"category: " + m(Messages::NotEmpty), "max. GVW: " + m(Messages::NotEmpty)});
        // 2.5 is no whole number: no axle is looked at, and H2S1 has 3.
        row("axle count", "number_of_axles=2.5",
            {"number of axles: " + m(Messages::NumberOfAxles),
             "axle configuration: " + m(Messages::AxleConfiguration)});
        row("constraints",
            "adsl_1=1+2:3,4|adsl_2=1+12:3,4|awsl_1=2+3:100,5.5;180,6|awsl_0=50,3|adsl_0=10,20",
            {"combined axle distance constraint 2: " + m(Messages::DistanceConstraintFormat),
             "combined axle weight constraint with classes 1: " +
                 m(Messages::WeightConstraintFormat),
             "total weight constraint: " + m(Messages::TotalWeightFormat)});
        // Valid, yet on an axle the truck does not have: a warning.
        row("constraint on a missing axle", "adsl_1=1+4:3,4",
            {"warning: combined axle distance constraint 1: " + m(Messages::MissingAxle)});
    }

    // And the first of them, on one line, is the reason the report and the
    // overview give.
    void subclassFindings() {
        QFETCH(QString, changes);
        QFETCH(QStringList, expected);
        const Conf header = bounds(HeaderMin, HeaderMax);
        const QVector<Finding> findings = Findings::ofSubclass(header, truck(changes));
        QCOMPARE(described(findings), expected);
        QString reason;
        for (const Finding &finding : findings)
            if (finding.severity == Finding::Severity::Error && reason.isEmpty())
                reason = Findings::describe(finding).section(": ", 1).replace('\n', ' ');
        QCOMPARE(Findings::firstReason(header, truck(changes)), reason);
    }

    // Whatever a record holds, the findings, made of the per-field checks
    // the editor marks fields with, are errors, and there are some exactly
    // when the judgement (which re-judges by comparing numbers) finds the
    // record invalid.
    void errorsExactlyWhenTheJudgementFails() {
        const QStringList numbers{"",  "0", "1", "2",   "2.2", "3.5",
                                  "4", "9", "x", "nan", "-1",  "1e9"};
        const QStringList constraints{"1+2,150", "1,150", "3:1,2", "10,20", "50,3;400,7"};
        QRandomGenerator random(3);
        const auto pick = [&random](const QStringList &texts) {
            return texts.at(random.bounded(texts.size()));
        };
        using Setter = void (Subclass::*)(const QString &, int);
        const Setter entrySetters[] = {
            &Subclass::set_min_distance_at_index, &Subclass::set_max_distance_at_index,
            &Subclass::set_max_axle_weight_at_index, &Subclass::set_tyre_type_at_index};
        int valid = 0;
        constexpr int Records = 10000;
        for (int round = 0; round < Records; ++round) {
            Subclass s = twoAxles(random.bounded(8) ? "" : pick({"category=", "max_GVW__kN="}));
            const QString axles = pick({"2", "2", "2", "3", "0", "1", "21", "2.5", ""});
            s.set_number_of_axles(axles);
            if (random.bounded(2))
                s.set_axle_configuration("C" + axles);
            for (int i = random.bounded(3); i > 0; --i)
                (s.*entrySetters[random.bounded(4)])(pick(numbers), random.bounded(4));
            if (random.bounded(4) == 0)
                s.set_constraint_at_index(pick(constraints), -1, pick({"default", "adsl", "awsl"}));
            if (random.bounded(6) == 0)
                s.set_adsl_0(pick(constraints));
            if (random.bounded(6) == 0)
                s.set_awsl_0(pick(constraints));
            const QString min = pick(numbers);
            const QString max = random.bounded(2) ? "9" : pick(numbers);
            const bool judged = s.is_valid(min, max);
            QVector<Finding> findings = Findings::ofSubclass(bounds(min, max), s);
            // Warnings (a constraint on an axle the subclass lacks) leave it valid.
            findings.erase(std::remove_if(findings.begin(), findings.end(),
                                          [](const Finding &f) {
                                              return f.severity == Finding::Severity::Warning;
                                          }),
                           findings.end());
            QVERIFY2(findings.isEmpty() == judged,
                     qPrintable(s.to_string() + described(findings).join('\n')));
            valid += judged;
        }
        // Both outcomes must be common for the comparison to mean anything.
        QVERIFY2(valid > Records / 50 && valid < Records * 9 / 10,
                 qPrintable(QString::number(valid)));
    }

    void headerFindings_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("expected");
        const QString h = "header %1: ";
        // Later keys replace the valid ones in the INI reader.
        const QString valid = "country_code=SI\ngroup_max_distance__m=30\nmax_axle_distance__m=12\n"
                              "min_axle_distance__m=0.8\nunclassified_vehicle_subclass=140\n";
        QTest::newRow("valid") << valid << QStringList();
        QTest::newRow("maximum below a subclass")
            << valid + "max_axle_distance__m=4"
            << QStringList{"warning: header max_axle_distance__m: " +
                           m(Messages::MaxAxleDistanceBelowSubclass)};
        // Only a key that is there can have a wrong value.
        QTest::newRow("keys missing")
            << "country_code=SI\nmin_axle_distance__m=0.8\ngroup_max_distance__m="
            << QStringList{h.arg("group_max_distance__m") + m(Messages::AboveZero),
                           h.arg("max_axle_distance__m") + m(Messages::KeyMissing),
                           h.arg("min_axle_distance__m") + m(Messages::MinAxleDistanceAboveMax)};
        QTest::newRow("every field")
            << valid + "country_code=XX\ng_acceleration_constant=0\nmax_axle_distance__m=0.5\n"
                       "group_max_distance__m=0\nunclassified_vehicle_subclass=11\n"
                       "uncategorised_vehicle_category=5"
            << QStringList{
                   h.arg("country_code") + m(Messages::CountryCode),
                   h.arg("group_max_distance__m") + m(Messages::AboveZero),
                   h.arg("max_axle_distance__m") + m(Messages::MaxAxleDistanceBelowMin),
                   h.arg("min_axle_distance__m") + m(Messages::MinAxleDistanceAboveMax),
                   h.arg("unclassified_vehicle_subclass") + m(Messages::UnclassifiedIsSubclass),
                   h.arg("uncategorised_vehicle_category") + m(Messages::UncategorisedTooLow),
                   h.arg("g_acceleration_constant") + m(Messages::AboveZero)};
    }

    void headerFindings() {
        QFETCH(QString, header);
        const Conf conf =
            files.read("[classes]\n" + header.toUtf8() + "\n\n" + truck("").to_string().toUtf8());
        QTEST(described(Findings::ofHeader(conf)), "expected");
    }

    void reclassificationTargets() {
        Conf conf;
        conf.insert_subclass(12, truck(""));
        conf.insert_subclass(13, twoAxles("", "13"));
        const QString warning =
            "warning: subclass 11: reclassify %1 to subclass: " + m(Messages::ReclassifyTarget);
        // None, the same axle count; another axle count, a missing subclass, no number.
        for (const QString target : {"", "12", "13", "99", "abc"})
            QCOMPARE(described(Findings::ofReclassification(
                                   conf, truck("reclassify_up_to_subclass=" + target)) +
                               Findings::ofReclassification(
                                   conf, truck("reclassify_down_to_subclass=" + target))),
                     (target.isEmpty() || target == "12"
                          ? QStringList()
                          : QStringList{warning.arg("up"), warning.arg("down")}));
    }

private:
    TestFiles files;
};

QTEST_GUILESS_MAIN(TestFindings)
#include "tst_findings.moc"
