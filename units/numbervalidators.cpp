#include "units/numbervalidators.h"

#include "model/subclass.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>
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

void install(QLineEdit *edit, Fields::Id id) {
    using Fields::Id;
    using Fields::Kind;
    // The reclassification targets have taken reals since the form was
    // first drawn; users type what it lets through.
    if (id == Id::ReclassifyUpTo || id == Id::ReclassifyDownTo) {
        edit->setValidator(real(edit));
        return;
    }
    if (id == Id::NumberOfAxles) {
        edit->setValidator(integer(Subclass::MinAxles, Subclass::MaxAxles, edit));
        return;
    }
    switch (Fields::field(id).kind) {
    case Kind::Length:
    case Kind::Weight:
        edit->setValidator(real(edit));
        break;
    case Kind::Count:
        edit->setValidator(integer(edit));
        break;
    default:
        break;
    }
}

} // namespace NumberValidators
