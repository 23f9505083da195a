// Placeholder bodies; replaced by the real implementation.
#include "editor/tarveo.h"

void Tarveo::on_lineEditNumOfAxles_textChanged(QString /*arg1*/) {}
void Tarveo::createAxleRow(Subclass & /*subclass*/, int /*k*/) {}
void Tarveo::showAxleRow(Subclass & /*subclass*/, int /*k*/) {}
void Tarveo::removeAxleRow(Subclass & /*subclass*/, int /*k*/) {}
void Tarveo::resetAxleRows() {}
void Tarveo::validateAxleRow(const Subclass & /*subclass*/, int /*k*/) {}
QLineEdit *Tarveo::lineEditAt(QFrame * /*frame*/, int /*position*/) { return nullptr; }

#include "units/numbervalidators.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>

namespace {
constexpr int rowEditMaxWidth = 45;
} // namespace

void Tarveo::setUpRowEdit(QLineEdit *edit, bool real, const QString &helpText,
                          const QString &name) {
    edit->setMaximumWidth(rowEditMaxWidth);
    if (real)
        edit->setValidator(NumberValidators::real(edit));
    else
        edit->setValidator(NumberValidators::integer(edit));
    edit->setStatusTip(helpText);
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textEdited, this, &Tarveo::textChanged);
}

void Tarveo::fillAxleRows(const Subclass & /*subclass*/, int /*n*/) {}
void Tarveo::axleRowEdited(QLineEdit * /*sender*/, QFrame * /*frame*/, int /*index*/,
                           Subclass & /*subclass*/) {}
