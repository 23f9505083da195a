// The full check of a subclass, taken apart from the header bounds.
#include "model/subclass.h"

#include "model/modellog.h"
#include "model/numbers.h"

#include <cmath>
#include <limits>

Subclass::Judgement Subclass::judge() const {
    Judgement judgement;
    judgement.highestMaxDistance = get_highest_max_distance();
    const qint64 axles = Numbers::asInt(get_number_of_axles()); // wide: axles - 1 never overflows
    const bool paired = min_axle_distances.size() == max_axle_distances.size();
    judgement.lowestMinimum = std::numeric_limits<float>::infinity();
    judgement.highestMaximum = -std::numeric_limits<float>::infinity();
    for (int i = 0; i < axles - 1; ++i) {
        // Each distance in use must exist, pair with its partner and be no
        // larger as a minimum than as a maximum.
        if (i >= min_axle_distances.size()) {
            ModelLog::missingIndex("is_min_distance_valid", i, min_axle_distances.size());
            return judgement;
        }
        if (!paired || i >= max_axle_distances.size()) {
            ModelLog::missingIndex("is_max_distance_valid", i, max_axle_distances.size());
            return judgement;
        }
        const float minimum = Numbers::asFloat(min_axle_distances.at(i));
        const float maximum = Numbers::asFloat(max_axle_distances.at(i));
        if (!(maximum >= minimum))
            return judgement;
        judgement.hasGaps = true;
        judgement.lowestMinimum = std::min(judgement.lowestMinimum, minimum);
        judgement.highestMaximum = std::max(judgement.highestMaximum, maximum);
    }
    for (int i = 0; i < axles; ++i)
        if (!is_max_axle_weight_valid(i) || !is_tyre_type_valid(i))
            return judgement;
    for (const QString &type :
         {ConstraintType::Default, ConstraintType::Adsl, ConstraintType::Awsl}) {
        const int count = get_number_of_constraints(type);
        for (int i = 0; i < count; ++i)
            if (!is_constraint_valid(i, type))
                return judgement;
    }
    judgement.validApartFromHeader = is_category_valid() && is_number_of_axles_valid() &&
                                     is_max_GVW_valid() && is_axle_configuration_valid() &&
                                     is_adsl_0_valid() && is_awsl_0_valid();
    return judgement;
}

float Subclass::get_highest_max_distance() const {
    float highest = -std::numeric_limits<float>::infinity();
    for (const QString &entry : max_axle_distances) {
        // A text that is no number reads as 0; "nan" is above nothing.
        const float distance = Numbers::asFloat(entry);
        if (distance > highest)
            highest = distance;
    }
    return highest;
}
