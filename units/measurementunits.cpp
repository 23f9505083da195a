// Placeholder; the units dialog replaces it.
#include "units/measurementunits.h"
#include "ui_measurementunits.h"

MeasurementUnits::MeasurementUnits(QWidget *parent, const uchar *, const uchar *, const float *)
    : QDialog(parent), ui(new Ui::MeasurementUnits) {
    ui->setupUi(this);
}

MeasurementUnits::~MeasurementUnits() { delete ui; }
