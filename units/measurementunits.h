#ifndef TARVEO_UNITS_MEASUREMENTUNITS_H
#define TARVEO_UNITS_MEASUREMENTUNITS_H

#include <QDialog>

namespace Ui {
class MeasurementUnits;
}

// The units dialog: the displayed weight and length units and the g used for
// tonnes. OK reports the choice through sendUnits; Cancel reports nothing.
class MeasurementUnits : public QDialog {
    Q_OBJECT
public:
    // The pointers are read only here, to preselect the current choice.
    MeasurementUnits(QWidget *parent, const uchar *weightUnit, const uchar *lengthUnit,
                     const float *g);
    ~MeasurementUnits() override;

signals:
    void sendUnits(uchar weight, uchar length, float g);

public slots:
    // Enables the G field for tonnes (id 0), clears and disables it otherwise.
    void weightUnitChanged(int radioButton);

private:
    void gEdited(const QString &text);
    void accepted();

    Ui::MeasurementUnits *ui;
    float g;
};

#endif
