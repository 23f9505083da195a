// The window's side of the units: converting fields and labels between the
// document and the displayed units, and taking new units from the dialog.
#include "editor/tarveo.h"

#include "model/numbers.h"
#include "ui_tarveo.h"
#include "units/measurementunits.h"

#include <QDebug>

namespace {

const char *const ConvertedTextWarning = "Could not set converted text to edit";

} // namespace

double Tarveo::fileToDisplay(const QString &text, bool isWeight) const {
    return Units::fileToDisplay(text, isWeight ? weightFactor : lengthFactor);
}

QString Tarveo::displayToFileText(const QString &text, bool isWeight) const {
    return Units::displayToFileText(text, isWeight ? weightFactor : lengthFactor);
}

QString Tarveo::editToFileText(const QLineEdit *edit, bool isWeight) const {
    if (!edit)
        return QString();
    return Units::editToFileText(edit->text(), isWeight ? weightFactor : lengthFactor);
}

QString Tarveo::formatSum(double value, bool isWeight) const {
    return Units::formatSum(value, isWeight ? weightFactor : lengthFactor);
}

bool Tarveo::isTooLarge(const QString &text, bool isWeight) const {
    return Units::isTooLarge(text, isWeight ? weightFactor : lengthFactor);
}

bool Tarveo::markTooLarge(QLineEdit *edit, bool isWeight) {
    // The document gets no value for it; the field says why.
    const bool tooLarge = edit && isTooLarge(edit->text(), isWeight);
    if (tooLarge)
        setFieldState(edit, false, tipTooLarge);
    return tooLarge;
}

void Tarveo::clearTooLarge(QLineEdit *edit) {
    // A field without a check of its own is red only for a number too large.
    if (edit->toolTip() == tipTooLarge)
        setFieldState(edit, true, QString());
}

void Tarveo::setConvertedText(QLineEdit *edit, const QString &text, bool isWeight, bool valid) {
    if (!edit) {
        qWarning() << ConvertedTextWarning;
        return;
    }
    showText(edit, Units::fieldText(fileToDisplay(text, isWeight)));
    setFieldState(edit, valid, QString());
}

void Tarveo::setConvertedMaxAxleDistText(QLineEdit *edit, const QString &text, bool isWeight,
                                         int state) {
    if (!edit) {
        qWarning() << ConvertedTextWarning;
        return;
    }
    showText(edit, Units::fieldText(fileToDisplay(text, isWeight)));
    setMaxAxleDistanceState(edit, state);
}

void Tarveo::setUnitSuffix(QLabel *label, const QString &suffix) {
    label->setText(Units::withSuffix(label->text(), suffix));
}

void Tarveo::receiveUnits(uchar weight, uchar length, float g) {
    // A g that is not above 0 (or not finite) would become the weight factor
    // and every weight would be divided by it. Such a g is ignored: tonnes keep the g they had
    // (the one the dialog was opened with), while the units still change.
    const bool gUsable = weight != Tons || (g > 0 && qIsFinite(g));
    if (!gUsable) {
        qDebug() << "Ignoring gravitational acceleration" << g;
        g = weightUnit == Tons ? weightFactor : Units::DefaultG;
    } else {
        ui->buttonGConstant->setText(Numbers::general(g));
    }

    weightUnit = weight;
    lengthUnit = length;
    Units::weightFactorFor(weight, g, &weightFactor);
    Units::lengthFactorFor(length, &lengthFactor);
    applyUnits();
}

