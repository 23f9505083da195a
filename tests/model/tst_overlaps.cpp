// Subclasses whose axle distance windows one vehicle can satisfy both.
#include "model/conf.h"
#include "model/numbers.h"
#include "model/overlaps.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// "number:min-max,min-max" per subclass, the windows per gap; the axle
// count follows from the number of windows.
Conf classification(const QStringList &subclasses) {
    Conf conf;
    for (const QString &entry : subclasses) {
        QStringList mins;
        QStringList maxs;
        const QStringList windows = entry.section(':', 1).split(',');
        for (const QString &window : windows) {
            mins << window.section('-', 0, 0);
            maxs << window.section('-', 1);
        }
        const QString number = entry.section(':', 0, 0);
        conf.insert_subclass(number.toUInt(),
                             Subclass({{"subclass", number},
                                       {"number_of_axles", QString::number(windows.size() + 1)},
                                       {"max_axle_weight__kN", "1,1"},
                                       {"min_axle_distance__m", mins.join(',')},
                                       {"max_axle_distance__m", maxs.join(',')}}));
    }
    return conf;
}

QString text(const SubclassOverlap &overlap) {
    QStringList windows;
    for (const DistanceWindow &w : overlap.shared)
        windows << Numbers::general(w.min) + '-' + Numbers::general(w.max);
    return QStringLiteral("%1+%2:%3").arg(overlap.first).arg(overlap.second).arg(windows.join(','));
}

QStringList found(const Conf &conf) {
    QStringList pairs;
    for (const SubclassOverlap &overlap : Overlaps::find(conf))
        pairs << text(overlap);
    return pairs;
}

void discardLog(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

class TestOverlaps : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(discardLog); } // "Received empty weights..."

    void pairs_data() {
        QTest::addColumn<QStringList>("subclasses");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("shared at every gap")
            << QStringList{"4:3-4.5,1.2-1.5", "9:4-5,1.4-1.6"} << QStringList{"4+9:4-4.5,1.4-1.5"};
        QTest::newRow("apart at the second gap")
            << QStringList{"4:3-4.5,1.2-1.5", "9:4-5,1.6-1.8"} << QStringList();
        QTest::newRow("touching windows share a value")
            << QStringList{"3:2.2-3.2", "20:3.2-6"} << QStringList{"3+20:3.2-3.2"};
        QTest::newRow("other axle counts are apart")
            << QStringList{"2:2-3", "5:2-3,1-2"} << QStringList();
        QTest::newRow("lowest numbers first")
            << QStringList{"30:1-5", "10:2-3", "20:2.5-6", "40:7-8"}
            << QStringList{"10+20:2.5-3", "10+30:2-3", "20+30:2.5-5"};
        // The sweep starts from the lowest first-gap minimum, whatever the numbers.
        QTest::newRow("wide window sorted later")
            << QStringList{"1:5-6", "2:1-9", "3:8-9"} << QStringList{"1+2:5-6", "2+3:8-9"};
        QTest::newRow("no vehicle: zero, missing or reversed")
            << QStringList{"1:0-3", "2:1-", "3:3-1", "4:1-3", "5:2-4"} << QStringList{"4+5:2-3"};
    }

    void pairs() {
        QFETCH(QStringList, subclasses);
        QFETCH(QStringList, expected);
        QCOMPARE(found(classification(subclasses)), expected);
    }

    // The sweep finds what comparing every pair finds.
    void sweepMatchesEveryPair() {
        QRandomGenerator random(3);
        QStringList subclasses;
        constexpr int Count = 600;
        for (int n = 1; n <= Count; ++n) {
            QStringList windows;
            for (int g = 0, gaps = 1 + n % 3; g < gaps; ++g) {
                const int min = 10 + random.bounded(90);
                windows << QStringLiteral("%1-%2")
                               .arg(min / 10.0)
                               .arg((min + random.bounded(25)) / 10.0);
            }
            subclasses << QStringLiteral("%1:%2").arg(n).arg(windows.join(','));
        }
        const Conf conf = classification(subclasses);
        QStringList expected;
        const QVector<quint32> numbers = conf.get_subclass_numbers();
        for (int a = 0; a < numbers.size(); ++a) {
            const Subclass &x = conf.get_subclass(numbers[a]);
            for (int b = a + 1; b < numbers.size(); ++b) {
                const Subclass &y = conf.get_subclass(numbers[b]);
                if (x.get_number_of_axles() != y.get_number_of_axles())
                    continue;
                SubclassOverlap overlap{numbers[a], numbers[b], {}};
                for (int g = 0; g < x.get_number_of_axles().toInt() - 1; ++g) {
                    const float lo = qMax(x.get_min_distance_at_index(g).toFloat(),
                                          y.get_min_distance_at_index(g).toFloat());
                    const float hi = qMin(x.get_max_distance_at_index(g).toFloat(),
                                          y.get_max_distance_at_index(g).toFloat());
                    overlap.shared << DistanceWindow{lo, hi};
                    if (lo > hi)
                        overlap.shared.clear();
                    if (overlap.shared.isEmpty())
                        break;
                }
                if (!overlap.shared.isEmpty())
                    expected << text(overlap);
            }
        }
        QVERIFY(expected.size() > Count / 10);
        QCOMPARE(found(conf), expected);
    }
};

QTEST_GUILESS_MAIN(TestOverlaps)
#include "tst_overlaps.moc"
