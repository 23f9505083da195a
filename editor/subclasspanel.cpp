// Placeholder bodies; replaced by the real implementation.
#include "editor/tarveo.h"

void Tarveo::on_comboBoxSubclasses_currentIndexChanged(QString /*arg1*/) {}
void Tarveo::on_lineEditSubclass_textChanged(QString /*arg1*/) {}
void Tarveo::on_buttonSubclass_clicked() {}
void Tarveo::on_lineEditCopy_textEdited(QString /*arg1*/) {}
void Tarveo::on_buttonCopy_clicked() {}
void Tarveo::on_comboBoxInvalid_activated(QString /*arg1*/) {}
void Tarveo::textChanged(QString /*text*/) {}
