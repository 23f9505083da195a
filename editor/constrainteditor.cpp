// Placeholder bodies; replaced by the real implementation.
#include "editor/tarveo.h"

QString Tarveo::convertTotalDistance(const QString & /*text*/, Direction /*direction*/) { return {}; }
QString Tarveo::convertDistanceConstraint(const QString & /*text*/, Direction /*direction*/) { return {}; }
QString Tarveo::convertTotalWeight(const QString & /*text*/, Direction /*direction*/) { return {}; }
QString Tarveo::convertWeightConstraint(const QString & /*text*/, Direction /*direction*/) { return {}; }
void Tarveo::showConstraint(QLineEdit * /*edit*/, const QString & /*text*/, bool /*valid*/, const QString & /*kind*/) {}
QLineEdit *Tarveo::setUpConstraintEdit(const QString & /*kind*/, const QString & /*name*/) { return nullptr; }
void Tarveo::on_buttonAddConstraint_clicked() {}
void Tarveo::on_comboBoxAddConstraint_currentTextChanged(QString /*selected_constraint*/) {}
void Tarveo::showConstraintRows(const Subclass & /*subclass*/) {}
void Tarveo::constraintRowEdited(QLineEdit * /*sender*/, QFrame * /*frame*/, int /*index*/,
                                 Subclass & /*subclass*/) {}
