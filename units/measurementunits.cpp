#include "units/measurementunits.h"

#include "model/numbers.h"
#include "ui_measurementunits.h"
#include "units/numbervalidators.h"
#include "units/units.h"

#include <QDoubleValidator>

namespace {

// The G field shows g with this many decimals.
constexpr int GDecimals = 6;

} // namespace

MeasurementUnits::MeasurementUnits(QWidget *parent, const uchar *weightUnit,
                                   const uchar *lengthUnit, const float *gValue)
    : QDialog(parent), ui(new Ui::MeasurementUnits), g(*gValue) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ui->buttonGroupWeight->setId(ui->radioButtonTons, Tons);
    ui->buttonGroupWeight->setId(ui->radioButtonPounds, Pounds);
    ui->buttonGroupWeight->setId(ui->radioButtonKN, Kilonewtons);
    if (QAbstractButton *current = ui->buttonGroupWeight->button(*weightUnit))
        current->setChecked(true);
    // Connected only now, so that the preselection above does not reach the slot.
    connect(ui->buttonGroupWeight, &QButtonGroup::idToggled, this,
            [this](int id, bool) { weightUnitChanged(id); });

    ui->buttonGroupLength->setId(ui->radioButtonMeters, Meters);
    ui->buttonGroupLength->setId(ui->radioButtonFeet, Feet);
    ui->buttonGroupLength->setId(ui->radioButtonInches, Inches);
    if (QAbstractButton *current = ui->buttonGroupLength->button(*lengthUnit))
        current->setChecked(true);

    ui->lineEditG->setValidator(NumberValidators::real(this));
    connect(ui->lineEditG, &QLineEdit::textEdited, this, &MeasurementUnits::gEdited);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &MeasurementUnits::accepted);

    weightUnitChanged(*weightUnit);
}

MeasurementUnits::~MeasurementUnits() {
    delete ui;
}

void MeasurementUnits::weightUnitChanged(int radioButton) {
    if (radioButton == Tons) {
        ui->lineEditG->setEnabled(true);
        ui->lineEditG->setText(Numbers::fixed(g, GDecimals));
    } else {
        ui->lineEditG->setEnabled(false);
        ui->lineEditG->setText(QString());
    }
}

void MeasurementUnits::gEdited(const QString &text) {
    g = Numbers::asFloat(text);
}

void MeasurementUnits::accepted() {
    const float chosenG = Numbers::asFloat(ui->lineEditG->text());
    const auto length = static_cast<uchar>(ui->buttonGroupLength->checkedId());
    const auto weight = static_cast<uchar>(ui->buttonGroupWeight->checkedId());
    emit sendUnits(weight, length, chosenG);
}
