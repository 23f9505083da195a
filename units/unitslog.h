#ifndef TARVEO_UNITS_UNITSLOG_H
#define TARVEO_UNITS_UNITSLOG_H

#include <QLoggingCategory>

// Values that do not convert between the document and the displayed units.
Q_DECLARE_LOGGING_CATEGORY(tarveoUnits)

#endif
