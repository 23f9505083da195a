#ifndef TARVEO_TOOLS_BENCH_FIGURES_H
#define TARVEO_TOOLS_BENCH_FIGURES_H

#include <QString>
#include <QTextStream>

// One line per figure: what was timed, the time, and the goal beside it.
class Figures {
public:
    explicit Figures(int subclasses) : subclasses(subclasses), out(stdout) {}

    // A figure with a goal; goalNote says where the goal comes from.
    void add(const QString &what, double ms, double goalMs, const QString &goalNote = {}) {
        const bool met = ms <= goalMs;
        missed += met ? 0 : 1;
        out << QStringLiteral("%1 %2 %3 ms   goal %4 ms%5  %6\n")
                   .arg(subclasses, 7)
                   .arg(what, -44)
                   .arg(ms, 9, 'f', 2)
                   .arg(goalMs, 8, 'f', 2)
                   .arg(goalNote.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(goalNote))
                   .arg(met ? QStringLiteral("ok") : QStringLiteral("OVER"));
        out.flush();
    }
    // A figure reported for its own sake.
    void note(const QString &what, double ms) {
        out << QStringLiteral("%1 %2 %3 ms\n").arg(subclasses, 7).arg(what, -44).arg(ms, 9, 'f', 2);
        out.flush();
    }
    int goalsMissed() const { return missed; }

private:
    int subclasses;
    QTextStream out;
    int missed = 0;
};

#endif
