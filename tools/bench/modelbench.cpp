// Reading, checking and writing a classification of 10,000 subclasses.
#include "generated.h"
#include "model/conf.h"
#include "model/confdiff.h"
#include "model/findings.h"
#include "model/overlaps.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int BenchSubclasses = 10000;
constexpr int AxleCounts = 5; // 2 to 6 axles, as many subclasses of each

// Distinct subclasses whose first-gap windows step along by less than their
// width, so that each shares it with a few neighbours. With sweepDefeated
// every first gap is the same and the second gap tells them apart: the
// sweep then has to compare every pair of an axle count.
Conf windowsClassification(bool sweepDefeated) {
    Conf conf;
    constexpr double Step = 0.004;
    constexpr double Width = 0.01;
    for (int n = 1; n <= BenchSubclasses; ++n) {
        const int axles = 2 + n % AxleCounts;
        const double spread = 1 + (n / AxleCounts) * Step;
        QStringList mins;
        QStringList maxs;
        for (int gap = 0; gap < axles - 1; ++gap) {
            const bool spreadGap = gap == (sweepDefeated && axles > 2 ? 1 : 0);
            mins << QString::number(spreadGap ? spread : 3);
            maxs << QString::number(spreadGap ? spread + Width : 4);
        }
        conf.insert_subclass(n, Subclass({{"subclass", QString::number(n)},
                                          {"number_of_axles", QString::number(axles)},
                                          {"max_axle_weight__kN", "1,1"},
                                          {"min_axle_distance__m", mins.join(',')},
                                          {"max_axle_distance__m", maxs.join(',')}}));
    }
    return conf;
}

void benchOverlaps(QTextStream &out) {
    for (const bool sweepDefeated : {false, true}) {
        const Conf conf = windowsClassification(sweepDefeated);
        QElapsedTimer timer;
        timer.start();
        const int pairs = Overlaps::find(conf).size();
        out << "model: overlaps among 10000 subclasses"
            << (sweepDefeated ? ", every first gap alike: " : ": ")
            << timer.nsecsElapsed() / 1000000.0 << " ms, " << pairs << " pairs\n";
        out.flush();
    }
}

} // namespace

void benchModel() {
    QTextStream out(stdout);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        out << "model: no temporary directory\n";
        return;
    }
    const QString source = dir.filePath(QStringLiteral("large.conf"));
    const QString target = dir.filePath(QStringLiteral("large-saved.conf"));
    if (!writeGeneratedClassification(source, BenchSubclasses)) {
        out << "model: cannot write " << source << '\n';
        return;
    }

    QElapsedTimer timer;
    auto report = [&out, &timer](const char *what) {
        out << "model: " << what << ": " << timer.nsecsElapsed() / 1000000.0 << " ms\n";
        out.flush();
        timer.restart();
    };

    timer.start();
    const Conf conf(source, nullptr);
    report("read 10000 subclasses");
    const QString text = conf.to_string();
    report("to_string");
    QString error;
    if (!conf.write_to_file(target, &error))
        out << "model: write failed: " << error << '\n';
    report("write_to_file");
    const bool valid = conf.is_valid().valid;
    report("document check");
    const int invalid = conf.get_invalid_subclasses().size();
    report("invalid subclasses");
    const QString duplicate = conf.find_duplicate_subclasses();
    report("duplicate search");
    const int findings = Findings::ofDocument(conf).size();
    report("findings");
    const int changes = ConfDiff::compare(conf, Conf(target, nullptr)).size();
    report("read the saved file and compare");
    out << "model: " << conf.get_subclass_numbers().size() << " subclasses, " << text.size()
        << " characters, document " << (valid ? "valid" : "invalid") << ", " << invalid
        << " invalid subclasses, duplicate pair \"" << duplicate << "\", " << findings
        << " findings, " << changes << " changes after saving\n";
    benchOverlaps(out);
}
