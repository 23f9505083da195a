// Placeholder; the pure unit conversions go here.
#include "units/units.h"
