#include "units/unitslog.h"

Q_LOGGING_CATEGORY(tarveoUnits, "tarveo.units", QtInfoMsg)
