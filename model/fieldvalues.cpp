// Reading and writing one value of the document by its field.
#include "model/conf.h"
#include "model/fields.h"
#include "model/numbers.h"
#include "model/plainvalues.h"

namespace {

using Fields::Id;

PlainValues::Key plainKey(Id id) {
    switch (id) {
    case Id::Category:
        return PlainValues::Category;
    case Id::NumberOfAxles:
        return PlainValues::NumberOfAxles;
    case Id::MaxGVW:
        return PlainValues::MaxGVW;
    case Id::AxleConfiguration:
        return PlainValues::AxleConfiguration;
    case Id::TotalDistance:
        return PlainValues::Adsl0;
    case Id::TotalWeight:
        return PlainValues::Awsl0;
    case Id::OverrideClass:
        return PlainValues::OverrideClass;
    case Id::OverrideGroups:
        return PlainValues::OverrideGroups;
    case Id::Alias:
        return PlainValues::Alias;
    case Id::Prepend:
        return PlainValues::Prepend;
    case Id::Append:
        return PlainValues::Append;
    case Id::UpperGVWLimit:
        return PlainValues::UpperGVWLimit;
    case Id::ReclassifyUpTo:
        return PlainValues::ReclassifyUpTo;
    case Id::LowerGVWLimit:
        return PlainValues::LowerGVWLimit;
    case Id::ReclassifyDownTo:
        return PlainValues::ReclassifyDownTo;
    default:
        break;
    }
    return PlainValues::KeyCount;
}

} // namespace

QString Conf::get_header_value(Fields::Id id) const {
    return header.value(Fields::field(id).key);
}

void Conf::set_header_value(Fields::Id id, const QString &value) {
    header = header_with_value(id, value);
}

QMap<QString, QString> Conf::header_with_value(Fields::Id id, const QString &value) const {
    QMap<QString, QString> keys = header;
    // The country code is kept upper-case, as its setter keeps it.
    keys.insert(Fields::field(id).key, id == Id::CountryCode ? value.toUpper() : value);
    return keys;
}

QString Subclass::get_value(const FieldRef &ref) const {
    const int i = ref.index;
    switch (Fields::field(ref.id).scope) {
    case Fields::Scope::Header:
        break;
    case Fields::Scope::Subclass:
        return values.value(plainKey(ref.id));
    case Fields::Scope::Gap:
    case Fields::Scope::Axle:
        return i >= 0 ? list(ref.id).value(i) : QString();
    case Fields::Scope::Constraint: {
        const QString &type = Fields::field(ref.id).key;
        return i >= 0 && i < get_number_of_constraints(type) ? get_constraint_at_index(i, type)
                                                             : QString();
    }
    }
    return QString();
}

void Subclass::set_value(const FieldRef &ref, const QString &value) {
    const int i = ref.index;
    if (Fields::isList(ref.id) && i < 0)
        return;
    switch (Fields::field(ref.id).scope) {
    case Fields::Scope::Header:
        break;
    case Fields::Scope::Subclass:
        if (ref.id == Id::AxleConfiguration)
            set_axle_configuration(value);
        else if (ref.id == Id::NumberOfAxles)
            set_number_of_axles(value);
        else
            values.set(plainKey(ref.id), value);
        break;
    case Fields::Scope::Gap:
        // A minimum pairs with its maximum by position, so both lists reach
        // the entry together.
        for (Id id : {Id::MinAxleDistance, Id::MaxAxleDistance})
            while (list(id).size() <= i)
                list(id).append(QString());
        list(ref.id)[i] = value;
        break;
    case Fields::Scope::Axle:
        while (list(ref.id).size() <= i)
            list(ref.id).append(QString());
        list(ref.id)[i] = value;
        break;
    case Fields::Scope::Constraint:
        set_constraint_at_index(value, i, Fields::field(ref.id).key);
        break;
    }
}

void Subclass::set_axle_count(const QString &value) {
    const int axles = Numbers::asInt(value);
    if (axles >= MinAxles && axles <= MaxAxles) {
        for (Id id : {Id::MinAxleDistance, Id::MaxAxleDistance, Id::MaxAxleWeight, Id::TyreType}) {
            const int used = Fields::field(id).scope == Fields::Scope::Gap ? axles - 1 : axles;
            QStringList &entries = list(id);
            if (entries.size() > used)
                entries.erase(entries.begin() + used, entries.end());
        }
    }
    set_number_of_axles(value);
}

QStringList &Subclass::list(Fields::Id id) {
    return const_cast<QStringList &>(static_cast<const Subclass *>(this)->list(id));
}

const QStringList &Subclass::list(Fields::Id id) const {
    switch (id) {
    case Id::MinAxleDistance:
        return min_axle_distances;
    case Id::MaxAxleDistance:
        return max_axle_distances;
    case Id::MaxAxleWeight:
        return max_axle_weights;
    default:
        break;
    }
    return tyre_types;
}