void Tarveo::applyUnits() {
    const QString weightSuffix = Units::weightSuffix(weightUnit);
    if (weightUnit == Tons && !Units::isDefaultG(weightFactor))
        conf.set_g_acceleration_constant(Numbers::general(weightFactor));
    const QString lengthSuffix = Units::lengthSuffix(lengthUnit);

    struct HeaderField {
        QLabel *label;
        QLineEdit *edit;
        QString value;
        bool isWeight;
    };
    const HeaderField headerFields[] = {
        {ui->labelGroupMaxDist, ui->lineEditGroupMaxDist, conf.get_group_max_distance(), false},
        {ui->labelMinAxleSpacing, ui->lineEditMinAxleSpacing, conf.get_min_2axle_truck_spacing(),
         false},
        {ui->labelMinAvgAxleWeight, ui->lineEditMinAvgAxleWeight, conf.get_min_avg_axle_weight(),
         true},
        {ui->labelMaxAxleDist, ui->lineEditMaxAxleDist, conf.get_max_axle_distance(), false},
        {ui->labelMinAxleDist, ui->lineEditMinAxleDist, conf.get_min_axle_distance(), false},
    };
    for (const HeaderField &field : headerFields) {
        setUnitSuffix(field.label, field.isWeight ? weightSuffix : lengthSuffix);
        setConvertedText(field.edit, field.value, field.isWeight, true);
    }

    const std::pair<QLabel *, bool> labels[] = {
        {ui->labelPrepend, false},
        {ui->labelAppend, false},
        {ui->labelMaxGrossWeight, true},
        {ui->labelMaxAxleDists, false},
        {ui->labelMinAxleDists, false},
        {ui->labelMaxAxleWeightsEdits, true},
        {ui->labelTotalDistanceConstraint, false},
        {ui->labelTotalWeightConstraint, true},
        {ui->labelAdsl, false},
        {ui->labelAwsl, true},
        {ui->labelReclassUpGvw, true},
        {ui->labelReclassDownGvw, true},
        {ui->labelCombinedWeightConstraints, true},
    };
    for (const auto &[label, isWeight] : labels)
        setUnitSuffix(label, isWeight ? weightSuffix : lengthSuffix);

    if (ui->lineEditSubclass->text().isEmpty())
        return;
    Subclass *shown = currentSubclass();
    if (!shown)
        return;
    const Subclass &subclass = *shown;

    setConvertedText(ui->lineEditPrepend, subclass.get_prepend(), false, true);
    setConvertedText(ui->lineEditAppend, subclass.get_append(), false, true);
    setConvertedText(ui->lineEditMaxGrossWeight, subclass.get_max_GVW(), true, true);
    setConvertedText(ui->lineEditReclassUpGvw, subclass.get_upper_GVW_limit(), true, true);
    setConvertedText(ui->lineEditReclassDownGvw, subclass.get_lower_GVW_limit(), true, true);

    // Position 0 of each row is its label; a vehicle of n axles has n weights
    // but only n - 1 gaps between them.
    const int axles = displayedAxles();
    for (int i = 1; i <= axles; ++i) {
        if (i != axles) {
            setConvertedText(lineEditAt(ui->frameMaxAxleDists, i),
                             subclass.get_max_distance_at_index(i - 1), false, true);
            setConvertedText(lineEditAt(ui->frameMinAxleDists, i),
                             subclass.get_min_distance_at_index(i - 1), false, true);
        }
        setConvertedText(lineEditAt(ui->frameMaxAxleWeightsEdits, i),
                         subclass.get_max_axle_weight_at_index(i - 1), true, true);
    }

    ui->labelSumMinAxleDist->setText(formatSum(subclass.get_sum_of_min_distances(), false));
    ui->labelSumMaxAxleDist->setText(formatSum(subclass.get_sum_of_max_distances(), false));
    ui->labelSumMaxAxleWeights->setText(formatSum(subclass.get_sum_of_max_axle_weights(), true));

    ui->lineEditTotalDistanceConstraint->setText(
        convertTotalDistance(subclass.get_adsl_0(), Direction::ToDisplay));
    setFieldState(ui->lineEditTotalDistanceConstraint, true, QString());
    ui->lineEditTotalWeightConstraint->setText(
        convertTotalWeight(subclass.get_awsl_0(), Direction::ToDisplay));
    setFieldState(ui->lineEditTotalWeightConstraint, true, QString());

    const std::pair<QFrame *, QString> constraintFrames[] = {
        {ui->frameCombinedWeightConstraints, ConstraintType::Default},
        {ui->frameAdsl, ConstraintType::Adsl},
        {ui->frameAwsl, ConstraintType::Awsl},
    };
    for (const auto &[frame, kind] : constraintFrames)
        for (int i = 1; i <= subclass.get_number_of_constraints(kind); ++i)
            showConstraint(lineEditAt(frame, i), subclass.get_constraint_at_index(i - 1, kind),
                           true, kind);
}

