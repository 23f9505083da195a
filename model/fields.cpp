#include "model/fields.h"

#include "model/filekeys.h"
#include "model/messages.h"
#include "model/subclass.h"

#include <QCoreApplication>
#include <QHash>

namespace {

using namespace Fields;
using namespace FileKeys;

const char *const Context = "Fields";

QVector<Field> catalogue() {
    using M = const char *;
    const M none = nullptr;
    // Header fields are named by their keys wherever the checker speaks of them.
    return {
        {Id::ClassificationVersion, Scope::Header, Kind::Text, ClassificationVersion,
         QT_TRANSLATE_NOOP("Fields", "Classification version"), none, none, false, true},
        {Id::CountryCode, Scope::Header, Kind::Text, CountryCode,
         QT_TRANSLATE_NOOP("Fields", "Country code"), none, Messages::CountryCode, true, true},
        {Id::GroupMaxDistance, Scope::Header, Kind::Length, GroupMaxDistance,
         QT_TRANSLATE_NOOP("Fields", "Group max. distance"), none, Messages::AboveZero, false,
         true},
        {Id::Min2AxleTruckSpacing, Scope::Header, Kind::Length, Min2AxleTruckSpacing,
         QT_TRANSLATE_NOOP("Fields", "Min. space between vehicles"), none, none, false, true},
        {Id::MinAvgAxleWeight, Scope::Header, Kind::Weight, MinAvgAxleWeight,
         QT_TRANSLATE_NOOP("Fields", "Min. avg. axle weight"), none, none, false, true},
        {Id::HeaderMaxAxleDistance, Scope::Header, Kind::Length, HeaderMaxAxleDistance,
         QT_TRANSLATE_NOOP("Fields", "Max. axle distance"), none, Messages::MaxAxleDistanceBelowMin,
         true, true},
        {Id::HeaderMinAxleDistance, Scope::Header, Kind::Length, HeaderMinAxleDistance,
         QT_TRANSLATE_NOOP("Fields", "Min. axle distance"), none, Messages::MinAxleDistanceAboveMax,
         false, true},
        {Id::UnclassifiedVehicleSubclass, Scope::Header, Kind::Count, UnclassifiedVehicleSubclass,
         QT_TRANSLATE_NOOP("Fields", "Unclassified vehicles subclass"), none,
         Messages::UnclassifiedIsSubclass, false, true},
        {Id::UncategorisedVehicleCategory, Scope::Header, Kind::Count, UncategorisedVehicleCategory,
         QT_TRANSLATE_NOOP("Fields", "Uncategorised vehicle cat."), none,
         Messages::UncategorisedTooLow, false, true},
        {Id::GAccelerationConstant, Scope::Header, Kind::Number, GAccelerationConstant,
         QT_TRANSLATE_NOOP("Fields", "Gravitational acceleration"), none, Messages::AboveZero,
         false, true},

        {Id::Category, Scope::Subclass, Kind::Count, Category,
         QT_TRANSLATE_NOOP("Fields", "Category"), QT_TRANSLATE_NOOP("Fields", "category"),
         Messages::NotEmpty, false, true},
        {Id::NumberOfAxles, Scope::Subclass, Kind::Count, NumberOfAxles,
         QT_TRANSLATE_NOOP("Fields", "Number of axles"),
         QT_TRANSLATE_NOOP("Fields", "number of axles"), Messages::NumberOfAxles, true, true},
        {Id::MaxGVW, Scope::Subclass, Kind::Weight, MaxGVW, QT_TRANSLATE_NOOP("Fields", "Max. GVW"),
         QT_TRANSLATE_NOOP("Fields", "max. GVW"), Messages::NotEmpty, false, true},
        {Id::AxleConfiguration, Scope::Subclass, Kind::Text, AxleConfiguration,
         QT_TRANSLATE_NOOP("Fields", "Axle conf."),
         QT_TRANSLATE_NOOP("Fields", "axle configuration"), Messages::AxleConfiguration, true,
         true},
        {Id::TotalDistance, Scope::Subclass, Kind::DistanceBounds, Adsl0,
         QT_TRANSLATE_NOOP("Fields", "Total distance constraint"),
         QT_TRANSLATE_NOOP("Fields", "total distance constraint"), Messages::TotalDistanceFormat,
         true, true},
        {Id::TotalWeight, Scope::Subclass, Kind::WeightBounds, Awsl0,
         QT_TRANSLATE_NOOP("Fields", "Total weight constraint"),
         QT_TRANSLATE_NOOP("Fields", "total weight constraint"), Messages::TotalWeightFormat, true,
         true},
        {Id::OverrideClass, Scope::Subclass, Kind::Text, OverrideClass,
         QT_TRANSLATE_NOOP("Fields", "Override class"),
         QT_TRANSLATE_NOOP("Fields", "override class"), none, false, true},
        {Id::OverrideGroups, Scope::Subclass, Kind::Text, OverrideGroups,
         QT_TRANSLATE_NOOP("Fields", "Override groups"),
         QT_TRANSLATE_NOOP("Fields", "override groups"), none, false, true},
        {Id::Alias, Scope::Subclass, Kind::Text, Alias, QT_TRANSLATE_NOOP("Fields", "Alias"),
         QT_TRANSLATE_NOOP("Fields", "alias"), none, false, true},
        {Id::Prepend, Scope::Subclass, Kind::Length, Prepend,
         QT_TRANSLATE_NOOP("Fields", "Prepend"), QT_TRANSLATE_NOOP("Fields", "prepend"), none,
         false, true},
        {Id::Append, Scope::Subclass, Kind::Length, Append, QT_TRANSLATE_NOOP("Fields", "Append"),
         QT_TRANSLATE_NOOP("Fields", "append"), none, false, true},
        {Id::UpperGVWLimit, Scope::Subclass, Kind::Weight, UpperGVWLimit,
         QT_TRANSLATE_NOOP("Fields", "Gross weight limit"),
         QT_TRANSLATE_NOOP("Fields", "upper GVW limit"), none, false, true},
        {Id::ReclassifyUpTo, Scope::Subclass, Kind::Count, ReclassifyUpTo,
         QT_TRANSLATE_NOOP("Fields", "Reclassify to subclass"),
         QT_TRANSLATE_NOOP("Fields", "reclassify up to subclass"), Messages::ReclassifyTarget, true,
         false},
        {Id::LowerGVWLimit, Scope::Subclass, Kind::Weight, LowerGVWLimit,
         QT_TRANSLATE_NOOP("Fields", "Gross weight limit"),
         QT_TRANSLATE_NOOP("Fields", "lower GVW limit"), none, false, true},
        {Id::ReclassifyDownTo, Scope::Subclass, Kind::Count, ReclassifyDownTo,
         QT_TRANSLATE_NOOP("Fields", "Reclassify to subclass"),
         QT_TRANSLATE_NOOP("Fields", "reclassify down to subclass"), Messages::ReclassifyTarget,
         true, false},

        {Id::MinAxleDistance, Scope::Gap, Kind::Length, MinAxleDistance,
         QT_TRANSLATE_NOOP("Fields", "Min. axle distances"),
         QT_TRANSLATE_NOOP("Fields", "min. distance between axles %1 and %2"),
         Messages::MinDistanceRange, true, true},
        {Id::MaxAxleDistance, Scope::Gap, Kind::Length, MaxAxleDistance,
         QT_TRANSLATE_NOOP("Fields", "Max. axle distances"),
         QT_TRANSLATE_NOOP("Fields", "max. distance between axles %1 and %2"),
         Messages::MaxDistanceRange, true, true},
        {Id::MaxAxleWeight, Scope::Axle, Kind::Weight, MaxAxleWeight,
         QT_TRANSLATE_NOOP("Fields", "Max. axle weights"),
         QT_TRANSLATE_NOOP("Fields", "max. axle weight of axle %1"), Messages::AboveZero, false,
         true},
        {Id::TyreType, Scope::Axle, Kind::Count, TyreType, QT_TRANSLATE_NOOP("Fields", "Tyre type"),
         QT_TRANSLATE_NOOP("Fields", "tyre type of axle %1"), Messages::TyreRange, true, true},

        {Id::CombinedWeight, Scope::Constraint, Kind::CombinedWeight, ConstraintType::Default,
         QT_TRANSLATE_NOOP("Fields", "Combined axle weight constraints"),
         QT_TRANSLATE_NOOP("Fields", "combined axle weight constraint %1"),
         Messages::CombinedWeight, true, true},
        {Id::DistanceConstraint, Scope::Constraint, Kind::DistanceConstraint, ConstraintType::Adsl,
         QT_TRANSLATE_NOOP("Fields", "Combined axle distance constraints"),
         QT_TRANSLATE_NOOP("Fields", "combined axle distance constraint %1"),
         Messages::DistanceConstraintFormat, true, true},
        {Id::WeightConstraint, Scope::Constraint, Kind::WeightConstraint, ConstraintType::Awsl,
         QT_TRANSLATE_NOOP("Fields", "Combined axle weight constraints"),
         QT_TRANSLATE_NOOP("Fields", "combined axle weight constraint with classes %1"),
         Messages::WeightConstraintFormat, true, true},
    };
}

} // namespace

