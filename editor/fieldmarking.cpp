// Field markings and the upkeep of the list of invalid subclasses.
#include "editor/subclasslookup.h"
#include "editor/tarveo.h"
#include "model/messages.h"
#include "ui_tarveo.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

void Tarveo::updateInvalidEntry(const Subclass &subclass) {
    const int row = ui->comboBoxInvalid->findText(SubclassLookup::entry(subclass.get_number()),
                                                  Qt::MatchExactly | Qt::MatchCaseSensitive);
    const bool valid =
        subclass.is_valid(conf.get_min_axle_distance(), conf.get_max_axle_distance());
    if (row >= 0 && valid)
        ui->comboBoxInvalid->removeItem(row);
    else if (row < 0 && !valid)
        ui->comboBoxInvalid->addItem(SubclassLookup::entry(subclass.get_number()));
    showInvalidListState();
}

void Tarveo::refreshInvalidList() {
    QStringList entries;
    for (quint32 number : conf.get_invalid_subclasses())
        entries << SubclassLookup::entry(number);
    ui->comboBoxInvalid->clear();
    // One insertion for the whole list: Open and header edits rebuild it for
    // every subclass of the document.
    ui->comboBoxInvalid->addItems(entries);
    if (entries.isEmpty()) {
        ui->comboBoxInvalid->hide();
        ui->labelInvalid->setText(textSubclassesValid);
    } else {
        ui->comboBoxInvalid->show();
        ui->labelInvalid->setText(textInvalidSubclasses);
    }
}

void Tarveo::showInvalidListState() {
    if (ui->comboBoxInvalid->count() > 0) {
        if (ui->comboBoxInvalid->isHidden()) {
            ui->labelInvalid->setText(textInvalidSubclasses);
            ui->comboBoxInvalid->show();
        }
    } else {
        ui->labelInvalid->setText(textSubclassesValid);
        ui->comboBoxInvalid->hide();
    }
}

bool Tarveo::isValidFloat(const QString &text) const {
    bool ok = false;
    text.toFloat(&ok);
    if (!ok)
        qWarning().noquote() << text + QStringLiteral(" is not a valid float!");
    return ok;
}

bool Tarveo::isValidInt(const QString &text) const {
    bool ok = false;
    text.toInt(&ok, 10);
    if (!ok)
        qWarning().noquote() << text + QStringLiteral(" is not a valid int!");
    return ok;
}

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

void Tarveo::showText(QLineEdit *edit, const QString &text) {
    edit->setText(text);
    edit->home(false);
}

void Tarveo::setMaxAxleDistanceState(QLineEdit *edit, int state) {
    switch (state) {
    case Conf::MaxAxleDistanceValid:
        edit->setStyleSheet(styleValid);
        edit->setToolTip(QString());
        break;
    case Conf::MaxAxleDistanceBelowSubclass:
        edit->setStyleSheet(styleWarning);
        edit->setToolTip(Messages::text(Messages::MaxAxleDistanceBelowSubclass));
        break;
    default:
        edit->setStyleSheet(styleInvalid);
        edit->setToolTip(Messages::text(Messages::MaxAxleDistanceBelowMin));
        break;
    }
}
