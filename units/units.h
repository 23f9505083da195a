#ifndef TARVEO_UNITS_UNITS_H
#define TARVEO_UNITS_UNITS_H

#include <QString>
#include <QtGlobal>

// Displayed weight unit; the values are the ids of the units dialog's
// weight buttons and travel as the first argument of sendUnits.
enum WeightUnit : uchar { Tons = 0, Pounds = 1, Kilonewtons = 2 };

// Displayed length unit; second argument of sendUnits.
enum LengthUnit : uchar { Meters = 0, Feet = 1, Inches = 2 };

// The conversions between the document, which always holds kilonewtons and
// metres, and the units the window displays. A factor is the number of
// document units per displayed unit; all factors are 32-bit floats, and so is
// every reading of a number from text.
namespace Units {

// Standard gravity: the factor for tonnes until the user or a file says
// otherwise.
inline constexpr float DefaultG = 9.80665f;
// Pound-force in kilonewtons.
inline constexpr float PoundFactor = 0.0044482216f;
inline constexpr float KilonewtonFactor = 1.0f;
inline constexpr float MeterFactor = 1.0f;
inline constexpr float FootFactor = 0.3048f;
inline constexpr float InchFactor = 0.0254f;

// Decimals of a converted value shown in a field.
inline constexpr int FieldDecimals = 2;

// The factor of a weight unit with g for tonnes. Returns false, leaving
// factor alone, for a value that is no weight unit.
bool weightFactorFor(uchar unit, float g, float *factor);
// The factor of a length unit; false, factor untouched, for other values.
bool lengthFactorFor(uchar unit, float *factor);

// Label suffixes such as "(t):"; a value that is no unit gets the suffix of
// the default unit.
QString weightSuffix(uchar unit);
QString lengthSuffix(uchar unit);

// Whether g is the default, by exact comparison of the 32-bit floats.
bool isDefaultG(float g);

// Document text to the displayed value: 0 for empty text, otherwise the
// quotient in 32-bit arithmetic.
double fileToDisplay(const QString &text, float factor);
// Displayed text to document text: empty for empty text or a negative
// number, otherwise the product in general notation ("0" for zero). A
// product too large to be a 32-bit float gives empty text too.
QString displayToFileText(const QString &text, float factor);
// As displayToFileText, but zero gives empty text as well: the form of
// header and axle-row values.
QString editToFileText(const QString &text, float factor);
// Whether the text is a number too large to be held in document units.
bool isTooLarge(const QString &text, float factor);
// A sum in document units as the text of a sum label.
QString formatSum(double value, float factor);
// A displayed value as the text of a field: empty when it is not above 0,
// otherwise fixed notation with fieldDecimals.
QString fieldText(double displayed);
// The label text cut before its first "(" (whole if none) plus the suffix.
QString withSuffix(const QString &labelText, const QString &suffix);

} // namespace Units

#endif
