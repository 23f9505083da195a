#include "units/numbervalidators.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QLocale>

namespace {

QLocale conversionLocale() {
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

namespace NumberValidators {

QDoubleValidator *real(QObject *parent) {
    auto *validator = new QDoubleValidator(parent);
    validator->setLocale(conversionLocale());
    return validator;
}

QIntValidator *integer(QObject *parent) {
    auto *validator = new QIntValidator(parent);
    validator->setLocale(conversionLocale());
    return validator;
}

QIntValidator *integer(int bottom, int top, QObject *parent) {
    auto *validator = new QIntValidator(bottom, top, parent);
    validator->setLocale(conversionLocale());
    return validator;
}

} // namespace NumberValidators
