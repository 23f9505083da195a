#include "document/judgements.h"

#include "model/numbers.h"

#include <algorithm>
#include <limits>

namespace {

bool passes(const Subclass::Judgement &judgement, const Conf &conf) {
    return judgement.valid(Numbers::asFloat(conf.get_min_axle_distance()),
                           Numbers::asFloat(conf.get_max_axle_distance()));
}

} // namespace

void Judgements::judgeAll(const Conf &conf) {
    judgements.clear();
    highestDistances.clear();
    for (quint32 number : conf.get_subclass_numbers()) {
        const Subclass::Judgement judgement = conf.get_subclass(number).judge();
        judgements.insert(judgements.cend(), number, judgement);
        count(judgement, 1);
    }
}

void Judgements::count(const Subclass::Judgement &judgement, int change) {
    int &subclasses = highestDistances[judgement.highestMaxDistance];
    subclasses += change;
    if (subclasses <= 0)
        highestDistances.remove(judgement.highestMaxDistance);
}

void Judgements::update(const Conf &conf, quint32 number) {
    const auto old = judgements.constFind(number);
    if (old != judgements.cend())
        count(*old, -1);
    if (!conf.has_subclass(number)) {
        judgements.remove(number);
        return;
    }
    const Subclass::Judgement judgement = conf.get_subclass(number).judge();
    judgements.insert(number, judgement);
    count(judgement, 1);
}

bool Judgements::isValid(const Conf &conf, quint32 number) const {
    const auto it = judgements.constFind(number);
    return it != judgements.cend() && passes(*it, conf);
}

QVector<quint32> Judgements::invalid(const Conf &conf) const {
    const float headerMin = Numbers::asFloat(conf.get_min_axle_distance());
    const float headerMax = Numbers::asFloat(conf.get_max_axle_distance());
    QVector<quint32> numbers;
    for (auto it = judgements.cbegin(); it != judgements.cend(); ++it)
        if (!it.value().valid(headerMin, headerMax))
            numbers.append(it.key());
    return numbers;
}

float Judgements::highestMaxDistance() const {
    return highestDistances.isEmpty() ? -std::numeric_limits<float>::infinity()
                                      : highestDistances.lastKey();
}