namespace Fields {

const QVector<Field> &all() {
    static const QVector<Field> fields = catalogue();
    return fields;
}

const Field &field(Id id) {
    return all().at(int(id));
}

namespace {
// The header and the subclass sections share the names of the two axle
// distance keys, so each has a table of its own.
QHash<QString, const Field *> keyTable(bool header) {
    QHash<QString, const Field *> table;
    for (const Field &field : all())
        if ((field.scope == Scope::Header) == header)
            table.insert(field.key, &field);
    return table;
}
} // namespace

const Field *headerField(const QString &key) {
    static const QHash<QString, const Field *> table = keyTable(true);
    return table.value(key);
}

const Field *subclassField(const QString &key) {
    static const QHash<QString, const Field *> table = keyTable(false);
    return table.value(key);
}

QString label(Id id) {
    return QCoreApplication::translate(Context, field(id).label);
}

QString name(Id id, int index) {
    const Field &f = field(id);
    if (!f.name)
        return f.key;
    const QString text = QCoreApplication::translate(Context, f.name);
    const int number = index + 1; // entries count from 1 for the user
    switch (f.scope) {
    case Scope::Gap:
        return text.arg(number).arg(number + 1);
    case Scope::Axle:
    case Scope::Constraint:
        return text.arg(number);
    case Scope::Header:
    case Scope::Subclass:
        break;
    }
    return text;
}

FieldPlace place(Id id) {
    switch (field(id).scope) {
    case Scope::Gap:
        return FieldPlace::Gap;
    case Scope::Axle:
        return FieldPlace::Axle;
    case Scope::Constraint:
        return FieldPlace::Row;
    case Scope::Header:
    case Scope::Subclass:
        break;
    }
    return FieldPlace::Whole;
}

} // namespace Fields
