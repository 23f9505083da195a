// Review of a classification: two compared in content rather than in text,
// and subclasses whose axle distance windows one vehicle can satisfy both.
#include "model/confdiff.h"
#include "model/numbers.h"
#include "model/overlaps.h"
#include "modeltestsupport.h"

namespace {

// The old file, a five-axle truck and a car, with its text replaced:
// "before>after|before>after".
QByteArray edited(const QString &edits) {
    QByteArray text = readBytes(testData("model/fleet-old.conf"));
    for (const QString &edit : edits.split('|', Qt::SkipEmptyParts))
        text.replace(edit.section('>', 0, 0).toUtf8(), edit.section('>', 1).toUtf8());
    return text;
}

// "number:min-max,min-max" per subclass, the windows per gap; the axle
// count follows from the number of windows.
Conf classification(const QStringList &subclasses) {
    Conf conf;
    for (const QString &entry : subclasses) {
        const QStringList windows = entry.section(':', 1).split(',');
        Subclass s;
        s.set_number_of_axles(QString::number(windows.size() + 1));
        for (int gap = 0; gap < windows.size(); ++gap) {
            s.set_min_distance_at_index(windows[gap].section('-', 0, 0), gap);
            s.set_max_distance_at_index(windows[gap].section('-', 1), gap);
        }
        conf.insert_subclass(entry.section(':', 0, 0).toUInt(), s);
    }
    return conf;
}

// The overlaps found, in the notation above: "first+second:windows".
QStringList found(const QStringList &subclasses) {
    QStringList pairs;
    for (const SubclassOverlap &overlap : Overlaps::find(classification(subclasses))) {
        QStringList windows;
        for (const DistanceWindow &w : overlap.shared)
            windows << Numbers::general(w.min) + '-' + Numbers::general(w.max);
        pairs << QString::number(overlap.first) + '+' + QString::number(overlap.second) + ':' +
                     windows.join(',');
    }
    return pairs;
}

} // namespace

