#ifndef TARVEO_UNITS_MEASUREMENTUNITS_H
#define TARVEO_UNITS_MEASUREMENTUNITS_H

#include <QDialog>

namespace Ui {
class MeasurementUnits;
}

// Placeholder; the units dialog replaces it.
class MeasurementUnits : public QDialog {
    Q_OBJECT
public:
    MeasurementUnits(QWidget *parent, const uchar *weightUnit, const uchar *lengthUnit,
                     const float *g);
    ~MeasurementUnits() override;

signals:
    void sendUnits(uchar weight, uchar length, float g);

private:
    Ui::MeasurementUnits *ui;
};

#endif
