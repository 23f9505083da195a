#ifndef TARVEO_UNITS_DISPLAYUNITS_H
#define TARVEO_UNITS_DISPLAYUNITS_H

#include "model/fields.h"
#include "units/units.h"

#include <QString>
#include <optional>

// The units a window shows, and every conversion of a field's value between
// the document (kilonewtons and metres) and what the user reads and types.
class DisplayUnits {
public:
    uchar weightUnit() const { return weight; }
    uchar lengthUnit() const { return length; }
    // Kilonewtons per displayed weight unit: g while tonnes are shown.
    float weightFactor() const { return weightFactorValue; }
    float lengthFactor() const { return lengthFactorValue; }

    // A unit outside the known ones leaves its factor as it was.
    void setWeightUnit(uchar unit, float g);
    void setLengthUnit(uchar unit);
    // The g of tonnes, taken while they are shown.
    void setTonneFactor(float g);

    // The text a field of the kind shows for a document value.
    QString toDisplay(Fields::Kind kind, const QString &value) const;

    // What typed text stores in the document.
    struct Typed {
        QString value;
        // False for a number too large for the document's units: the
        // document keeps what it had.
        bool storable = true;
    };
    // Header, gap and axle fields store nothing for 0; single values of a
    // subclass store "0".
    Typed toDocument(const Fields::Field &field, const QString &typed) const;

    // Parts of a constraint typed in the add fields, in document form: none
    // when the text does not read as the part (a length that is no number,
    // a "weight,class" that does not split so).
    std::optional<QString> lengthToDocument(const QString &typed) const;
    QString weightToDocument(const QString &typed) const;
    std::optional<QString> weightClassToDocument(const QString &typed) const;

    // The label suffix of a kind ("(t):"); empty for a kind without unit.
    QString suffix(Fields::Kind kind) const;
    bool hasUnit(Fields::Kind kind) const;
    // A sum of document values as its label shows it.
    QString sum(double value, Fields::Kind kind) const;

private:
    bool isWeight(Fields::Kind kind) const;
    float factor(Fields::Kind kind) const;
    QString constraintToDisplay(Fields::Kind kind, const QString &value) const;
    QString convertedForDisplay(Fields::Kind kind, const QString &value) const;
    Typed constraintToDocument(Fields::Kind kind, const QString &typed) const;

    uchar weight = Tons;
    uchar length = Meters;
    float weightFactorValue = Units::DefaultG;
    float lengthFactorValue = Units::MeterFactor;
};

#endif
