#ifndef TARVEO_MODEL_WRITTENENTRIES_H
#define TARVEO_MODEL_WRITTENENTRIES_H

#include "model/numbers.h"
#include "model/subclass.h"

#include <QtGlobal>

// How many entries of each per-axle list the writer writes: the entries in
// use for the subclass's number of axles. Whatever the file read or the
// comparison of two files looks at stops there too.
namespace WrittenEntries {

// All that are stored when `required` are due, and empty ones only as far as
// a real vehicle needs them.
inline int count(qint64 required, int stored, int paddingLimit) {
    if (required <= 0)
        return 0;
    return static_cast<int>(qMin(required, static_cast<qint64>(qMax(stored, paddingLimit))));
}

inline qint64 axles(const Subclass &subclass) {
    return Numbers::asInt(subclass.get_number_of_axles()); // wide: axles - 1 never overflows
}

inline int weights(const Subclass &subclass) {
    return count(axles(subclass), subclass.get_number_of_max_axle_weights(), Subclass::MaxAxles);
}
inline int tyreTypes(const Subclass &subclass) {
    return count(axles(subclass), subclass.get_number_of_tyre_types(), Subclass::MaxAxles);
}
inline int minDistances(const Subclass &subclass) {
    return count(axles(subclass) - 1, subclass.get_number_of_min_distances(),
                 Subclass::MaxAxles - 1);
}
inline int maxDistances(const Subclass &subclass) {
    return count(axles(subclass) - 1, subclass.get_number_of_max_distances(),
                 Subclass::MaxAxles - 1);
}

} // namespace WrittenEntries

#endif
