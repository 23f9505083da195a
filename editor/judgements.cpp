#include "editor/judgements.h"

#include "model/numbers.h"

#include <algorithm>
#include <limits>

void Judgements::judgeAll(const Conf &conf) {
    judgements.clear();
    stale.clear();
    for (quint32 number : conf.get_subclass_numbers())
        judgements.insert(judgements.cend(), number, conf.get_subclass(number).judge());
}

const Subclass::Judgement *Judgements::update(const Conf &conf, quint32 number) {
    stale.remove(number);
    if (!conf.has_subclass(number)) {
        judgements.remove(number);
        return nullptr;
    }
    return &*judgements.insert(number, conf.get_subclass(number).judge());
}

void Judgements::refreshStale(const Conf &conf) {
    const QSet<quint32> changed = std::exchange(stale, {});
    for (quint32 number : changed)
        update(conf, number);
}

QVector<quint32> Judgements::invalid(const Conf &conf) {
    refreshStale(conf);
    const float headerMin = Numbers::asFloat(conf.get_min_axle_distance());
    const float headerMax = Numbers::asFloat(conf.get_max_axle_distance());
    QVector<quint32> numbers;
    for (auto it = judgements.cbegin(); it != judgements.cend(); ++it)
        if (!it.value().valid(headerMin, headerMax))
            numbers.append(it.key());
    return numbers;
}

float Judgements::highestMaxDistance(const Conf &conf) {
    refreshStale(conf);
    float highest = -std::numeric_limits<float>::infinity();
    for (const Subclass::Judgement &judgement : judgements)
        highest = std::max(highest, judgement.highestMaxDistance);
    return highest;
}
