#ifndef TARVEO_MODEL_COUNTRYCODES_H
#define TARVEO_MODEL_COUNTRYCODES_H

#include <QStringList>

// The two-letter codes officially assigned by ISO 3166-1 alpha-2, upper case.
QStringList isoCountryCodes();

#endif
