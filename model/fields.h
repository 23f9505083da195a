#ifndef TARVEO_MODEL_FIELDS_H
#define TARVEO_MODEL_FIELDS_H

#include "model/fieldplace.h"

#include <QString>
#include <QVector>

// Every field of the classification file, written once: its key, the words
// a user reads for it, the kind of value it holds and why a value of it is
// refused. The window's panels, the markings, the checker's findings, the
// report and the undo steps all walk this catalogue.
namespace Fields {

enum class Id : quint8 {
    // The [classes] header.
    ClassificationVersion,
    CountryCode,
    GroupMaxDistance,
    Min2AxleTruckSpacing,
    MinAvgAxleWeight,
    HeaderMaxAxleDistance,
    HeaderMinAxleDistance,
    UnclassifiedVehicleSubclass,
    UncategorisedVehicleCategory,
    GAccelerationConstant,
    // The single values of a subclass, the checked ones in the order the
    // checker reports them.
    Category,
    NumberOfAxles,
    MaxGVW,
    AxleConfiguration,
    TotalDistance,
    TotalWeight,
    OverrideClass,
    OverrideGroups,
    Alias,
    Prepend,
    Append,
    UpperGVWLimit,
    ReclassifyUpTo,
    LowerGVWLimit,
    ReclassifyDownTo,
    // The per-axle lists: a gap between two axles, or an axle.
    MinAxleDistance,
    MaxAxleDistance,
    MaxAxleWeight,
    TyreType,
    // The combined constraint lists.
    CombinedWeight,
    DistanceConstraint,
    WeightConstraint,
};
inline constexpr int Count = int(Id::WeightConstraint) + 1;

// Where a field lives; a list field's entries are addressed by index.
enum class Scope {
    Header,
    Subclass, // one value of a subclass
    Gap,      // one entry per axle gap
    Axle,     // one entry per axle
    Constraint,
};

// What a value is, which decides how the window shows and converts it.
enum class Kind {
    Text,
    Count,              // an integer, never converted
    Number,             // a real number, never converted
    Length,             // metres in the file
    Weight,             // kilonewtons in the file
    DistanceBounds,     // "lower,upper" in metres
    WeightBounds,       // "weight,class;weight,class" in kilonewtons
    CombinedWeight,     // "axles,weight"
    DistanceConstraint, // "axles:lower,upper"
    WeightConstraint,   // "axles:weight,class;weight,class"
};

struct Field {
    Id id;
    Scope scope;
    Kind kind;
    const QString &key; // the file key; a constraint list's type text
    // The words of the window's form for it, without colon or unit.
    const char *label;
    // The checker's words for the field, or for one entry ("tyre type of
    // axle %1", a gap's "%1" and "%2" its two axles).
    const char *name;
    // Why a value is refused (Messages), null for a field without a check.
    const char *message;
    // Whether the window puts that reason on the field as its tool tip;
    // some fields are marked red without one.
    bool messageOnField;
    // A refused value makes its subclass invalid, or only earns a warning.
    bool blocksValidity;
};

const Field &field(Id id);
const QVector<Field> &all();
// The field of a header key; null for a key the header does not know.
const Field *headerField(const QString &key);
// The field of a subclass key or a constraint type text; null for any other.
const Field *subclassField(const QString &key);

// The field's label in the user's language.
QString label(Id id);
// The checker's name of the field, or of entry `index` (from 0) of a list.
QString name(Id id, int index = -1);
FieldPlace place(Id id);

inline bool isList(Id id) {
    const Scope scope = field(id).scope;
    return scope == Scope::Gap || scope == Scope::Axle || scope == Scope::Constraint;
}

} // namespace Fields

// One value of the document: a field and, in a list, the entry's index
// (from 0); -1 for the field as a whole.
struct FieldRef {
    Fields::Id id = Fields::Id::ClassificationVersion;
    int index = -1;
    bool operator==(const FieldRef &other) const { return id == other.id && index == other.index; }
    bool operator!=(const FieldRef &other) const { return !(*this == other); }
};

#endif
