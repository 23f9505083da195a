#ifndef TARVEO_TOOLS_BENCH_KEYSTROKES_H
#define TARVEO_TOOLS_BENCH_KEYSTROKES_H

#include <QString>

class QWidget;

// Keys pressed as the user's keyboard delivers them, timed.
namespace Keystrokes {

// The fields a user types in, one of each kind.
inline constexpr const char *TypedFields[] = {
    "lineEditVersion",        "lineEditCountry",      "lineEditGroupMaxDist", "lineEditMaxAxleDist",
    "lineEditMinAxleDist",    "lineEditUnclassified", "lineEditSubclass",     "lineEditCategory",
    "lineEditMaxGrossWeight", "lineEditConfString",   "lineEditNumOfAxles",   "lineEditReclassUpTo",
    "MaxAxleDist1",           "MinAxleDist1",         "MaxAxleWeightEdit2",   "TyreType2",
    "defaultConstraint1",     "adslConstraint1",
};

// One key press and release, in milliseconds.
double press(QWidget *target, int key, const QString &text);
// The slowest of a run of keystrokes: the last character taken back and
// typed again, alternately, so the value ends as it was.
double slowestRetyping(QWidget *target, const QString &last);
// The slowest of a run of Down and Up keys.
double slowestStep(QWidget *target);

} // namespace Keystrokes

#endif
