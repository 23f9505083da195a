#include "model/fieldchecks.h"

#include "model/conf.h"
#include "model/messages.h"
#include "model/numbers.h"
#include "model/syntax.h"

#include <algorithm>
#include <limits>

namespace {

using Fields::Id;
using State = Verdict::State;

Verdict verdict(bool passes, const char *message, State failure = State::Invalid) {
    if (passes)
        return {};
    return {failure, Messages::text(message)};
}

Verdict ofConstraint(const Subclass &subclass, const FieldRef &ref) {
    const Fields::Field &field = Fields::field(ref.id);
    if (!subclass.is_constraint_valid(ref.index, field.key))
        return verdict(false, field.message);
    const int axles = Numbers::asInt(subclass.get_number_of_axles());
    return verdict(!FieldChecks::namesMissingAxles(subclass.get_value(ref), axles),
                   Messages::MissingAxle, State::Warning);
}

bool hasEntry(const Subclass &subclass, const FieldRef &ref) {
    int entries = 0;
    switch (ref.id) {
    case Id::MinAxleDistance:
    case Id::MaxAxleDistance:
        // Unpaired lists pair no maximum with its minimum.
        if (subclass.get_number_of_min_distances() != subclass.get_number_of_max_distances() &&
            ref.id == Id::MaxAxleDistance)
            return false;
        entries = ref.id == Id::MinAxleDistance ? subclass.get_number_of_min_distances()
                                                : subclass.get_number_of_max_distances();
        break;
    case Id::MaxAxleWeight:
        entries = subclass.get_number_of_max_axle_weights();
        break;
    case Id::TyreType:
        entries = subclass.get_number_of_tyre_types();
        break;
    default:
        entries = subclass.get_number_of_constraints(Fields::field(ref.id).key);
        break;
    }
    return ref.index >= 0 && ref.index < entries;
}

} // namespace

namespace FieldChecks {

Verdict ofHeader(const Conf &conf, Id id, float highestSubclassMaximum) {
    const char *message = Fields::field(id).message;
    switch (id) {
    case Id::CountryCode:
        return verdict(conf.is_country_code_valid(), message);
    case Id::GroupMaxDistance:
        return verdict(conf.is_group_max_distance_valid(), message);
    case Id::HeaderMaxAxleDistance:
        switch (Conf::max_axle_distance_state(
            conf.get_max_axle_distance(), conf.get_min_axle_distance(), highestSubclassMaximum)) {
        case Conf::MaxAxleDistanceValid:
            return {};
        case Conf::MaxAxleDistanceBelowSubclass:
            return verdict(false, Messages::MaxAxleDistanceBelowSubclass, State::Warning);
        default:
            return verdict(false, message);
        }
    case Id::HeaderMinAxleDistance:
        return verdict(conf.is_min_axle_distance_valid(), message);
    case Id::UnclassifiedVehicleSubclass:
        return verdict(conf.is_unclassified_vehicle_subclass_valid(), message);
    case Id::UncategorisedVehicleCategory:
        return verdict(conf.is_uncategorised_vehicle_category_valid(), message);
    case Id::GAccelerationConstant:
        // Without the key the editor works with standard gravity.
        return verdict(!conf.get_header().contains(Fields::field(id).key) ||
                           conf.is_g_acceleration_constant_valid(),
                       message);
    default:
        break;
    }
    return {};
}

Verdict ofHeader(const Conf &conf, Id id) {
    float highest = -std::numeric_limits<float>::infinity();
    if (id == Id::HeaderMaxAxleDistance)
        for (quint32 number : conf.get_subclass_numbers())
            highest = std::max(highest, conf.get_subclass(number).get_highest_max_distance());
    return ofHeader(conf, id, highest);
}

Verdict of(const Conf &conf, const Subclass &subclass, const FieldRef &ref) {
    const char *message = Fields::field(ref.id).message;
    const int i = ref.index;
    // An entry the lists do not hold is missing, which no check accepts;
    // asked of the checks, it would only be logged as well.
    if (Fields::isList(ref.id) && !hasEntry(subclass, ref))
        return verdict(false, message);
    switch (ref.id) {
    case Id::Category:
        return verdict(subclass.is_category_valid(), message);
    case Id::NumberOfAxles:
        return verdict(subclass.is_number_of_axles_valid(), message);
    case Id::MaxGVW:
        return verdict(subclass.is_max_GVW_valid(), message);
    case Id::AxleConfiguration:
        return verdict(subclass.is_axle_configuration_valid(), message);
    case Id::TotalDistance:
        return verdict(subclass.is_adsl_0_valid(), message);
    case Id::TotalWeight:
        return verdict(subclass.is_awsl_0_valid(), message);
    case Id::ReclassifyUpTo:
        return verdict(subclass.is_reclassify_up_to_subclass_valid(
                           targetAxles(conf, subclass.get_reclassify_up_to_subclass())),
                       message);
    case Id::ReclassifyDownTo:
        return verdict(subclass.is_reclassify_down_to_subclass_valid(
                           targetAxles(conf, subclass.get_reclassify_down_to_subclass())),
                       message);
    case Id::MinAxleDistance:
        return verdict(subclass.is_min_distance_valid(i, conf.get_min_axle_distance(),
                                                      conf.get_max_axle_distance()),
                       message);
    case Id::MaxAxleDistance:
        return verdict(subclass.is_max_distance_valid(i, conf.get_min_axle_distance(),
                                                      conf.get_max_axle_distance()),
                       message);
    case Id::MaxAxleWeight: {
        // A positive weight fails only for a notation the file cannot carry.
        const bool positive = Numbers::asFloat(subclass.get_value(ref)) > 0;
        return verdict(subclass.is_max_axle_weight_valid(i),
                       positive ? Messages::PlainNumber : message);
    }
    case Id::TyreType:
        return verdict(subclass.is_tyre_type_valid(i), message);
    case Id::CombinedWeight:
    case Id::DistanceConstraint:
    case Id::WeightConstraint:
        return ofConstraint(subclass, ref);
    default:
        break;
    }
    return {};
}

QString targetAxles(const Conf &conf, const QString &target) {
    if (target.isEmpty())
        return QString();
    bool isNumber = false;
    const quint32 number = target.toUInt(&isNumber, 10);
    if (isNumber && number == 0)
        return QString();
    if (isNumber && conf.has_subclass(number))
        return conf.get_subclass(number).get_number_of_axles();
    return QStringLiteral("0");
}

bool namesMissingAxles(const QString &constraint, int axles) {
    // The axle list runs up to the first "," or ":".
    int i = 0;
    while (i < constraint.size() && constraint.at(i) != QLatin1Char(',') &&
           constraint.at(i) != QLatin1Char(':')) {
        const int end = Syntax::digitsEnd(constraint, i);
        if (end == i)
            return false;
        if (Numbers::asUnsigned(QStringView(constraint).mid(i, end - i)) > quint32(qMax(axles, 0)))
            return true;
        i = end;
        if (i < constraint.size() && constraint.at(i) == QLatin1Char('+'))
            ++i;
    }
    return false;
}

} // namespace FieldChecks
