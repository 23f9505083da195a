#include "units/displayunits.h"

#include "model/numbers.h"
#include "units/unitslog.h"

#include <QStringList>

namespace {

using Fields::Kind;

// Constraint values are shown with one decimal, the combined weight of the
// "default" kind with two.
constexpr int ConstraintDecimals = 1;
constexpr int CombinedWeightDecimals = 2;

// Splits text into exactly two parts at separator; a text that does not
// split so is logged (an empty one silently) and refused.
bool splitInTwo(const QString &text, QChar separator, const char *separatorName, QString *first,
                QString *second) {
    const QStringList parts = text.split(separator);
    if (parts.size() != 2) {
        if (!text.isEmpty())
            qCWarning(tarveoUnits).noquote()
                << QStringLiteral("Failed to split %1 on %2!").arg(text, separatorName);
        return false;
    }
    *first = parts.at(0);
    *second = parts.at(1);
    return true;
}

bool isValidFloat(const QString &text) {
    bool ok = false;
    text.toFloat(&ok);
    if (!ok)
        qCWarning(tarveoUnits).noquote() << text + QStringLiteral(" is not a valid float!");
    return ok;
}

bool isValidInt(const QString &text) {
    bool ok = false;
    text.toInt(&ok, 10);
    if (!ok)
        qCWarning(tarveoUnits).noquote() << text + QStringLiteral(" is not a valid int!");
    return ok;
}

// One conversion of a constraint's numbers, either way; the structure of
// the value is checked on the way, and any failure gives empty text.
class ConstraintConversion {
public:
    ConstraintConversion(float lengthFactor, float weightFactor, bool toDocument)
        : lengthFactor(lengthFactor), weightFactor(weightFactor), toDocument(toDocument) {}

    // Whether a number was too large for the document's units.
    bool tooLarge = false;

    QString number(const QString &text, bool isWeight) {
        const float factor = isWeight ? weightFactor : lengthFactor;
        if (!toDocument)
            return Numbers::fixed(Units::fileToDisplay(text, factor), ConstraintDecimals);
        tooLarge = tooLarge || Units::isTooLarge(text, factor);
        return Units::displayToFileText(text, factor);
    }

    // "lower,upper", two lengths.
    QString lengthBounds(const QString &text) {
        QString lower, upper;
        if (!splitInTwo(text, ',', "comma", &lower, &upper) || !isValidFloat(lower) ||
            !isValidFloat(upper))
            return {};
        return number(lower, false) + ',' + number(upper, false);
    }

    // "weight,class"; the class is a plain integer and never converted.
    QString weightClass(const QString &text) {
        QString weight, vehicleClass;
        if (!splitInTwo(text, ',', "commas", &weight, &vehicleClass) || !isValidFloat(weight) ||
            !isValidInt(vehicleClass))
            return {};
        return number(weight, true) + ',' + vehicleClass;
    }

    // "weight,class;weight,class".
    QString weightBounds(const QString &text) {
        QString lowerText, upperText;
        if (!splitInTwo(text, ';', "semicolon", &lowerText, &upperText))
            return {};
        const QString lower = weightClass(lowerText);
        if (lower.isEmpty())
            return {};
        const QString upper = weightClass(upperText);
        if (upper.isEmpty())
            return {};
        return lower + ';' + upper;
    }

    // "axles:" and what bounds() makes of the rest.
    template <typename Bounds> QString withAxles(const QString &text, Bounds bounds) {
        QString axles, rest;
        if (!splitInTwo(text, ':', "colon", &axles, &rest))
            return {};
        const QString converted = bounds(rest);
        return converted.isEmpty() ? QString() : axles + ':' + converted;
    }

private:
    float lengthFactor;
    float weightFactor;
    bool toDocument;
};

} // namespace

void DisplayUnits::setWeightUnit(uchar unit, float g) {
    if (Units::weightFactorFor(unit, g, &weightFactorValue))
        weight = unit;
}

void DisplayUnits::setLengthUnit(uchar unit) {
    if (Units::lengthFactorFor(unit, &lengthFactorValue))
        length = unit;
}

void DisplayUnits::setTonneFactor(float g) {
    if (weight == Tons)
        weightFactorValue = g;
}

bool DisplayUnits::isWeight(Kind kind) const {
    return kind == Kind::Weight;
}

bool DisplayUnits::hasUnit(Kind kind) const {
    return kind != Kind::Text && kind != Kind::Count && kind != Kind::Number;
}

float DisplayUnits::factor(Kind kind) const {
    return isWeight(kind) ? weightFactorValue : lengthFactorValue;
}

