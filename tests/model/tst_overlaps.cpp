// Subclasses whose axle distance windows one vehicle can satisfy both.
#include "model/numbers.h"
#include "model/overlaps.h"
#include "modeltestsupport.h"

namespace {

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

void discardLog(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

class TestOverlaps : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(discardLog); } // records without weights warn

    void pairs_data() {
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

    void pairs() {
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
};

QTEST_GUILESS_MAIN(TestOverlaps)
#include "tst_overlaps.moc"
