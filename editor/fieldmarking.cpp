// Placeholder bodies; replaced by the real implementation.
#include "editor/tarveo.h"

#include <QDebug>

void Tarveo::updateInvalidEntry(const Subclass & /*subclass*/) {}
void Tarveo::refreshInvalidList() {}
bool Tarveo::isValidFloat(const QString & /*text*/) const { return {}; }
bool Tarveo::isValidInt(const QString & /*text*/) const { return {}; }

#include <QLineEdit>

namespace {
const QString styleWarning = QStringLiteral("QLineEdit {background-color: yellow}");
} // namespace

void Tarveo::setFieldState(QLineEdit *edit, bool valid, const QString &toolTip) {
    if (!edit) {
        qWarning() << "Edit passed to validate is a nullptr!";
        return;
    }
    edit->setStyleSheet(valid ? styleValid : styleInvalid);
    edit->setToolTip(valid ? QString() : toolTip);
}

void Tarveo::setMaxAxleDistanceState(QLineEdit *edit, int state) {
    switch (state) {
    case 0:
        edit->setStyleSheet(styleValid);
        edit->setToolTip(QString());
        break;
    case 1:
        edit->setStyleSheet(styleWarning);
        edit->setToolTip(tr("Value is lower than some subclasses."));
        break;
    default:
        edit->setStyleSheet(styleInvalid);
        edit->setToolTip(tr("Value must be higher than min axle distance."));
        break;
    }
}
