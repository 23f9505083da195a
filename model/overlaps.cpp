#include "model/overlaps.h"

#include "model/conf.h"
#include "model/numbers.h"

#include <QMap>
#include <algorithm>
#include <numeric>

namespace {

// The subclasses of one axle count, their windows side by side: row r holds
// gaps windows, from index r * gaps on.
struct AxleGroup {
    int gaps = 0;
    QVector<quint32> numbers;
    QVector<DistanceWindow> windows;

    const DistanceWindow *row(int r) const { return windows.constData() + qint64(r) * gaps; }
};

// False when the subclass describes no vehicle to compare.
bool appendWindows(const Subclass &subclass, int gaps, QVector<DistanceWindow> &windows) {
    for (int i = 0; i < gaps; ++i) {
        const float min = Numbers::asFloat(subclass.get_min_distance_at_index(i));
        const float max = Numbers::asFloat(subclass.get_max_distance_at_index(i));
        if (!(min > 0) || !(max > 0))
            return false;
        windows.append({min, max});
    }
    return true;
}

QMap<int, AxleGroup> groupByAxles(const Conf &conf) {
    QMap<int, AxleGroup> groups;
    for (quint32 number : conf.get_subclass_numbers()) {
        const Subclass &subclass = conf.get_subclass(number);
        if (!subclass.is_number_of_axles_valid())
            continue;
        const int axles = Numbers::asInt(subclass.get_number_of_axles());
        AxleGroup &group = groups[axles];
        group.gaps = axles - 1;
        const int kept = group.windows.size();
        if (appendWindows(subclass, group.gaps, group.windows))
            group.numbers.append(number);
        else
            group.windows.resize(kept);
    }
    return groups;
}

bool shareEveryGap(const DistanceWindow *a, const DistanceWindow *b, int gaps) {
    for (int i = 0; i < gaps; ++i)
        if (qMax(a[i].min, b[i].min) > qMin(a[i].max, b[i].max))
            return false;
    return true;
}

// Sorted by the first gap's minimum, a subclass can only share that gap with
// the ones after it whose minimum is not above its maximum: the sweep stops
// there instead of comparing every pair.
void sweep(const AxleGroup &group, QVector<SubclassOverlap> &out) {
    QVector<int> order(group.numbers.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&group](int a, int b) { return group.row(a)->min < group.row(b)->min; });
    for (int p = 0; p < order.size(); ++p) {
        const DistanceWindow *a = group.row(order[p]);
        for (int q = p + 1; q < order.size() && group.row(order[q])->min <= a->max; ++q) {
            const DistanceWindow *b = group.row(order[q]);
            if (!shareEveryGap(a, b, group.gaps))
                continue;
            quint32 first = group.numbers[order[p]];
            quint32 second = group.numbers[order[q]];
            if (first > second)
                std::swap(first, second);
            SubclassOverlap overlap{first, second, {}};
            overlap.shared.reserve(group.gaps);
            for (int i = 0; i < group.gaps; ++i)
                overlap.shared.append({qMax(a[i].min, b[i].min), qMin(a[i].max, b[i].max)});
            out.append(overlap);
        }
    }
}

} // namespace

namespace Overlaps {

QVector<SubclassOverlap> find(const Conf &conf) {
    QVector<SubclassOverlap> overlaps;
    for (const AxleGroup &group : groupByAxles(conf))
        sweep(group, overlaps);
    std::sort(overlaps.begin(), overlaps.end(),
              [](const SubclassOverlap &a, const SubclassOverlap &b) {
                  return a.first != b.first ? a.first < b.first : a.second < b.second;
              });
    return overlaps;
}

} // namespace Overlaps
