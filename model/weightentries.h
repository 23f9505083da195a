#ifndef TARVEO_MODEL_WEIGHTENTRIES_H
#define TARVEO_MODEL_WEIGHTENTRIES_H

#include <QString>
#include <QStringList>
#include <QStringView>

// The two searches that take a max_axle_weight__kN text apart. They find
// exactly what the file format's patterns find,
//   per-axle entry:  (?:[^+]|^)(\d+,\d+\.?\d*)   searched from a position on,
//   combined entry:  (?:\d+\+)+\d+,\d+\.?\d*     every match from the start,
// with \d any Unicode decimal digit, but in time linear in the text: a
// pattern engine restarts inside long runs of digits and "+" chains, which
// turns a hostile line into minutes of work or makes the engine give up.
namespace WeightEntries {

// A match: the matched text runs from start to end (exclusive).
struct Match {
    int start = -1;
    int end = -1;
    bool found() const { return start >= 0; }
};

// The first per-axle entry at or after from. Its text includes the one
// character matched before the digits, when there is one.
Match nextAxleWeight(QStringView text, int from);

// Every combined entry, in order.
QStringList combinedEntries(QStringView text);

// Whether the text is a weight as the per-axle search takes it, whole:
// "\d+\.?\d*". Only such a weight is found again as it was written.
bool isPlainNumber(const QString &text);

} // namespace WeightEntries

#endif
