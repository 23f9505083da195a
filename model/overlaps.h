#ifndef TARVEO_MODEL_OVERLAPS_H
#define TARVEO_MODEL_OVERLAPS_H

#include <QVector>

class Conf;

// The axle distances one vehicle may have at one gap, in metres.
struct DistanceWindow {
    float min = 0;
    float max = 0;
};

// Two subclasses whose distance rules one vehicle can satisfy both: at every
// gap their windows share at least one value.
struct SubclassOverlap {
    quint32 first = 0; // the lower number
    quint32 second = 0;
    QVector<DistanceWindow> shared; // per gap, from the gap between axles 1 and 2
};

namespace Overlaps {

// Every overlapping pair among subclasses with the same number of axles,
// ordered by the lower number, then the higher. Distances only: weights,
// tyre types and constraints may still tell the two apart. Subclasses that
// describe no vehicle take no part: an invalid number of axles, or a
// distance in use that is missing or not above 0. Distances are read as the
// checks read them (32-bit floats).
QVector<SubclassOverlap> find(const Conf &conf);

} // namespace Overlaps

#endif
