// Subclasses whose axle distance windows one vehicle can satisfy both.
#include "model/numbers.h"
#include "model/overlaps.h"
#include "modeltestsupport.h"

#include <QRandomGenerator>

namespace {

// "number:min-max,min-max" per subclass, the windows per gap; the axle
// count follows from the number of windows.
Conf classification(const QStringList &subclasses) {
    Conf conf;
    for (const QString &entry : subclasses) {
        QStringList mins;
        QStringList maxs;
        for (const QString &window : entry.section(':', 1).split(',')) {
            mins << window.section('-', 0, 0);
            maxs << window.section('-', 1);
        }
        const QString number = entry.section(':', 0, 0);
        conf.insert_subclass(number.toUInt(),
                             Subclass(withKeys({}, QStringLiteral("subclass=%1|number_of_axles=%2|"
                                                                  "min_axle_distance__m=%3|"
                                                                  "max_axle_distance__m=%4")
                                                       .arg(number)
                                                       .arg(mins.size() + 1)
                                                       .arg(mins.join(','), maxs.join(',')))));
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
        pairs << QStringLiteral("%1+%2:%3")
                     .arg(overlap.first)
                     .arg(overlap.second)
                     .arg(windows.join(','));
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
        row("apart at the second gap", {"4:3-4.5,1.2-1.5", "9:4-5,1.6-1.8"}, {});
        row("touching windows share a value", {"3:2.2-3.2", "20:3.2-6"}, {"3+20:3.2-3.2"});
        row("other axle counts are apart", {"2:2-3", "5:2-3,1-2"}, {});
        row("lowest numbers first", {"30:1-5", "10:2-3", "20:2.5-6", "40:7-8"},
            {"10+20:2.5-3", "10+30:2-3", "20+30:2.5-5"});
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
        QVector<QStringList> windows;
        QStringList subclasses;
        constexpr int Count = 600;
        for (int n = 1; n <= Count; ++n) {
            windows.append(QStringList());
            for (int g = 0, gaps = 1 + n % 3; g < gaps; ++g) {
                const int min = 10 + random.bounded(90);
                windows.last() << QStringLiteral("%1-%2")
                                      .arg(min / 10.0)
                                      .arg((min + random.bounded(25)) / 10.0);
            }
            subclasses << QStringLiteral("%1:%2").arg(n).arg(windows.last().join(','));
        }
        QStringList expected;
        for (int a = 0; a < Count; ++a) {
            for (int b = a + 3; b < Count; b += 3) { // the same number of gaps
                QStringList shared;
                for (int g = 0; g < windows[a].size(); ++g) {
                    const auto bound = [&](int n, int side) {
                        return windows[n][g].section('-', side, side).toDouble();
                    };
                    const double lo = qMax(bound(a, 0), bound(b, 0));
                    const double hi = qMin(bound(a, 1), bound(b, 1));
                    if (lo <= hi)
                        shared << Numbers::general(lo) + '-' + Numbers::general(hi);
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