class TestReview : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(discardLog); } // records without weights warn

    void overlappingPairs_data() {
        QTest::addColumn<QStringList>("subclasses");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const QStringList &subclasses,
                            const QStringList &expected) {
            QTest::newRow(name) << subclasses << expected;
        };
        row("shared at every gap", {"4:3-4.5,1.2-1.5", "9:4-5,1.4-1.6"}, {"4+9:4-4.5,1.4-1.5"});
        row("touching windows share a value", {"3:2.2-3.2", "20:3.2-6"}, {"3+20:3.2-3.2"});
        // The sweep starts from the lowest first-gap minimum, whatever the numbers.
        row("wide window sorted later", {"1:5-6", "2:1-9", "3:8-9"}, {"1+2:5-6", "2+3:8-9"});
        row("no vehicle: zero, missing or reversed", {"1:0-3", "2:1-", "3:3-1", "4:1-3", "5:2-4"},
            {"4+5:2-3"});
    }

    void overlappingPairs() {
        QFETCH(QStringList, subclasses);
        QTEST(found(subclasses), "expected");
    }

    // The sweep finds what comparing every pair, window by window, finds.
    void sweepMatchesEveryPair() {
        QRandomGenerator random(3);
        constexpr int Count = 600;
        QVector<QVector<QPair<int, int>>> windows(Count); // in tenths of a metre
        QStringList subclasses;
        const auto text = [](int min, int max) {
            return Numbers::general(min / 10.0) + '-' + Numbers::general(max / 10.0);
        };
        for (int n = 0; n < Count; ++n) {
            QStringList gaps;
            for (int g = 0; g <= n % 3; ++g) {
                const int min = 10 + random.bounded(90);
                windows[n] << qMakePair(min, min + random.bounded(25));
                gaps << text(min, windows[n].last().second);
            }
            subclasses << QStringLiteral("%1:%2").arg(n + 1).arg(gaps.join(','));
        }
        QStringList expected;
        for (int a = 0; a < Count; ++a) {
            for (int b = a + 3; b < Count; b += 3) { // the same number of gaps
                QStringList shared;
                for (int g = 0; g < windows[a].size(); ++g) {
                    const int lo = qMax(windows[a][g].first, windows[b][g].first);
                    const int hi = qMin(windows[a][g].second, windows[b][g].second);
                    if (lo <= hi)
                        shared << text(lo, hi);
                }
                if (shared.size() == windows[a].size())
                    expected
                        << QStringLiteral("%1+%2:%3").arg(a + 1).arg(b + 1).arg(shared.join(','));
            }
        }
        QVERIFY(expected.size() > Count / 10);
        QCOMPARE(found(subclasses), expected);
    }

    void changes_data() {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const QString &edits, const QStringList &expected) {
            QTest::newRow(name) << edits << expected;
        };
        row("equal in content",
            "max_GVW__kN=400>max_GVW__kN=400.00|12.0>12|4.5,9>4.50,09.|adsl_1=3+4:1.2,1.5\n"
            "adsl_2=4+5:1.2,1.5>adsl_1=4+5:1.20,1.5\nadsl_2=3+4:1.2,1.50|[subclass_3]>"
            "[subclass_003]|country_code=SI>country_code = SI",
            {});
        row("header", "2.10>2.1|max_axle_distance__m=12.0>min_axle_distance__m=0.8",
            {"header classification_version 2.10 -> 2.1 changed",
             "header max_axle_distance__m 12.0 ->  removed",
             "header min_axle_distance__m  -> 0.8 added"});
        row("plain values and per-axle entries",
            "Truck 07>Truck 7|max_GVW__kN=400>max_GVW__kN=410|1,2,3,3,3>1,2,2,3,3|"
            "2,115>2,11.5|4.5,9>4.5,8|3,5,1.2,1.2>3,5,1.2,",
            {"subclass 4: alias Truck 07 -> Truck 7 changed",
             "subclass 4: max_GVW__kN 400 -> 410 changed",
             "subclass 4: tyre_type, axle 3 3 -> 2 changed",
             "subclass 4: max_axle_weight__kN, axle 2 115 -> 11.5 changed",
             "subclass 4: max_axle_distance__m, axles 2-3 9 -> 8 changed",
             "subclass 4: min_axle_distance__m, axles 4-5 1.2 ->  removed"});
        row("constraints as a collection",
            "3+4+5,240>3+4+5,250|adsl_2=4+5:1.2,1.5>adsl_2=3+4:1.2,1.5\nadsl_3=4+5:1.2,1.5\n"
            "awsl_1=2+3:100,5;180,6",
            {"subclass 4: max_axle_weight__kN 3+4+5,240 -> 3+4+5,250 changed",
             "subclass 4: adsl  -> 3+4:1.2,1.5 added",
             "subclass 4: awsl  -> 2+3:100,5;180,6 added"});
        row("lines kept as they stand", "Truck 07\n>Truck 07\nnote=x\nUpper_GVW_limit__kN=420\n",
            {"subclass 4: Upper_GVW_limit__kN  -> 420 added", "subclass 4: note  -> x added"});
        // Only the entries the writer writes count: a third tyre type and a
        // second distance of a two-axle car are not in use.
        row("spare entries", "tyre_type=1,1\n>tyre_type=1,1,4\n|=3.5\n>=3.5,7\n", {});
        row("more axles",
            "axles=2>axles=3|=1,1\n>=1,1,1\n|2,20\n>2,20;3,10\n|=3.5\n>=3.5,1.5\n|=2.2\n>=2.2,1\n",
            {"subclass 3: number_of_axles 2 -> 3 changed",
             "subclass 3: tyre_type, axle 3  -> 1 added",
             "subclass 3: max_axle_weight__kN, axle 3  -> 10 added",
             "subclass 3: max_axle_distance__m, axles 2-3  -> 1.5 added",
             "subclass 3: min_axle_distance__m, axles 2-3  -> 1 added"});
    }

    void changes() {
        QFETCH(QString, edits);
        const char *const kinds[] = {"added", "removed", "changed"};
        QStringList lines;
        for (const ConfChange &c :
             ConfDiff::compare(files.read(edited("")), files.read(edited(edits))))
            lines << ConfDiff::where(c) + ' ' + c.oldValue + " -> " + c.newValue + ' ' +
                         kinds[int(c.kind)];
        QTEST(lines, "expected");
    }

    // Beside what the changes above show equal or changed.
    void sameContent_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        const auto row = [](const char *name, const char *field, const char *a, const char *b,
                            bool same) {
            QTest::newRow(name) << QString(field) << QString(a) << QString(b) << same;
        };
        row("leading point", "append__m", ".5", "0.5", true);
        row("blanks around", "category", " 5", "5", true);
        row("exponent is no number", "max_GVW__kN", "1e3", "1000", false);
        row("sign stays", "prepend__m", "-1", "1", false);
        row("numbered constraint", "adsl_2", "1+2:3.50,4", "1+2:3.5,4", true);
    }

    void sameContent() {
        QFETCH(QString, field);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QTEST(ConfDiff::sameContent(field, a, b), "same");
    }

private:
    TestFiles files;
};

QTEST_GUILESS_MAIN(TestReview)
#include "tst_review.moc"
