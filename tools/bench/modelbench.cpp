// The model on a generated classification: reading it beside the floor of a
// bare INI pass and a bare line pass over the same file, and the checks Save
// makes.
#include "figures.h"
#include "model/conf.h"
#include "model/confdiff.h"
#include "model/findings.h"
#include "model/overlaps.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>

namespace {

constexpr int Runs = 3; // each time is the best of this many
constexpr double ReadGoalOverFloor = 2.0;
constexpr double SaveChecksGoalMs = 50.0;
constexpr int GoalSubclasses = 10000; // the size the goals are set for
constexpr int AxleCounts = 5;         // of the overlap search's classification

// Distinct subclasses whose first-gap windows step along by less than their
// width, so that each shares it with a few neighbours. With sweepDefeated
// every first gap is the same and the second gap tells them apart: the
// sweep then has to compare every pair of an axle count.
Conf windowsClassification(int subclasses, bool sweepDefeated) {
    Conf conf;
    constexpr double Step = 0.004;
    constexpr double Width = 0.01;
    for (int n = 1; n <= subclasses; ++n) {
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

double bestMs(const std::function<void(int run)> &work) {
    double best = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work(run);
        const double ms = timer.nsecsElapsed() / 1e6;
        best = run == 0 ? ms : std::min(best, ms);
    }
    return best;
}

// Goals grow with the file beyond the size they are set for, never faster.
double scaled(double goalMs, int subclasses) {
    return goalMs * std::max(1.0, double(subclasses) / GoalSubclasses);
}

} // namespace

void benchModel(const QString &path, Figures &figures) {
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = source.readAll();
    const int subclasses = bytes.count("[subclass_");
    // The INI reader caches files by name: each pass gets a copy of its own.
    QTemporaryDir copies;
    QStringList copyPaths;
    for (int run = 0; run < Runs; ++run) {
        copyPaths << copies.filePath(QStringLiteral("copy%1.conf").arg(run));
        QFile::copy(path, copyPaths.last());
    }

    const double iniPass = bestMs([&](int run) {
        QSettings settings(copyPaths.at(run), QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("classes"));
        for (const QString &key : settings.childKeys())
            settings.value(key).toString();
    });
    const double linePass = bestMs([&](int) {
        QFile file(path);
        file.open(QIODevice::ReadOnly | QIODevice::Text);
        QTextStream stream(&file);
        while (!stream.atEnd())
            stream.readLine();
    });
    const double floor = iniPass + linePass;
    figures.note(QStringLiteral("bare INI pass"), iniPass);
    figures.note(QStringLiteral("bare line pass"), linePass);
    figures.note(QStringLiteral("floor: bare INI pass + bare line pass"), floor);

    Conf conf;
    // Each reading starts without the document of the one before, as the
    // floor's passes keep nothing either.
    const double read = bestMs([&](int) {
        conf = Conf();
        conf = Conf(path, nullptr);
    });
    // The goal is set for files up to the size of the goals; beyond, Open's
    // own goal bounds the reading.
    if (subclasses <= GoalSubclasses)
        figures.add(QStringLiteral("read the file (model)"), read, ReadGoalOverFloor * floor,
                    QStringLiteral("2 x floor"));
    else
        figures.note(QStringLiteral("read the file (model)"), read);

    const double saveChecks = bestMs([&](int) {
        conf.find_duplicate_subclasses();
        conf.is_valid();
        conf.find_unwritable();
    });
    figures.add(QStringLiteral("Save's checks (model)"), saveChecks,
                scaled(SaveChecksGoalMs, subclasses));

    figures.note(QStringLiteral("findings of every subclass"),
                 bestMs([&](int) { Findings::ofDocument(conf); }));
    figures.note(QStringLiteral("compare with itself"),
                 bestMs([&](int) { ConfDiff::compare(conf, conf); }));
    // The generated subclasses share their distance windows; the overlap
    // search is timed on windows of its own.
    for (const bool sweepDefeated : {false, true}) {
        const Conf windows = windowsClassification(subclasses, sweepDefeated);
        figures.note(sweepDefeated ? QStringLiteral("overlaps, every first gap alike")
                                   : QStringLiteral("overlaps among stepped windows"),
                     bestMs([&](int) { Overlaps::find(windows); }));
    }
}
