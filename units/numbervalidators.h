#ifndef TARVEO_UNITS_NUMBERVALIDATORS_H
#define TARVEO_UNITS_NUMBERVALIDATORS_H

#include <QDoubleValidator>
#include <QIntValidator>

#include "model/fields.h"

class QLineEdit;
class QObject;

// Validators for fields whose text is later read by QString::toFloat or
// QString::toInt. Those read a decimal point and no group separators in any
// locale, so the validators judge by the C locale with group separators
// rejected; a desktop locale with a decimal comma would otherwise let through
// "3,5", which reads as 0.
namespace NumberValidators {

// Any real number, no bounds, no limit on decimals.
QDoubleValidator *real(QObject *parent);
// Any integer.
QIntValidator *integer(QObject *parent);
// An integer from bottom to top.
QIntValidator *integer(int bottom, int top, QObject *parent);

// Gives a field of the document the validator of its field, if any: reals
// for lengths and weights, integers for counts, 2 to 20 for the axle count.
void install(QLineEdit *edit, Fields::Id id);

} // namespace NumberValidators

#endif