void Tarveo::fillHeader() {
    if (conf.is_g_acceleration_constant_valid()) {
        const QString g = conf.get_g_acceleration_constant();
        if (weightUnit == Tons) {
            weightFactor = Numbers::asFloat(g);
            qDebug() << "New conversion weight" << weightFactor;
        }
        ui->buttonGConstant->setText(g);
    } else {
        ui->buttonGConstant->setText(Numbers::general(Units::DefaultG));
    }

    showText(ui->lineEditVersion, conf.get_classification_version());
    setFieldState(ui->lineEditVersion, true, QString());
    ui->lineEditCountry->setText(conf.get_country_code());
    setFieldState(ui->lineEditCountry, conf.is_country_code_valid(), tipCountry);
    setConvertedText(ui->lineEditGroupMaxDist, conf.get_group_max_distance(), false,
                     conf.is_group_max_distance_valid());
    setConvertedText(ui->lineEditMinAxleSpacing, conf.get_min_2axle_truck_spacing(), false, true);
    setConvertedText(ui->lineEditMinAvgAxleWeight, conf.get_min_avg_axle_weight(), true, true);
    ui->lineEditUnclassified->setText(conf.get_unclassified_vehicle_subclass());
    setFieldState(ui->lineEditUnclassified, conf.is_unclassified_vehicle_subclass_valid(),
                  QString());
    setConvertedMaxAxleDistText(ui->lineEditMaxAxleDist, conf.get_max_axle_distance(), false,
                                maxAxleDistanceState());
    setConvertedText(ui->lineEditMinAxleDist, conf.get_min_axle_distance(), false,
                     conf.is_min_axle_distance_valid());
    ui->lineEditUncategorised->setText(conf.get_uncategorised_vehicle_category());
    setFieldState(ui->lineEditUncategorised, conf.is_uncategorised_vehicle_category_valid(),
                  QString());
}

void Tarveo::copyHeaderToConf() {
    if (weightUnit == Tons && !Units::isDefaultG(weightFactor))
        conf.set_g_acceleration_constant(Numbers::general(weightFactor));
    conf.set_classification_version(ui->lineEditVersion->text());
    conf.set_country_code(ui->lineEditCountry->text());
    conf.set_group_max_distance(editToFileText(ui->lineEditGroupMaxDist, false));
    conf.set_min_2axle_truck_spacing(editToFileText(ui->lineEditMinAxleSpacing, false));
    conf.set_min_avg_axle_weight(editToFileText(ui->lineEditMinAvgAxleWeight, true));
    conf.set_unclassified_vehicle_subclass(ui->lineEditUnclassified->text());
    conf.set_max_axle_distance(editToFileText(ui->lineEditMaxAxleDist, false));
    conf.set_min_axle_distance(editToFileText(ui->lineEditMinAxleDist, false));
    conf.set_uncategorised_vehicle_category(ui->lineEditUncategorised->text());
}

void Tarveo::menuConfigurationClicked() {
    // The dialog's G field offers the g of tonnes; with another unit shown the
    // factor is no g, so the default is offered.
    const float g = weightUnit == Tons ? weightFactor : Units::DefaultG;
    // Only the latest dialog is kept; an earlier one has done its work.
    delete unitsDialog;
    unitsDialog = new MeasurementUnits(this, &weightUnit, &lengthUnit, &g);
    connect(unitsDialog, &MeasurementUnits::sendUnits, this, &Tarveo::receiveUnits);
    unitsDialog->exec();
}
