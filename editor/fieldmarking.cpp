// Field markings and the upkeep of the list of invalid subclasses.
#include "editor/subclasslist.h"
#include "editor/subclasslookup.h"
#include "editor/tarveo.h"
#include "model/messages.h"
#include "model/numbers.h"
#include "ui_tarveo.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

void Tarveo::updateInvalidEntry(const Subclass &subclass) {
    const int row = invalidEntries->rowOf(subclass.get_number());
    const Subclass::Judgement *judgement = judgements.update(conf, subclass.get_number());
    const bool valid =
        judgement && judgement->valid(Numbers::asFloat(conf.get_min_axle_distance()),
                                      Numbers::asFloat(conf.get_max_axle_distance()));
    if (row >= 0 && valid)
        ui->comboBoxInvalid->removeItem(row);
    else if (row < 0 && !valid)
        ui->comboBoxInvalid->addItem(SubclassLookup::entry(subclass.get_number()));
    showInvalidListState();
}

void Tarveo::refreshInvalidList() {
    // Rebuilt in ascending order, which only takes work when the entries
    // differ: a keystroke in the header often changes none.
    const QVector<quint32> numbers = judgements.invalid(conf);
    if (numbers != invalidEntries->numbers())
        invalidEntries->setNumbers(numbers);
    if (numbers.isEmpty()) {
        ui->comboBoxInvalid->hide();
        ui->labelInvalid->setText(textSubclassesValid);
    } else {
        ui->comboBoxInvalid->setCurrentIndex(0);
        ui->comboBoxInvalid->show();
        ui->labelInvalid->setText(textInvalidSubclasses);
    }
}

int Tarveo::maxAxleDistanceState() {
    return Conf::max_axle_distance_state(conf.get_max_axle_distance(), conf.get_min_axle_distance(),
                                         judgements.highestMaxDistance(conf));
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
const QString StyleWarning = QStringLiteral("QLineEdit {background-color: yellow}");

// A style sheet set again restyles the field all the same, which showing a
// subclass would do for every field at every step through the list.
void mark(QLineEdit *edit, const QString &style, const QString &toolTip) {
    if (edit->styleSheet() != style)
        edit->setStyleSheet(style);
    edit->setToolTip(toolTip);
}
} // namespace

void Tarveo::setFieldState(QLineEdit *edit, bool valid, const QString &toolTip) {
    if (!edit) {
        qWarning() << "Edit passed to validate is a nullptr!";
        return;
    }
    mark(edit, valid ? styleValid : styleInvalid, valid ? QString() : toolTip);
}

void Tarveo::showText(QLineEdit *edit, const QString &text) {
    edit->setText(text);
    edit->home(false);
}

void Tarveo::setMaxAxleDistanceState(QLineEdit *edit, int state) {
    switch (state) {
    case Conf::MaxAxleDistanceValid:
        mark(edit, styleValid, QString());
        break;
    case Conf::MaxAxleDistanceBelowSubclass:
        mark(edit, StyleWarning, Messages::text(Messages::MaxAxleDistanceBelowSubclass));
        break;
    default:
        mark(edit, styleInvalid, Messages::text(Messages::MaxAxleDistanceBelowMin));
        break;
    }
}
