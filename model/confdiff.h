#ifndef TARVEO_MODEL_CONFDIFF_H
#define TARVEO_MODEL_CONFDIFF_H

#include "model/fieldplace.h"

#include <QString>
#include <QVector>
#include <optional>

class Conf;

// One difference in content between two classifications. Values are the
// texts of the files, in file units; an empty text stands for a value that
// one side does not have (the writer leaves empty values out).
struct ConfChange {
    enum class Kind { Added, Removed, Changed };

    std::optional<quint32> subclass; // none for the header
    // The file key: a header key, a subclass key, "adsl" or "awsl" for the
    // constraint lists; empty for a whole subclass added or removed. The
    // combined weight constraints are max_axle_weight__kN with no axle.
    QString field;
    FieldPlace place = FieldPlace::Whole; // Axle or Gap for per-axle entries
    int index = 0;
    QString oldValue;
    QString newValue;
    Kind kind = Kind::Changed;
};

namespace ConfDiff {

// What differs between two documents, in the order the writer writes it:
// the header keys, then the subclasses in ascending number, each with its
// plain values and the lines it keeps as they stand (by key, the lines of
// one key in file order), tyre types, weights, combined weight constraints, maximum
// and minimum distances, distance and weight constraints. Only the entries
// in use (those the writer writes) are compared. Values that hold numbers
// compare as numbers (see sameContent); constraints of a subclass compare as
// a collection, so that reordering them changes nothing.
QVector<ConfChange> compare(const Conf &older, const Conf &newer);

// Whether two values of the field say the same. In fields that hold
// numbers (keys ending in __m or __kN, axle counts, categories, subclass
// numbers, g, per-axle entries, constraints) each run of digits with at most
// one decimal point ("2", "2.50", "2.", ".5") counts as a number, and two
// numbers are equal when their decimal values are: "2.50" and "2.5", "007"
// and "7". Signs, blanks and every other character must agree as text, and
// blanks around the whole value are ignored. Other fields (alias, axle
// configuration, country code, version, unknown keys) compare as text.
bool sameContent(const QString &field, const QString &a, const QString &b);

// Where the change stands: "header max_axle_distance__m", "subclass 11",
// "subclass 11: tyre_type, axle 2", "subclass 11: min_axle_distance__m,
// axles 1-2".
QString where(const ConfChange &change);

} // namespace ConfDiff

#endif