QString DisplayUnits::suffix(Kind kind) const {
    switch (kind) {
    case Kind::Text:
    case Kind::Count:
    case Kind::Number:
        return QString();
    case Kind::Length:
    case Kind::DistanceBounds:
    case Kind::DistanceConstraint:
        return Units::lengthSuffix(length);
    case Kind::Weight:
    case Kind::WeightBounds:
    case Kind::CombinedWeight:
    case Kind::WeightConstraint:
        break;
    }
    return Units::weightSuffix(weight);
}

QString DisplayUnits::sum(double value, Kind kind) const {
    return Units::formatSum(value, factor(kind));
}

QString DisplayUnits::toDisplay(Kind kind, const QString &value) const {
    switch (kind) {
    case Kind::Text:
    case Kind::Count:
    case Kind::Number:
        return value;
    case Kind::Length:
    case Kind::Weight:
        return Units::fieldText(Units::fileToDisplay(value, factor(kind)));
    default:
        break;
    }
    return constraintToDisplay(kind, value);
}

DisplayUnits::Typed DisplayUnits::toDocument(const Fields::Field &field,
                                             const QString &typed) const {
    switch (field.kind) {
    case Kind::Text:
    case Kind::Count:
    case Kind::Number:
        return {typed};
    case Kind::Length:
    case Kind::Weight: {
        const float f = factor(field.kind);
        if (Units::isTooLarge(typed, f))
            return {QString(), false};
        // A single value of a subclass keeps a typed 0; the others do not.
        return {field.scope == Fields::Scope::Subclass ? Units::displayToFileText(typed, f)
                                                       : Units::editToFileText(typed, f)};
    }
    default:
        break;
    }
    return constraintToDocument(field.kind, typed);
}

QString DisplayUnits::constraintToDisplay(Kind kind, const QString &value) const {
    // A value that does not convert is shown as stored: shown empty, it
    // could be neither read nor deleted by emptying its row.
    const QString converted = convertedForDisplay(kind, value);
    return converted.isEmpty() ? value : converted;
}

QString DisplayUnits::convertedForDisplay(Kind kind, const QString &value) const {
    ConstraintConversion convert(lengthFactorValue, weightFactorValue, false);
    switch (kind) {
    case Kind::CombinedWeight: {
        // Whatever follows the first comma is taken for the weight.
        const QStringList parts = value.split(',');
        if (parts.size() < 2)
            return value;
        return parts.at(0) + ',' +
               Numbers::fixed(Units::fileToDisplay(parts.at(1), weightFactorValue),
                              CombinedWeightDecimals);
    }
    case Kind::DistanceBounds:
        return convert.lengthBounds(value);
    case Kind::WeightBounds:
        return convert.weightBounds(value);
    case Kind::DistanceConstraint:
        return convert.withAxles(value,
                                 [&](const QString &rest) { return convert.lengthBounds(rest); });
    case Kind::WeightConstraint:
        return convert.withAxles(value,
                                 [&](const QString &rest) { return convert.weightBounds(rest); });
    default:
        break;
    }
    return value;
}

DisplayUnits::Typed DisplayUnits::constraintToDocument(Kind kind, const QString &typed) const {
    ConstraintConversion convert(lengthFactorValue, weightFactorValue, true);
    QString converted;
    switch (kind) {
    case Kind::CombinedWeight: {
        // Stored converted only when it splits cleanly and the weight converts.
        const QStringList parts = typed.split(',');
        if (parts.size() == 2) {
            const QString weight = convert.number(parts.at(1), true);
            if (!weight.isEmpty())
                converted = parts.at(0) + ',' + weight;
        }
        break;
    }
    case Kind::DistanceBounds:
        converted = convert.lengthBounds(typed);
        break;
    case Kind::WeightBounds:
        converted = convert.weightBounds(typed);
        break;
    case Kind::DistanceConstraint:
        converted = convert.withAxles(
            typed, [&](const QString &rest) { return convert.lengthBounds(rest); });
        break;
    case Kind::WeightConstraint:
        converted = convert.withAxles(
            typed, [&](const QString &rest) { return convert.weightBounds(rest); });
        if (!converted.isEmpty())
            qCDebug(tarveoUnits).noquote() << "Final awsl: " + converted;
        break;
    default:
        return {typed};
    }
    if (convert.tooLarge)
        return {QString(), false};
    // Text that does not convert is kept as typed and shows red.
    return {converted.isEmpty() ? typed : converted};
}

std::optional<QString> DisplayUnits::lengthToDocument(const QString &typed) const {
    if (!isValidFloat(typed))
        return std::nullopt;
    return Units::displayToFileText(typed, lengthFactorValue);
}

QString DisplayUnits::weightToDocument(const QString &typed) const {
    return Units::displayToFileText(typed, weightFactorValue);
}

std::optional<QString> DisplayUnits::weightClassToDocument(const QString &typed) const {
    const QString converted =
        ConstraintConversion(lengthFactorValue, weightFactorValue, true).weightClass(typed);
    if (converted.isEmpty())
        return std::nullopt;
    return converted;
}
