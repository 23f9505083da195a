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
    // Override class and groups and the alias are numbers to the site's
    // reader, though the file treats them as text.
    if (id == Id::OverrideClass || id == Id::OverrideGroups || id == Id::Alias) {
        edit->setValidator(integer(edit));
        return;
    }
    if (id == Id::NumberOfAxles) {
        edit->setValidator(integer(Subclass::MinAxles, Subclass::MaxAxles, edit));
        return;
    }
    switch (Fields::field(id).kind) {
    case Kind::Length:
    case Kind::Weight:
    case Kind::Number:
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
