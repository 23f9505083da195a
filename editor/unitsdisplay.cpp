// Placeholder bodies; replaced by the real implementation.
#include "editor/tarveo.h"

double Tarveo::fileToDisplay(const QString & /*text*/, bool /*isWeight*/) const { return {}; }
QString Tarveo::displayToFileText(const QString & /*text*/, bool /*isWeight*/) const { return {}; }
QString Tarveo::editToFileText(const QLineEdit * /*edit*/, bool /*isWeight*/) const { return {}; }
QString Tarveo::formatSum(double /*value*/, bool /*isWeight*/) const { return {}; }
void Tarveo::setConvertedText(QLineEdit * /*edit*/, const QString & /*text*/, bool /*isWeight*/, bool /*valid*/) {}
void Tarveo::setConvertedMaxAxleDistText(QLineEdit * /*edit*/, const QString & /*text*/, bool /*isWeight*/, int /*state*/) {}
void Tarveo::setUnitSuffix(QLabel * /*label*/, const QString & /*suffix*/) {}
void Tarveo::applyUnits() {}
void Tarveo::fillHeader() {}
void Tarveo::copyHeaderToConf() {}
void Tarveo::receiveUnits(uchar /*weight*/, uchar /*length*/, float /*g*/) {}
void Tarveo::menuConfigurationClicked() {}
