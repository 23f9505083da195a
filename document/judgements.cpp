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
    for (quint32 number : conf.get_subclass_numbers())
        judgements.insert(judgements.cend(), number, conf.get_subclass(number).judge());
}

void Judgements::update(const Conf &conf, quint32 number) {
    if (conf.has_subclass(number))
        judgements.insert(number, conf.get_subclass(number).judge());
    else
        judgements.remove(number);
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
    float highest = -std::numeric_limits<float>::infinity();
    for (const Subclass::Judgement &judgement : judgements)
        highest = std::max(highest, judgement.highestMaxDistance);
    return highest;
}
