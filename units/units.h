#ifndef TARVEO_UNITS_UNITS_H
#define TARVEO_UNITS_UNITS_H

#include <QtGlobal>

// Displayed weight unit; the values are the ids of the units dialog's
// weight buttons and travel as the first argument of sendUnits.
enum WeightUnit : uchar { Tons = 0, Pounds = 1, Kilonewtons = 2 };

// Displayed length unit; second argument of sendUnits.
enum LengthUnit : uchar { Meters = 0, Feet = 1, Inches = 2 };

#endif
